#include "catalogue/parameter_index.h"
#include "program_fixture.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/open_game_form.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

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
              (QStringList{"&New game [F2]", "&Open a game [Ctrl+F12]", "-", "E&xit"}));
    EXPECT_EQ(entries("mnuGameMenu"), (QStringList{"Au&toplay [F7]"}));
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
    EXPECT_EQ(view->image()->size(), view->size());
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

    const app::IniFile preferences = directory.preferences();
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

TEST_F(MainWindowTest, AMaximisedWindowSavesOnlyThatItIsMaximised) {
    start();
    ASSERT_TRUE(window().isMaximized());
    EXPECT_TRUE(window().close());
    const app::IniFile preferences = directory.preferences();
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
    int ticks = 0;
    window().hooks().clockTick = [&] { ++ticks; };
    EXPECT_TRUE(testing::processEventsUntil([&] { return ticks > 0; }, 2500));
}

TEST_F(MainWindowTest, PointerEventsReachTheInputLayerWithButtonAndCtrl) {
    start();
    QList<PointerEvent> events;
    window().hooks().pointer = [&](const PointerEvent& e) { events.append(e); };
    TableView* view = window().tableView();
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
    EXPECT_EQ(program->state().settings.read(app::field::Game), "-001");
}

} // namespace
} // namespace vellomir::ui

namespace vellomir::ui {
namespace {

// A press and release on the table picture, as the mouse makes them.
void clickTable(TableView* view, int x, int y) {
    const QPointF point(x, y);
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
    const QColor margin =
        picture.pixelColor(state.mainGame.tableauX(gap) + 6, state.mainGame.tableauY(gap) + 48);
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

} // namespace
} // namespace vellomir::ui
