#include "app/startup.h"

#include "app/command_line.h"
#include "build_info.h"

#include "catalogue/catalogue_check.h"
#include "catalogue/catalogue_reader.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/end_of_game.h"
#include "engine/play/saved_game.h"
#include "engine/records/game_statistics.h"
#include "engine/records/statistics_file.h"
#include "render/needed_pictures.h"
#include "resources/audio_module.h"
#include "settings/autoplay_choice.h"
#include "settings/preference_setter.h"
#include "settings/preference_table.h"
#include "settings/text_placeholders.h"
#include "startup/data_folder.h"
#include "startup/installation_files.h"
#include "startup/preferences_load.h"
#include "startup/program_directory.h"
#include "table/card_metrics.h"
#include "table/catalogue_loading.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/splash_form.h"
#include "ui/translations.h"
#include "ui/winning_sequence.h"
#include "ui/won_game_message.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <filesystem>

namespace vellomir::app {
namespace {

using table::Flag;
namespace cell = table::cell;

const QString kErrorTitle = QCoreApplication::translate("vellomir::app::Program", "Error");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The folder the program writes its files under.
std::string writeFolderOf(const table::ProgramState& state) {
    return state.dataFolder.empty() ? state.settings.programDirectory() : state.dataFolder;
}

bool screenHas256ColoursOrFewer() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= 8;
}

} // namespace

QString programDirectoryFor(const QString& executableDirectory) {
    return fromStd(startup::locateProgramDirectory(executableDirectory.toStdString()).directory);
}

Program::Program(StartupOptions options)
    : m_options(std::move(options)), m_boxes(*m_options.boxes),
      m_state(m_options.programDirectory.toStdString()),
      m_frontend(m_state, m_boxes, m_options.audio), m_engine(m_state, m_frontend) {
    m_state.dataFolder =
        startup::dataFolder(m_state.settings.programDirectory(), m_options.installed);
}

Program::~Program() {
    tearDown();
}

bool Program::stop(int exitCode) {
    m_exitCode = exitCode;
    if (m_splash) {
        m_splash->hide();
    }
    if (m_window) {
        // The window goes without its close sequence: nothing was played.
        m_window->hooks().closed = nullptr;
        m_window->hide();
    }
    if (m_hourglass) {
        QApplication::restoreOverrideCursor();
        m_hourglass = false;
    }
    return false;
}

void Program::mark(const char* what) {
    if (m_options.probe) {
        m_options.probe->mark(what);
    }
}

void Program::repaintSplash() {
    if (m_splash) {
        m_splash->repaintNow();
    }
}

