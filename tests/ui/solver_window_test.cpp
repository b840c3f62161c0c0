// The solver in the window: the status bar's word, Hint, the Solve demo and
// New game with winnable deals only.

#include "engine/solver/table_fingerprint.h"
#include "table_window.h"
#include "ui/deal_search.h"
#include "ui/solver_assistant.h"

#include <QAction>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::processEventsUntil;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

constexpr int kSearchWaitMs = 60000;

class SolverWindowTest : public ::testing::Test {
protected:
    // A returning player of `game` with no flights and no autoplay (unless
    // `autoplay`), on deal `deal`.
    void start(int game, const std::string& deal, bool autoplay = false) {
        directory.write(
            "DATA/CFG.DAT",
            "[Preference]\nGame=" + std::to_string(game) + "\nAutoPlay=" + (autoplay ? "Y" : "N") +
                "\nDeal_Animation=N\nCards_Animate=N\n"
                "Show_StatusBar=Y\nWinning_Animations=None\nMainWindowState_Maximized=N\n"
                "MainWindowState_Width=900\nMainWindowState_Height=700\n");
        directory.write("DATA/Stat_e00.dat", "");
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(processEventsUntil([&] { return state().flags.test(Flag::GameInPlay); }));
        assistant().setDemoPace(0, 0);
        ASSERT_TRUE(program->engine().dealNumber(deal));
    }
    table::ProgramState& state() { return program->state(); }
    TfrmMain& window() { return *program->mainWindow(); }
    SolverAssistant& assistant() { return window().solverAssistant(); }
    QAction* action(const char* name) {
        return window().findChild<QAction*>(QString::fromLatin1(name));
    }
    QString word() { return assistant().statusWord(); }
    bool waitForWord(const QString& wanted) {
        return processEventsUntil([&] { return word() == wanted; }, kSearchWaitMs);
    }
    int moves() { return program->engine().moves(); }
    bool won() { return !state().flags.test(Flag::GameInPlay) && state().lastEndingWon; }
    // A click through the table, as the player's mouse gives it.
    void click(const std::string& place) {
        std::string problem;
        const auto at = engine::placePoint(state(), place, problem);
        ASSERT_TRUE(at) << problem;
        QTest::mouseClick(window().tableView(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(at->x, at->y));
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

// The sliding puzzle: the word comes once the search is done, the hint is
// marked on the table and goes with the next move, a move along the line
// keeps the word without a new search, and the demo plays the rest to the
// win through the pointer input.
TEST_F(SolverWindowTest, SlidingPuzzleHintWordAndSolve) {
    start(87, "3");
    EXPECT_EQ(word(), SolverAssistant::kSearching);
    ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable)) << word().toStdString();
    EXPECT_TRUE(window().findChild<QLabel*>(QStringLiteral("lblWinnable"))->isVisibleTo(&window()));

    const QImage before = testing::tablePicture(window());
    QSignalSpy shown(&assistant(), &SolverAssistant::hintShown);
    QTest::keyClick(window().tableView(), Qt::Key_H);
    ASSERT_EQ(shown.size(), 1);
    const std::string place = shown[0][0].toString().toStdString();
    EXPECT_NE(testing::tablePicture(window()), before) << "the hint is marked on the table";

    // The player plays the hinted click: the mark goes, the word stays.
    const std::uint64_t hinted = engine::tableFingerprint(state());
    click(place);
    ASSERT_NE(engine::tableFingerprint(state()), hinted) << "the hinted move moved nothing";
    EXPECT_EQ(moves(), 1);
    EXPECT_EQ(word(), SolverAssistant::kWinnable) << "a move along the line needs no search";
    EXPECT_FALSE(assistant().search().searchingPosition());

    action("mnuSolve")->trigger();
    EXPECT_TRUE(assistant().demoRunning());
    ASSERT_TRUE(processEventsUntil([&] { return won(); }, 20000))
        << moves() << " moves, in play " << state().flags.test(Flag::GameInPlay) << " demo "
        << assistant().demoRunning() << " word " << word().toStdString();
    EXPECT_GT(moves(), 1);
    EXPECT_FALSE(assistant().demoRunning());
    EXPECT_FALSE(action("mnuHint")->isEnabled());
}

// Klondike: the demo runs the whole line to the win through the real
// pointer input, each move a step of the history.
TEST_F(SolverWindowTest, KlondikeSolveDemoPlaysToTheWin) {
    start(1, "3");
    ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable)) << word().toStdString();
    assistant().solve();
    ASSERT_TRUE(processEventsUntil([&] { return won(); }, 120000)) << moves() << " moves played";
    EXPECT_GT(moves(), 20);
    EXPECT_EQ(word(), QString()) << "no word for a game that is over";
    EXPECT_FALSE(assistant().demoRunning());
    EXPECT_FALSE(action("mnuSolve")->isEnabled());
}

