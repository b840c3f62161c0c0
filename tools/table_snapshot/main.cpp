// vellomir-table-snapshot: deals a game of the catalogue and draws its table
// with the real layout and renderer into a PNG, for looking over the table
// drawing without starting the program.
//
//   vellomir-table-snapshot PROGRAM_DIR OUT.png [--game N] [--deal DIGITS]
//                           [--size WxH] [--cards B|M|L] [--background N]
//                           [--scatter] [--carry]
//
// PROGRAM_DIR holds GAMES.DAT and KAR.RGF (the build's bin/ folder).
// --background takes a library picture number, 0 for the faded green cloth
// (the default) or "default" for the plain dark green. --scatter moves a few
// cards onto the foundations and the waste, so that every kind of pile shows.
// --carry shows the top card of the fourth tableau carried away with its
// shadow, as in the middle of a drag.

#include "catalogue/catalogue_reader.h"
#include "catalogue/parameter_index.h"
#include "cli/console_frontend.h"
#include "render/card_images.h"
#include "render/table_renderer.h"
#include "resources/resource_library.h"
#include "settings/number_text.h"
#include "table/card.h"
#include "table/card_metrics.h"
#include "table/card_position.h"
#include "table/catalogue_loading.h"
#include "table/deal_distribution.h"
#include "table/deal_generation.h"
#include "table/deal_services.h"
#include "table/pile_positions.h"
#include "table/program_state.h"

#include <QGuiApplication>

#include <iostream>
#include <string>

namespace {

using namespace vellomir;

int usage(const std::string& problem) {
    std::cerr
        << "vellomir-table-snapshot: " << problem << "\n"
        << "usage: vellomir-table-snapshot PROGRAM_DIR OUT.png [--game N] [--deal DIGITS] [--size "
           "WxH]\n"
        << "                               [--cards B|M|L] [--background N|default] [--scatter]\n";
    return 2;
}

// Moves the top card of `from` onto `to` when it is face up.
void moveTop(table::ProgramState& state, table::PileRef from, table::PileRef to) {
    std::string& source = state.piles.pile(from);
    if (source.size() < 3) {
        return;
    }
    const int card = table::topCardOf(source);
    source.resize(source.size() - 3);
    state.piles.pile(to) += table::cardText(card);
    state.cards.setFaceUp(card, true);
    // The tableau card uncovered turns face up.
    if (from.kind == table::PileKind::Tableau && !source.empty()) {
        state.cards.setFaceUp(table::topCardOf(source), true);
    }
}

// A deal that draws from the program state's own random generator and
// otherwise answers as a deal without an engine.
class SeededDraws final : public table::DealServices {
public:
    explicit SeededDraws(table::ProgramState& state) : m_state(state) {}

protected:
    int randomBelow(int bound) const override { return m_state.random.draw(bound); }

private:
    table::ProgramState& m_state;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        return usage("missing arguments");
    }
    std::string programDir = args[1].toStdString();
    if (!programDir.ends_with('/')) {
        programDir += '/';
    }
    const QString out = args[2];
    int game = 1;
    std::string deal = "4715938271650";
    int width = 1024;
    int height = 768;
    std::string cards = "B";
    std::string background = "0";
    bool scatter = false;
    bool carry = false;
    for (int i = 3; i < args.size(); ++i) {
        const QString word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--scatter") {
            scatter = true;
        } else if (word == "--carry") {
            carry = true;
        } else if (!hasValue) {
            return usage("option " + word.toStdString() + " needs a value");
        } else if (word == "--game") {
            game = args[++i].toInt();
        } else if (word == "--deal") {
            deal = args[++i].toStdString();
        } else if (word == "--size") {
            const QStringList parts = args[++i].split('x');
            if (parts.size() != 2 || parts[0].toInt() < 200 || parts[1].toInt() < 150) {
                return usage("bad size " + args[i].toStdString());
            }
            width = parts[0].toInt();
            height = parts[1].toInt();
        } else if (word == "--cards") {
            cards = args[++i].toStdString();
        } else if (word == "--background") {
            background = args[++i].toStdString();
        } else {
            return usage("unknown option " + word.toStdString());
        }
    }

    table::ProgramState state(programDir);
    settings::SettingsRecord& s = state.settings;
    s.write(settings::field::CardSize, cards);
    s.write(settings::field::Card, "001");
    s.write(settings::field::BackCard, "011");
    s.write(settings::field::BackgroundDef, background == "default" ? "Y" : "N");
    s.write(settings::field::BackgroundBmp, background == "default" ? "0" : background);
    s.write(settings::field::BackgroundFixedCol, "32768");
    s.write(settings::field::FadeBackground, "Y");
    s.write(settings::field::CardsShadowed, "Y");
    s.write(settings::field::PilesTT, "N");
    s.write(settings::field::DealNumber, deal);
    state.shadowOffset = table::shadowOffsetFor(s);

    resources::ResourceLibrary library;
    if (!library.open(QString::fromStdString(programDir + "KAR.RGF"))) {
        std::cerr << "vellomir-table-snapshot: cannot open " << programDir << "KAR.RGF\n";
        return 1;
    }
    try {
        table::loadGameList(state);
        if (!table::loadParameters(state, game)) {
            std::cerr << "vellomir-table-snapshot: game " << game << " is not in the catalogue\n";
            return 1;
        }
    } catch (const catalogue::CatalogueError& error) {
        std::cerr << "vellomir-table-snapshot: " << error.what() << "\n";
        return 1;
    }

    render::CardImages images(library);
    images.setCardSize(state);
    state.mainGame.resetGeometry();
    table::computeFanSteps(state);
    table::computePilePositions(state, table::LayoutArea{width, height - 1, height, 5},
                                {1920, 1080});

    tools::ConsoleFrontend frontend(std::cerr);
    const table::DealArray array = table::buildDealArray(state, frontend);
    table::distributeDeal(state, array, SeededDraws(state));
    state.jitter.rebuild(state.random);
    state.mainGame.setCell(table::cell::PassNumber, 1);

    if (scatter) {
        using table::PileKind;
        // A few cards to the waste and up to the foundations.
        for (int i = 0; i < 3; ++i) {
            moveTop(state, {PileKind::Stock, table::kStock}, {PileKind::Stock, table::kWaste});
        }
        moveTop(state, {PileKind::Tableau, 0}, {PileKind::Foundation, 0});
        moveTop(state, {PileKind::Tableau, 2}, {PileKind::Foundation, 1});
    }

    state.flags.set(table::Flag::GameInPlay);
    render::TableRenderer renderer(state, images, library);
    renderer.resizeBuffers(QSize(width + 30, height + 30));
    renderer.setWindowSize(QSize(width, height));
    renderer.drawTable(false);
    if (carry) {
        const table::PileRef pile{table::PileKind::Tableau, 3};
        const int card = table::topCardOf(state.piles.pile(pile));
        const table::CardPoint at = table::topCardPosition(state, pile);
        const QSize size(state.cardSize.width, state.cardSize.height);
        renderer.pickUpCarried(card, QRect(QPoint(at.x, at.y), size), size.height());
        renderer.drawTableWithout({card});
        renderer.liftCarried();
        renderer.drawCarried(at.x + 40, at.y + 180, false, true);
    }
    if (!renderer.windowImage().save(out)) {
        std::cerr << "vellomir-table-snapshot: cannot write " << out.toStdString() << "\n";
        return 1;
    }
    return 0;
}