bool Program::start() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_hourglass = true;

    // The settings record must hold the whole program directory.
    const std::string directory = m_options.programDirectory.toStdString();
    if (directory.size() > static_cast<std::size_t>(settings::field::ProgramDirectory.width)) {
        stop(1);
        m_boxes.error(nullptr, kErrorTitle,
                      QCoreApplication::translate(
                          "vellomir::app::Program",
                          "The program's folder has a path longer than %1 characters:\r%2")
                          .arg(settings::field::ProgramDirectory.width)
                          .arg(m_options.programDirectory));
        return false;
    }

    if (!claimDataFolder()) {
        return false;
    }
    installChosenTranslations();
    if (const std::optional<startup::MovedDataFolder> moved =
            startup::movedDataFolder(m_state.settings.programDirectory(), m_state.dataFolder)) {
        m_boxes.information(nullptr, fromStd(std::string(settings::kProgramTitle)),
                            QCoreApplication::translate("Core", startup::kMovedDataFolderText)
                                .arg(fromStd(moved->unused), fromStd(moved->used)));
    }
    mark("running-copy lock");

    if (m_options.showSplash) {
        m_splash = std::make_unique<ui::TfrmSplashForm>();
        m_splash->show();
        m_splash->repaintNow();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        mark("splash shown");
    }

    // The start-up sound reads its switches straight from the file; it
    // plays once the first table is shown.
    {
        const settings::PreferenceFile preferences(m_state.preferencesPath());
        m_frontend.requestSplashSound(preferences.isYes(settings::Pref::SoundsEnabled),
                                      preferences.isYes(settings::Pref::SoundsSplash));
    }

    m_window = std::make_unique<ui::TfrmMain>(m_state, m_boxes);
    mark("main window made");
    if (m_options.probe && m_options.probe->enabled()) {
        startup::StartupProbe* probe = m_options.probe;
        QObject::connect(
            m_window->tableView(), &ui::TableView::painted, m_window.get(), [this, probe] {
                const QWindow* shown = m_window->windowHandle();
                if (!shown || !shown->isExposed()) {
                    return; // drawn before the window is on the screen
                }
                if (!m_state.flags.test(Flag::GameInPlay)) {
                    probe->mark("table painted without a game");
                }
                probe->painted(m_state.flags.test(Flag::GameInPlay),
                               [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
            });
    }
    m_window->setStartRequest(m_options.startGame, m_options.startDeal);
    m_frontend.attachWindow(m_window.get());
    m_window->attach(m_frontend, m_engine);
    if (!initialise()) {
        return false;
    }

    mark("initialised");
    {
        const settings::PreferenceFile preferences(m_state.preferencesPath());
        m_window->restoreWindowState(preferences);
    }
    mark("window shown");
    repaintSplash();
    if (m_splash) {
        m_splash->hide();
    }
    m_window->repaint();
    m_splash.reset();
    m_window->activateWindow();

    QApplication::restoreOverrideCursor();
    m_hourglass = false;
    return true;
}

void Program::installChosenTranslations() {
    // Before any window is made: every text is translated when it is set.
    const settings::PreferenceFile preferences(m_state.preferencesPath());
    const QString choice = fromStd(preferences.text(settings::Pref::InterfaceLanguage));
    ui::installTranslations(ui::chosenLanguage(choice, QLocale::system().uiLanguages()),
                            ui::translationsFolder(m_options.programDirectory));
}

bool Program::claimDataFolder() {
    m_runningCopy = std::make_unique<RunningCopy>(fromStd(writeFolderOf(m_state)));
    const RunningCopy::Claim claim = m_runningCopy->claim([this] {
        if (m_window) {
            m_window->bringToFront();
        }
    });
    switch (claim) {
    case RunningCopy::Claim::Holder:
    case RunningCopy::Claim::Unavailable:
        // Unavailable: the folder cannot be written, so no copy keeps
        // anything there; start-up says so when it makes the folder.
        return true;
    case RunningCopy::Claim::AnotherCopyAsked:
        // The running copy shows its window; this one ends quietly.
        m_runningCopy.reset();
        stop(0);
        return false;
    case RunningCopy::Claim::AnotherCopyUnreachable:
        break;
    case RunningCopy::Claim::LockNotAFile: {
        const QString lockPath = m_runningCopy->lockPath();
        m_runningCopy.reset();
        stop(1);
        m_boxes.information(
            nullptr, fromStd(std::string(settings::kProgramTitle)),
            QCoreApplication::translate("vellomir::app::Program",
                                        "Vellomir cannot start: its lock file\r%1\ris not a file "
                                        "(a folder or something else stands there). Remove it "
                                        "and start again.")
                .arg(lockPath));
        return false;
    }
    }
    const QString lockPath = m_runningCopy->lockPath();
    const QString host = m_runningCopy->holderHost();
    const bool stopped = m_runningCopy->holderStopped();
    const qint64 holder = m_runningCopy->holderProcess();
    m_runningCopy.reset();
    stop(1);
    QString text =
        QCoreApplication::translate("vellomir::app::Program",
                                    "Vellomir is already running with the data folder\r%1")
            .arg(fromStd(writeFolderOf(m_state)));
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        text +=
            QCoreApplication::translate("vellomir::app::Program", "\ron the computer %1").arg(host);
    }
    if (stopped) {
        // A copy stopped by Ctrl+Z or a debugger holds its game and cannot
        // show its window until it runs again.
        text += QCoreApplication::translate(
                    "vellomir::app::Program",
                    ",\rbut that copy (process %1) is stopped and does not answer.\r"
                    "Let it go on (kill -CONT %1) or end it, then start again.")
                    .arg(holder);
        m_boxes.information(nullptr, fromStd(std::string(settings::kProgramTitle)), text);
        return false;
    }
    text += QCoreApplication::translate(
                "vellomir::app::Program",
                ".\rOnly one copy at a time can keep the preferences and statistics "
                "there. Close the other copy first; if none runs, remove the file\r%1")
                .arg(lockPath);
    m_boxes.information(nullptr, fromStd(std::string(settings::kProgramTitle)), text);
    return false;
}

