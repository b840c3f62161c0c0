#include "ui/customize_form.h"

#include "render/card_corners.h"
#include "render/pixel_ops.h"
#include "render/table_background.h"
#include "resources/resource_library.h"
#include "settings/number_text.h"
#include "settings/preference_setter.h"
#include "settings/preference_table.h"
#include "table/program_state.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"
#include "ui/translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <functional>

namespace vellomir::ui {
namespace {

namespace field = settings::field;

// The card sizes offered, with the letter `Card_Size` keeps for each.
struct CardSizeChoice {
    const char* text;
    const char* letter;
};
const CardSizeChoice kCardSizeChoices[] = {
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmCustomize_Quorvane", "Fit the window"), "F"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmCustomize_Quorvane", "Big"), "B"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmCustomize_Quorvane", "Medium"), "M"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmCustomize_Quorvane", "Little"), "L"},
};

constexpr QSize kBackgroundSampleSize(178, 158);
constexpr QSize kDecksSampleSize(178, 156);
constexpr QPoint kBackPlace(15, 15);
constexpr QSize kBackSize(71, 96);
// Pictures numbered this or more are drawn whole, not tiled.
constexpr int kFirstWholePicture = 500;
// The colour field when the stored colour is 0: the face colour of buttons.
constexpr long long kButtonFaceColour = -2147483633LL;
constexpr int kNumberRole = Qt::UserRole;
// Pixels of this colour are see-through in the tree icons.
constexpr QRgb kIconMask = qRgb(128, 0, 0);

int numberOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNumberRole).toInt() : 0;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QPoint place) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->move(place);
    box->adjustSize();
    return box;
}

QIcon treeIcon(const resources::ResourceLibrary* library, const char* name) {
    if (!library) {
        return {};
    }
    QImage image = library->loadBitmap(QString::fromLatin1(name));
    if (image.isNull()) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xff000000) == kIconMask && qAlpha(line[x]) == 255) {
                line[x] = 0;
            }
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

QTreeWidgetItem* findItem(QTreeWidget* tree, const std::function<bool(QTreeWidgetItem*)>& match) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (match(*it)) {
            return *it;
        }
    }
    return nullptr;
}

} // namespace

TfrmCustomize_Quorvane::TfrmCustomize_Quorvane(QWidget* parent, table::ProgramState& state,
                                               const resources::ResourceLibrary* library,
                                               MessageBoxes& boxes, CustomizeHooks hooks,
                                               CustomizeScreen screen, QString helpFile)
    : C_TAdvancedForm<QDialog>(parent), m_state(state), m_library(library), m_boxes(boxes),
      m_hooks(std::move(hooks)), m_screen(screen), m_helpFile(std::move(helpFile)) {
    setObjectName(QStringLiteral("frmCustomize_Quorvane"));
    setWindowTitle(tr("Customize"));
    setFixedSize(kWidth, kHeight);
    buildPages();
    buildButtons();
    prepare();
}

TfrmCustomize_Quorvane::~TfrmCustomize_Quorvane() = default;

// --- The design -----------------------------------------------------------------

