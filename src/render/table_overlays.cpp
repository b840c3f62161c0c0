// The table renderer's background, selection marks, foundation highlights,
// joker label and small repairs.

#include "render/table_renderer.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "render/card_corners.h"
#include "render/card_images.h"
#include "render/pixel_ops.h"
#include "render/table_background.h"
#include "resources/resource_library.h"
#include "settings/number_text.h"
#include "settings/preference_table.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/foundation_completion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace vellomir::render {
namespace {

namespace param = catalogue::param;
using table::CardPoint;
using table::PileKind;
using table::PileRef;
namespace cell = table::cell;

const std::array<QColor, 15> kHighlightColours = {
    QColor(0, 0, 0),       QColor(0, 0, 255),   QColor(0, 255, 255),   QColor(0, 255, 0),
    QColor(255, 185, 220), QColor(255, 70, 70), QColor(255, 255, 128), QColor(0, 0, 160),
    QColor(0, 128, 128),   QColor(0, 128, 64),  QColor(255, 128, 255), QColor(128, 0, 64),
    QColor(128, 128, 0),   QColor(128, 0, 0),   QColor(192, 192, 192)};

const char* const kSuitPictures[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};

} // namespace

// --- Background -------------------------------------------------------------------

void TableRenderer::chooseBackground(TableBackdrop& backdrop, bool scrollBarVisible,
                                     bool reportMissing) {
    const settings::SettingsRecord& settings = m_state.settings;
    const QColor fallback = defaultTableColour(m_manyColours);
    if (settings.isYes(settings::field::BackgroundDef)) {
        m_lostPicture.reset();
        backdrop.setPlain(fallback);
        return;
    }
    if (settings.isYes(settings::field::CustomBackgroundPresent)) {
        std::string name;
        if (!m_preferencesPath.empty()) {
            name = settings::PreferenceFile(m_preferencesPath)
                       .text(settings::Pref::CustomizedBackground);
        }
        QString path = QString::fromStdString(name);
        if (!path.isEmpty() && !path.contains(QLatin1Char('/'))) {
            path =
                QString::fromStdString(settings.programDirectory()) + path + QStringLiteral(".bmp");
        }
        if (m_lostPicture == path) {
            backdrop.setPlain(fallback); // told once already
            return;
        }
        const bool exists = !path.isEmpty() && QFileInfo(path).isFile();
        const QImage picture = exists ? QImage(path) : QImage();
        if (!picture.isNull()) {
            backdrop.setTiled(picture, fallback);
            return;
        }
        // The picture is gone (or no longer a picture): back to the default
        // table for good, so that the player is told once.
        if (reportMissing) {
            if (m_hooks.showMessage) {
                if (!exists) {
                    m_hooks.showMessage(
                        QStringLiteral("Vellomir"),
                        QCoreApplication::translate("vellomir::render::TableOverlays",
                                                    "Customized background image not found: ") +
                            path);
                } else {
                    m_hooks.showMessage(
                        QCoreApplication::translate("vellomir::render::TableOverlays", "Error"),
                        QCoreApplication::translate("vellomir::render::TableOverlays",
                                                    "Cannot find images file:\n") +
                            path +
                            QCoreApplication::translate(
                                "vellomir::render::TableOverlays",
                                "\nSome program components cannot be shown correctly."
                                "\nCopy the file into the directory that above is "
                                "specified\nor reinstall the program."));
                }
            }
            m_lostPicture = path;
            if (m_hooks.forgetCustomBackground) {
                m_hooks.forgetCustomBackground();
            }
        }
        backdrop.setPlain(fallback);
        return;
    }
    const int number = settings::toIntOr(settings.read(settings::field::BackgroundBmp), 0);
    if (number != 0) {
        const QImage picture =
            m_library.loadBitmap(QStringLiteral("B%1").arg(number, 3, 10, QLatin1Char('0')));
        // Numbers above 499 are drawn once at the top-left corner, the others tiled.
        if (number > 499) {
            backdrop.setPicture(picture, fallback);
        } else {
            backdrop.setTiled(picture, fallback);
        }
        return;
    }
    const int fixed = settings.readInt(settings::field::BackgroundFixedCol, 0);
    const QColor colour =
        colourFromValue(fixed > 0 ? fixed : settings.readInt(settings::field::BackgroundCol, 0));
    if (settings.isYes(settings::field::FadeBackground) && m_manyColours) {
        // The fade reaches one row below the table, or 80 rows with a scroll bar.
        backdrop.setFade(colour, scrollBarVisible ? 80 : 1);
    } else {
        backdrop.setPlain(colour);
    }
}

