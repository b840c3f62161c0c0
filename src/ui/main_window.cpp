#include "ui/main_window.h"

#include "ui/help_window.h"
#include "ui/keyboard_play.h"

#include "catalogue/parameter_index.h"
#include "engine/play/game_start.h"
#include "engine/play/play_engine.h"
#include "engine/play/status_figures.h"
#include "render/drawing_target.h"
#include "settings/autoplay_choice.h"
#include "settings/preference_table.h"
#include "settings/text_placeholders.h"
#include "table/card_metrics.h"
#include "table/game_layout.h"
#include "table/pile_positions.h"
#include "table/program_state.h"
#include "ui/about_form.h"
#include "ui/accessible_names.h"
#include "ui/customize_form.h"
#include "ui/deal_number_form.h"
#include "ui/message_boxes.h"
#include "ui/open_game_form.h"
#include "ui/qt_frontend.h"
#include "ui/solver_assistant.h"
#include "ui/statistics_form.h"
#include "ui/table_accessibility.h"
#include "ui/toolbar_icons.h"
#include "ui/translations.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace vellomir::ui {
namespace {

using table::Flag;
namespace cell = table::cell;

// At the close: every preference the program holds in its settings record
// that the file lacks (it was deleted or cut while the program ran) is
// written back, so that no choice is lost. The rest are written where they
// change.
void restoreHeldPreferences(const table::ProgramState& state, settings::PreferenceFile& preferences,
                            std::vector<settings::WriteResult>& results) {
    for (std::size_t i = 0; i < settings::preferenceCount(); ++i) {
        const auto pref = static_cast<settings::Pref>(i);
        const settings::PreferenceEntry& entry = settings::preferenceEntry(pref);
        if (entry.settings.position == settings::kNoSettingsField.position ||
            preferences.find(pref)) {
            continue;
        }
        results.push_back(preferences.write(pref, state.settings.read(entry.settings)));
    }
    if (!preferences.find(settings::Pref::AutoplayAllGames)) {
        results.push_back(preferences.writeNumber(settings::Pref::AutoplayAllGames,
                                                  state.mainGame.cell(cell::AutoplayAllGames)));
    }
}

// The tool bar panel and its contents, large and small.
constexpr int kPanelHeightLarge = 63;
constexpr int kPanelHeightSmall = 48;
constexpr QRect kLargeBar(4, 9, 299, 44);
constexpr QRect kSmallBar(4, 4, 158, 39);
constexpr QSize kLargeButton(44, 40);
constexpr QSize kSmallButton(23, 22);
// x of the New, Open, Rules and Exit buttons: New and Open side by side,
// Rules and Exit each set apart.
constexpr int kLargeButtonX[] = {4, 50, 104, 158};
constexpr int kSmallButtonX[] = {4, 29, 58, 87};
// The pause between the dealt table and the opening autoplay, as a new game has it.
constexpr int kOpeningAutoplayPauseMs = 800;
// x of the Undo button, set apart after Exit.
constexpr int kLargeUndoX = 212;
constexpr int kSmallUndoX = 116;
constexpr int kUndoIcon = 4;
constexpr int kTimePanelWidthLarge = 88;
constexpr int kTimePanelWidthSmall = 75;
constexpr int kTimePanelHeight = 19;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QSize screenSize(const QWidget& widget) {
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QLabel* panelLabel(QFrame* panel, const char* name, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QFrame* sunkenPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

// A pointer event on the table, handed to the play engine's input.
void pointerToEngine(engine::PlayEngine& engine, const PointerEvent& event) {
    using Kind = PointerEvent::Kind;
    switch (event.kind) {
    case Kind::Press: {
        const int button = event.button == Qt::RightButton    ? 1
                           : event.button == Qt::MiddleButton ? 2
                                                              : 0;
        // The engine's shift state: bit value 4 is the Ctrl key.
        engine.buttonDown(button, event.ctrl ? 4 : 0, event.x, event.y);
        break;
    }
    case Kind::Move:
        engine.pointerMove(event.x, event.y);
        break;
    case Kind::Release:
        engine.buttonUp();
        break;
    case Kind::DoubleClick:
        engine.doubleClick();
        break;
    }
}

} // namespace

TfrmMain::TfrmMain(table::ProgramState& state, MessageBoxes& boxes)
    : C_TAdvancedForm<QMainWindow>(nullptr), m_state(state), m_boxes(boxes) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(std::string(settings::kProgramTitle)));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(m_client);

    m_table = new TableView(m_client);
    m_assistant = new SolverAssistant(*this, m_state, m_boxes);
    // The solver's first search starts once the first table is on the screen.
    m_assistant->holdSearches(true);
    m_table->setPointerHandler([this](const PointerEvent& e) {
        if (e.kind == PointerEvent::Kind::Press) {
            m_assistant->tablePressed();
        }
        if (m_engine) {
            pointerToEngine(*m_engine, e);
        }
        if (e.kind == PointerEvent::Kind::Release || e.kind == PointerEvent::Kind::DoubleClick) {
            updateScrollRange();
        }
    });
    // The first game is dealt once the window is on the screen: dealt any
    // earlier, its drawing (and the autoplay wait after it) would happen
    // while the player still looks at nothing.
    connect(m_table, &TableView::painted, this, [this] {
        // A paint before the window is exposed (the first deal's drawing
        // before the window shows) is not on the screen.
        if (!m_tableOnScreen && windowHandle() && windowHandle()->isExposed()) {
            m_tableOnScreen = true;
            QTimer::singleShot(0, this, [this] { firstActivation(); });
        }
    });