void TfrmCustomize_Quorvane::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(6, 6, kWidth - 12, 254);

    // General.
    auto* general = new QWidget;
    general->setObjectName(QStringLiteral("tabGeneral"));
    auto* timeScores = new QGroupBox(tr("Time / Scores options"), general);
    timeScores->setObjectName(QStringLiteral("grpTimeScores"));
    timeScores->setGeometry(8, 8, 360, 78);
    m_chkShowTime = checkBox(timeScores, "chkShowTime", tr("Show &time"), {16, 24});
    m_chkShowScore = checkBox(timeScores, "chkShowScore", tr("Show sco&re"), {16, 48});
    auto* show = new QGroupBox(tr("Show "), general);
    show->setObjectName(QStringLiteral("grpShow"));
    show->setGeometry(8, 96, 360, 56);
    m_chkConfirmQuitGame = checkBox(show, "chkConfirmQuitGame", tr("C&onfirm quit game"), {16, 24});
    // The card size: fitted to the window, or one of the three fixed sizes.
    auto* cardSize = new QGroupBox(tr("Card size"), general);
    cardSize->setObjectName(QStringLiteral("grpCardSize"));
    cardSize->setGeometry(8, 160, 360, 56);
    m_cmbCardSize = new QComboBox(cardSize);
    m_cmbCardSize->setObjectName(QStringLiteral("cmbCardSize"));
    m_cmbCardSize->setGeometry(16, 22, 180, 24);
    for (const auto& [text, letter] : kCardSizeChoices) {
        m_cmbCardSize->addItem(tr(text), QString::fromLatin1(letter));
    }
    // Kept in the design for reading and writing, never shown.
    m_chkTBLargeIcons = checkBox(general, "chkTBLargeIcons", tr("&Large buttons"), {16, 160});
    m_chkTBFlatBtn = checkBox(general, "chkTBFlatBtn", tr("&Flat buttons"), {16, 180});
    m_chkConfirmOnExit = checkBox(general, "chkConfirmOnExit", tr("Confirm on e&xit"), {180, 160});
    m_chkWinningAnimation =
        checkBox(general, "chkWinningAnimation", tr("&Winning animation"), {180, 180});
    for (QCheckBox* hidden :
         {m_chkTBLargeIcons, m_chkTBFlatBtn, m_chkConfirmOnExit, m_chkWinningAnimation}) {
        hidden->hide();
    }
    m_chkWinningAnimation->setChecked(true);
    m_pages->addTab(general, tr("&General"));

    // Decks.
    auto* decks = new QWidget;
    decks->setObjectName(QStringLiteral("tabDecks"));
    auto* selectBack = new QLabel(tr("Select a card back:"), decks);
    selectBack->setObjectName(QStringLiteral("lblSelectBack"));
    selectBack->setGeometry(8, 6, 176, 16);
    m_trvCardBack = new QTreeWidget(decks);
    m_trvCardBack->setObjectName(QStringLiteral("trvCardBack"));
    m_trvCardBack->setGeometry(8, 24, 176, 196);
    auto* decksGroup = new QGroupBox(decks);
    decksGroup->setObjectName(QStringLiteral("grpDecks"));
    decksGroup->setGeometry(190, 2, 188, 218);
    m_imgSfondoEsempio2 = new QLabel(decksGroup);
    m_imgSfondoEsempio2->setObjectName(QStringLiteral("imgSfondoEsempio2"));
    m_imgSfondoEsempio2->setGeometry(QRect(QPoint(5, 12), kDecksSampleSize));
    m_imgDorsoEsempio = new QLabel(m_imgSfondoEsempio2);
    m_imgDorsoEsempio->setObjectName(QStringLiteral("imgDorsoEsempio"));
    m_imgDorsoEsempio->setGeometry(QRect(kBackPlace, kBackSize));
    m_lblDecks = new QLabel(decksGroup);
    m_lblDecks->setObjectName(QStringLiteral("lblDecks"));
    m_lblDecks->setGeometry(5, 12 + kDecksSampleSize.height() + 6, kDecksSampleSize.width(), 18);
    m_lblDecks->setAlignment(Qt::AlignCenter);
    m_pages->addTab(decks, tr("&Decks  "));

    // Backgrounds.
    auto* backgrounds = new QWidget;
    backgrounds->setObjectName(QStringLiteral("tabBackgrounds"));
    auto* selectBackground = new QLabel(tr("Select a background:"), backgrounds);
    selectBackground->setObjectName(QStringLiteral("lblSelectBackground"));
    selectBackground->setGeometry(8, 6, 176, 16);
    m_trvBackGround = new QTreeWidget(backgrounds);
    m_trvBackGround->setObjectName(QStringLiteral("trvBackGround"));
    m_trvBackGround->setGeometry(8, 24, 176, 196);
    auto* sampleFrame = new QFrame(backgrounds);
    sampleFrame->setObjectName(QStringLiteral("pnlSfondoEsempio"));
    sampleFrame->setFrameShape(QFrame::Panel);
    sampleFrame->setFrameShadow(QFrame::Sunken);
    sampleFrame->setGeometry(QRect(QPoint(193, 6), kBackgroundSampleSize + QSize(4, 4)));
    m_imgSfondoEsempio = new QLabel(sampleFrame);
    m_imgSfondoEsempio->setObjectName(QStringLiteral("imgSfondoEsempio"));
    m_imgSfondoEsempio->setGeometry(QRect(QPoint(2, 2), kBackgroundSampleSize));
    m_lblBackGround = new QLabel(backgrounds);
    m_lblBackGround->setObjectName(QStringLiteral("lblBackGround"));
    m_lblBackGround->setGeometry(193, 170, 182, 18);
    m_lblBackGround->setAlignment(Qt::AlignCenter);
    m_chkFadeBackground =
        checkBox(backgrounds, "chkFadeBackground", tr("&Fade background"), {197, 194});
    m_pages->addTab(backgrounds, tr("&Backgrounds"));

    // Sounds.
    auto* sounds = new QWidget;
    sounds->setObjectName(QStringLiteral("tabSounds"));
    m_chkSoundsEnabled = checkBox(sounds, "chkSoundsEnabled", tr("Disable all &sounds"), {16, 16});
    m_pages->addTab(sounds, tr("&Sounds"));

    // Language: beside the classic pages, the language of the program's texts.
    auto* language = new QWidget;
    language->setObjectName(QStringLiteral("tabLanguage"));
    auto* languageLabel = new QLabel(tr("&Language of the program:"), language);
    languageLabel->setObjectName(QStringLiteral("lblLanguage"));
    languageLabel->setGeometry(16, 16, 340, 18);
    m_cmbLanguage = new QComboBox(language);
    m_cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    m_cmbLanguage->setGeometry(16, 38, 220, 24);
    languageLabel->setBuddy(m_cmbLanguage);
    m_cmbLanguage->addItem(tr("The desktop's language"), QString());
    // Each language is named in itself, so that a player who cannot read
    // the one shown still finds theirs.
    m_cmbLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const ShippedLanguage& shipped : shippedLanguages()) {
        m_cmbLanguage->addItem(QString::fromUtf8(shipped.ownName),
                               QString::fromLatin1(shipped.code));
    }
    auto* languageNote =
        new QLabel(tr("The texts change at the next start of the program."), language);
    languageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    languageNote->setGeometry(16, 72, 340, 36);
    languageNote->setWordWrap(true);
    m_pages->addTab(language, tr("L&anguage"));

    for (QTreeWidget* tree : {m_trvCardBack, m_trvBackGround}) {
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setRootIsDecorated(true);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        // A group shows an open folder while it is expanded.
        connect(tree, &QTreeWidget::itemExpanded, this,
                [this](QTreeWidgetItem* item) { item->setIcon(0, treeIcon(m_library, "TREE2")); });
        connect(tree, &QTreeWidget::itemCollapsed, this,
                [this](QTreeWidgetItem* item) { item->setIcon(0, treeIcon(m_library, "TREE1")); });
    }
    fillTree(m_trvCardBack, cardBackTree());
    fillTree(m_trvBackGround, backgroundTree());

    connect(m_trvCardBack, &QTreeWidget::currentItemChanged, this, [this] { backChanged(); });
    connect(m_trvBackGround, &QTreeWidget::currentItemChanged, this,
            [this] { backgroundChanged(); });
    connect(m_chkFadeBackground, &QCheckBox::toggled, this, [this] { fadeToggled(); });
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { pageChanged(); });
}