bool Program::checkFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        return true;
    }
    stop(1);
    m_boxes.error(m_window.get(), kErrorTitle,
                  QCoreApplication::translate("vellomir::app::Program", "Cannot find file:\r") +
                      fromStd(path) +
                      QCoreApplication::translate(
                          "vellomir::app::Program",
                          "\rCopy the file into the directory that above is specified\r"
                          "or reinstall the program."));
    return false;
}

void Program::prepareDataFolder() {
    const std::string programDirectory = m_state.settings.programDirectory();
    const std::string root = m_state.dataFolder.empty() ? programDirectory : m_state.dataFolder;
    const std::string preferences = m_state.preferencesPath();
    const std::string folder = preferences.substr(0, preferences.rfind('/') + 1);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string reason;
    if (error) {
        reason = "the folder " + folder + " cannot be made: " + error.message();
    } else if (!startup::isWritableDirectory(folder)) {
        reason = "the folder " + folder + " cannot be written";
    }
    if (!reason.empty()) {
        // Said once here; every later write there fails without a message.
        m_frontend.showInformation(std::string(settings::kProgramTitle) +
                                   " cannot keep its preferences or anything else: " + reason +
                                   ".\rThe games can be played, but nothing is saved.");
        settings::markFolderUnwritable(root);
        return;
    }
    startup::removeStaleTemporaryFiles({root, folder}, programDirectory);
}

bool Program::checkPictures(const QString& libraryPath) {
    const QStringList missing = render::missingNeededPictures(m_state, m_library);
    if (missing.isEmpty()) {
        return true;
    }
    constexpr int kNamesShown = 8;
    QString names = missing.mid(0, kNamesShown).join(QStringLiteral(", "));
    if (missing.size() > kNamesShown) {
        names += QCoreApplication::translate("vellomir::app::Program", " and %1 more")
                     .arg(missing.size() - kNamesShown);
    }
    stop(0);
    m_boxes.error(
        m_window.get(), kErrorTitle,
        QCoreApplication::translate("vellomir::app::Program", "Cannot find images file:\r") +
            libraryPath + QCoreApplication::translate("vellomir::app::Program", " (pictures ") +
            names +
            QCoreApplication::translate("vellomir::app::Program",
                                        ")\rSome program components cannot be shown correctly.\r"
                                        "Copy the file into the directory that above is specified\r"
                                        "or reinstall the program."));
    return false;
}

