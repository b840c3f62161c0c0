#include "ui/open_game_form.h"

#include "catalogue/catalogue_reader.h"
#include "render/table_background.h"
#include "resources/resource_library.h"
#include "settings/preference_table.h"
#include "settings/text_placeholders.h"
#include "table/catalogue_loading.h"
#include "table/program_state.h"
#include "ui/chooser_game_list.h"
#include "ui/form_pictures.h"
#include "ui/game_description.h"
#include "ui/message_boxes.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vellomir::ui {
namespace {

// The image list of the tree makes this colour see-through.
constexpr QRgb kIconMask = qRgb(128, 0, 0);
// The cloth of the preview box.
const QColor kPreviewCloth(0, 128, 0);
constexpr int kCodeRole = Qt::UserRole;
// A game's name as the catalogue spells it (the tree shows it translated).
constexpr int kNameRole = Qt::UserRole + 1;

// A picture with every pixel of `colour` made see-through.
QImage withSeeThrough(const QImage& image, QRgb colour) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0xffffffu) == (colour & 0xffffffu)) {
                line[x] = 0;
            }
        }
    }
    return result;
}

int codeOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kCodeRole).toInt() : -1;
}

QString programTitle() {
    return QString::fromStdString(std::string(settings::kProgramTitle));
}

bool fewColours() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= 8;
}

// The busy cursor for the lifetime of the object.
class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* l = new QLabel(text, parent);
    if (name) {
        l->setObjectName(QString::fromLatin1(name));
    }
    l->setGeometry(place);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// Shows `text` in `target`, in a smaller font when the window's font makes it
// too wide for the label (the window's sizes are made for Tahoma 8 point).
void setFittingText(QLabel* target, const QString& text, const QFont& font) {
    QFont fitted = font;
    const int room = target->width() - 2;
    while (QFontMetrics(fitted).horizontalAdvance(text) > room && fitted.pointSizeF() > 6.5) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    target->setFont(fitted);
    target->setText(text);
}

constexpr QSize kOpeningSize(535, 377);

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    return b;
}

} // namespace

TfrmOpenGame::TfrmOpenGame(QWidget* parent, table::ProgramState& state,
                           const resources::ResourceLibrary& library, MessageBoxes& boxes)
    : C_TAdvancedForm<QDialog>(parent), m_state(state), m_library(library), m_boxes(boxes) {
    setObjectName(QStringLiteral("frmOpenGame"));
    setWindowTitle(tr("Open a game"));
    // The window opens at its own size; a player may make it larger, and
    // the list of games takes what is added (long names show whole).
    setMinimumSize(kOpeningSize);
    resize(kOpeningSize);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    buildWindow();
    loadIcons();

    // Only the group of all games is kept of the stored tree; it shows a
    // placeholder child until it is filled, so that it can be expanded.
    addGroup(tr("All games (alphabetically)"), kAllGamesCode);
    m_gameList = chooserGameList(m_state.mainGame.gameList());

    const settings::PreferenceFile preferences(m_state.preferencesPath());
    const int group = preferences.number(settings::Pref::GameTreeNum, kAllGamesCode);
    m_rememberedGroup = group < 0 ? group : 0;
    m_chkPreview->setChecked(preferences.isYes(settings::Pref::OpenPreviewGame));

    m_previewBackground = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    if (fewColours()) {
        m_previewBackground.fill(kPreviewCloth);
    } else {
        render::fillFade(m_previewBackground, kPreviewCloth,
                         QRect(0, 0, kPreviewWidth + 1, kPreviewHeight + 1));
    }
    m_preview = m_previewBackground;
    m_imgGame->setPixmap(QPixmap::fromImage(m_preview));

    // Until the first showing, filling the tree describes nothing.
    m_trvGames->setEnabled(false);
    showNoGame();
}

TfrmOpenGame::~TfrmOpenGame() = default;