void TfrmCustomize_Quorvane::buildButtons() {
    const int y = kHeight - 8 - 25;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(150, y, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(231, y, 75, 25);
    auto* help = new QPushButton(QStringLiteral("&?"), this);
    help->setObjectName(QStringLiteral("btnAiuto"));
    help->setGeometry(312, y, 75, 25);
    connect(ok, &QPushButton::clicked, this, [this] { accepted(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
}

void TfrmCustomize_Quorvane::fillTree(QTreeWidget* tree, const std::vector<ChoiceNode>& nodes) {
    const QIcon closedGroup = treeIcon(m_library, "TREE1");
    const QIcon choice = treeIcon(m_library, "N_TREE5");
    const std::function<void(QTreeWidgetItem*, const ChoiceNode&)> add =
        [&](QTreeWidgetItem* item, const ChoiceNode& node) {
            item->setText(0, QCoreApplication::translate("vellomir::ui::CustomizeTrees",
                                                         node.text.toUtf8().constData()));
            item->setData(0, kNumberRole, node.number);
            item->setIcon(0, node.children.empty() ? choice : closedGroup);
            for (const ChoiceNode& child : node.children) {
                add(new QTreeWidgetItem(item), child);
            }
        };
    for (const ChoiceNode& node : nodes) {
        add(new QTreeWidgetItem(tree), node);
    }
}

// --- Showing ---------------------------------------------------------------------

void TfrmCustomize_Quorvane::remember() {
    const settings::SettingsRecord& s = m_state.settings;
    m_remembered = {s.read(field::CardSize),
                    s.read(field::Card),
                    s.read(field::FadeBackground),
                    s.read(field::BackCard),
                    s.read(field::BackgroundBmp),
                    s.read(field::BackgroundCol),
                    s.read(field::BackgroundFixedCol),
                    s.read(field::BackgroundDef),
                    s.read(field::PilesTT)};
    const long long stored = QString::fromStdString(m_remembered.colour).toLongLong();
    m_colourField = stored == 0 ? kButtonFaceColour : stored;
}

void TfrmCustomize_Quorvane::restore() {
    settings::SettingsRecord& s = m_state.settings;
    s.write(field::CardSize, m_remembered.cardSize);
    s.write(field::Card, m_remembered.cardSet);
    s.write(field::FadeBackground, m_remembered.fade);
    s.write(field::BackCard, m_remembered.back);
    s.write(field::BackgroundBmp, m_remembered.picture);
    s.write(field::BackgroundCol, m_remembered.colour);
    s.write(field::BackgroundFixedCol, m_remembered.fixedColour);
    s.write(field::BackgroundDef, m_remembered.useDefault);
    s.write(field::PilesTT, m_remembered.pilesTT);
}

long long TfrmCustomize_Quorvane::colourField() const {
    return m_colourField;
}

void TfrmCustomize_Quorvane::prepare() {
    const settings::SettingsRecord& s = m_state.settings;
    remember();
    m_cancelled = true;

    m_chkFadeBackground->setChecked(s.read(field::FadeBackground) == "Y");

    const int back = settings::toIntOr(s.read(field::BackCard), 0);
    if (QTreeWidgetItem* item = findItem(m_trvCardBack, [&](QTreeWidgetItem* i) {
            return i->childCount() == 0 && numberOf(i) == back;
        })) {
        m_trvCardBack->setCurrentItem(item);
    }

    // The background: selecting its node shows its sample.
    const auto selectNumber = [this](long long number) {
        QTreeWidgetItem* item = findItem(m_trvBackGround, [&](QTreeWidgetItem* i) {
            return i->childCount() == 0 && numberOf(i) == number;
        });
        if (item) {
            m_trvBackGround->setCurrentItem(item);
        }
        return item != nullptr;
    };
    if (s.read(field::BackgroundDef) != "Y") {
        const long long fixed =
            QString::fromStdString(s.read(field::BackgroundFixedCol)).toLongLong();
        const int picture = settings::toIntOr(s.read(field::BackgroundBmp), 0);
        if (fixed != 0) {
            m_backgroundSample = swatch(fixed);
            selectNumber(fixed);
        } else if (picture != 0) {
            paintBackgroundSample(picture);
            selectNumber(picture);
        } else {
            m_backgroundSample = swatch(colourField());
            selectNumber(1);
        }
    } else {
        paintBackgroundSample(0);
        QTreeWidgetItemIterator it(m_trvBackGround);
        if (*it && *++it) {
            m_trvBackGround->setCurrentItem(*it);
        }
    }
    showBackgroundSample();
    for (QTreeWidget* tree : {m_trvCardBack, m_trvBackGround}) {
        if (QTreeWidgetItem* current = tree->currentItem()) {
            tree->scrollToItem(current);
        }
    }

    copySampleToDecks();
    loadBackSample(numberOf(m_trvCardBack->currentItem()));

    m_chkSoundsEnabled->setChecked(s.read(field::SoundsEnabled) != "Y");

    const settings::PreferenceFile preferences(m_state.preferencesPath());
    m_chkTBLargeIcons->setChecked(preferences.isYes(settings::Pref::ToolBarLarge));
    m_chkTBFlatBtn->setChecked(preferences.isYes(settings::Pref::ToolBarFlat));
    m_chkConfirmOnExit->setChecked(preferences.isYes(settings::Pref::ConfirmQuit));
    m_chkShowTime->setChecked(s.read(field::ShowTime) != "N");
    m_chkShowScore->setChecked(s.read(field::ShowScore) != "N");
    m_chkConfirmQuitGame->setChecked(s.read(field::ConfirmQuitGame) != "N");
    const int size = m_cmbCardSize->findData(QString::fromStdString(s.read(field::CardSize)));
    m_cmbCardSize->setCurrentIndex(std::max(size, 0));
    const int language = m_cmbLanguage->findData(
        QString::fromStdString(preferences.text(settings::Pref::InterfaceLanguage)));
    m_cmbLanguage->setCurrentIndex(std::max(language, 0));
}

// --- Samples ---------------------------------------------------------------------

QImage TfrmCustomize_Quorvane::swatch(long long colourValue) const {
    QImage image(kBackgroundSampleSize, QImage::Format_RGB32);
    const QColor colour = render::colourFromValue(colourValue);
    if (m_chkFadeBackground->isChecked() && m_screen.manyColours) {
        render::fillFade(image, colour, QRect(0, 0, image.width() + 1, image.height() + 1));
    } else {
        image.fill(colour);
    }
    return image;
}

void TfrmCustomize_Quorvane::paintBackgroundSample(int number) {
    const BackgroundKind kind = backgroundKindOf(number);
    if (kind == BackgroundKind::FixedColour) {
        m_backgroundSample = swatch(number);
        return;
    }
    if (kind == BackgroundKind::ColourField) {
        m_backgroundSample = swatch(colourField());
        return;
    }
    if (kind == BackgroundKind::Default) {
        m_backgroundSample = QImage(kBackgroundSampleSize, QImage::Format_RGB32);
        m_backgroundSample.fill(render::defaultTableColour(m_screen.manyColours));
        return;
    }
    const QImage picture =
        m_library
            ? m_library->loadBitmap(QStringLiteral("B%1").arg(number, 3, 10, QLatin1Char('0')))
                  .convertToFormat(QImage::Format_RGB32)
            : QImage();
    if (number >= kFirstWholePicture) {
        // Drawn whole as on the table below the tool bar, then shown shrunk.
        const QSize whole(std::max(1, m_screen.size.width()),
                          std::max(1, m_screen.size.height() - m_screen.largeToolBarBottom));
        m_backgroundSample = QImage(whole, QImage::Format_RGB32);
        m_backgroundSample.fill(palette().color(QPalette::Window));
        if (!picture.isNull()) {
            render::copyPixels(m_backgroundSample, QPoint(0, 0), picture);
        }
        return;
    }
    m_backgroundSample = QImage(kBackgroundSampleSize, QImage::Format_RGB32);
    // A picture missing from the library leaves the sample empty.
    m_backgroundSample.fill(palette().color(QPalette::Window));
    render::fillTiled(m_backgroundSample, picture);
}

void TfrmCustomize_Quorvane::showBackgroundSample() {
    const QImage shown =
        m_backgroundSample.size() == kBackgroundSampleSize
            ? m_backgroundSample
            : m_backgroundSample.scaled(kBackgroundSampleSize, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    m_imgSfondoEsempio->setPixmap(QPixmap::fromImage(shown));
}

void TfrmCustomize_Quorvane::copySampleToDecks() {
    const QImage shown =
        m_backgroundSample.size() == kBackgroundSampleSize
            ? m_backgroundSample
            : m_backgroundSample.scaled(kBackgroundSampleSize, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    m_decksBackground =
        shown.copy(QRect(QPoint(0, 0), kDecksSampleSize)).convertToFormat(QImage::Format_RGB32);
    m_imgSfondoEsempio2->setPixmap(QPixmap::fromImage(m_decksBackground));
}

void TfrmCustomize_Quorvane::loadBackSample(int number) {
    m_backSample = QImage();
    if (number > 0 && m_library) {
        // The sample always shows the large back.
        m_backSample =
            m_library->loadBitmap(QStringLiteral("DB%1").arg(number, 3, 10, QLatin1Char('0')))
                .convertToFormat(QImage::Format_RGB32);
    }
    if (m_backSample.isNull()) {
        m_imgDorsoEsempio->clear();
        return;
    }
    // The corners show the sample's background, as on the table.
    const QRect place(kBackPlace, m_backSample.size());
    render::forEachCornerPixel(QRect(QPoint(0, 0), m_backSample.size()), true, true,
                               m_backSample.width() == 25 ? 1 : 3, [&](int x, int y, bool, bool) {
                                   render::setPixelSafe(m_backSample, x, y,
                                                        render::pixelSafe(m_decksBackground,
                                                                          place.x() + x,
                                                                          place.y() + y));
                               });
    m_imgDorsoEsempio->setPixmap(QPixmap::fromImage(m_backSample));
}

QImage TfrmCustomize_Quorvane::decksSample() const {
    QImage sample = m_decksBackground;
    if (!sample.isNull() && !m_backSample.isNull()) {
        render::copyPixels(sample, kBackPlace, m_backSample);
    }
    return sample;
}

// --- Changes ---------------------------------------------------------------------

void TfrmCustomize_Quorvane::backgroundChanged() {
    QTreeWidgetItem* item = m_trvBackGround->currentItem();
    if (!item) {
        return;
    }
    if (m_hooks.setBusy) {
        m_hooks.setBusy(true);
    }
    m_lblBackGround->setText(item->text(0));
    paintBackgroundSample(numberOf(item));
    showBackgroundSample();
    if (m_hooks.setBusy) {
        m_hooks.setBusy(false);
    }
}

void TfrmCustomize_Quorvane::backChanged() {
    QTreeWidgetItem* item = m_trvCardBack->currentItem();
    if (!item || numberOf(item) == 0) {
        return;
    }
    loadBackSample(numberOf(item));
    m_lblDecks->setText(item->text(0));
}

void TfrmCustomize_Quorvane::fadeToggled() {
    const int number = numberOf(m_trvBackGround->currentItem());
    const BackgroundKind kind = backgroundKindOf(number);
    if (kind == BackgroundKind::ColourField || kind == BackgroundKind::FixedColour) {
        paintBackgroundSample(number);
        showBackgroundSample();
    }
}

void TfrmCustomize_Quorvane::pageChanged() {
    // The back is seen on the background chosen meanwhile.
    copySampleToDecks();
    loadBackSample(numberOf(m_trvCardBack->currentItem()));
}

bool TfrmCustomize_Quorvane::selectBack(const QString& text) {
    QTreeWidgetItem* item =
        findItem(m_trvCardBack, [&](QTreeWidgetItem* i) { return i->text(0) == text; });
    if (item) {
        m_trvCardBack->setCurrentItem(item);
    }
    return item != nullptr;
}

bool TfrmCustomize_Quorvane::selectBackground(const QString& text) {
    QTreeWidgetItem* item =
        findItem(m_trvBackGround, [&](QTreeWidgetItem* i) { return i->text(0) == text; });
    if (item) {
        m_trvBackGround->setCurrentItem(item);
    }
    return item != nullptr;
}

void TfrmCustomize_Quorvane::showHelp() {
    if (!m_help) {
        m_help = new TfrmHelp(this);
    }
    if (!m_help->open(m_helpFile)) {
        m_boxes.information(this, QStringLiteral("Vellomir"),
                            tr("Cannot find the help file:\r") + m_helpFile);
        return;
    }
    m_help->showTopic(kHelpContext);
}

// --- OK, Cancel and closing ------------------------------------------------------

void TfrmCustomize_Quorvane::storeBackgroundChoice() {
    settings::SettingsRecord& s = m_state.settings;
    if (const QTreeWidgetItem* item = m_trvBackGround->currentItem()) {
        const BackgroundSettings chosen = backgroundSettingsFor(numberOf(item), colourField());
        s.write(field::BackgroundBmp, chosen.picture);
        s.writeInt(field::BackgroundCol, chosen.colour);
        s.writeInt(field::BackgroundFixedCol, chosen.fixedColour);
        s.writeFlag(field::BackgroundDef, chosen.useDefault);
    }
    if (const QTreeWidgetItem* item = m_trvCardBack->currentItem(); item && numberOf(item) > 0) {
        s.writePadded(field::BackCard, numberOf(item));
    }
}

void TfrmCustomize_Quorvane::accepted() {
    const settings::SettingsRecord& s = m_state.settings;
    const auto yesNo = [](bool yes) { return std::string(yes ? "Y" : "N"); };
    const bool silent = m_chkSoundsEnabled->isChecked();
    storeBackgroundChoice();
    // The size takes effect when the table is drawn again as the dialog closes.
    const std::string cardSize = m_cmbCardSize->currentData().toString().toStdString();
    using settings::Pref;
    // Every choice of the dialog, with one write of the preferences file.
    // Every sound asks the master switch: SoundsEnabled silences them all.
    const settings::WriteResult written = settings::setPreferences(
        m_state.settings, m_state.preferencesPath(),
        {{Pref::SoundsEnabled, yesNo(!silent)},
         {Pref::BackCard, std::to_string(settings::toIntOr(s.read(field::BackCard), 0))},
         {Pref::BackgroundBmp, s.read(field::BackgroundBmp)},
         {Pref::BackgroundCol, s.read(field::BackgroundCol)},
         {Pref::BackgroundFixedCol, s.read(field::BackgroundFixedCol)},
         {Pref::BackgroundDef, s.read(field::BackgroundDef)},
         {Pref::FadeBackground, yesNo(m_chkFadeBackground->isChecked())},
         {Pref::ToolBarLarge, yesNo(m_chkTBLargeIcons->isChecked())},
         {Pref::ToolBarFlat, yesNo(m_chkTBFlatBtn->isChecked())},
         {Pref::ShowTime, yesNo(m_chkShowTime->isChecked())},
         {Pref::ShowScore, yesNo(m_chkShowScore->isChecked())},
         {Pref::ConfirmQuit, yesNo(m_chkConfirmOnExit->isChecked())},
         {Pref::ConfirmQuitGame, yesNo(m_chkConfirmQuitGame->isChecked())},
         // Written for other programs of the suite; nothing here reads it.
         {Pref::WinningAnimation, yesNo(m_chkWinningAnimation->isChecked())},
         {Pref::CardSize, cardSize},
         // Read at the next start: every text is translated as it is made.
         {Pref::InterfaceLanguage, m_cmbLanguage->currentData().toString().toStdString()}});

    if (m_hooks.setToolBarFlat) {
        m_hooks.setToolBarFlat(m_chkTBFlatBtn->isChecked());
    }
    if (m_hooks.showTime) {
        m_hooks.showTime(m_chkShowTime->isChecked());
    }
    if (m_hooks.showScore) {
        m_hooks.showScore(m_chkShowScore->isChecked());
    }
    if (m_hooks.resetCursor) {
        m_hooks.resetCursor();
    }
    if (!written && !written.message.empty()) {
        // The choices hold for this run; the player learns they were not kept.
        m_boxes.information(this, QStringLiteral("Vellomir"),
                            QString::fromStdString(written.message));
    }
    m_cancelled = false;
    accept();
}

void TfrmCustomize_Quorvane::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QDialog>::showEvent(event);
    // Centred on the screen, whatever the main window's place.
    if (const QScreen* display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmCustomize_Quorvane::done(int result) {
    finish(result);
    C_TAdvancedForm<QDialog>::done(result);
}

void TfrmCustomize_Quorvane::finish(int) {
    if (m_closed) {
        return;
    }
    m_closed = true;
    if (m_hooks.setBusy) {
        m_hooks.setBusy(true);
    }
    hide();
    if (m_hooks.repaintMain) {
        m_hooks.repaintMain();
    }
    if (m_cancelled) {
        restore();
    } else {
        storeBackgroundChoice();
    }
    if (m_hooks.redrawTable) {
        m_hooks.redrawTable();
    }
    if (m_hooks.setBusy) {
        m_hooks.setBusy(false);
    }
}

} // namespace vellomir::ui
