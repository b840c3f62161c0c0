#pragma once

#include "ui/advanced_form.h"
#include "ui/table_view.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QToolButton;

namespace vellomir::settings {
class PreferenceFile;
}
namespace vellomir::engine {
class PlayEngine;
}
namespace vellomir::resources {
class ResourceLibrary;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class KeyboardPlay;
class MessageBoxes;
class QtFrontend;
class SolverAssistant;
class TfrmOpenGame;

/// What the main window's commands call beyond the set-up of games. Empty
/// members are skipped.
class TfrmHelp;

struct MainWindowHooks {
    /// Stops the winning animation that runs.
    std::function<void()> stopWinningAnimation;
    /// The checks of the first activation (the statistics files); true when
    /// the player has no statistics yet, which opens the game chooser.
    std::function<bool()> firstActivationChecks;
    /// Runs once the window has closed for good (tear down).
    std::function<void()> closed;
    /// At the close, before the game on the table ends: keeps it to be
    /// continued at the next start.
    std::function<void()> saveGameInPlay;
    /// At the first activation: continues the game kept at the last close;
    /// true when it did (then no new game is dealt).
    std::function<bool()> resumeGame;
    /// Notes a step of start-up for the start-up probe (its name).
    std::function<void(const char*)> startupMark;
    /// The first table is on the screen: what start-up kept for it goes.
    std::function<void()> firstTableShown;
};

/// The program's main window: the table fills it, a panel with the tool bar
/// and the time and score panels sits at the top, and the main menu offers
/// the commands.
class TfrmMain : public C_TAdvancedForm<QMainWindow> {
    Q_OBJECT
public:
    /// Minimum widths with the large and the small tool bar, and heights.
    static constexpr int kMinWidthLarge = 780;
    static constexpr int kMinWidthSmall = 635;
    static constexpr int kMinHeight = 120;
    static constexpr int kMinTrackHeight = 200;

    TfrmMain(table::ProgramState& state, MessageBoxes& boxes);
    ~TfrmMain() override;

    void attach(QtFrontend& frontend, engine::PlayEngine& engine);
    void setHooks(MainWindowHooks hooks);
    MainWindowHooks& hooks() { return m_hooks; }

    // --- Start-up -------------------------------------------------------------
    /// Replaces "[Program]" in the captions and hides the commands this
    /// program does not offer.
    void prepareCommands();
    /// The large tool bar on screens above 499 pixels, else the small one.
    void setLargeToolBar(bool large);
    bool largeToolBar() const { return m_largeToolBar; }
    /// The tool bar buttons' flat look and their hints (shown when
    /// Show_ToolTips is "Y"); with `save` the choice goes to ToolBar_Flat.
    void setToolBarFlat(bool flat, bool save);
    void setToolBarVisible(bool visible);
    /// The help file the Contents and Rules commands open, when there is one.
    void setHelpFile(const QString& path) { m_helpFile = path; }
    /// Opens the help window on a game's rules, or on the contents for -1.
    void showHelp(int gameNumber, QWidget* owner = nullptr);
    /// Makes the game chooser, once; the Open command shows it again and again.
    void createGameChooser(const resources::ResourceLibrary& library);
    /// The game chooser, made when first asked for (with the frontend's
    /// resource library): it is not needed for the first table. Null while
    /// there is no library.
    TfrmOpenGame* gameChooser();
    /// Reads the window's place from the preferences and shows the window.
    void restoreWindowState(const settings::PreferenceFile& preferences);
    /// Writes the window's place to the preferences; false when that failed
    /// (the reason was shown).
    bool saveWindowState(settings::PreferenceFile& preferences);
    /// Shows the window in front of the others, restored when minimised: a
    /// second start of the program asks this of the running copy.
    void bringToFront();
    /// Closes as Exit does but without asking (the session ends).
    void closeWithoutQuestion();

    // --- What the frontend sets ---------------------------------------------------
    void setClockVisible(bool visible);
    void setScoreVisible(bool visible);
    void setClockText(const QString& text);
    void setScoreText(const QString& text);
    void setStatusBarShown(bool visible);
    void setAutoplayChecked(bool checked);
    void setAutoplayEnabled(bool enabled);
    void setCustomizeWanted(bool enabled);
    void setGameCommandsEnabled(bool enabled);
    void setTableCursor(const QCursor& cursor);
    void setCaptionText(const QString& caption);

    // --- Metrics for the layout -------------------------------------------------
    int drawingAreaWidth() const;
    int drawingAreaHeight() const;
    int windowOuterHeight() const;
    int tableTopMargin() const;

    TableView* tableView() const { return m_table; }
    QScrollBar* scrollBar() const { return m_scrollBar; }
    /// Shows the table anew after the window changed: the layout is computed
    /// again and the table redrawn without animation.
    void redrawTable();
    /// The first activation's work: the caption, the checks, and the first
    /// game; once the table is on the screen, also what waited for that (the
    /// chooser, the opening autoplay, the sounds).
    void firstActivation();
    /// The game and the deal number the first activation deals in place of
    /// the game left in play (the command line's --game and --deal).
    void setStartRequest(std::optional<int> game, std::optional<std::string> deal);
    /// Sizes the scroll bar's range to the lowest card edge of the table.
    void updateScrollRange();
    /// How far down the table's cards reach, in table coordinates.
    int lowestCardEdge() const;

