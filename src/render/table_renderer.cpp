#include "render/table_renderer.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "render/card_corners.h"
#include "render/card_images.h"
#include "render/large_image.h"
#include "render/pixel_ops.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/dealt_out.h"
#include "table/pack_suits.h"
#include "table/pile_depth.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace vellomir::render {
namespace {

namespace param = catalogue::param;
using table::CardPoint;
using table::MarkKind;
using table::PileKind;
using table::PileRef;
namespace cell = table::cell;

constexpr QRgb kStackEdgeGrey = qRgb(192, 192, 192);
constexpr int kNotPlaced = table::kPlacedThreshold;
// The fan style of piles whose cards lie side by side, each at its own place
// (grids and rows: a card taken away leaves a gap).
constexpr int kSideBySideStyle = catalogue::codeOf(catalogue::FanStyle::SideBySide);
// The one game whose stock lies face up.
constexpr int kThoughtfulGame = 3;

MarkKind markKindOf(PileRef pile) {
    switch (pile.kind) {
    case PileKind::Foundation:
        return MarkKind::Foundation;
    case PileKind::Reserve:
        return MarkKind::Reserve;
    case PileKind::Tableau:
        return MarkKind::Tableau;
    case PileKind::Stock:
        break;
    }
    return pile.index == table::kStock   ? MarkKind::Stock
           : pile.index == table::kWaste ? MarkKind::Waste
                                         : MarkKind::Discard;
}

// Visits the tableau places in the order the game sweeps its tableaus: row by
// row across the tableaus, or tableau by tableau when the game says so. Each
// tableau t is visited at e = 0 up to the card count of the tallest one.
template <class Visit>
void sweepTableaus(const table::ProgramState& state, const table::PileLists& piles, Visit visit) {
    int tallest = 0;
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        tallest = std::max(tallest, table::cardCount(piles.tableau(t)));
    }
    const bool byTableau = state.params[param::SweepTableauByTableau] != 0;
    for (int outer = 0; outer < (byTableau ? table::kMaxTableaus : tallest + 1); ++outer) {
        for (int inner = 0; inner < (byTableau ? tallest + 1 : table::kMaxTableaus); ++inner) {
            visit(byTableau ? outer : inner, byTableau ? inner : outer, byTableau);
        }
    }
}

} // namespace

TableRenderer::TableRenderer(table::ProgramState& state, CardImages& images,
                             const resources::ResourceLibrary& library, TableWindowHooks hooks)
    : m_state(state), m_images(images), m_library(library), m_hooks(std::move(hooks)),
      m_piles(&state.piles) {
    m_windowRelease.setSingleShot(true);
    m_windowRelease.setInterval(0);
    QObject::connect(&m_windowRelease, &QTimer::timeout, [this] { releaseWindowPicture(); });
}

// --- Set-up and canvases ------------------------------------------------------

QImage& TableRenderer::tableBuffer() {
    return m_images.tableBuffer();
}

QImage TableRenderer::backgroundPicture() const {
    return m_backdrop.picture();
}

namespace {

// A screen-sized picture of `size` logical pixels at `ratio` device pixels each.
QImage makeBuffer(QSize size, int ratio) {
    QImage image = makeLargeImage(size * ratio);
    image.setDevicePixelRatio(ratio);
    return image;
}

bool hasSizeAndRatio(const QImage& image, QSize size, int ratio) {
    return logicalRect(image).size() == size && pixelRatioOf(image) == ratio &&
           image.size() == size * ratio;
}

} // namespace

void TableRenderer::setWindowSize(QSize size) {
    if (size == m_windowSize &&
        (m_window.isNull() || hasSizeAndRatio(m_window, size, pixelRatio()))) {
        return;
    }
    m_windowSize = size;
    repaintWindow();
}

QImage& TableRenderer::windowPicture() {
    if (m_window.isNull() && !m_windowSize.isEmpty()) {
        m_window = makeBuffer(m_windowSize, pixelRatio());
        // Black only shows where the table buffer does not reach (a window
        // larger than the screen).
        const QRect reached = logicalRect(tableBuffer()).translated(0, -scroll()) & windowRect();
        if (reached != windowRect()) {
            m_window.fill(Qt::black);
        }
        copyPixels(m_window, QPoint(0, 0), tableBuffer(), windowRect().translated(0, scroll()));
    }
    return m_window;
}

bool TableRenderer::windowShowsTableBuffer() const {
    const QImage& buffer = m_images.tableBuffer();
    const int r = pixelRatio();
    if (m_window.isNull() || pixelRatioOf(buffer) != r) {
        return m_window.isNull();
    }
    constexpr QRgb kBlack = 0xff000000;
    const int top = scroll() * r;
    for (int y = 0; y < m_window.height(); ++y) {
        const QRgb* shown = reinterpret_cast<const QRgb*>(m_window.constScanLine(y));
        const int by = top + y;
        const bool inside = by >= 0 && by < buffer.height();
        const int common = inside ? std::min(m_window.width(), buffer.width()) : 0;
        if (common > 0 && std::memcmp(shown, buffer.constScanLine(by),
                                      static_cast<std::size_t>(common) * sizeof(QRgb)) != 0) {
            return false;
        }
        if (std::any_of(shown + common, shown + m_window.width(),
                        [](QRgb p) { return p != kBlack; })) {
            return false;
        }
    }
    return true;
}