    m_scrollBar = new QScrollBar(Qt::Vertical, m_client);
    m_scrollBar->setObjectName(QStringLiteral("scrBarMain"));
    m_scrollBar->hide();
    m_scrollBar->setAccessibleName(tr("Table scroll bar"));
    // The wheel over the table moves the scroll bar while it is shown.
    m_table->installEventFilter(this);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_state.mainGame.setCell(cell::ScrollOffset, value);
        if (render::DrawingTarget* drawing = m_frontend ? m_frontend->drawing() : nullptr) {
            drawing->repaintWindow();
        }
        m_table->update();
    });

    buildMenus();
    buildToolBars();

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    m_lblMoves = new QLabel(statusBar());
    m_lblMoves->setObjectName(QStringLiteral("lblMoves"));
    m_lblStock = new QLabel(statusBar());
    m_lblStock->setObjectName(QStringLiteral("lblStockCards"));
    m_lblPasses = new QLabel(statusBar());
    m_lblPasses->setObjectName(QStringLiteral("lblPassesLeft"));
    statusBar()->addWidget(m_lblMoves);
    statusBar()->addWidget(m_lblStock);
    statusBar()->addWidget(m_lblPasses);
    m_assistant->statusLabel()->setParent(statusBar());
    statusBar()->addWidget(m_assistant->statusLabel());
    statusBar()->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_engine) {
            m_engine->clockTick();
        }
    });
    m_timer->start();

    setLargeToolBar(screenSize(*this).height() > 499);
    // The clock reads 0:00:00 until the first tick.
    setClockText(QStringLiteral("0:00:00"));
    setScoreText(QStringLiteral("0"));
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::attach(QtFrontend& frontend, engine::PlayEngine& engine) {
    m_frontend = &frontend;
    m_engine = &engine;
    m_assistant->attach(frontend, engine);
    m_keyboard = new KeyboardPlay(*this, m_state, frontend, engine);
    new TableAccessibility(*m_table, m_state, *m_keyboard, *m_assistant);
    installAccessibleNames();
    engine.addChangeListener([this] { updatePlayCommands(); });
    updatePlayCommands();
}

void TfrmMain::setHooks(MainWindowHooks hooks) {
    m_hooks = std::move(hooks);
}

// --- Menus and tool bars -----------------------------------------------------------

QAction* TfrmMain::addCommand(QMenu* menu, const char* name, const QString& caption,
                              const QKeySequence& key) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
    }
    return action;
}

QAction* TfrmMain::addHiddenCommand(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = addCommand(menu, name, caption);
    m_hiddenCommands.append(action);
    return action;
}

void TfrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuPartita"));
    m_mnuNew = addCommand(file, "mnuNew", tr("&New game"), QKeySequence(Qt::Key_F2));
    // The desktop's usual keys work beside the classic ones, which the menus show.
    m_mnuNew->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    m_mnuOpen =
        addCommand(file, "mnuOpen", tr("&Open a game"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    m_mnuRestartDeal = addCommand(file, "mnuRestartDeal", tr("&Restart"), QKeySequence(Qt::Key_F5));
    m_mnuDealNumber = addCommand(file, "mnuDealNumber", tr("&Deal number..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_D));
    addHiddenCommand(file, "mnuRestart", tr("&Restart game"));
    addHiddenCommand(file, "mnuRandomGame", tr("R&andom game"));
    addHiddenCommand(file, "mnuSelectGameNumber", tr("&Select a game number..."));
    addHiddenCommand(file, "mnuSave", tr("&Save"));
    addHiddenCommand(file, "mnuPlayers", tr("&Players..."));
    addHiddenCommand(file, "mnuStatistics", tr("S&tatistics..."));
    QAction* quitGame = addHiddenCommand(file, "mnuQuitGame", tr("&Quit game"));
    addHiddenCommand(file, "mnuHoldAndExit", tr("&Hold and exit"));
    file->addSeparator();
    m_mnuEsci = addCommand(file, "mnuEsci", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* game = bar->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGameMenu"));
    m_mnuUndo = addCommand(game, "mnuUndo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_mnuRedo = addCommand(game, "mnuRedo", tr("&Redo"));
    m_mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    game->addSeparator();
    m_mnuAutoPlay = addCommand(game, "mnuAutoPlay", tr("Au&toplay"), QKeySequence(Qt::Key_F7));
    m_mnuAutoPlay->setCheckable(true);
    game->addSeparator();
    m_mnuHint = addCommand(game, "mnuHint", tr("&Hint"), QKeySequence(Qt::Key_H));
    m_mnuSolve = addCommand(game, "mnuSolve", tr("&Solve"));
    m_mnuWinnableOnly = addCommand(game, "mnuWinnableOnly", tr("&Winnable deals only"));
    m_mnuWinnableOnly->setCheckable(true);
    QAction* pause = addHiddenCommand(game, "mnuPause", tr("&Pause"));
    QAction* snapshot = addHiddenCommand(game, "mnuSnapshot", tr("S&napshot position"));
    m_mnuInsertBookmark = addHiddenCommand(game, "mnuInsertBookmark", tr("&Insert bookmark"));
    m_mnuGoToBookmark = addHiddenCommand(game, "mnuGoToBookmark", tr("&Go to bookmark"));
    addHiddenCommand(game, "mnuGameInformation", tr("Game &information..."));
    addHiddenCommand(game, "mnuCardCounter", tr("&Card counter"));
    m_mnuShowTime = addHiddenCommand(game, "mnuShowTime", tr("Show &time"));
    m_mnuShowScore = addHiddenCommand(game, "mnuShowScore", tr("Show &score"));
    m_gameCommands = {pause, quitGame, snapshot};
    game->addSeparator();
    m_mnuGameStatistics = addCommand(game, "mnuGameStatistics", tr("&Statistics"));
    m_mnuStatusBar = addCommand(game, "mnuStatusBar", tr("Status &bar"));
    m_mnuStatusBar->setCheckable(true);
    m_mnuFullScreen =
        addCommand(game, "mnuFullScreen", tr("&Full screen"), QKeySequence(Qt::Key_F11));
    m_mnuFullScreen->setCheckable(true);

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuOpzioni"));
    tools->setToolTipsVisible(true);
    m_mnuCustomize =
        addCommand(tools, "mnuCustomize", tr("C&ustomize..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    addHiddenCommand(tools, "mnuCustomizeRules", tr("Customize &rules..."));
    addHiddenCommand(tools, "mnuFavoriteGames", tr("&Favorite games..."));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuAiuto"));
    m_mnuRules = addCommand(help, "mnuRules", tr("&Rules"), QKeySequence(Qt::Key_F1));
    m_sommario = addCommand(help, "Sommario1", tr("&Contents"));
    addHiddenCommand(help, "mnuTipOfTheDay", tr("&Tip of the Day"));
    help->addSeparator();
    m_mnuAbout = addCommand(help, "mnuAbout", tr("A&bout [Program]..."));

    connect(m_mnuNew, &QAction::triggered, this, [this] { newGame(); });
    connect(m_mnuOpen, &QAction::triggered, this, [this] { openGame(); });
    connect(m_mnuEsci, &QAction::triggered, this, [this] { close(); });
    connect(m_mnuAutoPlay, &QAction::triggered, this, [this] { toggleAutoplay(); });
    connect(m_mnuAbout, &QAction::triggered, this, [this] { showAbout(); });
    connect(m_mnuCustomize, &QAction::triggered, this, [this] { showCustomize(); });
    connect(m_mnuRestartDeal, &QAction::triggered, this, [this] { restartGame(); });
    connect(m_mnuDealNumber, &QAction::triggered, this, [this] { chooseDealNumber(); });
    connect(m_mnuUndo, &QAction::triggered, this, [this] { undo(); });
    connect(m_mnuRedo, &QAction::triggered, this, [this] { redo(); });
    connect(m_mnuHint, &QAction::triggered, this, [this] { hint(); });
    connect(m_mnuSolve, &QAction::triggered, this, [this] { solve(); });
    connect(m_mnuWinnableOnly, &QAction::triggered, this,
            [this](bool on) { m_assistant->setWinnableDealsOnly(on); });
    connect(m_mnuGameStatistics, &QAction::triggered, this, [this] { showStatistics(); });
    connect(m_mnuStatusBar, &QAction::triggered, this,
            [this](bool checked) { setStatusBarChoice(checked, true); });
    connect(m_mnuFullScreen, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });

    connect(m_mnuRules, &QAction::triggered, this,
            [this] { showHelp(m_state.settings.readInt(settings::field::Game, -1)); });
    connect(m_sommario, &QAction::triggered, this, [this] { showHelp(-1); });

    m_mnuCustomize->setToolTip(tr("Card backs, backgrounds, sounds and confirmations"));
}

void TfrmMain::showHelp(int gameNumber, QWidget* owner) {
    if (!owner) {
        owner = this;
    }
    if (!m_helpWindow) {
        m_helpWindow = new TfrmHelp(owner);
    } else if (m_helpWindow->parentWidget() != owner) {
        // The help window belongs to the window it was asked from: in front of
        // it, and not shut out while that window waits for the player.
        m_helpWindow->hide();
        m_helpWindow->setParent(owner, m_helpWindow->windowFlags());
    }
    if (!m_helpWindow->open(m_helpFile)) {
        m_boxes.information(owner, QStringLiteral("Vellomir"),
                            tr("Cannot find the help file:\r") + m_helpFile);
        return;
    }
    if (gameNumber < 0) {
        m_helpWindow->showContents();
    } else {
        m_helpWindow->showRules(gameNumber);
    }
}

void TfrmMain::createGameChooser(const resources::ResourceLibrary& library) {
    if (m_chooser) {
        return;
    }
    m_chooser = new TfrmOpenGame(this, m_state, library, m_boxes);
    // Modal to the main window only, so that the rules it opens can be read
    // while it stays open.
    m_chooser->setWindowModality(Qt::WindowModal);
    m_chooser->setRulesHandler([this](int game) { showHelp(game, m_chooser); });
    m_chooser->setClosedHandler([this] {
        if (m_frontend) {
            m_frontend->tableDrawing().invertSelectedCards();
        }
        m_table->update();
    });
}

TfrmOpenGame* TfrmMain::gameChooser() {
    if (!m_chooser && m_frontend && m_frontend->library()) {
        createGameChooser(*m_frontend->library());
    }
    return m_chooser;
}

void TfrmMain::prepareCommands() {
    m_mnuAbout->setText(fromStd(settings::replacePlaceholders(m_mnuAbout->text().toStdString())));
    m_mnuInsertBookmark->setEnabled(false);
    m_mnuGoToBookmark->setEnabled(false);
    for (QAction* action : m_hiddenCommands) {
        action->setVisible(false);
        action->setEnabled(false);
    }
}

QToolButton* TfrmMain::addToolButton(QFrame* bar, const char* name, const QString& hint,
                                     QAction* command, QRect place, int iconSize, int which) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setIcon(toolbarIcon(static_cast<ToolbarIcon>(which), iconSize));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setProperty("hint", hint);
    button->setToolTip(hint);
    // The hint is the button's name for a screen reader even while hints
    // are not shown; the command it runs describes it.
    button->setAccessibleName(hint);
    button->setAccessibleDescription(QString(command->text()).remove(QLatin1Char('&')));
    button->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, button,
            [button, command] { button->setEnabled(command->isEnabled()); });
    connect(button, &QToolButton::clicked, this, [this, command] { toolButtonClicked(command); });
    return button;
}

void TfrmMain::toolButtonClicked(QAction* command) {
    repaint();
    command->trigger();
}

void TfrmMain::buildToolBars() {
    m_pnlTBx = new QFrame(m_client);
    m_pnlTBx->setObjectName(QStringLiteral("pnlTBx"));
    m_pnlTBx->setAutoFillBackground(true);
    m_pnlTBx->setFrameShape(QFrame::StyledPanel);
    m_pnlTBx->setFrameShadow(QFrame::Raised);

    m_pnlTB = new QFrame(m_pnlTBx);
    m_pnlTB->setObjectName(QStringLiteral("pnlTB"));
    m_pnlTB->setGeometry(kLargeBar);
    m_pnlTB1 = new QFrame(m_pnlTBx);
    m_pnlTB1->setObjectName(QStringLiteral("pnlTB1"));
    m_pnlTB1->setGeometry(kSmallBar);

    const std::array<std::pair<QAction*, const char*>, 4> commands{
        {{m_mnuNew, QT_TR_NOOP("New")},
         {m_mnuOpen, QT_TR_NOOP("Open")},
         {m_mnuRules, QT_TR_NOOP("Rules")},
         {m_mnuEsci, QT_TR_NOOP("Exit")}}};
    const std::array<std::pair<const char*, const char*>, 4> names{{{"tbNew", "tbNew1"},
                                                                    {"tbOpen", "tbOpen1"},
                                                                    {"tbRules", "tbRules1"},
                                                                    {"tbExit", "tbExit1"}}};
    for (int i = 0; i < 4; ++i) {
        const QString hint = tr(commands[i].second);
        const int large = (kLargeBar.height() - kLargeButton.height()) / 2;
        const int small = (kSmallBar.height() - kSmallButton.height()) / 2;
        addToolButton(m_pnlTB, names[i].first, hint, commands[i].first,
                      QRect(QPoint(kLargeButtonX[i], large), kLargeButton), 32, i);
        addToolButton(m_pnlTB1, names[i].second, hint, commands[i].first,
                      QRect(QPoint(kSmallButtonX[i], small), kSmallButton), 16, i);
    }
    addToolButton(
        m_pnlTB, "tbUndo", tr("Undo"), m_mnuUndo,
        QRect(QPoint(kLargeUndoX, (kLargeBar.height() - kLargeButton.height()) / 2), kLargeButton),
        32, kUndoIcon);
    addToolButton(
        m_pnlTB1, "tbUndo1", tr("Undo"), m_mnuUndo,
        QRect(QPoint(kSmallUndoX, (kSmallBar.height() - kSmallButton.height()) / 2), kSmallButton),
        16, kUndoIcon);

    m_pnlTempo = sunkenPanel(m_pnlTBx, "pnlTempo");
    m_lblTempo2 = panelLabel(m_pnlTempo, "lblTempo2", tr("Time:"), Qt::AlignLeft);
    m_lblTempo = panelLabel(m_pnlTempo, "lblTempo", QString(), Qt::AlignRight);
    m_pnlScore = sunkenPanel(m_pnlTBx, "pnlScore");
    m_lblScore2 = panelLabel(m_pnlScore, "lblScore2", tr("Score:"), Qt::AlignLeft);
    m_lblScore = panelLabel(m_pnlScore, "lblScore", QString(), Qt::AlignRight);
    // The small tool bar hides the panels' captions: their names say them.
    m_pnlTempo->setAccessibleName(tr("Time"));
    m_pnlTempo->setAccessibleDescription(tr("How long the game in play has run"));
    m_pnlScore->setAccessibleName(tr("Score"));
    m_pnlScore->setAccessibleDescription(tr("The score of the game in play"));
    setToolBarFlat(true, false);
}

void TfrmMain::setLargeToolBar(bool large) {
    m_largeToolBar = large;
    m_pnlTB->setVisible(large);
    m_pnlTB1->setVisible(!large);
    setMinimumSize(large ? kMinWidthLarge : kMinWidthSmall, kMinTrackHeight);
    layoutPanels();
    layoutChildren();
}

void TfrmMain::setToolBarFlat(bool flat, bool save) {
    const bool hints = m_state.settings.isYes(settings::field::ShowToolTips);
    for (QToolButton* button : m_pnlTBx->findChildren<QToolButton*>()) {
        button->setAutoRaise(flat);
        button->setToolTip(hints ? button->property("hint").toString() : QString());
    }
    if (save) {
        settings::PreferenceFile preferences(m_state.preferencesPath());
        const settings::WriteResult written =
            preferences.writeYesNo(settings::Pref::ToolBarFlat, flat);
        if (!written) {
            reportWriteFailure(written.message);
        }
    }
}

void TfrmMain::setToolBarVisible(bool visible) {
    m_toolBarVisible = visible;
    m_pnlTBx->setVisible(visible);
    layoutChildren();
}

void TfrmMain::layoutPanels() {
    // The panels grow with the font when the window font is larger than the
    // one the sizes were made for.
    const int textHeight = fontMetrics().height();
    const int height = std::max(kTimePanelHeight + (m_largeToolBar ? 0 : 1), textHeight + 4);
    const QRect bar = m_largeToolBar ? kLargeBar : kSmallBar;
    const int y = bar.center().y() - height / 2 - (m_largeToolBar ? 0 : 1);
    const int width = m_largeToolBar ? kTimePanelWidthLarge : kTimePanelWidthSmall;
    // Each caption with its widest figure: a translated caption may be the longer one.
    const int labelWidth = std::max(
        {width,
         fontMetrics().horizontalAdvance(m_lblScore2->text() + QStringLiteral(" 00000")) + 10,
         fontMetrics().horizontalAdvance(m_lblTempo2->text() + QStringLiteral(" 0:00:00")) + 10});
    const int panelWidth = m_largeToolBar ? labelWidth : width;
    const int gap = m_largeToolBar ? 10 : 5;
    // The panels follow the last button; the rest of the bar's width is empty.
    const int lastButtonRight =
        m_largeToolBar ? kLargeUndoX + kLargeButton.width() : kSmallUndoX + kSmallButton.width();
    m_pnlTempo->setGeometry(bar.x() + lastButtonRight + (m_largeToolBar ? 24 : 10), y, panelWidth,
                            height);
    m_pnlScore->setGeometry(m_pnlTempo->geometry().right() + 1 + gap, y, panelWidth, height);

    const int inner = height - 2;
    m_lblTempo2->setVisible(m_largeToolBar);
    m_lblTempo2->setGeometry(4, 1, panelWidth - 8, inner);
    const int clockX = m_largeToolBar ? 4 : 20;
    m_lblTempo->setGeometry(clockX, 1, panelWidth - clockX - 4, inner);
    m_lblScore2->setGeometry(4, 1, panelWidth - 8, inner);
    m_lblScore->setGeometry(4, 1, panelWidth - 8, inner);
}

void TfrmMain::layoutChildren() {
    const QSize area = m_client->size();
    m_table->setGeometry(0, 0, area.width(), area.height());
    const int panelHeight = m_largeToolBar ? kPanelHeightLarge : kPanelHeightSmall;
    m_pnlTBx->setGeometry(0, 0, area.width(), panelHeight);
    const int top = m_toolBarVisible ? panelHeight : 0;
    const int barWidth = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(area.width() - barWidth, top, barWidth,
                             std::max(0, area.height() - top));
    m_pnlTBx->raise();
    m_scrollBar->raise();
}

// --- What the frontend sets ---------------------------------------------------------

void TfrmMain::setClockVisible(bool visible) {
    m_pnlTempo->setVisible(visible);
    m_mnuShowTime->setEnabled(!visible && !m_hiddenCommands.contains(m_mnuShowTime));
}

void TfrmMain::setScoreVisible(bool visible) {
    m_pnlScore->setVisible(visible);
    m_mnuShowScore->setEnabled(!visible && !m_hiddenCommands.contains(m_mnuShowScore));
}

void TfrmMain::setClockText(const QString& text) {
    m_lblTempo->setText(text);
}

void TfrmMain::setScoreText(const QString& text) {
    m_lblScore->setText(text);
}

void TfrmMain::setStatusBarShown(bool visible) {
    statusBar()->setVisible(visible);
    m_mnuStatusBar->setChecked(visible);
}

void TfrmMain::setAutoplayChecked(bool checked) {
    m_mnuAutoPlay->setChecked(checked);
    // The tick is part of the position (a deal sets it after its change
    // note): the word on the deal follows it.
    m_assistant->positionChanged();
}

void TfrmMain::setAutoplayEnabled(bool enabled) {
    m_mnuAutoPlay->setEnabled(enabled);
}

void TfrmMain::setCustomizeWanted(bool enabled) {
    m_customizeWanted = enabled;
    m_mnuCustomize->setEnabled(enabled);
}

void TfrmMain::setGameCommandsEnabled(bool enabled) {
    for (QAction* action : m_gameCommands) {
        if (!m_hiddenCommands.contains(action)) {
            action->setEnabled(enabled);
        }
    }
}

void TfrmMain::setTableCursor(const QCursor& cursor) {
    m_table->setCursor(cursor);
}

void TfrmMain::setCaptionText(const QString& caption) {
    // "Vellomir [game name]  [deal number]": the game's name is shown translated.
    QString shown = caption;
    const qsizetype open = shown.indexOf(QStringLiteral(" ["));
    const qsizetype close = open < 0 ? -1 : shown.indexOf(QLatin1Char(']'), open);
    if (close > open + 2) {
        shown.replace(open + 2, close - open - 2,
                      gameNameText(shown.mid(open + 2, close - open - 2)));
    }
    if (windowTitle() != shown) {
        setWindowTitle(shown);
    }
}

// --- Metrics ---------------------------------------------------------------------------

int TfrmMain::drawingAreaWidth() const {
    return m_table->tableSize().width() -
           qCeil(m_scrollBar->sizeHint().width() * m_table->tableScale());
}

int TfrmMain::drawingAreaHeight() const {
    return m_table->tableSize().height();
}

int TfrmMain::windowOuterHeight() const {
    return frameGeometry().height();
}

int TfrmMain::tableTopMargin() const {
    if (!m_toolBarVisible) {
        return 5;
    }
    const QFrame* bar = m_largeToolBar ? m_pnlTB : m_pnlTB1;
    return bar->geometry().bottom() + 1;
}

// --- Window state -----------------------------------------------------------------------

void TfrmMain::bringToFront() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void TfrmMain::restoreWindowState(const settings::PreferenceFile& preferences) {
    const QSize screen = screenSize(*this);
    const int width =
        std::clamp(preferences.number(settings::Pref::WindowWidth, screen.width() - 150),
                   minimumWidth(), std::max(minimumWidth(), screen.width()));
    const int height =
        std::clamp(preferences.number(settings::Pref::WindowHeight, screen.height() - 150),
                   minimumHeight(), std::max(minimumHeight(), screen.height()));
    QPoint place(preferences.number(settings::Pref::WindowLeft),
                 preferences.number(settings::Pref::WindowTop));
    // A place left from a larger or another screen must not lose the window.
    const QRect wanted(place, QSize(width, height));
    bool onScreen = false;
    for (const QScreen* s : QGuiApplication::screens()) {
        onScreen = onScreen || s->geometry().intersects(wanted.adjusted(40, 10, -40, -10));
    }
    if (!onScreen) {
        place = QPoint(50, 50);
    }
    move(place);
    resize(width, height);
    if (preferences.isYes(settings::Pref::WindowMaximized)) {
        showMaximized();
    } else {
        showNormal();
    }
}

bool TfrmMain::saveWindowState(settings::PreferenceFile& preferences) {
    std::vector<settings::WriteResult> results;
    // Full screen is not kept: the place the window had before it is.
    const bool fullScreen = isFullScreen();
    const QRect place = fullScreen ? m_placeBeforeFullScreen : QRect(pos(), size());
    if (fullScreen ? m_maximisedBeforeFullScreen : isMaximized()) {
        results.push_back(preferences.writeYesNo(settings::Pref::WindowMaximized, true));
    } else {
        results.push_back(preferences.writeYesNo(settings::Pref::WindowMaximized, false));
        results.push_back(preferences.writeNumber(settings::Pref::WindowLeft, place.x()));
        results.push_back(preferences.writeNumber(settings::Pref::WindowTop, place.y()));
        results.push_back(preferences.writeNumber(settings::Pref::WindowWidth, place.width()));
        results.push_back(preferences.writeNumber(settings::Pref::WindowHeight, place.height()));
    }
    for (const settings::WriteResult& result : results) {
        if (!result) {
            reportWriteFailure(result.message);
            return false;
        }
    }
    return true;
}

void TfrmMain::reportWriteFailure(const std::string& message) {
    // An empty message is a failure the player has already been told of.
    if (message.empty()) {
        return;
    }
    if (m_frontend && m_frontend->gatheringInformation()) {
        m_frontend->showInformation(message);
        return;
    }
    m_boxes.information(this, QString::fromStdString(std::string(settings::kProgramTitle)),
                        fromStd(message));
}

void TfrmMain::showUnsavedAtClose(const std::vector<std::string>& messages) {
    if (messages.empty()) {
        return;
    }
    if (messages.size() == 1) {
        reportWriteFailure(messages.front());
        return;
    }
    QString text = tr("Vellomir could not save everything as it closed:");
    for (const std::string& message : messages) {
        text += QStringLiteral("\r\r") + coreText(message);
    }
    m_boxes.information(this, QString::fromStdString(std::string(settings::kProgramTitle)), text);
}

// --- Table ----------------------------------------------------------------------------------

void TfrmMain::redrawTable() {
    if (!m_frontend) {
        m_table->update();
        return;
    }
    render::DrawingTarget* drawing = m_frontend->drawing();
    // Crisp on a HiDPI screen: the table is drawn at the screen's ratio when
    // that is a whole number; at a fraction (1.25, 1.5) it is drawn in the
    // screen's own pixels, one to each, so nothing is stretched.
    if (drawing) {
        const qreal ratio = m_table->devicePixelRatioF();
        const bool whole = qFuzzyCompare(ratio, std::round(ratio));
        m_table->setTableScale(whole ? 1.0 : ratio);
        drawing->setPixelRatio(whole ? std::max(1, qRound(ratio)) : 1);
        drawing->setWindowSize(m_table->tableSize());
        if (!m_scrollBar->isVisible()) {
            drawing->resizeBuffers(screenSize(*this) + QSize(30, 30));
        }
    }
    // Laid out again for the window as it is: fitted cards take the size
    // that fits it, and a window too narrow for big cards gets smaller ones.
    table::layOutForWindow(m_state, *m_frontend);
    if (drawing) {
        drawing->redrawBackground();
        m_state.mainGame.scrollToTop();
        drawing->drawTable(false);
        drawing->repaintWindow();
        drawing->invertSelectedCards();
    }
    if (drawing) {
        m_table->setSource([drawing] {
            const render::DrawingTarget::WindowView view = drawing->windowView();
            return TableView::Shown{view.picture, view.origin, view.size};
        });
    } else {
        m_table->setSource(nullptr);
    }
    m_table->update();
    updateScrollRange();
}

int TfrmMain::lowestCardEdge() const {
    // The drawing measures every card it draws, a moved one where it lands.
    const render::DrawingTarget* drawing = m_frontend ? m_frontend->drawing() : nullptr;
    return drawing ? drawing->lowestDrawnEdge() : 0;
}

void TfrmMain::updateScrollRange() {
    const int lowest = lowestCardEdge();
    const int visible = m_table->tableSize().height();
    const bool needed =
        m_state.settings.read(settings::field::VertScrollBar) == "Y" && lowest > visible;
    if (needed) {
        m_scrollBar->setRange(0, lowest - visible + 10);
        m_scrollBar->setPageStep(visible);
        m_scrollBar->setSingleStep(20);
    }
    // A new layout puts the table back at its top: the bar follows the table.
    const int offset = needed ? m_state.mainGame.cell(cell::ScrollOffset) : 0;
    if (m_scrollBar->value() != offset) {
        m_scrollBar->setValue(offset);
    }
    m_scrollBar->setVisible(needed);
}

bool TfrmMain::gameRunning() const {
    return m_state.flags.test(Flag::GameInPlay);
}

// --- Events --------------------------------------------------------------------------------

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::Wheel) {
        if (m_scrollBar->isVisible()) {
            QCoreApplication::sendEvent(m_scrollBar, event);
        }
        return true;
    }
    return C_TAdvancedForm<QMainWindow>::eventFilter(watched, event);
}

bool TfrmMain::event(QEvent* event) {
    const bool handled = C_TAdvancedForm<QMainWindow>::event(event);
    if (event->type() == QEvent::WindowActivate) {
        onActivated();
    }
    return handled;
}

void TfrmMain::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QMainWindow>::showEvent(event);
    if (m_shownOnce) {
        return;
    }
    m_shownOnce = true;
    startupMark("window made");
    // A window moved to a screen of another pixel ratio draws its table again.
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, [this] { redrawTable(); });
    }
    redrawTable();
    startupMark("table laid out and drawn");
    // Without the deal animation the first game is dealt before the window
    // is on the screen: its first paint is the dealt table.
    if (m_engine && m_state.flags.test(Flag::FirstActivationPending) && !m_firstTablePrepared &&
        m_state.settings.read(settings::field::DealAnimation) == "N") {
        prepareFirstTable(true);
    }
}