// Any key stops the demo between two moves; what it played is the
// player's to take back, one move per undo.
TEST_F(SolverWindowTest, AKeyStopsTheDemoAndUndoTakesItsMovesBack) {
    start(1, "3");
    ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable));
    assistant().setDemoPace(30, 5);
    const std::uint64_t dealt = engine::tableFingerprint(state());
    assistant().solve();
    ASSERT_TRUE(processEventsUntil([&] { return moves() >= 3; }, 20000));
    QTest::keyClick(window().tableView(), Qt::Key_Space);
    ASSERT_TRUE(processEventsUntil([&] { return !assistant().demoRunning(); }));
    const int played = moves();
    QTest::qWait(300);
    EXPECT_EQ(moves(), played) << "the demo went on after the key";
    EXPECT_TRUE(state().flags.test(Flag::GameInPlay));
    EXPECT_EQ(word(), SolverAssistant::kWinnable);
    for (int i = 0; i < played; ++i) {
        ASSERT_TRUE(action("mnuUndo")->isEnabled());
        action("mnuUndo")->trigger();
    }
    EXPECT_EQ(engine::tableFingerprint(state()), dealt);
    EXPECT_EQ(word(), SolverAssistant::kWinnable) << "the deal's answer is kept";
    EXPECT_FALSE(assistant().search().searchingPosition());
}

// A search that ends at its bounds says "unknown", never "not winnable";
// Hint then says no win was found and, since the position before the last
// move was winnable, offers to take the move back.
TEST_F(SolverWindowTest, NoWinFoundOffersTheUndoOfAMoveFromAWinnablePosition) {
    start(1, "3");
    ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable));
    const std::uint64_t dealt = engine::tableFingerprint(state());
    assistant().setSearchBounds(3, 0);
    // A move off the line: the stock turned a few times.
    for (int i = 0; i < 3 && assistant().statusWord() != SolverAssistant::kUnknown; ++i) {
        testing::clickStock(window(), state());
        ASSERT_TRUE(processEventsUntil([&] { return word() != SolverAssistant::kSearching; }));
    }
    ASSERT_EQ(word(), SolverAssistant::kUnknown);
    const int played = moves();
    boxes.confirmAnswer = false;
    QTest::keyClick(window().tableView(), Qt::Key_H);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].kind, QStringLiteral("confirm"));
    EXPECT_EQ(moves(), played);
    if (played == 1) {
        EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("Undo the last move?")));
        boxes.confirmAnswer = true;
        QTest::keyClick(window().tableView(), Qt::Key_H);
        EXPECT_EQ(moves(), 0);
        EXPECT_EQ(engine::tableFingerprint(state()), dealt);
        EXPECT_EQ(word(), SolverAssistant::kWinnable);
    }
}

// Beleaguered Castle deal 1 cannot be won: every position was searched.
TEST_F(SolverWindowTest, ADealProvedLostSaysSoAndTheHintTellsIt) {
    start(17, "1");
    ASSERT_TRUE(waitForWord(SolverAssistant::kNotWinnable)) << word().toStdString();
    QTest::keyClick(window().tableView(), Qt::Key_H);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].kind, QStringLiteral("information"));
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("This game cannot be won from here."));
}

// A move while the search looks calls it off and starts the next one: the
// word is for the table as it is now.
TEST_F(SolverWindowTest, AMoveWhileSearchingRestartsTheSearch) {
    start(1, "2");
    ASSERT_EQ(word(), SolverAssistant::kSearching);
    assistant().setSearchBounds(3, 0);
    testing::clickStock(window(), state());
    EXPECT_EQ(word(), SolverAssistant::kSearching);
    ASSERT_TRUE(waitForWord(SolverAssistant::kUnknown));
    EXPECT_FALSE(assistant().search().searchingPosition());
}

// With winnable deals only, New game deals a deal the solver proved
// winnable; the choice is kept per game in the preferences.
TEST_F(SolverWindowTest, WinnableDealsOnlyDealsAProvedDeal) {
    start(87, "3");
    QAction* only = action("mnuWinnableOnly");
    ASSERT_TRUE(only->isEnabled());
    EXPECT_FALSE(only->isChecked());
    only->trigger();
    EXPECT_TRUE(only->isChecked());
    EXPECT_EQ(directory.preferences().readText("Winnable_Deals", "Game_0087", ""), "Y");
    const std::string before = state().settings.read(settings::field::DealNumber);
    action("mnuNew")->trigger();
    auto* progress = window().findChild<QProgressDialog*>(QStringLiteral("frmWinnableDeal"));
    ASSERT_NE(progress, nullptr);
    // Over the middle of the window, title bar and all on the screen.
    const QPoint offCentre = progress->frameGeometry().center() - window().frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
    ASSERT_TRUE(processEventsUntil(
        [&] { return state().settings.read(settings::field::DealNumber) != before; }, 30000));
    EXPECT_TRUE(state().flags.test(Flag::GameInPlay));
    EXPECT_EQ(word(), SolverAssistant::kWinnable) << "the deal's proof is its answer";
    EXPECT_FALSE(assistant().search().searchingPosition());
    processEventsUntil([&] {
        return window().findChild<QProgressDialog*>(QStringLiteral("frmWinnableDeal")) == nullptr;
    });
    EXPECT_EQ(window().findChild<QProgressDialog*>(QStringLiteral("frmWinnableDeal")), nullptr);
}