bool Program::initialise() {
    const std::string programDirectory = m_state.settings.programDirectory();

    // 1. The resource library.
    const QString libraryPath = m_options.programDirectory + QStringLiteral("KAR.RGF");
    if (!m_library.open(libraryPath)) {
        stop(0);
        // A library that is there but damaged also says what is wrong with it.
        const QString reason = QFileInfo::exists(libraryPath)
                                   ? QStringLiteral("\r(") + m_library.problem() + QLatin1Char(')')
                                   : QString();
        m_boxes.information(
            nullptr, QString::fromStdString(std::string(settings::kProgramTitle)),
            QCoreApplication::translate("vellomir::app::Program", "Can't find/load ") +
                libraryPath.toLower() + reason);
        return false;
    }
    mark("resource library opened");
    m_frontend.attachResources(&m_library, &m_cursors);
    attachRenderer();
    mark("renderer made");

    // 2-4. Commands, title and the tool bar for the screen.
    m_window->prepareCommands();
    QApplication::setApplicationName(fromStd(std::string(settings::kProgramTitle)));
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_window->setLargeToolBar(!screen || screen->geometry().height() > 499);

    // 5. The twelve cursors.
    m_cursors.setLibrary(m_library);
    mark("cursors registered");

    // 7. Run state.
    m_state.mainGame.setCell(cell::PickedCard, 0);
    m_state.mainGame.setCell(cell::MovingTopCard, 0);
    for (const Flag flag : {Flag::GameInPlay, Flag::ClockRunning, Flag::IgnoreNextPress,
                            Flag::AnimationRunning, Flag::Won}) {
        m_state.flags.clear(flag);
    }
    m_state.flags.set(Flag::FirstActivationPending);

    // 8. The help file, for the help commands.
    m_window->setHelpFile(fromStd(programDirectory + "marbleon.hlp"));

    // 9. The folder of the preferences, and what an earlier run that was
    // killed in the middle of a write left there.
    prepareDataFolder();

    // 10-11. The preferences.
    const startup::LoadedPreferences loaded = startup::loadPreferences(
        m_state, m_frontend, m_state.preferencesPath(), screenHas256ColoursOrFewer());
    m_window->setToolBarFlat(loaded.toolBarFlat, false);
    if (render::keepPicturePreferencesInRange(m_state, m_library, screenHas256ColoursOrFewer())
            .contains(QStringLiteral("Cursor"))) {
        m_frontend.setCursor(m_state.settings.readInt(settings::field::Cursor, 10));
    }
    {
        const settings::PreferenceFile preferences(m_state.preferencesPath());
        m_window->setToolBarVisible(preferences.isYes(settings::Pref::ToolBarVisible));
        m_window->setStatusBarChoice(preferences.isYes(settings::Pref::ShowStatusBar), false);
    }
    m_state.shadowOffset = table::shadowOffsetFor(m_state.settings);
    mark("preferences read");

    // 12. The card table and empty piles.
    m_state.cards.fill();
    m_state.piles.clear();

    // 13. The catalogue.
    const std::string catalogue = catalogue::catalogueFilePath(programDirectory);
    if (!checkFile(catalogue)) {
        return false;
    }
    m_catalogueHold = std::make_unique<catalogue::CatalogueHold>(catalogue);
    try {
        table::loadGameList(m_state);
        // The two sections must agree, or games would read each other's rules.
        catalogue::checkCatalogue(catalogue);
    } catch (const catalogue::CatalogueError& error) {
        stop(1);
        m_boxes.error(m_window.get(), kErrorTitle, fromStd(error.what()));
        return false;
    }

    // 14-15. The current game and the card size.
    mark("catalogue read");
    startup::checkCurrentGame(m_state);
    table::applyCardSize(m_state, m_frontend);
    if (!checkPictures(libraryPath)) {
        return false;
    }
    mark("card pictures made and checked");

    // 17. Everything random in this run follows from the clock.
    m_state.random.seed(table::RandomGenerator::clockSeed());

    // 18. The version marker.
    const std::string writeFolder =
        m_state.dataFolder.empty() ? programDirectory : m_state.dataFolder;
    if (const settings::WriteResult marker = startup::writeVersionMarker(writeFolder); !marker) {
        m_frontend.showInformation(marker.message);
    }

    // 19. Files of earlier installations.
    startup::removeLeftoverFiles(programDirectory);
    mark("version marker and leftovers");

    // 20.
    m_state.mainGame.setCell(cell::Notice640Shown, 0);
    m_state.mainGame.setCell(cell::StockPressed, 0);
    m_state.mainGame.setCell(cell::Notice800Shown, 0);
    m_state.mainGame.setCell(cell::JokerLabelKey, -1);

    m_renderer->setPreferencesPath(m_state.preferencesPath());

    ui::MainWindowHooks hooks;
    hooks.firstActivationChecks = [this] {
        const std::string folder = writeFolderOf(m_state);
        engine::upgradeScoreFile(folder, m_frontend);
        const bool firstRun = !engine::playerStatisticsExist(folder);
        // The player file, once made, ends the first run.
        if (const std::string failure = engine::createStatisticsFile(folder); !failure.empty()) {
            m_frontend.showInformation(failure);
        }
        mark("statistics files checked");
        return firstRun;
    };
    m_keeper = std::make_unique<GameKeeper>(
        m_engine, [this] { return writeFolderOf(m_state); },
        [this](const std::string& message) { m_frontend.showInformation(message); },
        m_options.savedGameIntervalMs);
    m_engine.addChangeListener([this] { m_keeper->gameChanged(); });
    m_engine.setPreferenceWriter([this](std::span<const settings::PreferenceValue> values) {
        return settings::setPreferences(m_state.settings, m_state.preferencesPath(), values);
    });
    m_engine.setGameAutoplayKeeper([this](int gameNumber, bool on) {
        settings::PreferenceFile preferences(m_state.preferencesPath());
        return settings::storeGameAutoplayChoice(preferences, gameNumber, on);
    });
    hooks.saveGameInPlay = [this] { m_keeper->saveAtExit(); };
    hooks.resumeGame = [this] {
        const engine::ResumeResult resumed =
            engine::resumeSavedGame(m_engine, writeFolderOf(m_state));
        if (resumed.outcome == engine::ResumeOutcome::Dropped) {
            m_frontend.showInformation(resumed.notice);
        }
        m_keeper->start();
        mark("saved game looked for");
        return resumed.outcome == engine::ResumeOutcome::Resumed;
    };
    // Called the moment a game ends, before its winning animation.
    m_engine.setResultRecorder([this](const engine::GameResult& result) {
        const std::string folder = writeFolderOf(m_state);
        if (result.won) {
            // What the win beat is told after its animation, against the
            // figures as they stood before it counted.
            m_wonGame = result;
            m_wonGameBefore = ui::statisticsBeforeWin(result, folder);
        }
        std::vector<std::string> messages = engine::recordResult(folder, result);
        // Counted: the game must not be continued (and counted) again.
        engine::removeSavedGame(folder);
        for (const std::string& message : messages) {
            m_frontend.showInformation(message);
        }
    });
    m_signals = std::make_unique<TerminationSignals>([this](int) { closeForSessionEnd(); });
    hooks.stopWinningAnimation = [this] { m_winning->stop(); };
    hooks.closed = [this] { tearDown(); };
    hooks.startupMark = [this](const char* what) { mark(what); };
    hooks.firstTableShown = [this] {
        m_catalogueHold.reset();
        // The library's seal is checked on a thread of its own once the table
        // is on the screen: hashing the whole library is no work for the
        // first paint to wait for.
        m_sealCheck = std::make_unique<LibrarySealCheck>(m_library.path(), m_window.get(), [this] {
            m_frontend.showInformation(
                QCoreApplication::translate(
                    "vellomir::app::Program",
                    "The resource library %1 is damaged: some pictures or sounds may be "
                    "wrong. Reinstall the program.")
                    .arg(QDir::toNativeSeparators(m_library.path()))
                    .toStdString());
        });
    };
    m_window->setHooks(std::move(hooks));
    return true;
}