void TfrmMain::onActivated() {
    if (m_state.flags.test(Flag::FirstActivationPending)) {
        firstActivation();
        return;
    }
    // On displays of 256 colours or fewer the faded background is drawn anew.
    const QScreen* screen = this->screen();
    if (screen && screen->depth() <= 8 &&
        m_state.settings.read(settings::field::FadeBackground) == "Y" &&
        m_state.settings.read(settings::field::BackgroundBmp) == "0") {
        redrawTable();
    }
}

void TfrmMain::firstActivation() {
    // Without a window manager the window may never be activated; the first
    // game is dealt all the same once the table is on the screen.
    if (!m_state.flags.test(Flag::FirstActivationPending) || !m_engine || !m_tableOnScreen) {
        return;
    }
    if (!m_firstTablePrepared) {
        prepareFirstTable(false);
    }
    finishFirstTable();
}

void TfrmMain::prepareFirstTable(bool beforeShowing) {
    m_firstTablePrepared = true;
    setCaptionText(fromStd(engine::gameCaption(m_state)));
    const bool noStatistics = m_hooks.firstActivationChecks && m_hooks.firstActivationChecks();
    const int game = m_state.settings.readInt(settings::field::Game, -1);
    // A game or deal asked for on the command line takes the place of the
    // one left in play.
    if (m_startGame && m_state.mainGame.games().indexOf(*m_startGame) < 0) {
        m_unknownStartGame = std::exchange(m_startGame, std::nullopt);
    }
    const bool requested = m_startGame || m_startDeal;
    const bool resumed = !requested && m_hooks.resumeGame && m_hooks.resumeGame();
    if (!m_startGame && !resumed && (noStatistics || game < 0)) {
        m_chooserWhenShown = true;
        return;
    }
    if (!requested && (gameRunning() || game < 0)) {
        return;
    }
    if (beforeShowing) {
        dealBeforeShowing();
    } else {
        dealFirstGame();
    }
    startupMark("first game dealt");
}