void TableRenderer::releaseWindowPicture() {
    if (!m_window.isNull() && windowShowsTableBuffer()) {
        m_window = QImage();
    }
}

void TableRenderer::releaseWindowPictureWhenIdle() {
    if (!m_window.isNull()) {
        m_windowRelease.start();
    }
}

const QImage& TableRenderer::windowImage() const {
    if (!m_window.isNull()) {
        return m_window;
    }
    // Put together again only when the table buffer, the scroll position or
    // the window changed since.
    const QImage& buffer = m_images.tableBuffer();
    const ComposedKey key{buffer.cacheKey(), scroll(), m_windowSize, pixelRatio()};
    if (key == m_composedKey && !m_composedWindow.isNull()) {
        return m_composedWindow;
    }
    m_composedKey = key;
    m_composedWindow = QImage();
    if (m_windowSize.isEmpty()) {
        return m_composedWindow;
    }
    m_composedWindow = makeBuffer(m_windowSize, pixelRatio());
    m_composedWindow.fill(Qt::black);
    copyPixels(m_composedWindow, QPoint(0, 0), buffer, windowRect().translated(0, scroll()));
    return m_composedWindow;
}

DrawingTarget::WindowView TableRenderer::windowView() const {
    if (!m_window.isNull()) {
        return {&m_window, QPoint(0, 0), m_windowSize};
    }
    const QImage& buffer = m_images.tableBuffer();
    return {buffer.isNull() ? nullptr : &buffer, QPoint(0, scroll()), m_windowSize};
}

void TableRenderer::resizeBuffers(QSize size) {
    if (!hasSizeAndRatio(tableBuffer(), size, pixelRatio()) ||
        tableBuffer().format() != QImage::Format_RGB32) {
        tableBuffer() = makeBuffer(size, pixelRatio());
    }
    drawBackground();
    m_backdrop.paint(tableBuffer(), QPoint(0, 0), m_backdrop.extent());
}

void TableRenderer::cardSizeChanged() {
    m_images.setCardSize(m_state);
}

int TableRenderer::pixelRatio() const {
    return m_images.pixelRatio();
}

void TableRenderer::setPixelRatio(int ratio) {
    const int r = std::max(1, ratio);
    if (r == pixelRatio()) {
        return;
    }
    m_images.setPixelRatio(r);
    m_images.rebuildImages(m_state);
    m_images.scratchCard() = m_images.face(0).copy();
    // Every picture of the table at the new ratio: the pictures are drawn
    // again by whoever shows the table (a full drawing follows).
    m_backgroundKey.clear();
    if (!tableBuffer().isNull()) {
        resizeBuffers(logicalRect(tableBuffer()).size());
    }
    m_window = QImage();
    repaintWindow();
    m_drawnFans.fill(DrawnFan{});
    m_dropMarks.clear();
    m_dragRect = QRect();
}

QRect TableRenderer::windowRect() const {
    return QRect(QPoint(0, 0), m_windowSize);
}

QImage& TableRenderer::canvasImage(Canvas canvas) {
    return canvas == Canvas::Window ? windowPicture() : tableBuffer();
}

int TableRenderer::canvasOffset(Canvas canvas) const {
    return canvas == Canvas::Window ? 0 : scroll();
}

int TableRenderer::scroll() const {
    return m_state.mainGame.scrollOffset();
}

int TableRenderer::cardWidth() const {
    return m_state.cardSize.width;
}

int TableRenderer::cardHeight() const {
    return m_state.cardSize.height;
}

int TableRenderer::cornerSize() const {
    return cardWidth() == 25 ? 1 : 3;
}

int TableRenderer::speed() const {
    return m_state.settings.readInt(settings::field::SpeedMoveCard, 10);
}

void TableRenderer::touched(Canvas canvas, const QRect& rect) {
    if (canvas == Canvas::Window) {
        showOnWindow(rect);
    } else {
        m_dirty |= rect;
    }
}

void TableRenderer::showOnWindow(const QRect& rect) {
    const QRect visible = rect & windowRect();
    if (!visible.isEmpty() && m_hooks.repaintWindow) {
        m_hooks.repaintWindow(visible);
    }
}

void TableRenderer::flush() {
    const QRect dirty = m_dirty & windowRect();
    m_dirty = QRect();
    if (dirty.isEmpty()) {
        return;
    }
    if (!m_window.isNull()) {
        copyPixels(m_window, dirty.topLeft(), tableBuffer(), dirty.translated(0, scroll()));
        releaseWindowPictureWhenIdle();
    }
    showOnWindow(dirty);
}