void TfrmOpenGame::buildWindow() {
    m_pnlLblSelectagame = label(this, "pnlLblSelectagame", tr("Select a game:"), {8, 6, 202, 18});

    m_trvGames = new QTreeWidget(this);
    m_trvGames->setObjectName(QStringLiteral("trvGames"));
    m_trvGames->setGeometry(8, 26, 202, 308);
    m_trvGames->setHeaderHidden(true);
    m_trvGames->setColumnCount(1);
    m_trvGames->setIconSize(QSize(16, 16));
    m_trvGames->setContextMenuPolicy(Qt::PreventContextMenu);
    m_trvGames->setIndentation(16);
    // Names too long for the tree are not cut (games told apart by their last
    // words, "... (3x3 square)", would look alike): the tree scrolls sideways.
    m_trvGames->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_trvGames->header()->setStretchLastSection(false);
    m_pnlLblSelectagame->setBuddy(m_trvGames);

    // The frame of the description area; white with the product picture
    // while no game is selected.
    m_pnlGameInfo = new QFrame(this);
    m_pnlGameInfo->setObjectName(QStringLiteral("pnlGameInfo"));
    m_pnlGameInfo->setGeometry(218, 8, 309, 326);
    m_pnlGameInfo->setFrameShape(QFrame::Panel);
    m_pnlGameInfo->setFrameShadow(QFrame::Sunken);
    m_pnlGameInfo->setAutoFillBackground(true);

    m_imgProduct = new QLabel(m_pnlGameInfo);
    m_imgProduct->setObjectName(QStringLiteral("imgProduct"));
    m_imgProduct->setGeometry(1, 1, 307, 324);
    m_imgProduct->setAlignment(Qt::AlignCenter);
    m_imgProduct->setPixmap(QPixmap::fromImage(productPicture(QSize(260, 200))));

    m_pnlDescGame = new QFrame(m_pnlGameInfo);
    m_pnlDescGame->setObjectName(QStringLiteral("pnlDescGame"));
    m_pnlDescGame->setGeometry(1, 1, 307, 324);
    m_pnlDescGame->setAutoFillBackground(true);
    buildDescription(m_pnlDescGame);

    m_btnRules = button(this, "btnRules", tr("Rules"), {8, 344, 75, 25});
    m_btnCancel = button(this, "btnCancel", tr("Cancel"), {452, 344, 75, 25});
    // OK stands 5 pixels left of Cancel.
    m_btnOK = button(this, "btnOK", tr("OK"), {m_btnCancel->x() - 5 - 75, 344, 75, 25});
    m_btnOK->setDefault(true);

    connect(m_btnOK, &QPushButton::clicked, this, [this] { confirmChoice(); });
    connect(m_btnCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_btnRules, &QPushButton::clicked, this, [this] { showRulesOfSelection(); });
    connect(m_chkPreview, &QCheckBox::toggled, this, [this] { drawPreview(); });

    connect(m_trvGames, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (codeOf(item) < 0) {
            item->setIcon(0, icon(QStringLiteral("TREE2")));
            Hourglass busy;
            fill(item, -1);
        }
    });
    connect(m_trvGames, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (codeOf(item) < 0) {
            item->setIcon(0, icon(QStringLiteral("TREE1")));
        }
    });
    connect(m_trvGames, &QTreeWidget::currentItemChanged, this, [this] { selectionChanged(); });
    connect(m_trvGames, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        // A double click on a group opens it; on a game it is OK.
        if (codeOf(item) >= 0) {
            confirmChoice();
        }
    });
}

void TfrmOpenGame::resizeEvent(QResizeEvent* event) {
    C_TAdvancedForm<QDialog>::resizeEvent(event);
    if (!m_btnOK) {
        return; // not built yet
    }
    // The places of the opening size, grown as the whole window grew when a
    // larger font cut a text (its smallest size grew with it).
    const double grown = std::max(1.0, static_cast<double>(minimumWidth()) / kOpeningSize.width());
    const auto at = [grown](int place) { return static_cast<int>(std::lround(place * grown)); };
    const int wider = std::max(0, width() - minimumWidth());
    const int taller = std::max(0, height() - minimumHeight());
    m_trvGames->resize(at(8 + 202) - at(8) + wider, at(26 + 308) - at(26) + taller);
    m_pnlGameInfo->move(at(218) + wider, at(8));
    m_btnRules->move(at(8), at(344) + taller);
    m_btnCancel->move(at(452) + wider, at(344) + taller);
    m_btnOK->move(m_btnCancel->x() - at(5) - m_btnOK->width(), at(344) + taller);
}