void TfrmMain::startupMark(const char* what) const {
    if (m_hooks.startupMark) {
        m_hooks.startupMark(what);
    }
}

void TfrmMain::dealFirstGame() {
    const int game = m_state.settings.readInt(settings::field::Game, -1);
    if (!m_startGame && !m_startDeal) {
        m_engine->newGame();
        return;
    }
    // One deal of the asked game on the asked deal number.
    const std::optional<std::string> deal =
        m_startDeal ? engine::paddedDealNumber(*m_startDeal) : std::nullopt;
    if (deal) {
        m_state.settings.write(settings::field::DealNumber, *deal);
    }
    m_engine->openGame(m_startGame.value_or(game),
                       deal ? engine::DealNumberMode::Keep : engine::DealNumberMode::New, true);
    m_startGame.reset();
    m_startDeal.reset();
}

void TfrmMain::dealBeforeShowing() {
    // The autoplay after the deal is seen to move cards: it waits for the
    // window. (The one test a new game makes after its autoplay, that of
    // the 91 games, is of games without autoplay.)
    const bool autoplay = std::exchange(m_state.autoplayTicked, false);
    dealFirstGame();
    m_state.autoplayTicked = autoplay;
    m_autoplayWhenShown =
        autoplay && m_state.params[catalogue::param::AutoplayAvailable] != 0 && gameRunning();
}