    // --- Commands -------------------------------------------------------------------
    void newGame();
    void openGame();
    /// Deals the same deal number again, after the same question as New.
    void restartGame();
    /// Asks for a deal number and deals it for the current game.
    void chooseDealNumber();
    void undo();
    void redo();
    /// The statistics dialog of the player file.
    void showStatistics();
    /// Shows or hides the status bar; with `save` the choice is kept in the
    /// preferences (Show_StatusBar).
    void setStatusBarChoice(bool visible, bool save);
    /// Brings Undo, Redo and Restart and the status bar up to date.
    void updatePlayCommands();
    /// Fills the screen with the window (F11), or gives it back its former
    /// place, maximised or not.
    void setFullScreen(bool on);
    void toggleAutoplay();
    /// Marks the next move of a winning line on the table (Hint).
    void hint();
    /// Plays the winning line on the table (Solve).
    void solve();
    SolverAssistant& solverAssistant() { return *m_assistant; }
    /// Play by keyboard on the table; null until the engine is attached.
    KeyboardPlay* keyboardPlay() const { return m_keyboard; }
    void showAbout();
    /// The customise dialog, made anew for each use.
    void showCustomize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    void layoutChildren();
    void layoutPanels();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& key = {});
    QAction* addHiddenCommand(QMenu* menu, const char* name, const QString& caption);
    QToolButton* addToolButton(QFrame* bar, const char* name, const QString& hint, QAction* command,
                               QRect place, int iconSize, int which);
    void toolButtonClicked(QAction* command);
    void onActivated();
    bool gameRunning() const;
    /// The question New, Restart and Deal number ask before a running game
    /// is abandoned; true to go on.
    bool mayAbandonGame();
    /// New game once the player may abandon the game on the table: the deal
    /// of `dealNumber`, or a new deal number.
    void dealNewGame(const std::optional<std::string>& dealNumber);
    void reportWriteFailure(const std::string& message);
    /// The messages of what closing could not save, in one box.
    void showUnsavedAtClose(const std::vector<std::string>& messages);
    /// The first activation up to the first game on the table. Before the
    /// window shows, what needs the player's eyes (the chooser, the opening
    /// autoplay) is left for finishFirstTable().
    void prepareFirstTable(bool beforeShowing);
    /// Deals the first game before the window shows, so that the first paint
    /// shows it dealt, with its counts in the status bar.
    void dealBeforeShowing();
    /// Deals the first game: the game and deal number the command line asked
    /// for, else a new deal of the current game.
    void dealFirstGame();
    void finishFirstTable();
    void startupMark(const char* what) const;

    table::ProgramState& m_state;
    MessageBoxes& m_boxes;
    QtFrontend* m_frontend = nullptr;
    engine::PlayEngine* m_engine = nullptr;
    MainWindowHooks m_hooks;

    QWidget* m_client = nullptr;
    TableView* m_table = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QFrame* m_pnlTBx = nullptr;
    QFrame* m_pnlTB = nullptr;
    QFrame* m_pnlTB1 = nullptr;
    QFrame* m_pnlTempo = nullptr;
    QFrame* m_pnlScore = nullptr;
    QLabel* m_lblTempo2 = nullptr;
    QLabel* m_lblTempo = nullptr;
    QLabel* m_lblScore2 = nullptr;
    QLabel* m_lblScore = nullptr;
    QTimer* m_timer = nullptr;

    QAction* m_mnuNew = nullptr;
    QAction* m_mnuOpen = nullptr;
    QAction* m_mnuEsci = nullptr;
    QAction* m_mnuAutoPlay = nullptr;
    QAction* m_mnuCustomize = nullptr;
    QAction* m_mnuRules = nullptr;
    QAction* m_sommario = nullptr;
    QAction* m_mnuAbout = nullptr;
    QAction* m_mnuRestartDeal = nullptr;
    QAction* m_mnuDealNumber = nullptr;
    QAction* m_mnuUndo = nullptr;
    QAction* m_mnuRedo = nullptr;
    QAction* m_mnuGameStatistics = nullptr;
    QAction* m_mnuStatusBar = nullptr;
    QAction* m_mnuFullScreen = nullptr;
    /// Maximised before full screen: so it comes back.
    bool m_maximisedBeforeFullScreen = false;
    std::optional<int> m_startGame;
    std::optional<std::string> m_startDeal;
    /// A game number the command line asked for that the catalogue lacks:
    /// said once the window is on the screen.
    std::optional<int> m_unknownStartGame;
    QRect m_placeBeforeFullScreen;
    QAction* m_mnuHint = nullptr;
    QAction* m_mnuSolve = nullptr;
    QAction* m_mnuWinnableOnly = nullptr;
    SolverAssistant* m_assistant = nullptr;
    KeyboardPlay* m_keyboard = nullptr;
    /// The game whose choice of winnable deals the menu shows.
    int m_winnableChoiceGame = -1;
    QLabel* m_lblMoves = nullptr;
    QLabel* m_lblStock = nullptr;
    QLabel* m_lblPasses = nullptr;
    QAction* m_mnuShowTime = nullptr;
    QAction* m_mnuShowScore = nullptr;
    QAction* m_mnuInsertBookmark = nullptr;
    QAction* m_mnuGoToBookmark = nullptr;
    QList<QAction*> m_hiddenCommands;
    QList<QAction*> m_gameCommands;

    QString m_helpFile;
    QPointer<TfrmHelp> m_helpWindow;
    TfrmOpenGame* m_chooser = nullptr;
    bool m_largeToolBar = true;
    bool m_toolBarVisible = true;
    bool m_shownOnce = false;
    /// The table has been painted once: the window is really on the screen.
    bool m_tableOnScreen = false;
    // What the first activation left for the table to be on the screen.
    bool m_chooserWhenShown = false;
    bool m_autoplayWhenShown = false;
    bool m_firstTablePrepared = false;
    bool m_closed = false;
    bool m_closeWithoutQuestion = false;
    bool m_customizeWanted = false;
};

} // namespace vellomir::ui
