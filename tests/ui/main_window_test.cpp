#include "catalogue/parameter_index.h"
#include "engine/actions/drop_rules.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "program_fixture.h"
#include "table/card.h"
#include "table/program_state.h"
#include "table_window.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/open_game_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// A program started on its own program directory, with the first game dealt.
class MainWindowTest : public ::testing::Test {
protected:
    void start(const std::string& preferences = "") {
        if (!preferences.empty()) {
            directory.write("DATA/CFG.DAT", preferences);
        }
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
    }
    TfrmMain& window() { return *program->mainWindow(); }
    QString caption() { return window().windowTitle(); }

    // The visible entries of a menu: captions with their shortcuts, "-" for a separator.
    QStringList entries(const char* menuName) {
        QStringList result;
        const auto* menu = window().findChild<QMenu*>(QString::fromLatin1(menuName));
        for (const QAction* action : menu->actions()) {
            if (!action->isVisible()) {
                continue;
            }
            if (action->isSeparator()) {
                result << QStringLiteral("-");
            } else {
                const QString key = action->shortcut().toString();
                result << (key.isEmpty() ? action->text()
                                         : action->text() + QStringLiteral(" [") + key + "]");
            }
        }
        return result;
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

const QRegularExpression kDealNumber(QStringLiteral("  \\[\\d{13}\\]$"));

TEST_F(MainWindowTest, OpensOnADealtGameAndSwitchesGamesFromTheList) {
    start();
    // A fresh installation plays game 87.
    EXPECT_TRUE(program->state().flags.test(Flag::GameInPlay));
    EXPECT_TRUE(
        caption().startsWith(QStringLiteral("Vellomir [Put-Them-In-Order (3x3 square)]  [")))
        << caption().toStdString();
    EXPECT_TRUE(kDealNumber.match(caption()).hasMatch());
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();

    boxes.onDialog = [](QDialog& dialog) {
        auto* chooser = dynamic_cast<TfrmOpenGame*>(&dialog);
        if (!chooser || !chooser->selectGame(1)) {
            return int(QDialog::Rejected);
        }
        chooser->confirmChoice();
        return chooser->result();
    };
    window().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    // A first run (no player statistics) opened the chooser by itself; then the Open command.
    EXPECT_EQ(boxes.dialogs,
              (QStringList{QStringLiteral("frmOpenGame"), QStringLiteral("frmOpenGame")}));
    EXPECT_TRUE(caption().startsWith(QStringLiteral("Vellomir [Klondike]  [")))
        << caption().toStdString();
    EXPECT_TRUE(kDealNumber.match(caption()).hasMatch());
    // The game opened is remembered for the next start.
    EXPECT_EQ(directory.preferences().readInt("Preference", "Game", 0), 1);

    // New deals the same game again with another deal number.
    const QString before = caption();
    window().findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    EXPECT_TRUE(caption().startsWith(QStringLiteral("Vellomir [Klondike]  [")));
    EXPECT_NE(caption(), before);
}

TEST_F(MainWindowTest, MenusShowOnlyTheProgramsCommands) {
    start();
    EXPECT_EQ(window().menuBar()->actions().size(), 4);
    EXPECT_EQ(entries("mnuPartita"),
              (QStringList{"&New game [F2]", "&Open a game [Ctrl+F12]", "&Restart [F5]",
                           "&Deal number... [Ctrl+D]", "-", "E&xit [Ctrl+Q]"}));
    EXPECT_EQ(entries("mnuGameMenu"),
              (QStringList{"&Undo [Ctrl+Z]", "&Redo [Ctrl+Shift+Z]", "-", "Au&toplay [F7]", "-",
                           "&Hint [H]", "&Solve", "&Winnable deals only", "-", "&Statistics",
                           "Status &bar", "&Full screen [F11]"}));
    EXPECT_EQ(entries("mnuOpzioni"), (QStringList{"C&ustomize... [Ctrl+U]"}));
    EXPECT_EQ(entries("mnuAiuto"),
              (QStringList{"&Rules [F1]", "&Contents", "-", "A&bout Vellomir..."}));
    const QStringList titles{"&File", "&Game", "&Tools", "&Help"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window().menuBar()->actions()[i]->text(), titles[i]);
    }
    for (const char* hidden :
         {"mnuRestart", "mnuPause", "mnuStatistics", "mnuInsertBookmark", "mnuTipOfTheDay"}) {
        const auto* action = window().findChild<QAction*>(QString::fromLatin1(hidden));
        ASSERT_NE(action, nullptr) << hidden;
        EXPECT_FALSE(action->isVisible()) << hidden;
        EXPECT_FALSE(action->isEnabled()) << hidden;
    }
    // Autoplay is ticked on a fresh installation.
    EXPECT_TRUE(window().findChild<QAction*>(QStringLiteral("mnuAutoPlay"))->isChecked());
}

TEST_F(MainWindowTest, ToolBarButtonsCarryTheirHintsAndRunTheirCommands) {
    start();
    const bool large = window().largeToolBar();
    const QStringList names = large ? QStringList{"tbNew", "tbOpen", "tbRules", "tbExit"}
                                    : QStringList{"tbNew1", "tbOpen1", "tbRules1", "tbExit1"};
    const QStringList hints{"New", "Open", "Rules", "Exit"};
    for (int i = 0; i < names.size(); ++i) {
        const auto* button = window().findChild<QToolButton*>(names[i]);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), hints[i]);
        EXPECT_TRUE(button->isVisibleTo(&window()));
        EXPECT_EQ(button->size(), large ? QSize(44, 40) : QSize(23, 22));
    }
    EXPECT_EQ(window().findChild<QLabel*>(QStringLiteral("lblTempo2"))->text(),
              QStringLiteral("Time:"));
    EXPECT_EQ(window().findChild<QLabel*>(QStringLiteral("lblScore2"))->text(),
              QStringLiteral("Score:"));
    EXPECT_EQ(window().findChild<QLabel*>(QStringLiteral("lblTempo"))->text(),
              QStringLiteral("0:00:00"));

    window().findChild<QToolButton*>(names[1])->click();
    // A first run (no player statistics) opened the chooser by itself; then the Open command.
    EXPECT_EQ(boxes.dialogs,
              (QStringList{QStringLiteral("frmOpenGame"), QStringLiteral("frmOpenGame")}));
}