void TfrmMain::finishFirstTable() {
    m_state.flags.clear(Flag::FirstActivationPending);
    if (m_hooks.firstTableShown) {
        m_hooks.firstTableShown();
    }
    if (m_unknownStartGame) {
        m_boxes.information(this, QString::fromStdString(std::string(settings::kProgramTitle)),
                            tr("There is no game number %1.").arg(*m_unknownStartGame));
        m_unknownStartGame.reset();
    }
    if (std::exchange(m_chooserWhenShown, false)) {
        openGame();
        if (!gameRunning() && m_state.settings.readInt(settings::field::Game, -1) >= 0) {
            dealFirstGame();
        }
        m_startDeal.reset();
    }
    if (std::exchange(m_autoplayWhenShown, false) && m_frontend && m_engine) {
        m_frontend->pause(kOpeningAutoplayPauseMs);
        m_engine->runAutomaticSteps();
    }
    updateScrollRange();
    m_assistant->holdSearches(false);
    if (m_frontend) {
        // Sounds start once the first table is on the screen.
        QTimer::singleShot(0, this, [this] { m_frontend->allowSounds(); });
    }
}

void TfrmMain::setStartRequest(std::optional<int> game, std::optional<std::string> deal) {
    m_startGame = game;
    m_startDeal = std::move(deal);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    C_TAdvancedForm<QMainWindow>::resizeEvent(event);
    layoutChildren();
    // Also before the first activation: a window manager maximises the window
    // after its first showing, and the first game must be laid out and drawn
    // for that client area, with the window picture and buffers sized for it.
    redrawTable();
}