void TableRenderer::repaintWindow() {
    m_dirty = QRect();
    // The window shows the table buffer again: its own picture goes.
    m_window = QImage();
    if (windowRect().isEmpty()) {
        return;
    }
    showOnWindow(windowRect());
}

void TableRenderer::raiseLowestEdge(int y) {
    m_lowestDrawnEdge = std::max(m_lowestDrawnEdge, y + cardHeight() + scroll());
}

namespace {
std::atomic<bool> animationPausesOn{true};
} // namespace

void TableRenderer::setAnimationPauses(bool on) {
    animationPausesOn = on;
}

bool TableRenderer::animationPauses() {
    return animationPausesOn;
}

void TableRenderer::busyWait(int milliseconds) {
    if (milliseconds <= 0 || !animationPausesOn) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

// --- Single cards and marks ---------------------------------------------------

void TableRenderer::drawCardImage(const QImage& image, int x, int y, int height, bool onStack,
                                  Canvas canvas) {
    if (x < kNotPlaced || y < kNotPlaced || image.isNull()) {
        return;
    }
    QImage& dst = canvasImage(canvas);
    const int dy = canvasOffset(canvas);
    const QRect picture = logicalRect(image);
    const int h = std::min(height, picture.height());
    const QRect card(x, y, picture.width(), h);

    // What lies beneath shows through the top corners; the bottom corners
    // show the bare table (or the edge of a deep pile).
    const KeptCorners beneath(dst, card.translated(0, dy), true, false, cornerSize());
    copyPixels(dst, QPoint(x, y + dy), image, QRect(0, 0, picture.width(), h));
    beneath.restore(dst);
    const int sy = scroll();
    forEachCornerPixel(card, false, true, cornerSize(), [&](int px, int py, bool, bool right) {
        if (!(onStack && right) && m_backdrop.contains(px, py + sy)) {
            m_backdrop.paintPixel(dst, QPoint(px, py + dy), QPoint(px, py + sy));
        } else {
            setPixelSafe(dst, px, py + dy, onStack && right ? kStackEdgeGrey : 0xff000000);
        }
    });
    raiseLowestEdge(y);
    touched(canvas, card);
}

void TableRenderer::drawFace(int card, int x, int y, bool onStack, Canvas canvas) {
    // In games of fewer suits a card shows the suit it plays as.
    if (const QImage* face = m_images.faceOf(table::shownCard(m_state.params, card))) {
        drawCardImage(*face, x, y, cardHeight(), onStack, canvas);
    }
}

void TableRenderer::drawBack(int x, int y, int height, bool onStack, Canvas canvas) {
    drawCardImage(m_images.back(), x, y, height, onStack, canvas);
}

void TableRenderer::eraseToBackground(const QRect& rect, Canvas canvas) {
    if (rect.isEmpty()) {
        return;
    }
    m_backdrop.paint(canvasImage(canvas), QPoint(rect.left(), rect.top() + canvasOffset(canvas)),
                     rect.translated(0, scroll()));
    touched(canvas, rect);
}

void TableRenderer::redrawPeakCardsOver(int emptyTableau, const QRect& place, Canvas canvas) {
    // The cards reaching into the place are drawn again, and with them every
    // later card that lies over one of those, so that each keeps its layer.
    std::array<bool, table::kMaxTableaus> redraw{};
    std::array<QRect, table::kMaxTableaus> extent{};
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        const PileRef pile{PileKind::Tableau, t};
        if (t != emptyTableau && table::isPlaced(m_state, pile) && !pileString(pile).empty()) {
            extent[static_cast<std::size_t>(t)] = pileExtent(pile, pileString(pile));
            redraw[static_cast<std::size_t>(t)] =
                extent[static_cast<std::size_t>(t)].intersects(place);
        }
    }
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        const auto i = static_cast<std::size_t>(t);
        for (int earlier = 0; earlier < t && !redraw[i] && !extent[i].isNull(); ++earlier) {
            const auto e = static_cast<std::size_t>(earlier);
            redraw[i] = redraw[e] && extent[e].intersects(extent[i]);
        }
        if (redraw[i]) {
            drawWholePile({PileKind::Tableau, t}, canvas);
        }
    }
}

void TableRenderer::drawMark(MarkKind kind, int x, int y, Canvas canvas, int pileIndex) {
    if (x < kNotPlaced || y < kNotPlaced) {
        return;
    }
    const QRect place(x, y, cardWidth(), cardHeight());
    // The place is cleared first: marks are partly see-through, and an empty
    // place without a mark must not keep the card that lay there.
    eraseToBackground(place, canvas);
    if (kind == MarkKind::Tableau && m_state.params[param::TableauPeaks] > 0) {
        // A place of the peaks lies over the cards of the rows around it:
        // it shows no mark, and the cards it overlaps are drawn again.
        redrawPeakCardsOver(pileIndex, place, canvas);
        return;
    }
    const std::string suffix = table::emptyPileMark(m_state, kind, pileIndex);
    if (!suffix.empty()) {
        const QImage& mark = m_images.mark(QString::fromStdString(suffix));
        if (!mark.isNull()) {
            QPainter painter(&canvasImage(canvas));
            painter.drawImage(QPoint(x, y + canvasOffset(canvas)), mark);
        }
    }
    raiseLowestEdge(y);
    touched(canvas, place);
}