void TableRenderer::paintBackground(QImage& target, bool scrollBarVisible) {
    // The sample of a dialog: same choice, but a missing picture changes no
    // setting and shows no message.
    TableBackdrop sample;
    sample.setExtent(logicalRect(target).size(), pixelRatioOf(target), target.format());
    chooseBackground(sample, scrollBarVisible, false);
    sample.paint(target, QPoint(0, 0), sample.extent());
}

std::string TableRenderer::backgroundKey(bool scrollBarVisible) const {
    const settings::SettingsRecord& settings = m_state.settings;
    if (settings.isYes(settings::field::CustomBackgroundPresent)) {
        return {}; // the player's picture may change on disk: always painted anew
    }
    std::string key;
    for (const settings::SettingsField& field :
         {settings::field::BackgroundDef, settings::field::BackgroundBmp,
          settings::field::BackgroundFixedCol, settings::field::BackgroundCol,
          settings::field::FadeBackground}) {
        key += settings.read(field);
        key += '|';
    }
    key += m_manyColours ? 'M' : 'F';
    key += scrollBarVisible ? 'S' : 'N';
    return key;
}

void TableRenderer::drawBackground() {
    const QImage& buffer = tableBuffer();
    if (buffer.isNull()) {
        return;
    }
    // The backdrop covers the table buffer.
    m_backdrop.setExtent(logicalRect(buffer).size(), pixelRatioOf(buffer));
    const bool scrollBar = m_hooks.scrollBarVisible && m_hooks.scrollBarVisible();
    const std::string key = backgroundKey(scrollBar);
    if (!key.empty() && key == m_backgroundKey) {
        return;
    }
    chooseBackground(m_backdrop, scrollBar, true);
    m_backgroundKey = key;
}

void TableRenderer::redrawBackground() {
    drawBackground();
    m_backdrop.paint(tableBuffer(), QPoint(0, 0), m_backdrop.extent());
    m_jokerLabel = JokerLabel{};
    repaintWindow();
}

void TableRenderer::showBackground() {
    if (windowRect().isEmpty()) {
        return;
    }
    m_backdrop.paint(windowPicture(), QPoint(0, 0), windowRect().translated(0, scroll()));
    showOnWindow(windowRect());
}

// --- Finding cards -------------------------------------------------------------------

bool TableRenderer::findCard(int card, PileRef& pile, int& index) const {
    if (card <= 0) {
        return false;
    }
    auto search = [&](PileRef ref) {
        const std::string& s = m_piles->pile(ref);
        for (int i = 0; i < table::cardCount(s); ++i) {
            if (table::cardAt(s, i) == card) {
                pile = ref;
                index = i;
                return true;
            }
        }
        return false;
    };
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        if (search({PileKind::Tableau, t})) {
            return true;
        }
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        if (search({PileKind::Reserve, r})) {
            return true;
        }
    }
    for (int i = 0; i < table::kStockPiles; ++i) {
        if (search({PileKind::Stock, i})) {
            return true;
        }
    }
    // Foundation 1 holds the selection of the selecting games, not a place.
    for (int f = 1; f < table::kMaxFoundations; ++f) {
        if (search({PileKind::Foundation, f})) {
            return true;
        }
    }
    return false;
}