void Program::attachRenderer() {
    m_images = std::make_unique<render::CardImages>(m_library);
    render::TableWindowHooks hooks;
    hooks.repaintWindow = [this](const QRect& rect) { m_window->tableView()->repaintTable(rect); };
    hooks.showMessage = [this](const QString& title, const QString& text) {
        m_boxes.error(m_window.get(), title, text);
    };
    hooks.scrollBarVisible = [] { return false; };
    hooks.forgetCustomBackground = [this] {
        m_state.settings.write(settings::field::CustomBackgroundPresent, "N");
        m_state.settings.write(settings::field::BackgroundDef, "Y");
        settings::PreferenceFile preferences(m_state.preferencesPath());
        for (const settings::WriteResult& written :
             {preferences.write(settings::Pref::CustomizedBackground, ""),
              preferences.writeYesNo(settings::Pref::BackgroundDef, true)}) {
            if (!written && !written.message.empty()) {
                m_frontend.showInformation(written.message);
                break;
            }
        }
    };
    m_renderer =
        std::make_unique<render::TableRenderer>(m_state, *m_images, m_library, std::move(hooks));
    m_frontend.setDrawingTarget(m_renderer.get());
    m_winning = std::make_unique<ui::WinningSequence>(m_state, *m_window, *m_renderer);
    m_frontend.setWinningAnimation([this] {
        m_winning->run();
        // Then the player is told what was won, unless the program is closing.
        const std::optional<engine::GameResult> won = std::exchange(m_wonGame, std::nullopt);
        if (won && m_state.mainGame.cell(cell::CloseRequested) != 1) {
            ui::announceWonGame(m_window.get(), m_boxes, *won,
                                m_wonGameBefore ? &*m_wonGameBefore : nullptr);
        }
    });
}