void TableRenderer::restoreCornersOn(Canvas canvas, const QRect& rect, bool top, bool bottom,
                                     int size) {
    QImage& dst = canvasImage(canvas);
    const int dy = canvasOffset(canvas);
    const int sy = scroll();
    forEachCornerPixel(rect, top, bottom, size, [&](int px, int py, bool, bool) {
        m_backdrop.paintPixel(dst, QPoint(px, py + dy), QPoint(px, py + sy));
    });
    touched(canvas, rect);
}

// --- Depth edges and the stock list ---------------------------------------------

void TableRenderer::drawDepthEdges(Canvas canvas, int pile, int cards, bool forced) {
    const table::TMainGame& g = m_state.mainGame;
    const int baseX = g.cell(cell::StockBaseX + pile);
    const int baseStoredY = g.cell(cell::StockBaseY + pile);
    if (baseX < kNotPlaced || baseStoredY < kNotPlaced) {
        return;
    }
    const int d = table::pileDepth(cards, g.cell(cell::PreviewFlag) == 1);
    int& drawnDepth = m_drawnStockDepth[static_cast<std::size_t>(pile)];
    if (!forced && drawnDepth == d) {
        return;
    }
    drawnDepth = d;

    const int W = cardWidth();
    const int H = cardHeight();
    const int bx = baseX;
    const int by = baseStoredY - scroll();
    // Clear what a deeper pile left above and to the left, then draw the
    // edges of this depth.
    eraseToBackground(QRect(bx - 15, by - 15, W + 16, 16 - d), canvas);
    eraseToBackground(QRect(bx - 15, by - 14, 16 - d, H + 15), canvas);
    QImage& dst = canvasImage(canvas);
    const int dy = canvasOffset(canvas);
    copyOpaquePixels(dst, QPoint(bx - 13, by + H - d - 1 + dy), m_images.borderPiece(2),
                     QRect(0, 15 - d, W + 11, d + 1));
    copyOpaquePixels(dst, QPoint(bx + W - d - 1, by - 13 + dy), m_images.borderPiece(1),
                     QRect(15 - d, 0, d + 1, H + 13));
    touched(canvas, QRect(bx - 15, by - 15, W + 16, H + 29));
}

void TableRenderer::drawStockPiles(Canvas canvas) {
    for (int pile = 0; pile < table::kStockPiles; ++pile) {
        // A full drawing starts from the bare table, so the edges are always drawn.
        drawStockPileTop(pile, canvas, DepthEdges::Always);
    }
}

void TableRenderer::drawStockTopCard(int pile, Canvas canvas) {
    const table::TMainGame& g = m_state.mainGame;
    const std::string& s = m_piles->stock(pile);
    const int n = table::cardCount(s);
    const int top = table::topCardOf(s);
    const bool backShown = (pile == table::kStock && m_state.params[param::StockFaceDown] != 0) ||
                           (pile == table::kWaste && m_state.params[param::WasteCardLocked] != 0) ||
                           !m_state.cards.isFaceUp(top);
    const auto [x, y] = table::stockTopPosition(m_state, pile, n);
    if (backShown) {
        drawBack(x, y, cardHeight(), n > 1, canvas);
    } else {
        drawFace(top, x, y, n > 1, canvas);
    }
    // A single card lies on the table with all four corners rounded (its top
    // corners must not keep the edge a deeper pile drew there); the lowest card
    // of a deep pile shows only its bottom-right corner.
    const QRect base(g.cell(cell::StockBaseX + pile), g.cell(cell::StockBaseY + pile) - scroll(),
                     cardWidth(), cardHeight());
    if (n == 1) {
        restoreCornersOn(canvas, base, true, true, cornerSize());
    } else {
        roundBaseCorner(base, canvas);
    }
}

void TableRenderer::roundBaseCorner(const QRect& base, Canvas canvas) {
    // The lowest card of a deep pile shows its rounded bottom-right corner.
    QImage& dst = canvasImage(canvas);
    const int dy = canvasOffset(canvas);
    const int sy = scroll();
    forEachCornerPixel(base, false, true, cornerSize(), [&](int px, int py, bool, bool right) {
        if (!right) {
            return;
        }
        if (m_backdrop.contains(px, py + sy)) {
            m_backdrop.paintPixel(dst, QPoint(px, py + dy), QPoint(px, py + sy));
        } else {
            setPixelSafe(dst, px, py + dy, 0xff000000);
        }
    });
}