// --- Selections -------------------------------------------------------------------------

void TableRenderer::toggleSelectionMark(int card) {
    PileRef pile{};
    int index = 0;
    if (!findCard(card, pile, index)) {
        return;
    }
    const CardPoint p = table::cardPosition(m_state, pile, pileString(pile), index);
    const QRect rect(p.x, p.y, cardWidth(), cardHeight());
    invertPixels(tableBuffer(), rect.translated(0, scroll()));
    restoreCornersOn(Canvas::Buffer, rect, true, true, cornerSize());
    flush();
}

void TableRenderer::invertSelectedCards() {
    using catalogue::GameType;
    const GameType family = catalogue::gameTypeOf(m_state.params);
    if (family != GameType::FourteenOut && family != GameType::Pyramid &&
        family != GameType::MarkOnly && m_state.params[param::SelectionGame] == 0) {
        return;
    }
    const std::string& selection = m_piles->foundation(0);
    std::vector<QRect> places;
    for (int i = 0; i < table::cardCount(selection); ++i) {
        const int card = table::cardAt(selection, i);
        PileRef pile{};
        int index = 0;
        if (!findCard(card, pile, index)) {
            continue;
        }
        const CardPoint p = table::cardPosition(m_state, pile, pileString(pile), index);
        drawFace(card, p.x, p.y, false, Canvas::Buffer);
        places.emplace_back(p.x, p.y, cardWidth(), cardHeight());
    }
    flush();
    for (const QRect& rect : places) {
        invertPixels(tableBuffer(), rect.translated(0, scroll()));
        restoreCornersOn(Canvas::Buffer, rect, true, true, cornerSize());
    }
    flush();
}

// --- Foundation highlights ------------------------------------------------------------------

