// The table drawing against its budgets: a full redraw of a dealt Klondike at
// 1920 x 1080 (4 ms) and one pointer move carrying a 13-card run (0.3 ms).
// The window repaint itself is not counted: there is no window here.
// VELLOMIR_CARD_SIZE=F runs both with cards fitted to the table, and
// VELLOMIR_PIXEL_RATIO=2 draws them for a HiDPI screen (four device pixels
// to each pixel of the layout).

#include "catalogue/catalogue_reader.h"
#include "cli/console_frontend.h"
#include "render/card_images.h"
#include "render/table_renderer.h"
#include "resources/resource_library.h"
#include "table/card.h"
#include "table/card_metrics.h"
#include "table/catalogue_loading.h"
#include "table/deal_distribution.h"
#include "table/deal_generation.h"
#include "table/deal_services.h"
#include "table/pile_positions.h"
#include "table/program_state.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

using namespace vellomir;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Scene {
    table::ProgramState state{VELLOMIR_BIN_DIR "/"};
    resources::ResourceLibrary library;
    std::unique_ptr<render::CardImages> images;
    std::unique_ptr<render::TableRenderer> renderer;

    Scene() {
        settings::SettingsRecord& s = state.settings;
        // VELLOMIR_CARD_SIZE=F fits the cards to the table (B by default).
        const QByteArray size = qgetenv("VELLOMIR_CARD_SIZE");
        s.write(settings::field::CardSize, size.isEmpty() ? "B" : size.toStdString());
        s.write(settings::field::Card, "001");
        s.write(settings::field::BackCard, "011");
        s.write(settings::field::BackgroundDef, "N");
        s.write(settings::field::BackgroundBmp, "0");
        s.write(settings::field::BackgroundFixedCol, "32768");
        s.write(settings::field::FadeBackground, "Y");
        s.write(settings::field::DealNumber, "4715938271650");
        state.shadowOffset = 9;
        if (!library.open(QStringLiteral(VELLOMIR_BIN_DIR "/KAR.RGF"))) {
            std::cerr << "cannot open KAR.RGF\n";
            std::exit(1);
        }
        table::loadGameList(state);
        table::loadParameters(state, 1);
        images = std::make_unique<render::CardImages>(library);
        state.mainGame.resetGeometry();
        table::computeFanSteps(state);
        table::computePilePositions(state, table::LayoutArea{kWidth, kHeight - 1, kHeight, 5},
                                    {kWidth, kHeight});
        // Fitted cards take their width from the layout.
        images->setCardSize(state);
        tools::ConsoleFrontend frontend(std::cerr);
        table::DealServices services;
        table::distributeDeal(state, table::buildDealArray(state, frontend), services);
        state.flags.set(table::Flag::GameInPlay);
        renderer = std::make_unique<render::TableRenderer>(state, *images, library);
        renderer->resizeBuffers(QSize(kWidth + 30, kHeight + 30));
        renderer->setWindowSize(QSize(kWidth, kHeight));
        const int ratio = qEnvironmentVariableIntValue("VELLOMIR_PIXEL_RATIO");
        renderer->setPixelRatio(std::max(1, ratio));
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

void BM_FullTableRedraw(benchmark::State& st) {
    Scene& s = scene();
    for (auto _ : st) {
        s.renderer->drawTable(false);
        benchmark::DoNotOptimize(s.renderer->windowImage().constBits());
    }
}
BENCHMARK(BM_FullTableRedraw)->Unit(benchmark::kMillisecond);

void BM_DrawCarriedThirteenCards(benchmark::State& st) {
    Scene& s = scene();
    // A king-to-ace run on tableau 7, face up.
    std::string run;
    for (int rank = 13; rank >= 1; --rank) {
        const int card = (rank % 2 ? 0 : 39) + rank; // hearts and spades in turn
        run += table::cardText(card);
        s.state.cards.setFaceUp(card, true);
    }
    for (int t = 0; t < 7; ++t) {
        s.state.piles.tableau(t).clear();
    }
    s.state.piles.stock(table::kStock).clear();
    s.state.piles.stock(table::kWaste).clear();
    s.state.piles.tableau(6) = run;
    s.renderer->drawTable(false);
    const int x = s.state.mainGame.tableauX(6);
    const int y = s.state.mainGame.tableauY(6);
    const int height =
        12 * s.state.mainGame.cell(table::cell::FaceUpStepDown) + s.state.cardSize.height;
    s.renderer->pickUpCarried(13, QRect(x, y, s.state.cardSize.width, height), height);
    std::vector<int> cards;
    for (int i = 0; i < 13; ++i) {
        cards.push_back(table::cardAt(run, i));
    }
    s.renderer->drawTableWithout(cards);
    int step = 0;
    for (auto _ : st) {
        // A pointer move of a few pixels, to and fro over the table.
        const int dx = (step % 200) * 3;
        const int px = (step / 200) % 2 ? x + 600 - dx : x + dx;
        s.renderer->drawCarried(px, y + 40 + (step % 7), false, true);
        ++step;
    }
}
BENCHMARK(BM_DrawCarriedThirteenCards)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