void TableRenderer::drawStockPileTop(int pile, Canvas canvas, DepthEdges edges) {
    const table::TMainGame& g = m_state.mainGame;
    if (g.cell(cell::StockBaseX + pile) < kNotPlaced || g.stockX(pile) < kNotPlaced) {
        return;
    }
    const std::string& s = m_piles->stock(pile);
    const int n = table::cardCount(s);
    drawDepthEdges(canvas, pile, n, edges == DepthEdges::Always);
    const auto [x, y] = table::stockTopPosition(m_state, pile, n);
    if (n == 0) {
        drawMark(markKindOf({PileKind::Stock, pile}), x, y, canvas);
        return;
    }
    drawStockTopCard(pile, canvas);
}

// --- Piles ------------------------------------------------------------------------

const std::string& TableRenderer::pileString(PileRef pile) const {
    return m_piles->pile(pile);
}

void TableRenderer::drawPileCard(PileRef pile, int index, Canvas canvas, bool animate,
                                 const Origin& origin) {
    const std::string& s = pileString(pile);
    const int n = table::cardCount(s);
    const int W = cardWidth();
    const int H = cardHeight();
    if (index < n) {
        // Foundations that take whole suit runs show each run by its king,
        // as it lay in the tableau: their cards are drawn top first.
        const bool kingsOnTop =
            pile.kind == PileKind::Foundation && m_state.params[param::FoundationTakesSuitRun] != 0;
        const int card = table::cardAt(s, kingsOnTop ? n - 1 - index : index);
        if (card != 0) {
            const CardPoint p = table::cardPosition(m_state, pile, s, index);
            const bool up = m_state.cards.isFaceUp(card);
            if (!animate) {
                up ? drawFace(card, p.x, p.y, false, canvas) : drawBack(p.x, p.y, H, false, canvas);
            } else {
                const QRect originRect(origin.x, origin.y, W, H);
                const int fx = W / 7;
                const int fy = H / 7;
                busyWait(2);
                if (up) {
                    drawFace(card, origin.x, origin.y, true, Canvas::Window);
                }
                if (!origin.stockWithCards) {
                    restoreCornersOn(Canvas::Buffer, originRect, true, true, cornerSize());
                }
                busyWait(2);
                drawBack(origin.x, origin.y, H, true, Canvas::Window);
                if (up) {
                    drawFace(card, origin.x + fx, origin.y + fy, true, Canvas::Window);
                }
                busyWait(1);
                flyCard(up ? card : -1, origin.x + fx, origin.y + fy, p.x, p.y, {.fast = true});
                up ? drawFace(card, p.x, p.y, false, Canvas::Buffer)
                   : drawBack(p.x, p.y, H, false, Canvas::Buffer);
            }
        }
    }
    if (index != 0) {
        return;
    }
    const CardPoint at = table::pilePosition(m_state, pile);
    if (at.x < kNotPlaced) {
        return;
    }
    if (n == 0) {
        drawMark(markKindOf(pile), at.x, at.y, canvas, pile.index);
        if (animate) {
            drawMark(markKindOf(pile), at.x, at.y, Canvas::Window, pile.index);
        }
    } else {
        const QRect bottom(at.x, at.y, W, H);
        restoreCornersOn(canvas, bottom, true, true, cornerSize());
        if (animate) {
            restoreCornersOn(Canvas::Window, bottom, true, true, cornerSize());
        }
    }
}

void TableRenderer::drawWholePile(PileRef pile, Canvas canvas) {
    if (pile.kind == PileKind::Stock) {
        drawStockPileTop(pile.index, canvas);
        return;
    }
    if (!table::isPlaced(m_state, pile)) {
        return;
    }
    const int n = table::cardCount(pileString(pile));
    for (int e = 0; e <= n; ++e) {
        drawPileCard(pile, e, canvas, false, Origin{});
    }
    if (canvas == Canvas::Buffer) {
        recordFan(pile);
    }
}

void TableRenderer::drawTopOf(PileRef pile, Canvas canvas) {
    if (pile.kind == PileKind::Stock) {
        drawStockPileTop(pile.index, canvas);
        return;
    }
    if (!table::isPlaced(m_state, pile)) {
        return;
    }
    const std::string& s = pileString(pile);
    const int n = table::cardCount(s);
    if (n == 0) {
        const CardPoint at = table::pilePosition(m_state, pile);
        drawMark(markKindOf(pile), at.x, at.y, canvas, pile.index);
        return;
    }
    const int card = table::cardAt(s, n - 1);
    if (card == 0) {
        return;
    }
    const CardPoint p = table::cardPosition(m_state, pile, s, n - 1);
    if (m_state.cards.isFaceUp(card)) {
        drawFace(card, p.x, p.y, false, canvas);
    } else {
        drawBack(p.x, p.y, cardHeight(), false, canvas);
    }
}

void TableRenderer::drawPile(std::string_view pileName) {
    if (const auto pile = table::parsePileName(pileName)) {
        if (!refitFan(*pile)) {
            drawWholePile(*pile, Canvas::Buffer);
        }
        flush();
    }
}

void TableRenderer::drawPileTop(std::string_view pileName) {
    if (const auto pile = table::parsePileName(pileName)) {
        if (!refitFan(*pile)) {
            drawTopOf(*pile, Canvas::Buffer);
            recordFan(*pile);
        }
        flush();
    }
}

