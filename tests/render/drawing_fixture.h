#pragma once

#include "catalogue/parameter_index.h"
#include "render/card_images.h"
#include "render/pixel_ops.h"
#include "render/table_renderer.h"
#include "resources/resource_library.h"
#include "support/table_builder.h"
#include "table/program_state.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vellomir::render::testing {

namespace param = catalogue::param;
namespace cell = table::cell;
using vellomir::testing::card;
using vellomir::testing::pileOf;

// A small table of big cards on a plain green cloth, drawn into an 800 x 600
// window: stock at (20, 20), waste at (110, 20), four foundations from
// (300, 20) and seven tableaus from (20, 140), fanned down. Flights do not
// wait (speed 0) and cards are shadowed.
class DrawingTest : public ::testing::Test {
protected:
    static constexpr int W = 71;
    static constexpr int H = 96;

    static void SetUpTestSuite() {
        s_library = new resources::ResourceLibrary;
        ASSERT_TRUE(s_library->open(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)));
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }

    void SetUp() override {
        settings::SettingsRecord& s = state.settings;
        s.write(settings::field::CardSize, "B");
        s.write(settings::field::Card, "001");
        s.write(settings::field::BackCard, "011");
        s.write(settings::field::BackgroundDef, "Y");
        s.write(settings::field::SpeedMoveCard, "0");
        s.write(settings::field::CardsShadowed, "Y");
        s.write(settings::field::PilesTT, "N");
        images = std::make_unique<CardImages>(*s_library);
        images->setCardSize(state);
        state.shadowOffset = 9;

        table::TMainGame& g = state.mainGame;
        g.setCell(cell::FaceUpStepDown, 18);
        g.setCell(cell::FaceDownStepDown, 4);
        g.setCell(cell::PlainFanStep, 3);
        g.setCell(cell::SpacingUnit, 6);
        state.params.set(param::TableauFanStyle, 1);
        state.params.set(param::FoundationFanStyle, 3);
        state.params.set(param::StockFaceDown, 1);
        state.params.set(param::TableauCount, 7);
        state.params.set(param::FoundationCount, 4);
        state.params.set(param::FoundationMaxCards, 13);
        for (int f = 0; f < 4; ++f) {
            state.params.set(param::FoundationBaseRank + f, 1);
            state.params.set(param::FoundationCompleteCount + f, -1);
        }
        placeStock(table::kStock, 20, 20);
        placeStock(table::kWaste, 110, 20);
        for (int f = 0; f < 4; ++f) {
            g.setFoundationX(f, 300 + f * 80);
            g.setFoundationY(f, 20);
        }
        for (int t = 0; t < 7; ++t) {
            g.setTableauX(t, 20 + t * 80);
            g.setTableauY(t, 140);
        }
        state.flags.set(table::Flag::GameInPlay);

        TableWindowHooks hooks;
        hooks.repaintWindow = [this](const QRect& rect) { repaints.push_back(rect); };
        hooks.showMessage = [this](const QString&, const QString& text) {
            messages.push_back(text);
        };
        hooks.forgetCustomBackground = [this] { ++customPicturesForgotten; };
        renderer = std::make_unique<TableRenderer>(state, *images, *s_library, hooks);
        renderer->resizeBuffers(QSize(800, 600));
        renderer->setWindowSize(QSize(800, 600));
    }

    void placeStock(int pile, int x, int y) {
        state.mainGame.setStockX(pile, x);
        state.mainGame.setStockY(pile, y);
        state.mainGame.setCell(cell::StockBaseX + pile, x);
        state.mainGame.setCell(cell::StockBaseY + pile, y);
    }

    const QImage& buffer() { return renderer->tableBuffer(); }
    const QImage& window() { return renderer->windowImage(); }
    // The bare table over the table buffer's extent, as one picture.
    const QImage& background() {
        if (backgroundGeneration != renderer->backdrop().generation()) {
            backgroundPicture = renderer->backgroundPicture();
            backgroundGeneration = renderer->backdrop().generation();
        }
        return backgroundPicture;
    }
    QImage backgroundPicture;
    quint64 backgroundGeneration = 0;

    static bool isCorner(int x, int y) {
        const int dx = std::min(x, W - 1 - x);
        const int dy = std::min(y, H - 1 - y);
        return dx + dy <= 1;
    }
    // Pixels of the card-sized area at `at` in `image` that differ from
    // `picture`, its rounded corners left out. Positions are logical; at a
    // pixel ratio above 1 every device pixel is compared.
    static int differencesFrom(const QImage& image, QPoint at, const QImage& picture) {
        const int r = pixelRatioOf(image);
        int differences = 0;
        for (int y = 0; y < H * r; ++y) {
            for (int x = 0; x < W * r; ++x) {
                if (!isCorner(x / r, y / r) &&
                    image.pixel(at.x() * r + x, at.y() * r + y) != picture.pixel(x, y)) {
                    ++differences;
                }
            }
        }
        return differences;
    }
    // Device pixels of the logical `area` that differ between two pictures of
    // one size and ratio.
    static int differencesIn(const QImage& a, const QImage& b, QRect area) {
        const int r = pixelRatioOf(a);
        int differences = 0;
        area = QRect(area.topLeft() * r, area.size() * r) & a.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                differences += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
        return differences;
    }
    static int differences(const QImage& a, const QImage& b) {
        return differencesIn(a, b, logicalRect(a));
    }

    static resources::ResourceLibrary* s_library;
    table::ProgramState state;
    std::unique_ptr<CardImages> images;
    std::unique_ptr<TableRenderer> renderer;
    std::vector<QRect> repaints;
    std::vector<QString> messages;
    int customPicturesForgotten = 0;
};

inline resources::ResourceLibrary* DrawingTest::s_library = nullptr;

// The same table drawn at the pixel ratio of the parameter: 1, one device
// pixel to each logical pixel, or 2, a HiDPI screen's.
class DrawingAtRatioTest : public DrawingTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        renderer->setPixelRatio(GetParam());
    }
};

} // namespace vellomir::render::testing