TEST_F(MainWindowTest, TheTableStartsBelowTheToolBar) {
    start();
    TableView* view = window().tableView();
    EXPECT_EQ(window().drawingAreaWidth(),
              view->width() - window().scrollBar()->sizeHint().width());
    EXPECT_EQ(window().drawingAreaHeight(), view->height());
    const auto* panel = window().findChild<QFrame*>(QStringLiteral("pnlTBx"));
    // Piles start the outer margin below the tool bar, clear of its panel.
    const int margin = window().largeToolBar() ? 10 : 5;
    EXPECT_EQ(window().tableTopMargin() + margin, panel->height());
    EXPECT_FALSE(window().scrollBar()->isVisible());
}

TEST_F(MainWindowTest, WithoutTheDealAnimationTheWindowShowsFirstTheDealtTableWithItsCounts) {
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\nAutoPlay=N\nDeal_Animation=N\n"
                                    "Show_StatusBar=Y\nMainWindowState_Maximized=N\n");
    directory.write("DATA/Stat_e00.dat", "");
    program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program->start());
    // Dealt before the window first showed: its first paint has the cards
    // and the status bar's counts, never "Stock: 0".
    EXPECT_TRUE(program->state().flags.test(Flag::GameInPlay));
    const auto* stock = window().findChild<QLabel*>(QStringLiteral("lblStockCards"));
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->text(), QStringLiteral("Stock: 24"));
    // The rest of the first activation waits for the table on the screen;
    // the game chooser is made only when it is asked for.
    EXPECT_TRUE(program->state().flags.test(Flag::FirstActivationPending));
    ASSERT_TRUE(testing::processEventsUntil(
        [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
    EXPECT_EQ(window().findChild<TfrmOpenGame*>(), nullptr);
    EXPECT_NE(window().gameChooser(), nullptr);
}

TEST_F(MainWindowTest, AResizeBeforeTheFirstActivationLaysTheFirstGameOutForTheNewSize) {
    // FreeCell, whose last foundation ends at the right edge of the table.
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=10\nAutoPlay=N\nDeal_Animation=N\n"
                                    "MainWindowState_Maximized=N\nMainWindowState_Width=800\n"
                                    "MainWindowState_Height=600\n");
    directory.write("DATA/Stat_e00.dat", "");
    program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program->start());
    ASSERT_TRUE(program->state().flags.test(Flag::FirstActivationPending));
    // As a window manager maximising the window after its first showing.
    window().resize(1100, 800);
    ASSERT_TRUE(
        testing::processEventsUntil([&] { return program->state().flags.test(Flag::GameInPlay); }));
    TableView* view = window().tableView();
    ASSERT_NE(view->image(), nullptr);
    EXPECT_EQ(view->image()->deviceIndependentSize().toSize(), view->tableSize());
    const QImage first = view->image()->copy();
    const table::TMainGame& g = program->state().mainGame;
    const int lastFoundation = program->state().params[catalogue::param::FoundationCount] - 1;
    EXPECT_GT(g.foundationX(lastFoundation) + program->state().cardSize.width,
              window().drawingAreaWidth() - 40);
    EXPECT_LE(g.foundationX(lastFoundation) + program->state().cardSize.width,
              window().drawingAreaWidth());
    // The picture is the one a fresh layout and redraw for this size gives.
    window().redrawTable();
    EXPECT_EQ(view->image()->copy(), first);
}