int TableRenderer::fanSlot(PileRef pile) {
    switch (pile.kind) {
    case PileKind::Foundation:
        return pile.index;
    case PileKind::Reserve:
        return table::kMaxFoundations + pile.index;
    case PileKind::Tableau:
        return table::kMaxFoundations + table::kMaxReserves + pile.index;
    case PileKind::Stock:
        break;
    }
    return -1;
}

void TableRenderer::recordFan(PileRef pile) {
    const int slot = fanSlot(pile);
    if (slot < 0 || slot >= kFanSlots) {
        return;
    }
    DrawnFan& drawn = m_drawnFans[static_cast<std::size_t>(slot)];
    drawn.valid = table::isPlaced(m_state, pile);
    if (drawn.valid) {
        const std::string& s = pileString(pile);
        drawn.steps = table::fanSteps(m_state, pile, s);
        drawn.extent = pileExtent(pile, s);
    }
}

void TableRenderer::recordAllFans() {
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        recordFan({PileKind::Foundation, f});
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        recordFan({PileKind::Reserve, r});
    }
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        recordFan({PileKind::Tableau, t});
    }
}

bool TableRenderer::refitFan(PileRef pile) {
    const int slot = fanSlot(pile);
    if (slot < 0 || slot >= kFanSlots || !table::isPlaced(m_state, pile)) {
        return false;
    }
    const int style = table::fanStyleOf(m_state, pile.kind);
    if (style != 1 && style != 2) {
        return false;
    }
    const DrawnFan& drawn = m_drawnFans[static_cast<std::size_t>(slot)];
    const std::string& s = pileString(pile);
    if (!drawn.valid || drawn.steps == table::fanSteps(m_state, pile, s)) {
        return false;
    }
    redrawAround(pile, (drawn.extent | pileExtent(pile, s)).adjusted(-2, 0, 2, 0));
    return true;
}

QRect TableRenderer::pileExtent(PileRef pile, std::string_view s) const {
    const int W = cardWidth();
    const int H = cardHeight();
    if (pile.kind == PileKind::Stock) {
        const table::TMainGame& g = m_state.mainGame;
        const int bx = g.cell(cell::StockBaseX + pile.index);
        const int by = g.cell(cell::StockBaseY + pile.index) - scroll();
        return QRect(bx - 15, by - 15, W + 17, H + 29);
    }
    const int n = std::max(1, table::cardCount(s));
    QRect extent;
    for (int e = 0; e < n; ++e) {
        const CardPoint p = table::cardPosition(m_state, pile, s, e);
        extent |= QRect(p.x, p.y, W, H);
    }
    return extent;
}

void TableRenderer::redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                     std::string_view pileName) {
    const auto ref = table::parsePileName(pileName);
    if (!ref || !table::isPlaced(m_state, *ref)) {
        return;
    }
    if (newPile.size() >= oldPile.size() && newPile.substr(0, oldPile.size()) == oldPile) {
        return; // nothing was taken away
    }
    const int style = table::fanStyleOf(m_state, ref->kind);
    if (ref->kind == PileKind::Tableau &&
        style == catalogue::codeOf(catalogue::FanStyle::DownTopOnly) &&
        table::cardCount(newPile) > 0) {
        return; // squared up: the new top card covers the place
    }
    // Erase everything the pile covered (two pixels more each side for
    // hand-laid tableaus), then redraw it and every pile reaching into the
    // erased area, in the order of a full drawing.
    QRect area = pileExtent(*ref, oldPile) | pileExtent(*ref, newPile);
    if (const int slot = fanSlot(*ref);
        slot >= 0 && m_drawnFans[static_cast<std::size_t>(slot)].valid) {
        area |= m_drawnFans[static_cast<std::size_t>(slot)].extent;
    }
    redrawAround(*ref, area.adjusted(-2, 0, 2, 0));
    flush();
}

void TableRenderer::redrawAround(PileRef self, const QRect& area) {
    eraseToBackground(area, Canvas::Buffer);
    auto redrawIfHit = [&](PileRef pile) {
        if (pile.kind != PileKind::Stock && !table::isPlaced(m_state, pile)) {
            return;
        }
        if (pile.kind == PileKind::Stock &&
            m_state.mainGame.cell(cell::StockBaseX + pile.index) < kNotPlaced) {
            return;
        }
        if (pile == self || pileExtent(pile, pileString(pile)).intersects(area)) {
            drawWholePile(pile, Canvas::Buffer);
        }
    };
    for (int i = 0; i < table::kStockPiles; ++i) {
        redrawIfHit({PileKind::Stock, i});
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        redrawIfHit({PileKind::Foundation, i});
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        redrawIfHit({PileKind::Reserve, i});
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        redrawIfHit({PileKind::Tableau, i});
    }
    // Thoughtful's stock lies face up: its top card, which the erased area may
    // have touched, is drawn again.
    if (m_state.settings.readInt(settings::field::Game, 0) == kThoughtfulGame) {
        drawStockPileTop(table::kStock, Canvas::Buffer);
    }
}