void TfrmOpenGame::buildDescription(QWidget* area) {
    m_imgGame = new QLabel(area);
    m_imgGame->setObjectName(QStringLiteral("imgGame"));
    m_imgGame->setGeometry(3, 3, kPreviewWidth, kPreviewHeight);

    m_lblGameName = label(area, "lblGameName", QString(), {4, 191, 299, 20});

    // Caption, picture and text of each rating, one row each.
    constexpr int kCaptionWidth = 118;
    constexpr int kPictureX = 124;
    constexpr int kTextX = 152;
    const auto row = [&](int y, const QString& caption, const char* picture, const char* text,
                         QLabel*& image, QLabel*& value) {
        label(area, nullptr, caption, {4, y, kCaptionWidth, 18});
        image = new QLabel(area);
        image->setObjectName(QString::fromLatin1(picture));
        image->setGeometry(kPictureX, y + 1, 24, 16);
        value = label(area, text, QString(), {kTextX, y, 307 - kTextX - 2, 18});
    };
    row(212, tr("Difficulty level:"), "imgDifficult", "lblDiffRules", m_imgDifficult,
        m_lblDiffRules);
    row(230, tr("Chance of winning:"), "imgWinning", "lblDiffWin", m_imgWinning, m_lblDiffWin);
    row(248, tr("Skill level:"), "imgSkill", "lblSkill", m_imgSkill, m_lblSkill);
    row(266, tr("Game time:"), "imgGameTime", "lblGameTime", m_imgGameTime, m_lblGameTime);

    label(area, nullptr, tr("Redeals:"), {4, 285, kCaptionWidth, 18});
    m_lblRedeal = label(area, "lblRedeal", QString(), {kPictureX, 285, 70, 18});
    label(area, nullptr, tr("Decks:"), {204, 285, 50, 18});
    m_lblDecks = label(area, "lblDecks", QString(), {256, 285, 46, 18});

    m_chkPreview = new QCheckBox(tr("&Preview"), area);
    m_chkPreview->setObjectName(QStringLiteral("chkPreview"));
    m_chkPreview->setGeometry(4, 304, 120, 18);
    m_chkPreview->setChecked(true);
}

void TfrmOpenGame::loadIcons() {
    QStringList names = {QStringLiteral("TREE1"), QStringLiteral("TREE2")};
    for (int code = 2; code <= 22; ++code) {
        names << typeIconName(code);
    }
    names << typeIconName(800);
    for (const QString& name : names) {
        const QImage picture = m_library.loadBitmap(name);
        if (!picture.isNull()) {
            m_icons.insert(name, QIcon(QPixmap::fromImage(withSeeThrough(picture, kIconMask))));
        }
    }
}

QIcon TfrmOpenGame::icon(const QString& name) const {
    return m_icons.value(name);
}

QPixmap TfrmOpenGame::libraryPicture(const QString& name) const {
    if (name.isEmpty()) {
        return {};
    }
    const QImage picture = m_library.loadBitmap(name);
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}

QTreeWidgetItem* TfrmOpenGame::addGroup(const QString& text, int code) {
    auto* group = new QTreeWidgetItem(m_trvGames, QStringList{text});
    group->setData(0, kCodeRole, code);
    group->setIcon(0, icon(QStringLiteral("TREE1")));
    group->setToolTip(0, text);
    auto* placeholder = new QTreeWidgetItem(group, QStringList{QStringLiteral("nil")});
    placeholder->setData(0, kCodeRole, kPlaceholderCode);
    return group;
}

