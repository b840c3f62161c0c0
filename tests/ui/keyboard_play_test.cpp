// Play by keyboard: the solver's stored winning lines of a Klondike, a
// FreeCell and a Pyramid deal, each move turned into key presses (arrows to
// the card, Enter, Tab to the pile, Enter), win the game without the mouse.

#include "engine/play/pointer_command.h"
#include "table/program_state.h"
#include "table_window.h"
#include "ui/keyboard_play.h"
#include "ui/table_accessibility.h"

#include <QAction>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <map>
#include <sstream>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::processEventsUntil;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

class KeyboardPlayTest : public ::testing::Test {
protected:
    // A returning player of `game` on deal `deal`, with no flights, no deal
    // animation, no autoplay and no winning animation.
    void start(int game, const std::string& deal) {
        directory.write("DATA/CFG.DAT",
                        "[Preference]\nGame=" + std::to_string(game) +
                            "\nAutoPlay=N\nDeal_Animation=N\nCards_Animate=N\n"
                            "Winning_Animations=None\nMainWindowState_Maximized=N\n"
                            "MainWindowState_Width=1000\nMainWindowState_Height=760\n");
        directory.write("DATA/Stat_e00.dat", "");
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(processEventsUntil([&] { return state().flags.test(Flag::GameInPlay); }));
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        ASSERT_TRUE(program->engine().dealNumber(deal));
        window().tableView()->setFocus();
        QCoreApplication::processEvents();
    }
    table::ProgramState& state() { return program->state(); }
    TfrmMain& window() { return *program->mainWindow(); }
    KeyboardPlay& keyboard() { return *window().keyboardPlay(); }
    bool won() { return !state().flags.test(Flag::GameInPlay) && state().lastEndingWon; }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window().tableView(), static_cast<Qt::Key>(key), modifiers);
    }

    // The place a line names ("Fila3", "Fila3:5"): that card, or the pile's
    // top place.
    int placeNamed(const std::string& name) const {
        const std::size_t colon = name.find(':');
        const auto pile = table::parsePileName(name.substr(0, colon));
        if (!pile) {
            return -1;
        }
        const int slot = colon == std::string::npos ? -1 : std::stoi(name.substr(colon + 1));
        const auto& places = program->mainWindow()->keyboardPlay()->places();
        const int index = placeOfPile(places, *pile, slot);
        if (index >= 0 && slot >= 0 && places[static_cast<std::size_t>(index)].slot != slot) {
            return -1;
        }
        return index;
    }

    // Arrow keys to `target` along the shortest way the focus can go.
    void arrowTo(int target, const std::string& what) {
        static const std::pair<FocusStep, Qt::Key> kArrows[] = {{FocusStep::Left, Qt::Key_Left},
                                                                {FocusStep::Right, Qt::Key_Right},
                                                                {FocusStep::Up, Qt::Key_Up},
                                                                {FocusStep::Down, Qt::Key_Down}};
        const int from = keyboard().focusIndex();
        std::map<int, std::pair<int, Qt::Key>> cameFrom{{from, {-1, Qt::Key_unknown}}};
        std::deque<int> queue{from};
        while (!queue.empty() && !cameFrom.contains(target)) {
            const int at = queue.front();
            queue.pop_front();
            for (const auto& [step, arrow] : kArrows) {
                const int next = keyboard().stepFrom(at, step);
                if (!cameFrom.contains(next)) {
                    cameFrom[next] = {at, arrow};
                    queue.push_back(next);
                }
            }
        }
        ASSERT_TRUE(cameFrom.contains(target)) << "no arrows lead to " << what << placesText();
        std::vector<Qt::Key> keys;
        for (int at = target; at != from; at = cameFrom[at].first) {
            keys.insert(keys.begin(), cameFrom[at].second);
        }
        for (Qt::Key arrow : keys) {
            key(arrow);
        }
        ASSERT_EQ(keyboard().focusIndex(), target) << what;
    }

    // The places with their rectangles and where each arrow leads, to
    // tell why a place cannot be reached.
    std::string placesText() {
        std::ostringstream text;
        const auto& places = keyboard().places();
        for (int i = 0; i < static_cast<int>(places.size()); ++i) {
            const QRect r = places[static_cast<std::size_t>(i)].cardRect;
            text << "\n"
                 << i << " " << places[static_cast<std::size_t>(i)].name() << " at " << r.x() << ","
                 << r.y() << ":";
            for (FocusStep step :
                 {FocusStep::Left, FocusStep::Right, FocusStep::Up, FocusStep::Down}) {
                text << " " << keyboard().stepFrom(i, step);
            }
        }
        return text.str();
    }

    void focusOn(const std::string& place) {
        const int target = placeNamed(place);
        ASSERT_GE(target, 0) << "no focus place for " << place;
        arrowTo(target, place);
    }

    // Tab through the piles that take the carried cards until `pile`.
    void tabTo(const std::string& place) {
        const auto pile = table::parsePileName(place.substr(0, place.find(':')));
        ASSERT_TRUE(pile);
        for (int tries = 0; tries < 60; ++tries) {
            key(Qt::Key_Tab);
            const KeyboardPlace* at = keyboard().focusPlace();
            ASSERT_TRUE(at);
            if (at->pile == *pile) {
                return;
            }
        }
        FAIL() << "Tab never reaches " << place;
    }

    // One move of a stored line, by keys alone.
    void play(const engine::PointerCommand& move) {
        using Verb = engine::PointerCommand::Verb;
        const table::PileLists before = state().piles;
        switch (move.verb) {
        case Verb::Autoplay:
            key(Qt::Key_F7);
            return;
        case Verb::Click:
            focusOn(move.place);
            key(Qt::Key_Return);
            break;
        case Verb::Drag:
            focusOn(move.place);
            key(Qt::Key_Space);
            ASSERT_TRUE(keyboard().carrying()) << move.place << " was not taken";
            tabTo(move.target);
            key(Qt::Key_Return);
            EXPECT_FALSE(keyboard().carrying());
            break;
        default:
            FAIL() << "no keys for " << engine::commandText(move);
        }
        EXPECT_FALSE(state().piles == before) << engine::commandText(move) << " moved nothing";
    }

    void winByKeys(int game) {
        std::ifstream file(std::string(VELLOMIR_WINNING_LINES) + "/game" + std::to_string(game) +
                           ".txt");
        ASSERT_TRUE(file) << "no stored line for game " << game;
        int line = 0;
        for (std::string text; std::getline(file, text);) {
            ++line;
            if (text.empty()) {
                continue;
            }
            std::string problem;
            const auto move = engine::parsePointerCommand(text, problem);
            ASSERT_TRUE(move) << problem;
            ASSERT_FALSE(won()) << "won before line " << line;
            SCOPED_TRACE("line " + std::to_string(line) + ": " + text);
            play(*move);
            if (HasFatalFailure() || HasFailure()) {
                return;
            }
        }
        EXPECT_TRUE(won());
        // The screen reader hears the end.
        EXPECT_TRUE(TableAccessibility::of(window().tableView())
                        ->lastAnnouncement()
                        .endsWith(QStringLiteral("Game won.")))
            << TableAccessibility::of(window().tableView())->lastAnnouncement().toStdString();
        EXPECT_FALSE(boxes.texts().join(QStringLiteral(" | ")).contains(QStringLiteral("rror")));
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

// The deals are the ones the command-line companion's tests win with the
// same lines.
TEST_F(KeyboardPlayTest, WinsKlondikeByKeys) {
    start(1, "3");
    winByKeys(1);
}

TEST_F(KeyboardPlayTest, WinsFreeCellByKeys) {
    start(10, "3");
    winByKeys(10);
}

TEST_F(KeyboardPlayTest, WinsPyramidByKeys) {
    start(36, "14");
    winByKeys(36);
}

// Esc puts the carried cards back, a pile that does not take them refuses
// them with nothing moved, and F sends a card to a foundation.
TEST_F(KeyboardPlayTest, EscPutsBackAndFoundationKeySends) {
    start(1, "3");
    const table::PileLists dealt = state().piles;
    // The first line of the stored win sends Fila7's top card to a foundation.
    focusOn("Fila7");
    key(Qt::Key_Return);
    ASSERT_TRUE(keyboard().carrying());
    key(Qt::Key_Left);
    key(Qt::Key_Escape);
    EXPECT_FALSE(keyboard().carrying());
    EXPECT_TRUE(state().piles == dealt);
    EXPECT_EQ(keyboard().focusPlace()->name(), "Fila7");
    EXPECT_EQ(program->engine().moves(), 0);

    key(KeyboardPlay::kFoundationKey);
    EXPECT_FALSE(state().piles == dealt);
    EXPECT_EQ(table::cardCount(state().piles.foundation(0)), 1);
    EXPECT_EQ(program->engine().moves(), 1);
    EXPECT_TRUE(keyboard().frameShown());
}

// The arrows go to the pile that lies that way on the table: beside, above
// and below, entering a pile at its top card.
TEST_F(KeyboardPlayTest, ArrowsGoToTheNeighbouringPile) {
    start(1, "3");
    focusOn("Fila1");
    const auto stepName = [&](Qt::Key arrow) {
        key(arrow);
        return keyboard().focusPlace()->name();
    };
    EXPECT_EQ(stepName(Qt::Key_Right), "Fila2");
    EXPECT_EQ(stepName(Qt::Key_Left), "Fila1");
    EXPECT_EQ(stepName(Qt::Key_Left), "Fila1"); // nothing lies to the left
    EXPECT_EQ(stepName(Qt::Key_Up), "Mazzo");
    EXPECT_EQ(stepName(Qt::Key_Right), "Mazzo_Vis");
    EXPECT_EQ(stepName(Qt::Key_Down), "Fila2");
    focusOn("Dest4");
    EXPECT_EQ(stepName(Qt::Key_Down), "Fila7");
}

} // namespace
} // namespace vellomir::ui