TEST_F(MainWindowTest, PlayAndUndoWithFittedCardsDrawTheTableAsAFreshDrawingDoes) {
    start("[Preference]\nGame=1\nCard_Size=F\nAutoPlay=N\nDeal_Animation=N\n"
          "Cards_Animate=N\nMainWindowState_Maximized=N\n");
    table::ProgramState& state = program->state();
    ASSERT_GT(state.cardSize.width, 71);
    TableView* view = window().tableView();
    // The table is drawn at the screen's pixel ratio when it is a whole
    // number, else in the screen's own pixels at ratio 1, one to each.
    const qreal screenRatio = view->devicePixelRatioF();
    const bool whole = qFuzzyCompare(screenRatio, std::round(screenRatio));
    const int ratio = whole ? std::max(1, qRound(screenRatio)) : 1;
    EXPECT_EQ(view->image()->devicePixelRatio(), ratio);
    EXPECT_EQ(view->tableScale(), whole ? 1.0 : screenRatio);
    EXPECT_GE(view->image()->width(), view->tableSize().width() * ratio);
    // The picture shown equals a fresh layout and full drawing within `area`,
    // every device pixel of it.
    const auto expectFresh = [&](const std::string& when, QRect area) {
        const QImage shown = view->image()->copy();
        window().redrawTable();
        const QImage fresh = view->image()->copy();
        area = QRect(area.topLeft() * ratio, area.size() * ratio) & fresh.rect();
        ASSERT_EQ(fresh.format(), shown.format()) << when;
        const std::size_t rowBytes =
            static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(fresh.depth()) / 8;
        const std::size_t leftByte =
            static_cast<std::size_t>(area.left()) * static_cast<std::size_t>(fresh.depth()) / 8;
        int differ = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            // Whole rows compared at once; a row that differs is counted pixel by pixel.
            if (std::memcmp(fresh.constScanLine(y) + leftByte, shown.constScanLine(y) + leftByte,
                            rowBytes) == 0) {
                continue;
            }
            for (int x = area.left(); x <= area.right(); ++x) {
                differ += fresh.pixel(x, y) != shown.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differ, 0) << when;
    };
    const auto run = [&](const std::string& line) {
        std::string problem;
        const auto command = engine::parsePointerCommand(line, problem);
        ASSERT_TRUE(command && engine::runPointerCommand(program->engine(), *command, problem))
            << line << ": " << problem;
    };
    // Moves a top card to the first pile that takes it; false when none does.
    const auto playAMove = [&] {
        std::vector<table::PileRef> from{{table::PileKind::Stock, table::kWaste}};
        for (int t = 0; t < 7; ++t) {
            from.push_back({table::PileKind::Tableau, t});
        }
        for (const table::PileRef& pile : from) {
            const int card = table::topCardOf(state.piles.pile(pile));
            if (card < 1 || !state.cards.isFaceUp(card)) {
                continue;
            }
            state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
            state.mainGame.setCell(table::cell::PickedCard, card);
            const std::vector<table::PileRef> targets = engine::dropTargets(
                state, program->frontend(), *engine::liftedMove(state, card, false));
            state.mainGame.setCell(table::cell::PickedCard, 0);
            if (!targets.empty()) {
                run("drag " + table::pileName(pile) + " " + table::pileName(targets.front()));
                return true;
            }
        }
        return false;
    };
    int moves = 0;
    for (int step = 0; step < 40 && state.flags.test(Flag::GameInPlay); ++step) {
        if (playAMove()) {
            ++moves;
        } else {
            run("click Mazzo");
        }
        expectFresh("after step " + std::to_string(step), view->rect());
    }
    EXPECT_GT(moves, 3);
    QAction* undo = window().findChild<QAction*>(QStringLiteral("mnuUndo"));
    for (int i = 0; i < 8 && undo->isEnabled(); ++i) {
        undo->trigger();
        QCoreApplication::processEvents();
        expectFresh("after undo " + std::to_string(i + 1), view->rect());
    }
}