void TfrmMain::closeWithoutQuestion() {
    m_closeWithoutQuestion = true;
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    // What closing cannot save (a full disk, a folder gone read-only) is
    // told in one box naming every file, not in one box each.
    if (m_frontend) {
        m_frontend->gatherInformation();
    }
    const auto tellGathered = [this] {
        if (m_frontend) {
            showUnsavedAtClose(m_frontend->takeGatheredInformation());
        }
    };
    settings::PreferenceFile preferences(m_state.preferencesPath());
    saveWindowState(preferences);

    if (m_state.flags.test(Flag::AnimationRunning)) {
        // The animation's end closes the window.
        if (m_hooks.stopWinningAnimation) {
            m_hooks.stopWinningAnimation();
        }
        m_state.mainGame.setCell(cell::CloseRequested, 1);
        tellGathered();
        event->ignore();
        return;
    }
    if (!m_closeWithoutQuestion && preferences.text(settings::Pref::ConfirmQuit) != "N" &&
        !m_boxes.confirm(this, QStringLiteral("Vellomir"), tr("Exit Vellomir?"))) {
        m_state.mainGame.setCell(cell::CloseRequested, 0);
        tellGathered();
        event->ignore();
        return;
    }

    if (m_hooks.saveGameInPlay) {
        m_hooks.saveGameInPlay();
    }
    if (m_engine) {
        m_engine->endGame();
    }
    hide();
    if (m_frontend) {
        m_frontend->stopSound();
    }
    m_timer->stop();
    std::vector<settings::WriteResult> held;
    restoreHeldPreferences(m_state, preferences, held);
    if (!preferences.find(settings::Pref::ShowStatusBar)) {
        held.push_back(
            preferences.writeYesNo(settings::Pref::ShowStatusBar, m_mnuStatusBar->isChecked()));
    }
    if (!preferences.find(settings::Pref::ToolBarVisible)) {
        held.push_back(preferences.writeYesNo(settings::Pref::ToolBarVisible, m_toolBarVisible));
    }
    if (const auto failed = std::ranges::find_if(held, [](const auto& w) { return !w; });
        failed != held.end()) {
        reportWriteFailure(failed->message);
    }
    if (m_state.mainGame.cell(cell::AutoplayAllGames) == table::kAutoplayChoiceForAll) {
        const settings::WriteResult written =
            preferences.writeYesNo(settings::Pref::Autoplay, m_state.autoplayTicked);
        if (!written) {
            reportWriteFailure(written.message);
        }
    }
    const settings::WriteResult written = preferences.writeNumber(
        settings::Pref::RandomGameType, m_state.mainGame.cell(cell::RandomGameType));
    if (!written) {
        reportWriteFailure(written.message);
    }
    tellGathered();
    m_closed = true;
    event->accept();
    if (m_hooks.closed) {
        m_hooks.closed();
    }
}

// --- Commands ----------------------------------------------------------------------------------

bool TfrmMain::mayAbandonGame() {
    return m_state.settings.read(settings::field::ConfirmQuitGame) == "N" || !gameRunning() ||
           m_state.flags.test(Flag::Won) || m_frontend->confirm("Quit this game?");
}

void TfrmMain::newGame() {
    if (!m_engine || !m_frontend || m_state.flags.test(Flag::AnimationRunning)) {
        return;
    }
    if (m_assistant->lookingForDeal() || !mayAbandonGame()) {
        return;
    }
    m_assistant->stopDemo();
    if (m_assistant->winnableDealsOnly()) {
        // The game on the table stays until a winnable deal is found; a
        // cancelled search leaves it in play.
        m_assistant->findWinnableDeal(
            [this](const std::optional<std::string>& number) { dealNewGame(number); });
        return;
    }
    dealNewGame(std::nullopt);
}

void TfrmMain::dealNewGame(const std::optional<std::string>& dealNumber) {
    if (m_engine && m_engine->endGame()) {
        return;
    }
    m_frontend->setBusyCursor(true);
    m_frontend->playSound("New", m_state.settings.isYes(settings::field::SoundsNewGame),
                          seam::SoundMode::Wait);
    m_frontend->setBusyCursor(false);
    if (dealNumber) {
        m_engine->dealNumber(*dealNumber);
    } else {
        m_engine->newGame();
    }
    updateScrollRange();
}

void TfrmMain::restartGame() {
    if (!m_engine || !m_frontend || m_state.flags.test(Flag::AnimationRunning) ||
        !mayAbandonGame()) {
        return;
    }
    m_frontend->setBusyCursor(true);
    m_frontend->playSound("New", m_state.settings.isYes(settings::field::SoundsRestart),
                          seam::SoundMode::Wait);
    m_frontend->setBusyCursor(false);
    m_engine->restartGame();
    updateScrollRange();
}

void TfrmMain::chooseDealNumber() {
    if (!m_engine || !m_frontend || m_state.flags.test(Flag::AnimationRunning)) {
        return;
    }
    TfrmDealNumber dialog(this, fromStd(m_state.settings.read(settings::field::DealNumber)));
    if (m_boxes.runDialog(dialog) != QDialog::Accepted || !mayAbandonGame()) {
        return;
    }
    m_engine->dealNumber(dialog.dealNumber().toStdString());
    updateScrollRange();
}

void TfrmMain::undo() {
    if (m_engine && m_engine->undo()) {
        updateScrollRange();
    }
}

void TfrmMain::redo() {
    if (m_engine && m_engine->redo()) {
        updateScrollRange();
    }
}