void TableRenderer::highlightInto(int foundationIndex) {
    int style = m_state.mainGame.cell(cell::HighlightFoundationsMark);
    int colourIndex = 0;
    if (!m_preferencesPath.empty()) {
        const settings::PreferenceFile file(m_preferencesPath);
        style = file.number(settings::Pref::HighlightsFoundationsMark);
        colourIndex = file.number(settings::Pref::HighlightsFoundationsColor);
    }
    if (style < 1 || style > 5) {
        return;
    }
    const QColor colour =
        kHighlightColours[static_cast<std::size_t>(std::clamp(colourIndex, 0, 14))];
    const int W = cardWidth();
    const int H = cardHeight();
    const int first = foundationIndex < 0 ? 0 : foundationIndex;
    const int last = foundationIndex < 0 ? table::kMaxFoundations - 1 : foundationIndex;
    for (int f = first; f <= last && f < table::kMaxFoundations; ++f) {
        const PileRef pile{PileKind::Foundation, f};
        if (!table::isPlaced(m_state, pile) || !table::isFoundationComplete(m_state, f)) {
            continue;
        }
        const CardPoint top = table::topCardPosition(m_state, pile);
        const QRect rect(top.x + 1, top.y + 1, W - 1, H - 1);
        const QRect inBuffer = rect.translated(0, scroll());
        if (style == 1) {
            // Diagonal hatching two pixels apart, the corners left alone.
            QImage hatch(rect.size(), QImage::Format_ARGB32_Premultiplied);
            hatch.fill(Qt::transparent);
            for (int y = 0; y < hatch.height(); ++y) {
                for (int x = 0; x < hatch.width(); ++x) {
                    if ((x + y) % 3 == 0) {
                        hatch.setPixel(x, y, colour.rgb());
                    }
                }
            }
            forEachCornerPixel(hatch.rect(), true, true, W == 59 ? 1 : 3,
                               [&](int x, int y, bool, bool) { hatch.setPixel(x, y, 0); });
            copyOpaquePixels(tableBuffer(), inBuffer.topLeft(), hatch, hatch.rect());
        } else {
            static const Qt::BrushStyle kBrushes[] = {Qt::SolidPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
            QPainter painter(&tableBuffer());
            painter.setPen(Qt::NoPen);
            painter.fillRect(inBuffer, QBrush(colour, kBrushes[style - 2]));
        }
        touched(Canvas::Buffer, rect);
    }
}

void TableRenderer::highlightFoundations(int foundationIndex) {
    highlightInto(foundationIndex);
    flush();
}

// --- Joker label ----------------------------------------------------------------------------

QRect TableRenderer::jokerLabelRect(int foundation) const {
    const int x = m_state.mainGame.foundationX(foundation) + cardWidth() / 2 - 29;
    const int y = m_state.mainGame.foundationY(0) - 18;
    return QRect(x, y, 59, 14);
}

void TableRenderer::drawJokerLabel() {
    const JokerLabel& label = m_jokerLabel;
    const QRect rect = jokerLabelRect(label.foundation);
    const QRect inBuffer = rect.translated(0, scroll());
    QPainter painter(&tableBuffer());
    // Nothing may fall outside the label, which is all that is erased: at a
    // pixel ratio above 1 a line's square cap would reach half a pixel out.
    painter.setClipRect(inBuffer);
    painter.fillRect(inBuffer, Qt::white);
    painter.setPen(Qt::black);
    // The shadow lines along the bottom and right edge, one pixel wide.
    painter.fillRect(QRect(inBuffer.left(), inBuffer.bottom(), inBuffer.width(), 1), Qt::black);
    painter.fillRect(QRect(inBuffer.right(), inBuffer.top(), 1, inBuffer.height()), Qt::black);
    QString rank;
    switch (label.rank) {
    case 1:
        rank = QStringLiteral("A");
        break;
    case 11:
        rank = QStringLiteral("J");
        break;
    case 12:
        rank = QStringLiteral("Q");
        break;
    case 13:
        rank = QStringLiteral("K");
        break;
    default:
        rank = QString::number(label.rank);
        break;
    }
    const QString text =
        (rank.size() == 1
             ? QCoreApplication::translate("vellomir::render::TableOverlays", "Joker = ")
             : QCoreApplication::translate("vellomir::render::TableOverlays", "Joker=")) +
        rank;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    painter.setFont(font);
    painter.drawText(QRect(inBuffer.left() + 2, inBuffer.top(), 46, 14),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    if (label.suit >= 0 && label.suit < 4) {
        const QImage suit = m_library.loadBitmap(QString::fromLatin1(kSuitPictures[label.suit]));
        if (!suit.isNull()) {
            painter.drawImage(QPoint(inBuffer.left() + 48, inBuffer.top() + 2), suit);
        }
    }
    touched(Canvas::Buffer, rect);
}

void TableRenderer::showJokerLabel(int foundationIndex, int rank, int suit) {
    const bool shown = rank >= 1 && rank <= 13 && foundationIndex >= 0 &&
                       foundationIndex < table::kMaxFoundations &&
                       table::isPlaced(m_state, {PileKind::Foundation, foundationIndex});
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        if (table::isPlaced(m_state, {PileKind::Foundation, f}) &&
            (!shown || f != foundationIndex)) {
            eraseToBackground(jokerLabelRect(f), Canvas::Buffer);
        }
    }
    m_jokerLabel = shown ? JokerLabel{foundationIndex, rank, suit} : JokerLabel{};
    if (shown) {
        drawJokerLabel();
    }
    flush();
}

// --- Repairs --------------------------------------------------------------------------------

void TableRenderer::restoreCorners(const QRect& rect) {
    restoreCornersOnBoth(rect, true, true);
}

void TableRenderer::restoreCornersOnBoth(const QRect& rect, bool top, bool bottom) {
    // A window showing the table buffer shows the repair with it.
    if (holdsWindowPicture()) {
        restoreCornersOn(Canvas::Window, rect, top, bottom, cornerSize());
    }
    restoreCornersOn(Canvas::Buffer, rect, top, bottom, cornerSize());
    m_dirty = QRect();
    if (!holdsWindowPicture()) {
        showOnWindow(rect);
    }
}

void TableRenderer::refreshRectangle(const QRect& rect) {
    const QRect visible = rect & windowRect();
    if (visible.isEmpty()) {
        return;
    }
    if (holdsWindowPicture()) {
        copyPixels(m_window, visible.topLeft(), tableBuffer(), visible.translated(0, scroll()));
        releaseWindowPictureWhenIdle();
    }
    showOnWindow(visible);
}

void TableRenderer::fixTableauCorners(int tableauIndex) {
    if (tableauIndex < 0 || tableauIndex >= table::kMaxTableaus) {
        return;
    }
    const PileRef pile{PileKind::Tableau, tableauIndex};
    const int n = table::cardCount(pileString(pile));
    if (n == 0 || !table::isPlaced(m_state, pile)) {
        return;
    }
    const CardPoint top = table::topCardPosition(m_state, pile);
    const QRect rect(top.x, m_state.mainGame.tableauY(tableauIndex), cardWidth(), cardHeight());
    if (n == 1) {
        restoreCorners(rect);
    } else if (table::fanStyleOf(m_state, PileKind::Tableau) != 2) {
        restoreCornersOnBoth(rect, true, false);
    }
}

void TableRenderer::showCoveredCard(int card, int x, int y) {
    hideCoveredCard();
    drawFace(card, x, y, false, Canvas::Window);
    m_coveredCard = QRect(x, y, cardWidth(), cardHeight());
}

void TableRenderer::hideCoveredCard() {
    if (!m_coveredCard.isEmpty()) {
        refreshRectangle(m_coveredCard);
        m_coveredCard = QRect();
    }
}

// --- Drop-target marks --------------------------------------------------------------------

namespace {
// A warm light over the card, and a brighter frame round it.
const QColor kDropMarkFill(255, 226, 110, 72);
const QColor kDropMarkEdge(255, 204, 51, 235);
// The frame's width and the corner's radius, as parts of the card's width.
constexpr int kDropMarkEdgeDivisor = 24;
constexpr int kDropMarkRadiusDivisor = 12;
} // namespace

void TableRenderer::markDropTargets(const std::vector<std::string>& pileNames) {
    clearDropTargetMarks();
    const int W = cardWidth();
    const int H = cardHeight();
    const qreal edge = std::max(2, W / kDropMarkEdgeDivisor);
    const qreal radius = std::max(2, W / kDropMarkRadiusDivisor);
    QPainter painter(&tableBuffer());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kDropMarkEdge, edge));
    painter.setBrush(kDropMarkFill);
    for (const std::string& name : pileNames) {
        // "Fila2:4" names one place of a pile (a gap of a row), a bare name its top.
        const std::size_t colon = name.find(':');
        const std::optional<PileRef> pile = table::parsePileName(name.substr(0, colon));
        if (!pile || !table::isPlaced(m_state, *pile)) {
            continue;
        }
        const CardPoint top =
            colon == std::string::npos
                ? table::topCardPosition(m_state, *pile)
                : table::cardPosition(m_state, *pile, std::atoi(name.c_str() + colon + 1));
        const QRect rect(top.x, top.y, W, H);
        const qreal inset = edge / 2;
        painter.drawRoundedRect(
            QRectF(rect.translated(0, scroll())).adjusted(inset, inset, -inset, -inset), radius,
            radius);
        m_dropMarks.push_back({*pile, rect});
        touched(Canvas::Buffer, rect);
    }
    painter.end();
    flush();
}

void TableRenderer::clearDropTargetMarks() {
    if (m_dropMarks.empty()) {
        return;
    }
    for (const DropMark& mark : m_dropMarks) {
        redrawAround(mark.pile, mark.rect);
        touched(Canvas::Buffer, mark.rect);
    }
    m_dropMarks.clear();
    flush();
}

} // namespace vellomir::render