TEST_F(MainWindowTest, TheChooserOpensByItselfOnlyWhileThereAreNoPlayerStatistics) {
    // The first start: no statistics file, the chooser opens.
    start("[Preference]\nGame=1\n");
    EXPECT_EQ(boxes.dialogs, QStringList{QStringLiteral("frmOpenGame")});
    window().close();
    // A second start with the statistics file there opens on the table.
    directory.write("DATA/Stat_e00.dat", "");
    boxes.dialogs.clear();
    program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program->start());
    ASSERT_TRUE(testing::processEventsUntil(
        [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
    EXPECT_TRUE(boxes.dialogs.isEmpty());
    EXPECT_TRUE(program->state().flags.test(Flag::GameInPlay));
    EXPECT_TRUE(caption().startsWith(QStringLiteral("Vellomir [Klondike]  [")));
}

TEST(MessageBoxes, BoxesOfAHiddenWindowAreCentredOnTheScreenWithTheNormalCursor) {
    QWidget shown;
    shown.show();
    QWidget hidden;
    auto* child = new QWidget(&shown);
    EXPECT_EQ(boxOwner(&hidden), nullptr);
    EXPECT_EQ(boxOwner(child), child);
    EXPECT_EQ(boxOwner(nullptr), nullptr);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        const NormalCursorWhileShown normal;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    {
        // Without an hourglass nothing is changed.
        const NormalCursorWhileShown normal;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(MainWindowTest, NarrowingSnapsBackToTheMinimumWidth) {
    start("[Preference]\nMainWindowState_Maximized=N\n");
    window().resize(600, 100);
    const int minimum =
        window().largeToolBar() ? TfrmMain::kMinWidthLarge : TfrmMain::kMinWidthSmall;
    EXPECT_EQ(window().width(), minimum);
    EXPECT_GE(window().height(), TfrmMain::kMinHeight);
}

TEST_F(MainWindowTest, ClosingSavesTheWindowsPlaceAndTheAutoplayTick) {
    // Klondike, where autoplay can be switched.
    start("[Preference]\nGame=1\nMainWindowState_Maximized=N\nMainWindowState_Left="
          "60\nMainWindowState_Top=70\n"
          "MainWindowState_Width=800\nMainWindowState_Height=500\n");
    EXPECT_EQ(window().size(), QSize(800, 500));
    window().resize(820, 520);
    QAction* autoplay = window().findChild<QAction*>(QStringLiteral("mnuAutoPlay"));
    ASSERT_TRUE(autoplay->isEnabled());
    autoplay->trigger(); // unticks it
    EXPECT_FALSE(program->state().autoplayTicked);
    EXPECT_TRUE(window().close());

    const settings::IniFile preferences = directory.preferences();
    EXPECT_EQ(preferences.readText("Preference", "MainWindowState_Maximized", ""), "N");
    EXPECT_EQ(preferences.readInt("Preference", "MainWindowState_Left", 0), window().pos().x());
    EXPECT_EQ(preferences.readInt("Preference", "MainWindowState_Top", 0), window().pos().y());
    EXPECT_EQ(preferences.readInt("Preference", "MainWindowState_Width", 0), 820);
    EXPECT_EQ(preferences.readInt("Preference", "MainWindowState_Height", 0), 520);
    EXPECT_EQ(preferences.readText("Preference", "AutoPlay", ""), "N");
    // The choice is kept for the game as well (character 2 stands for game 1).
    EXPECT_EQ(preferences.readText("Autoplay", "Games", "").substr(1, 1), "N");
    EXPECT_EQ(preferences.readInt("Settings", "Random_Game_Type", -1), 2);
    // The resource library was let go.
    EXPECT_FALSE(program->library().isOpen());
}

// The preferences file deleted while the program runs: at the close every
// preference the program holds is written back, not only the window's place.
TEST_F(MainWindowTest, APreferencesFileDeletedWhileRunningIsWrittenBackWhole) {
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=1\nCard_Size=M\nBack_Card=14\nSounds_Enabled=N\n"
          "Cards_Animate=N\nShow_StatusBar=N\nConfirmQuitGame=Y\nSpeed_Move_Card=7\n"
          "Background_Fixed_Col=255\nAutoPlay_All_Games=2\nMainWindowState_Maximized=N\n");
    std::filesystem::remove(directory.preferencesPath());
    EXPECT_TRUE(window().close());

    const settings::IniFile preferences = directory.preferences();
    for (const auto& [key, value] :
         {std::pair{"Card_Size", "M"}, std::pair{"Sounds_Enabled", "N"},
          std::pair{"Cards_Animate", "N"}, std::pair{"Show_StatusBar", "N"},
          std::pair{"ConfirmQuitGame", "Y"}, std::pair{"AutoPlay_All_Games", "2"},
          std::pair{"Background_Fixed_Col", "255"}}) {
        EXPECT_EQ(preferences.readText("Preference", key, "(none)"), value) << key;
    }
    for (const auto& [key, value] :
         {std::pair{"Game", 1}, std::pair{"Back_Card", 14}, std::pair{"Speed_Move_Card", 7}}) {
        EXPECT_EQ(preferences.readInt("Preference", key, -1), value) << key;
    }
    EXPECT_EQ(preferences.readText("Preference", "Game_Name", ""), "Klondike");

    // Started again on the file written back, the program holds the same choices.
    program.reset();
    start();
    EXPECT_EQ(program->state().settings.read(settings::field::CardSize), "M");
    EXPECT_EQ(program->state().settings.read(settings::field::SoundsEnabled), "N");
    EXPECT_EQ(program->state().settings.readInt(settings::field::Game, -1), 1);
}

// The status bar counts only what the game has: no stock in FreeCell, no
// passes in Spider (its stock is dealt once), both in Klondike three passes.
TEST_F(MainWindowTest, TheStatusBarShowsOnlyWhatTheGameHas) {
    directory.write("DATA/Stat_e00.dat", "");
    const auto shown = [&](const char* label) {
        return window().findChild<QLabel*>(QString::fromLatin1(label))->isVisibleTo(&window());
    };
    const auto text = [&](const char* label) {
        return window().findChild<QLabel*>(QString::fromLatin1(label))->text();
    };
    for (const auto& [game, stock, passes] :
         {std::tuple{10, false, false}, std::tuple{73, true, false}, std::tuple{51, true, true},
          std::tuple{1, true, false}}) {
        SCOPED_TRACE(game);
        start("[Preference]\nGame=" + std::to_string(game) +
              "\nShow_StatusBar=Y\nDeal_Animation=N\nCards_Animate=N\n"
              "MainWindowState_Maximized=N\n");
        // A first move: the stock click, where there is a stock.
        testing::clickStock(window(), program->state());
        EXPECT_TRUE(shown("lblMoves"));
        EXPECT_EQ(shown("lblStockCards"), stock) << text("lblStockCards").toStdString();
        EXPECT_EQ(shown("lblPassesLeft"), passes) << text("lblPassesLeft").toStdString();
        if (passes) {
            EXPECT_EQ(text("lblPassesLeft"), QStringLiteral("Passes left: 2"));
        }
        program.reset();
    }
}

TEST_F(MainWindowTest, AMaximisedWindowSavesOnlyThatItIsMaximised) {
    start();
    ASSERT_TRUE(window().isMaximized());
    EXPECT_TRUE(window().close());
    const settings::IniFile preferences = directory.preferences();
    EXPECT_EQ(preferences.readText("Preference", "MainWindowState_Maximized", ""), "Y");
    EXPECT_FALSE(preferences.find("Preference", "MainWindowState_Width").has_value());
}

TEST_F(MainWindowTest, ConfirmQuitAsksBeforeClosing) {
    start("[Preference]\nConfirmQuit=Y\n");
    boxes.confirmAnswer = false;
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Exit Vellomir?"));
    EXPECT_TRUE(program->library().isOpen());

    boxes.confirmAnswer = true;
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(program->library().isOpen());
}

TEST_F(MainWindowTest, WithoutConfirmQuitNothingIsAsked) {
    start();
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowTest, ClosingDuringTheWinningAnimationStopsItFirst) {
    start();
    bool stopped = false;
    window().hooks().stopWinningAnimation = [&] { stopped = true; };
    program->state().flags.set(Flag::AnimationRunning);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(stopped);
    EXPECT_EQ(program->state().mainGame.cell(table::cell::CloseRequested), 1);
    EXPECT_TRUE(program->library().isOpen());
}

TEST_F(MainWindowTest, NewGameAsksBeforeAbandoningARunningGameWhenSet) {
    start("[Preference]\nConfirmQuitGame=Y\n");
    const QString before = caption();
    boxes.confirmAnswer = false;
    window().newGame();
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Quit this game?"));
    EXPECT_EQ(caption(), before);

    boxes.confirmAnswer = true;
    window().newGame();
    EXPECT_NE(caption(), before);
}

TEST_F(MainWindowTest, TheClockTimerCallsTheClockTick) {
    start();
    // A clock started an hour ago: the tick shows the hour.
    table::ProgramState& state = program->state();
    state.flags.set(Flag::ClockRunning);
    state.flags.timeSlot(0) = program->frontend().timeOfDayMs() - 3600 * 1000;
    auto* clock = window().findChild<QLabel*>(QStringLiteral("lblTempo"));
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(
        testing::processEventsUntil([&] { return clock->text().startsWith("1:00:"); }, 2500))
        << clock->text().toStdString();
}

TEST_F(MainWindowTest, PointerEventsReachTheInputLayerWithButtonAndCtrl) {
    start();
    QList<PointerEvent> events;
    TableView* view = window().tableView();
    // The events as the table view hands them to the window's input.
    view->setPointerHandler([&](const PointerEvent& e) { events.append(e); });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(120, 200),
                      view->mapToGlobal(QPointF(120, 200)), Qt::RightButton, Qt::RightButton,
                      Qt::ControlModifier);
    QCoreApplication::sendEvent(view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(130, 210),
                        view->mapToGlobal(QPointF(130, 210)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].kind, PointerEvent::Kind::Press);
    EXPECT_EQ(events[0].button, Qt::RightButton);
    EXPECT_TRUE(events[0].ctrl);
    EXPECT_EQ(events[0].x, 120);
    EXPECT_EQ(events[0].y, 200);
    EXPECT_EQ(events[1].kind, PointerEvent::Kind::Release);
    EXPECT_FALSE(events[1].ctrl);
}

TEST_F(MainWindowTest, AGameNotInTheListOpensTheChooserAtTheFirstActivation) {
    start("[Preference]\nGame=4321\nGame_name=Gone\n");
    EXPECT_EQ(boxes.dialogs, QStringList{QStringLiteral("frmOpenGame")});
    EXPECT_FALSE(program->state().flags.test(Flag::GameInPlay));
    EXPECT_EQ(program->state().settings.read(settings::field::Game), "-001");
}

} // namespace
} // namespace vellomir::ui