void TfrmOpenGame::fill(QTreeWidgetItem* group, int requestedGame) {
    if (!group || group->childCount() != 1 || codeOf(group->child(0)) != kPlaceholderCode) {
        return;
    }
    delete group->takeChild(0);
    const int code = codeOf(group);
    QTreeWidgetItem* requested = nullptr;
    std::vector<ChooserEntry> entries;
    bool translated = false;
    for (const std::string& line : m_gameList) {
        ChooserEntry entry = parseChooserEntry(line);
        if (code == kNewGamesCode && entry.newGameMark != '1') {
            continue;
        }
        const QString shown = gameNameText(entry.name);
        translated = translated || shown != entry.name;
        entries.push_back(std::move(entry));
    }
    // Translated names are listed in the alphabetical order of the language.
    if (translated) {
        std::stable_sort(
            entries.begin(), entries.end(), [](const ChooserEntry& a, const ChooserEntry& b) {
                return QString::localeAwareCompare(gameNameText(a.name), gameNameText(b.name)) < 0;
            });
    }
    for (const ChooserEntry& entry : entries) {
        const QString shown = gameNameText(entry.name);
        auto* node = new QTreeWidgetItem(group, QStringList{shown});
        node->setData(0, kCodeRole, entry.number);
        node->setData(0, kNameRole, entry.name);
        node->setToolTip(0, shown);
        // A type in no row keeps the first icon of the list.
        const QString iconName = typeIconName(entry.typeCode);
        node->setIcon(0, icon(iconName.isEmpty() || !m_icons.contains(iconName)
                                  ? QStringLiteral("TREE1")
                                  : iconName));
        if (entry.number == requestedGame) {
            requested = node;
        }
    }
    if (requested) {
        group->setExpanded(true);
        m_trvGames->setCurrentItem(requested);
        m_trvGames->scrollToItem(requested, QAbstractItemView::PositionAtCenter);
    }
}

bool TfrmOpenGame::selectGame(int gameNumber) {
    for (int g = 0; g < m_trvGames->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = m_trvGames->topLevelItem(g);
        fill(group, -1);
        for (int i = 0; i < group->childCount(); ++i) {
            if (codeOf(group->child(i)) == gameNumber) {
                group->setExpanded(true);
                m_trvGames->setCurrentItem(group->child(i));
                m_trvGames->scrollToItem(group->child(i));
                return true;
            }
        }
    }
    return false;
}

void TfrmOpenGame::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QDialog>::showEvent(event);
    Hourglass busy;
    if (m_firstShowing) {
        m_firstShowing = false;
        // The group of the last game chosen opens on the current game.
        for (int g = 0; m_rememberedGroup < 0 && g < m_trvGames->topLevelItemCount(); ++g) {
            QTreeWidgetItem* group = m_trvGames->topLevelItem(g);
            if (codeOf(group) == m_rememberedGroup) {
                fill(group, m_state.settings.readInt(settings::field::Game, -1));
                group->setExpanded(true);
            }
        }
        m_rememberedGroup = 0;
    }
    m_trvGames->setEnabled(true);
    describe();
    m_trvGames->setFocus();
}

void TfrmOpenGame::done(int result) {
    C_TAdvancedForm<QDialog>::done(result);
    if (m_closed) {
        m_closed();
    }
}

void TfrmOpenGame::selectionChanged() {
    if (!m_trvGames->isEnabled()) {
        return;
    }
    Hourglass busy;
    QTreeWidgetItem* item = m_trvGames->currentItem();
    if (item && codeOf(item) < 0) {
        fill(item, -1);
    }
    describe();
}

int TfrmOpenGame::selectedGame() const {
    const QTreeWidgetItem* item = m_trvGames->currentItem();
    return item ? codeOf(item) : -1;
}

void TfrmOpenGame::showNoGame() {
    QPalette white = m_pnlGameInfo->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pnlGameInfo->setPalette(white);
    m_imgProduct->show();
    m_pnlDescGame->hide();
    m_chkPreview->setEnabled(false);
    m_btnOK->setEnabled(false);
    m_btnRules->setEnabled(false);
}