void TableRenderer::drawPilePressed(std::string_view pileName, bool pressed) {
    const auto ref = table::parsePileName(pileName);
    if (!ref || ref->kind != PileKind::Stock) {
        return;
    }
    const auto [x, y] =
        table::stockTopPosition(m_state, ref->index, table::cardCount(pileString(*ref)));
    if (x < kNotPlaced) {
        return;
    }
    const QRect place(x, y, cardWidth(), cardHeight());
    eraseToBackground(place, Canvas::Buffer);
    const QImage& mark = m_images.mark(pressed ? QStringLiteral("005") : QStringLiteral("022"));
    if (!mark.isNull()) {
        QPainter painter(&tableBuffer());
        painter.drawImage(QPoint(x, y + scroll()), mark);
    }
    touched(Canvas::Buffer, place);
    flush();
}

void TableRenderer::drawCardTurned(int card, int tableauIndex) {
    const PileRef pile{PileKind::Tableau, tableauIndex};
    PileRef found{};
    int index = 0;
    if (tableauIndex < 0 || tableauIndex >= table::kMaxTableaus || !findCard(card, found, index) ||
        !(found == pile)) {
        drawPile(table::pileName(pile));
        return;
    }
    // A card turned up may change the pile's steps (face-down cards lie closer).
    refitFan(pile);
    const CardPoint p = table::cardPosition(m_state, pile, pileString(pile), index);
    drawFace(card, p.x, p.y, false, Canvas::Buffer);
    if (!shadowsOn()) {
        flush();
        return;
    }
    // Shown lifted with its shadow for a moment, then laid down: the table
    // buffer already holds it at its place.
    m_dirty = QRect();
    pickUpCarried(card, QRect(p.x, p.y, cardWidth(), cardHeight()), cardHeight());
    const int lift = m_state.shadowOffset - 2;
    drawCarried(p.x - lift, p.y - lift, false, true);
    busyWait(2 * speed());
    drawCarried(p.x, p.y, true, true);
    m_dragRect = QRect();
}

// --- The whole table ----------------------------------------------------------------

TableRenderer::Origin TableRenderer::dealOrigin() const {
    const table::TMainGame& g = m_state.mainGame;
    Origin o;
    o.valid = true;
    if (catalogue::isGameType(m_state.params, catalogue::GameType::Gaps)) {
        o.x = -static_cast<int>(1.1 * cardWidth());
        o.y = 0;
        return o;
    }
    const int stockCards = table::cardCount(m_piles->stock(table::kStock));
    const int wasteCards = table::cardCount(m_piles->stock(table::kWaste));
    const bool stockPlaced = g.stockX(table::kStock) >= 0;
    const bool wastePlaced = g.stockX(table::kWaste) >= 0;
    auto at = [&](PileRef pile) {
        const CardPoint p = table::pilePosition(m_state, pile);
        o.x = p.x;
        o.y = p.y;
        o.pile = pile;
        o.isPile = true;
        return o;
    };
    if (stockPlaced && (stockCards > 0 || wasteCards == 0)) {
        o.stockWithCards = stockCards > 0;
        return at({PileKind::Stock, table::kStock});
    }
    if (wastePlaced && ((stockCards == 0 && wasteCards > 0) || !stockPlaced)) {
        return at({PileKind::Stock, table::kWaste});
    }
    if (table::isPlaced(m_state, {PileKind::Reserve, 0}) &&
        table::cardCount(m_piles->reserve(0)) <= 1) {
        return at({PileKind::Reserve, 0});
    }
    if (g.stockX(table::kDiscard) >= kNotPlaced) {
        return at({PileKind::Stock, table::kDiscard});
    }
    if (table::isPlaced(m_state, {PileKind::Foundation, 0})) {
        return at({PileKind::Foundation, 0});
    }
    return at({PileKind::Tableau, 0});
}

void TableRenderer::drawAllPiles(Canvas canvas) {
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        drawWholePile({PileKind::Foundation, f}, canvas);
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        drawWholePile({PileKind::Reserve, r}, canvas);
    }
    sweepTableaus(m_state, *m_piles, [&](int t, int e, bool) {
        const PileRef pile{PileKind::Tableau, t};
        if (table::isPlaced(m_state, pile)) {
            drawPileCard(pile, e, canvas, false, Origin{});
        }
    });
}