namespace vellomir::ui {
namespace {

// A press and release on the table picture, as the mouse makes them.
// A click at the point (x, y) of the table, in table pixels.
void clickTable(TableView* view, int x, int y) {
    const QPointF point = QPointF(x + 0.5, y + 0.5) / view->tableScale();
    QMouseEvent press(QEvent::MouseButtonPress, point, view->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, view->mapToGlobal(point), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
}

TEST_F(MainWindowTest, AClickOnTheTableSlidesAPuzzleTileIntoTheGap) {
    // A player with statistics: the first activation deals game 87 at once.
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=87\nDeal_Animation=N\n");
    table::ProgramState& state = program->state();
    ASSERT_TRUE(state.flags.test(Flag::GameInPlay));
    int gap = -1;
    for (int t = 0; t < 9; ++t) {
        if (state.piles.tableau(t).empty()) {
            gap = t;
        }
    }
    ASSERT_GE(gap, 0);
    // The tile beside the gap in its row (or above or below it) slides in.
    const int neighbour = gap % 3 > 0 ? gap - 1 : gap + 1;
    const std::string tile = state.piles.tableau(neighbour);
    ASSERT_FALSE(tile.empty());
    clickTable(window().tableView(), state.mainGame.tableauX(neighbour) + 10,
               state.mainGame.tableauY(neighbour) + 10);
    EXPECT_EQ(state.piles.tableau(gap), tile);
    EXPECT_TRUE(state.piles.tableau(neighbour).empty());
    // The table picture shows the card where the gap was: no longer the cloth.
    const QImage picture = window().tableView()->grab().toImage();
    // A point on the card's white margin, clear of the index and the pips.
    const QColor margin = picture.pixelColor(
        (QPointF(state.mainGame.tableauX(gap) + 6, state.mainGame.tableauY(gap) + 48) /
         window().tableView()->tableScale() * picture.devicePixelRatio())
            .toPoint());
    EXPECT_GT(margin.red() + margin.green() + margin.blue(), 3 * 200)
        << "expected the white card face";
}

} // namespace
} // namespace vellomir::ui

namespace vellomir::ui {
namespace {

TEST_F(MainWindowTest, RulesShowTheGamesPageAndContentsTheContents) {
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=87\n");
    window().findChild<QAction*>(QStringLiteral("mnuRules"))->trigger();
    auto* help = window().findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    ASSERT_NE(help, nullptr) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(help->source().toString().endsWith(QStringLiteral("3087.html")))
        << help->source().toString().toStdString();
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Put-Them-In-Order")));
    window().findChild<QAction*>(QStringLiteral("Sommario1"))->trigger();
    EXPECT_TRUE(help->source().toString().endsWith(QStringLiteral("contents.html")));
}

// Klondike: a click on the empty stock turns the waste over and the next
// card onto the waste, and the rules the player reads say just that.
TEST_F(MainWindowTest, KlondikesEmptyStockClickDoesWhatItsRulesSay) {
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=1\nAutoPlay=N\nDeal_Animation=N\nCards_Animate=N\n"
          "Redeal_Animation=N\nMainWindowState_Maximized=N\n");
    const table::ProgramState& state = program->state();
    const auto count = [&](int pile) { return table::cardCount(state.piles.stock(pile)); };
    const int stock = count(table::kStock);
    ASSERT_GT(stock, 1);
    for (int i = 0; i < stock; ++i) {
        testing::clickStock(window(), state);
    }
    ASSERT_EQ(count(table::kStock), 0);
    ASSERT_EQ(count(table::kWaste), stock);
    testing::clickStock(window(), state);
    EXPECT_EQ(count(table::kStock), stock - 1);
    EXPECT_EQ(count(table::kWaste), 1);

