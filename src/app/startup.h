#pragma once

#include "app/game_keeper.h"
#include "app/library_seal_check.h"
#include "app/running_copy.h"
#include "app/termination_signals.h"
#include "catalogue/catalogue_reader.h"
#include "engine/play/play_engine.h"
#include "engine/records/game_statistics.h"
#include "render/card_images.h"
#include "render/table_renderer.h"
#include "resources/cursor_table.h"
#include "resources/resource_library.h"
#include "startup/startup_probe.h"
#include "table/program_state.h"
#include "ui/qt_frontend.h"
#include "ui/table_view.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace vellomir::ui {
class MessageBoxes;
class TfrmMain;
class TfrmSplashForm;
class WinningSequence;
} // namespace vellomir::ui

namespace vellomir::app {

/// The program directory: the folder holding GAMES.DAT and KAR.RGF, beside
/// the executable in the build tree, or ../share/vellomir from it when
/// installed. Ends with "/".
QString programDirectoryFor(const QString& executableDirectory);

/// What a run of the program is made of.
struct StartupOptions {
    /// The program directory, ending with "/".
    QString programDirectory;
    /// True when the program directory is an installed share/vellomir: the
    /// program's own files then go under the user's data folder.
    bool installed = false;
    /// Every message box and modal dialog goes through these.
    ui::MessageBoxes* boxes = nullptr;
    /// The audio output (tests give a silent one).
    ui::AudioBackendFactory audio;
    /// The splash window during start-up.
    bool showSplash = true;
    /// Times start-up when switched on (not owned; may be null).
    startup::StartupProbe* probe = nullptr;
    /// The saved game is replaced at most this often while the game is played.
    int savedGameIntervalMs = GameKeeper::kDefaultIntervalMs;
    /// The game (by number) and the deal number the command line asked to
    /// deal at the start, in place of the game left in play.
    std::optional<int> startGame;
    std::optional<std::string> startDeal;
};

/// One run of the program: its state, resources, engine and windows, from
/// the start-up sequence to the tear down.
class Program {
public:
    explicit Program(StartupOptions options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    /// The start-up sequence up to the event loop: splash, main window,
    /// initialisation, window state. False when start-up had to end the
    /// program (the reason was shown); exitCode() then tells the exit status.
    bool start();
    int exitCode() const { return m_exitCode; }

    table::ProgramState& state() { return m_state; }
    ui::QtFrontend& frontend() { return m_frontend; }
    engine::PlayEngine& engine() { return m_engine; }
    resources::ResourceLibrary& library() { return m_library; }
    ui::TfrmMain* mainWindow() { return m_window.get(); }
    /// The winning animation on the main window; null before start-up made it.
    ui::WinningSequence* winningSequence() { return m_winning.get(); }

private:
    bool initialise();
    // Becomes the one running copy of its data folder; else asks the running
    // copy to show itself (or says that it runs) and false.
    bool claimDataFolder();
    // The translation of the language the preferences or the desktop ask for.
    void installChosenTranslations();
    bool checkFile(const std::string& path);
    // Makes the data folder; says once why when it cannot be made or written.
    void prepareDataFolder();
    // The pictures the table needs are all in the library; else the error box and false.
    bool checkPictures(const QString& libraryPath);
    bool stop(int exitCode);
    // Creates the card pictures and the table renderer and makes them the
    // frontend\'s drawing target.
    void attachRenderer();
    void tearDown();
    void repaintSplash();
    // SIGTERM or SIGHUP: save and close as Exit does, without its question.
    void closeForSessionEnd();
    // Notes a step of start-up for the start-up probe.
    void mark(const char* what);

    StartupOptions m_options;
    ui::MessageBoxes& m_boxes;
    table::ProgramState m_state;
    ui::QtFrontend m_frontend;
    engine::PlayEngine m_engine;
    resources::ResourceLibrary m_library;
    resources::CursorTable m_cursors;
    // The table's pictures and their drawing; made once the library is open.
    std::unique_ptr<render::CardImages> m_images;
    std::unique_ptr<render::TableRenderer> m_renderer;
    std::unique_ptr<ui::WinningSequence> m_winning;
    std::unique_ptr<ui::TfrmSplashForm> m_splash;
    std::unique_ptr<ui::TfrmMain> m_window;
    // The lock of the data folder, held from start-up to the tear down.
    std::unique_ptr<RunningCopy> m_runningCopy;
    // The game in progress on disk, after every action.
    std::unique_ptr<GameKeeper> m_keeper;
    // The last win recorded, and its game's figures before it counted, for
    // the words said after its winning animation.
    std::optional<engine::GameResult> m_wonGame;
    std::optional<engine::GameStatistics> m_wonGameBefore;
    std::unique_ptr<TerminationSignals> m_signals;
    // The check of every byte of the library, after the first paint; it ends
    // before the window goes.
    std::unique_ptr<LibrarySealCheck> m_sealCheck;
    // The catalogue, read once for start-up's reads of it until the first
    // table is on the screen.
    std::unique_ptr<catalogue::CatalogueHold> m_catalogueHold;
    int m_exitCode = 0;
    bool m_hourglass = false;
};

/// The program's entry: runs the program and returns its exit status.
int runProgram(int argc, char** argv);

} // namespace vellomir::app