void TableRenderer::drawTable(bool dealAnimation) {
    if (!m_state.flags.test(table::Flag::GameInPlay)) {
        return;
    }
    m_lowestDrawnEdge = 0;
    m_piles = &m_state.piles;
    m_dirty = QRect();
    m_backdrop.paint(tableBuffer(), QPoint(0, 0), m_backdrop.extent());

    const bool animate = dealAnimation && table::anyCardDealtOut(*m_piles);

    if (!animate) {
        drawStockPiles(Canvas::Buffer);
        drawAllPiles(Canvas::Buffer);
    } else {
        // The places the cards will fly to show their marks from the start.
        if (catalogue::tableauFanStyleOf(m_state.params) != catalogue::FanStyle::SideBySide) {
            for (int t = 0; t < table::kMaxTableaus; ++t) {
                const CardPoint at = table::pilePosition(m_state, {PileKind::Tableau, t});
                drawMark(MarkKind::Tableau, at.x, at.y, Canvas::Buffer, t);
            }
            for (int r = 0; r < table::kMaxReserves; ++r) {
                const CardPoint at = table::pilePosition(m_state, {PileKind::Reserve, r});
                drawMark(MarkKind::Reserve, at.x, at.y, Canvas::Buffer, r);
            }
        }
        drawStockPiles(Canvas::Buffer);
        for (int f = 0; f < table::kMaxFoundations; ++f) {
            drawWholePile({PileKind::Foundation, f}, Canvas::Buffer);
        }
        const Origin origin = dealOrigin();
        const QRect originRect(origin.x, origin.y, cardWidth(), cardHeight());
        drawBack(origin.x, origin.y, cardHeight(), false, Canvas::Buffer);
        repaintWindow();
        if (!origin.stockWithCards) {
            restoreCornersOn(Canvas::Window, originRect, true, true, cornerSize());
        }
        busyWait(100);
        const bool reserveOrigin = origin.isPile && origin.pile == PileRef{PileKind::Reserve, 0};
        const bool tableauOrigin = origin.isPile && origin.pile == PileRef{PileKind::Tableau, 0};
        for (int r = 0; r < table::kMaxReserves; ++r) {
            const PileRef pile{PileKind::Reserve, r};
            if (!table::isPlaced(m_state, pile) || (r == 0 && reserveOrigin)) {
                continue;
            }
            const int n = table::cardCount(pileString(pile));
            for (int e = 0; e <= n; ++e) {
                drawPileCard(pile, e, Canvas::Buffer, true, origin);
            }
        }
        sweepTableaus(m_state, *m_piles, [&](int t, int e, bool byTableau) {
            const PileRef pile{PileKind::Tableau, t};
            // Dealt row by row from the first tableau: that one is drawn whole below.
            if (table::isPlaced(m_state, pile) && !(!byTableau && t == 0 && tableauOrigin)) {
                drawPileCard(pile, e, Canvas::Buffer, true, origin);
            }
        });
        // The origin shows its own cards again.
        if (origin.isPile) {
            if (origin.pile.kind == PileKind::Tableau) {
                drawWholePile(origin.pile, Canvas::Buffer);
            } else {
                drawTopOf(origin.pile, Canvas::Buffer);
            }
        } else {
            eraseToBackground(originRect, Canvas::Buffer);
        }
    }
    recordAllFans();
    if (m_jokerLabel.rank > 0) {
        drawJokerLabel();
    }
    m_tableDrawn = true;
    if (m_state.mainGame.cell(cell::HighlightFoundationsMark) != 0) {
        highlightInto(-1);
    }
    if (animate) {
        flush();
    } else {
        repaintWindow();
    }
}

void TableRenderer::drawTableWithout(const std::vector<int>& cards) {
    // The window keeps showing the cards until they move away: it needs a
    // picture of its own before the table buffer changes under it.
    windowPicture();
    table::PileLists without = m_state.piles;
    // A card leaving a row of cards side by side leaves its place empty (the
    // cards beside it keep theirs); elsewhere the cards above close up.
    auto strip = [&](std::string& pile, bool keepPlaces) {
        std::string kept;
        kept.reserve(pile.size());
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int code = table::cardAt(pile, i);
            if (code == 0 || std::find(cards.begin(), cards.end(), code) == cards.end()) {
                kept += pile.substr(static_cast<std::size_t>(3 * i), 3);
            } else if (keepPlaces) {
                kept += "000";
            }
        }
        pile = std::move(kept);
    };
    const auto sideBySide = [&](PileKind kind) {
        return table::fanStyleOf(m_state, kind) == kSideBySideStyle;
    };
    for (int i = 0; i < table::kStockPiles; ++i) {
        strip(without.stock(i), false);
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        strip(without.foundation(i), sideBySide(PileKind::Foundation));
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        strip(without.tableau(i), sideBySide(PileKind::Tableau));
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        strip(without.reserve(i), sideBySide(PileKind::Reserve));
    }
    m_piles = &without;
    m_backdrop.paint(tableBuffer(), QPoint(0, 0), m_backdrop.extent());
    drawStockPiles(Canvas::Buffer);
    drawAllPiles(Canvas::Buffer);
    recordAllFans();
    if (m_jokerLabel.rank > 0) {
        drawJokerLabel();
    }
    if (m_state.mainGame.cell(cell::HighlightFoundationsMark) != 0) {
        highlightInto(-1);
    }
    m_piles = &m_state.piles;
    // The window keeps showing the cards until they move away.
    m_dirty = QRect();
}

} // namespace vellomir::render