    window().findChild<QAction*>(QStringLiteral("mnuRules"))->trigger();
    auto* help = window().findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->toPlainText().simplified().contains(
        QStringLiteral("The click that turns the waste over also turns the next card onto the "
                       "waste.")))
        << help->toPlainText().toStdString();
}

// Counts the mouse presses that reach a widget.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        presses += event->type() == QEvent::MouseButtonPress ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MainWindowTest, RulesFromTheChooserOpenInFrontOfItAndCanBeReadWhileItWaits) {
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=87\n");
    TfrmOpenGame* chooser = window().gameChooser();
    ASSERT_NE(chooser, nullptr);
    chooser->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeModalWidget(), chooser);
    ASSERT_TRUE(chooser->selectGame(1));
    chooser->findChild<QPushButton*>(QStringLiteral("btnRules"))->click();
    QCoreApplication::processEvents();

    // The help window stands over the chooser, not over the table it blocks.
    auto* help = chooser->findChild<QDialog*>(QStringLiteral("frmHelp"));
    ASSERT_NE(help, nullptr) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    ASSERT_TRUE(help->isVisible());
    ASSERT_NE(help->windowHandle(), nullptr);
    EXPECT_EQ(help->windowHandle()->transientParent(), chooser->windowHandle());
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("3001.html")));

    // The player can use it: a click reaches the page while the chooser waits.
    PressCounter counter;
    browser->viewport()->installEventFilter(&counter);
    const QPoint inside = browser->viewport()->mapTo(help, QPoint(20, 20));
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(counter.presses, 1);

    // Closing it goes back to the chooser, which still waits for a choice.
    help->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), chooser);
    chooser->reject();
    QCoreApplication::processEvents();

    // Rules from the menu afterwards open the same window over the table.
    window().findChild<QAction*>(QStringLiteral("mnuRules"))->trigger();
    EXPECT_EQ(help->parentWidget(), &window());
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("3087.html")));
}