void Program::closeForSessionEnd() {
    if (!m_window || !m_window->isVisible()) {
        QCoreApplication::exit(0);
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        // A dialog is open inside a command: the game is kept as it stands
        // and every event loop ends; the tear down releases the folder.
        if (m_keeper) {
            m_keeper->saveAtExit();
        }
        QCoreApplication::exit(0);
        return;
    }
    m_window->closeWithoutQuestion();
}

void Program::tearDown() {
    // The last write of the run is done: a later start may take the folder.
    if (m_runningCopy) {
        m_runningCopy->release();
    }
    if (m_hourglass) {
        QApplication::restoreOverrideCursor();
        m_hourglass = false;
    }
    m_frontend.setInputBlocked(false);
    if (m_winning) {
        m_winning->stop();
    }
    m_frontend.setDrawingTarget(nullptr);
    m_state.piles.clear();
    m_state.snapshot.clear();
    m_library.close();
}

int runProgram(int argc, char** argv) {
    startup::StartupProbe probe(startup::StartupProbe::requestedByEnvironment(),
                                startup::StartupProbe::Clock::now(),
                                startup::StartupProbe::quitRequestedByEnvironment());
    if (probe.enabled()) {
        if (const auto launched =
                startup::StartupProbe::launchFromEnvironment(startup::StartupProbe::Clock::now())) {
            probe.countFromLaunch(*launched);
        }
    }
    QApplication application(argc, argv);
    probe.mark("application made");
    QApplication::setApplicationName(fromStd(std::string(settings::kProgramTitle)));
    QApplication::setApplicationVersion(QString::fromLatin1(kBuildVersion));
    const startup::ProgramLocation location =
        startup::locateProgramDirectory(QCoreApplication::applicationDirPath().toStdString());
    // The options are told in the desktop's language (the preference of the
    // player is read once the data folder is known).
    ui::installTranslations(ui::chosenLanguage(QString(), QLocale::system().uiLanguages()),
                            ui::translationsFolder(fromStd(location.directory)));
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments());
    if (commandLine.action == CommandLine::Action::Print) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (commandLine.action == CommandLine::Action::Fail) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    // Lets a Wayland desktop match the window to the installed desktop entry
    // and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellomir.Vellomir"));
    ui::QtMessageBoxes boxes;
    StartupOptions options;
    options.programDirectory = fromStd(location.directory);
    options.installed = location.installed;
    options.boxes = &boxes;
    options.audio = [] {
        return resources::loadAudioModule(QCoreApplication::applicationDirPath());
    };
    options.probe = &probe;
    options.startGame = commandLine.game;
    if (commandLine.deal) {
        options.startDeal = commandLine.deal->toStdString();
    }
    Program program(std::move(options));
    if (!program.start()) {
        return program.exitCode();
    }
    // The program ends when its main window has closed.
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}

} // namespace vellomir::app