// Cancelled, the search for a deal leaves the game on the table in play.
TEST_F(SolverWindowTest, ACancelledSearchForADealKeepsTheGame) {
    start(1, "3");
    action("mnuWinnableOnly")->trigger();
    testing::clickStock(window(), state());
    const std::uint64_t table = engine::tableFingerprint(state());
    action("mnuNew")->trigger();
    auto* progress = window().findChild<QProgressDialog*>(QStringLiteral("frmWinnableDeal"));
    ASSERT_NE(progress, nullptr);
    // As the player does it: the Cancel button (QProgressDialog::cancel()
    // alone resets the dialog without telling anyone).
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    QTest::qWait(200);
    EXPECT_EQ(engine::tableFingerprint(state()), table);
    EXPECT_EQ(moves(), 1);
    EXPECT_TRUE(state().flags.test(Flag::GameInPlay));
}

// Solve to the win with Autoplay ticked: the demo never touches the tick
// (the player's choice is kept, and saved as it was), the player is told
// what was won, and the chooser that opens then takes the player's clicks.
TEST_F(SolverWindowTest, SolveToTheWinKeepsAutoplayAndLeavesTheChooserToThePlayer) {
    start(1, "3", true);
    ASSERT_TRUE(state().autoplayTicked);
    ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable)) << word().toStdString();
    bool chooserClicked = false;
    int boxesBeforeChooser = -1;
    boxes.onDialog = [&](QDialog& dialog) {
        if (dialog.objectName() == QStringLiteral("frmOpenGame")) {
            boxesBeforeChooser = static_cast<int>(boxes.boxes.size());
            auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"));
            QObject::connect(cancel, &QPushButton::clicked, [&] { chooserClicked = true; });
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
        return static_cast<int>(QDialog::Rejected);
    };
    action("mnuSolve")->trigger();
    ASSERT_TRUE(processEventsUntil([&] { return won(); }, 120000)) << moves() << " moves played";
    processEventsUntil([&] { return !boxes.dialogs.isEmpty(); });
    ASSERT_EQ(boxes.dialogs, QStringList{QStringLiteral("frmOpenGame")});
    EXPECT_TRUE(chooserClicked) << "the chooser got no click";
    EXPECT_FALSE(assistant().demoRunning());
    EXPECT_TRUE(state().autoplayTicked);
    EXPECT_TRUE(action("mnuAutoPlay")->isChecked());

    // Before the chooser, one message: the game, the time, the score, the
    // moves, and a first win.
    ASSERT_EQ(boxesBeforeChooser, 1) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    const QString said = boxes.boxes[0].text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("You won Klondike!"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Time: "))) << said.toStdString();
    EXPECT_TRUE(said.contains(
        QStringLiteral("Score: %1")
            .arg(QString::fromStdString(state().settings.read(settings::field::Score)).toInt())));
    EXPECT_TRUE(said.contains(QStringLiteral("Moves: ")));
    EXPECT_TRUE(said.contains(QStringLiteral("Your first win of this game.")));

    window().close();
    EXPECT_EQ(directory.preferences().readText("Preference", "AutoPlay", ""), "Y");
}

// With Autoplay ticked the hint is a move on the table, never the Autoplay
// command, in the games that send cards up by themselves.
TEST_F(SolverWindowTest, WithAutoplayTickedTheHintIsAMove) {
    for (const auto& [game, deal] : {std::pair{1, "3"}, std::pair{10, "1"}}) {
        SCOPED_TRACE(game);
        start(game, deal, true);
        ASSERT_TRUE(waitForWord(SolverAssistant::kWinnable)) << word().toStdString();
        QSignalSpy shown(&assistant(), &SolverAssistant::hintShown);
        QTest::keyClick(window().tableView(), Qt::Key_H);
        EXPECT_EQ(shown.size(), 1);
        EXPECT_EQ(boxes.boxes.size(), 0) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(state().autoplayTicked);
        program.reset();
        boxes.boxes.clear();
    }
}

} // namespace
} // namespace vellomir::ui