void TfrmMain::showStatistics() {
    const std::string folder =
        m_state.dataFolder.empty() ? m_state.settings.programDirectory() : m_state.dataFolder;
    TfrmStatistics dialog(this, folder, m_state.settings.readInt(settings::field::Game, -1),
                          fromStd(m_state.settings.read(settings::field::GameName)), m_boxes);
    m_boxes.runDialog(dialog);
}

void TfrmMain::setFullScreen(bool on) {
    if (on == isFullScreen()) {
        m_mnuFullScreen->setChecked(on);
        return;
    }
    if (on) {
        m_maximisedBeforeFullScreen = isMaximized();
        m_placeBeforeFullScreen = QRect(pos(), size());
        showFullScreen();
    } else if (m_maximisedBeforeFullScreen) {
        showMaximized();
    } else {
        showNormal();
    }
    m_mnuFullScreen->setChecked(on);
}

void TfrmMain::setStatusBarChoice(bool visible, bool save) {
    statusBar()->setVisible(visible);
    m_mnuStatusBar->setChecked(visible);
    // The table area changed height: lay the table out again once the
    // window has placed its parts.
    QTimer::singleShot(0, this, [this] {
        layoutChildren();
        if (!m_state.flags.test(Flag::FirstActivationPending)) {
            redrawTable();
        }
    });
    if (save) {
        settings::PreferenceFile preferences(m_state.preferencesPath());
        const settings::WriteResult written =
            preferences.writeYesNo(settings::Pref::ShowStatusBar, visible);
        if (!written) {
            reportWriteFailure(written.message);
        }
    }
}

void TfrmMain::updatePlayCommands() {
    const bool loaded = m_state.params[catalogue::param::CardCount] != 0 &&
                        m_state.settings.readInt(settings::field::Game, -1) >= 0;
    m_mnuUndo->setEnabled(m_engine && m_engine->canUndo());
    m_mnuRedo->setEnabled(m_engine && m_engine->canRedo());
    m_mnuRestartDeal->setEnabled(m_engine && loaded);
    m_mnuDealNumber->setEnabled(m_engine && loaded);
    const engine::StatusFigures figures =
        engine::statusFigures(m_state, m_engine ? m_engine->moves() : 0);
    m_lblMoves->setText(tr("Moves: %1").arg(figures.moves));
    m_lblStock->setVisible(figures.stockCards.has_value());
    m_lblStock->setText(tr("Stock: %1").arg(figures.stockCards.value_or(0)));
    m_lblPasses->setVisible(figures.passesLeft.has_value());
    m_lblPasses->setText(tr("Passes left: %1").arg(figures.passesLeft.value_or(0)));
    const bool inPlay = m_engine && gameRunning() && !m_state.flags.test(Flag::Won);
    m_mnuHint->setEnabled(inPlay);
    m_mnuSolve->setEnabled(inPlay);
    const int game = m_state.settings.readInt(settings::field::Game, -1);
    m_mnuWinnableOnly->setEnabled(m_engine && loaded);
    if (game != m_winnableChoiceGame) {
        m_winnableChoiceGame = game;
        m_mnuWinnableOnly->setChecked(m_assistant->winnableDealsOnly());
    }
    m_assistant->positionChanged();
    if (m_keyboard) {
        m_keyboard->tableChanged();
    }
}

void TfrmMain::hint() {
    m_assistant->hint();
}

void TfrmMain::solve() {
    m_assistant->solve();
}

void TfrmMain::openGame() {
    if (!m_engine || !gameChooser()) {
        return;
    }
    m_boxes.runDialog(*m_chooser);
    if (!m_chooser->chosen()) {
        return;
    }
    m_chooser->clearChosen();
    // The first chooser deals the deal number the command line asked for.
    const std::optional<std::string> deal =
        m_startDeal ? engine::paddedDealNumber(*std::exchange(m_startDeal, std::nullopt))
                    : std::nullopt;
    if (deal) {
        m_state.settings.write(settings::field::DealNumber, *deal);
    }
    m_engine->openGame(m_chooser->chosenGame(),
                       deal ? engine::DealNumberMode::Keep : engine::DealNumberMode::New, true);
    updateScrollRange();
}

void TfrmMain::toggleAutoplay() {
    // The action ticks and unticks itself; the program state follows it.
    const bool on = m_mnuAutoPlay->isChecked();
    m_state.autoplayTicked = on;
    settings::PreferenceFile preferences(m_state.preferencesPath());
    const settings::WriteResult written = settings::storeGameAutoplayChoice(
        preferences, m_state.settings.readInt(settings::field::Game, -1), on);
    if (!written) {
        reportWriteFailure(written.message);
    }
    if (on && gameRunning() && m_engine) {
        m_engine->runAutomaticSteps();
    }
}

void TfrmMain::showCustomize() {
    if (!m_frontend) {
        return;
    }
    m_frontend->setBusyCursor(true);
    CustomizeHooks hooks;
    hooks.setToolBarFlat = [this](bool flat) { setToolBarFlat(flat, false); };
    hooks.showTime = [this](bool visible) { setClockVisible(visible); };
    hooks.showScore = [this](bool visible) { setScoreVisible(visible); };
    hooks.resetCursor = [this] { unsetCursor(); };
    hooks.setBusy = [this](bool busy) { m_frontend->setBusyCursor(busy); };
    hooks.repaintMain = [this] { repaint(); };
    hooks.redrawTable = [this] {
        // The back, the card set or the size may have changed: every card
        // picture is built again for the chosen size before the table is
        // laid out and drawn anew.
        table::applyCardSize(m_state, *m_frontend);
        redrawTable();
    };
    CustomizeScreen screen;
    screen.size = screenSize(*this);
    const QScreen* display = this->screen();
    screen.manyColours = !display || display->depth() > 8;
    screen.largeToolBarBottom = kLargeBar.bottom() + 1;
    TfrmCustomize_Quorvane dialog(this, m_state, m_frontend->library(), m_boxes, std::move(hooks),
                                  screen, m_helpFile);
    m_frontend->setBusyCursor(false);
    const int result = m_boxes.runDialog(dialog);
    dialog.finish(result);
}

void TfrmMain::showAbout() {
    if (m_frontend) {
        m_frontend->setBusyCursor(true);
    }
    TfrmAbout about(this, [this] {
        if (m_frontend) {
            m_frontend->playSound("About", m_state.settings.isYes(settings::field::SoundsAbout),
                                  seam::SoundMode::AtOnce);
        }
    });
    if (m_frontend) {
        m_frontend->setBusyCursor(false);
    }
    m_boxes.runDialog(about);
    repaint();
}

} // namespace vellomir::ui