void TfrmOpenGame::describe() {
    if (!isVisible()) {
        return;
    }
    const int game = selectedGame();
    if (game < 0) {
        showNoGame();
        return;
    }
    std::array<int, 8> values{};
    try {
        const std::array<int, 9> read =
            table::readSelectedParameters(m_state, game, kDescriptionLines);
        std::copy_n(read.begin(), values.size(), values.begin());
    } catch (const catalogue::CatalogueError& error) {
        showNoGame();
        m_boxes.error(this, programTitle(), QString::fromStdString(error.what()));
        return;
    }
    const GameDescription d = GameDescription::fromParameters(values);

    m_pnlGameInfo->setPalette(palette());
    m_imgProduct->hide();
    m_pnlDescGame->show();
    QFont bold = font();
    bold.setBold(true);
    setFittingText(m_lblGameName, m_trvGames->currentItem()->text(0), bold);
    setFittingText(m_lblDiffRules, d.difficulty, font());
    m_imgDifficult->setPixmap(libraryPicture(d.difficultyPicture));
    setFittingText(m_lblDiffWin, d.chance, font());
    m_imgWinning->setPixmap(libraryPicture(d.chancePicture));
    setFittingText(m_lblSkill, d.skill, font());
    m_imgSkill->setPixmap(libraryPicture(d.skillPicture));
    setFittingText(m_lblGameTime, d.gameTime, font());
    m_imgGameTime->setPixmap(libraryPicture(d.gameTimePicture));
    m_lblRedeal->setText(d.redeals);
    m_lblDecks->setText(d.decks);

    m_chkPreview->setEnabled(true);
    m_btnOK->setEnabled(true);
    m_btnRules->setEnabled(true);
    drawPreview();
}

void TfrmOpenGame::drawPreview() {
    m_preview = m_previewBackground;
    const int game = selectedGame();
    if (m_chkPreview->isChecked() && game >= 0) {
        // A game without a picture leaves the cloth alone.
        const QImage picture =
            m_library.loadBitmap(QStringLiteral("GAME%1").arg(game, 4, 10, QLatin1Char('0')));
        if (!picture.isNull()) {
            QPainter painter(&m_preview);
            painter.drawImage((kPreviewWidth - picture.width()) / 2, 0,
                              withSeeThrough(picture, picture.pixel(0, 0)));
        }
    }
    m_imgGame->setPixmap(QPixmap::fromImage(m_preview));
}

void TfrmOpenGame::confirmChoice() {
    QTreeWidgetItem* item = m_trvGames->currentItem();
    if (!item || codeOf(item) < 0) {
        m_boxes.information(this, programTitle(), tr("Open a game"));
        m_trvGames->setFocus();
        return;
    }
    const int game = codeOf(item);
    const int group = item->parent() ? codeOf(item->parent()) : kAllGamesCode;
    settings::PreferenceFile preferences(m_state.preferencesPath());
    for (const settings::WriteResult& written :
         {preferences.writeNumber(settings::Pref::Game, game),
          preferences.write(settings::Pref::GameName,
                            item->data(0, kNameRole).toString().toStdString()),
          preferences.writeNumber(settings::Pref::GameTreeNum, group),
          preferences.writeYesNo(settings::Pref::OpenPreviewGame, m_chkPreview->isChecked())}) {
        if (!written) {
            // The game is still opened; only remembering it failed (an
            // empty message: the player has been told already).
            if (!written.message.empty()) {
                m_boxes.information(this, programTitle(), QString::fromStdString(written.message));
            }
            break;
        }
    }
    m_chosenGame = game;
    m_chosenName = item->data(0, kNameRole).toString();
    m_chosen = true;
    accept();
}

void TfrmOpenGame::showRulesOfSelection() {
    const int game = selectedGame();
    if (game < 0) {
        m_boxes.information(this, programTitle(), tr("Select a game"));
    } else if (m_showRules) {
        m_showRules(game);
    }
    m_trvGames->setFocus();
}

} // namespace vellomir::ui