// Grid games on low screens: the first row clear of the tool bar panel, the
// rest reached with the wheel and the scroll bar.
TEST_F(MainWindowTest, AGridTallerThanTheWindowStartsBelowTheToolBarAndScrolls) {
    directory.write("DATA/Stat_e00.dat", "");
    bool scrolledOnce = false;
    for (const int game : {37, 89}) {
        // The whole screen, and what a maximised window keeps of it under a
        // title bar and a panel.
        for (const QSize size : {QSize(800, 600), QSize(1024, 600), QSize(1024, 540)}) {
            const int width = size.width();
            SCOPED_TRACE(::testing::Message()
                         << "game " << game << " at " << width << "x" << size.height());
            program.reset();
            start("[Preference]\nGame=" + std::to_string(game) +
                  "\nAutoPlay=N\nDeal_Animation=N\nMainWindowState_Maximized=N\n"
                  "MainWindowState_Width=" +
                  std::to_string(width) +
                  "\nMainWindowState_Height=" + std::to_string(size.height()) + "\n");
            ASSERT_TRUE(testing::processEventsUntil(
                [&] { return program->state().flags.test(Flag::GameInPlay); }));
            const table::TMainGame& g = program->state().mainGame;
            const auto* panel = window().findChild<QFrame*>(QStringLiteral("pnlTBx"));
            ASSERT_EQ(panel->height(), 63);
            EXPECT_GE(g.tableauY(0), panel->height());

            TableView* view = window().tableView();
            QScrollBar* bar = window().scrollBar();
            const bool taller = window().lowestCardEdge() > view->height();
            EXPECT_EQ(bar->isVisible(), taller);
            if (!taller) {
                continue;
            }
            scrolledOnce = true;
            const int top = g.tableauY(0);
            const QImage before = view->image()->copy();
            QWheelEvent down(QPointF(100, 200), view->mapToGlobal(QPointF(100, 200)), QPoint(),
                             QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
            QCoreApplication::sendEvent(view, &down);
            QCoreApplication::processEvents();
            const int offset = bar->value();
            EXPECT_GT(offset, 0);
            EXPECT_EQ(g.cell(table::cell::ScrollOffset), offset);
            EXPECT_EQ(g.tableauY(0), top - offset);
            EXPECT_NE(view->image()->copy(), before);
            // The bar's end shows the lowest card edge.
            bar->setValue(bar->maximum());
            EXPECT_GE(bar->value() + view->height(), window().lowestCardEdge());
            // A new layout puts the table and the bar back at the top.
            window().redrawTable();
            EXPECT_EQ(g.cell(table::cell::ScrollOffset), 0);
            EXPECT_EQ(bar->value(), 0);
            EXPECT_EQ(g.tableauY(0), top);
        }
    }
    EXPECT_TRUE(scrolledOnce) << "no grid was taller than its window";
}

} // namespace
} // namespace vellomir::ui

#include <QTest>

namespace vellomir::ui {
namespace {

TEST_F(MainWindowTest, AFastDoubleClickOnTheStockDealsTwice) {
    directory.write("DATA/Stat_e00.dat", "");
    start("[Preference]\nGame=1\nDeal_Animation=N\nCards_Animate=N\n");
    table::ProgramState& state = program->state();
    ASSERT_TRUE(state.flags.test(Flag::GameInPlay));
    const std::size_t stock = state.piles.stock(table::kStock).size();
    TableView* view = window().tableView();
    const QPoint onStock(state.mainGame.stockX(table::kStock) + 10,
                         state.mainGame.stockY(table::kStock) + 10);
    // Qt's own order: press, release, double click, release.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, onStock);
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, onStock);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, onStock);
    // Two cards dealt (autoplay may send one of them on).
    EXPECT_EQ(state.piles.stock(table::kStock).size(), stock - 6);
    // The next deliberate press is not swallowed: it deals a third card.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, onStock);
    EXPECT_EQ(state.piles.stock(table::kStock).size(), stock - 9);
}

} // namespace
} // namespace vellomir::ui
