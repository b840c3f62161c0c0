// The table renderer's moving cards: the carried picture that follows the
// pointer, card flights and the shadows under lifted cards.

#include "render/table_renderer.h"

#include "render/card_corners.h"
#include "render/card_images.h"
#include "render/pixel_ops.h"
#include "table/card_position.h"
#include "table/pack_suits.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace vellomir::render {
namespace {

using table::CardPoint;
using table::PileRef;

// How dark the shadow shows through a carried card's rounded corner.
constexpr int kCornerShadowAlpha = 107;
constexpr QPoint kNoPoint(std::numeric_limits<int>::min(), std::numeric_limits<int>::min());

} // namespace

bool TableRenderer::shadowsOn() const {
    return !m_shadowsSuspended && m_state.shadowOffset > 0 &&
           m_state.settings.read(settings::field::CardsShadowed) != "N";
}

void TableRenderer::pickUpCarried(int card, const QRect& rect, int height) {
    const int W = cardWidth();
    const int H = cardHeight();
    const int h = std::max(height, H);
    QImage& picture = m_images.scratchCard();
    picture = QImage(QSize(W, h) * pixelRatio(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio());
    picture.fill(Qt::white);

    PileRef pile{};
    int index = 0;
    if (card == -1) {
        copyPixels(picture, QPoint(0, 0), m_images.back());
    } else if ((h > H || !m_state.isSingleCardMove()) && findCard(card, pile, index)) {
        // A run: each card as it lies fanned in its pile, one below the other
        // (a squared pile's cards each over the last, its top card showing).
        const std::string& s = pileString(pile);
        const int baseY = table::cardPosition(m_state, pile, s, index).y;
        for (int k = index; k < table::cardCount(s); ++k) {
            const int code = table::cardAt(s, k);
            const QImage* image = m_state.cards.isFaceUp(code)
                                      ? m_images.faceOf(table::shownCard(m_state.params, code))
                                      : &m_images.back();
            if (image == nullptr || image->isNull()) {
                continue;
            }
            const int y = table::cardPosition(m_state, pile, s, k).y - baseY;
            // The card below shows through the top corners of the cards above it.
            const KeptCorners beneath(picture, QRect(0, y, W, H), true, false, cornerSize());
            copyPixels(picture, QPoint(0, y), *image);
            if (k > index) {
                beneath.restore(picture);
            }
        }
    } else if (const QImage* face = m_images.faceOf(table::shownCard(m_state.params, card))) {
        copyPixels(picture, QPoint(0, 0), *face);
    }
    m_carriedHeight = h;
    m_dragRect = QRect(rect.left(), rect.top(), W, h);
    m_lastDragPoint = rect.topLeft();
    m_shadowShown = false;
}

void TableRenderer::restoreShadowStrips(const QRect& old) {
    const int S = m_state.shadowOffset;
    const int l = old.left();
    const int t = old.top();
    const int r = old.left() + old.width();
    const int b = old.top() + old.height();
    for (const QRect strip : {QRect(QPoint(l + S - 1, b), QPoint(r + S, b + S)),
                              QRect(QPoint(r, t + S - 2), QPoint(r + S, b + S))}) {
        const QRect visible = strip & windowRect();
        if (!visible.isEmpty()) {
            copyPixels(windowPicture(), visible.topLeft(), tableBuffer(),
                       visible.translated(0, scroll()));
        }
    }
}

void TableRenderer::drawSoftShadow(const QRect& rect) {
    // The shadow pieces' strips, drawn with alpha for a carried card or run
    // of any height: darkest along the cards, fading out at the edges.
    const int S = m_state.shadowOffset;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    blendPixels(windowPicture(), QPoint(r, t + S - 2), m_images.softShadowPiece(1, rect.height()));
    blendPixels(windowPicture(), QPoint(l + S - 1, b), m_images.softShadowPiece(2, rect.height()));
    // The card's own rounded corner shows the shadow beneath it.
    darkenPixelSafe(windowPicture(), r - 1, b - 2, kCornerShadowAlpha);
    darkenPixelSafe(windowPicture(), r - 2, b - 1, kCornerShadowAlpha);
    darkenPixelSafe(windowPicture(), r - 1, b - 1, kCornerShadowAlpha);
}

void TableRenderer::drawCarried(int x, int y, bool final, bool fixCorners) {
    if (x == m_lastDragPoint.x() && y == m_lastDragPoint.y()) {
        return;
    }
    const QImage& picture = m_images.scratchCard();
    const int W = cardWidth();
    const int h = m_carriedHeight > 0 ? m_carriedHeight : cardHeight();
    const int S = m_state.shadowOffset;
    const QRect old = m_dragRect;
    const QRect now(x, y, W, h);
    const int sy = scroll();
    QRect shown = now.adjusted(0, 0, S + 1, S + 1);

    if (!old.isEmpty()) {
        // The strips of the old place that the new one leaves bare, one pixel
        // larger to the right and below.
        const int oldL = old.left();
        const int oldT = old.top();
        const int oldR = oldL + old.width();
        const int oldB = oldT + old.height();
        QRect strips[2];
        if (x > oldL) {
            strips[0] = QRect(QPoint(oldL, oldT), QPoint(std::min(x, oldR), oldB));
        } else if (x < oldL) {
            strips[0] = QRect(QPoint(std::max(x + W, oldL), oldT), QPoint(oldR, oldB));
        }
        if (y > oldT) {
            strips[1] = QRect(QPoint(oldL, oldT), QPoint(oldR, std::min(y, oldB)));
        } else if (y < oldT) {
            strips[1] = QRect(QPoint(oldL, std::max(y + h, oldT)), QPoint(oldR, oldB));
        }
        for (const QRect& strip : strips) {
            const QRect visible = strip & windowRect();
            if (!visible.isEmpty()) {
                copyPixels(windowPicture(), visible.topLeft(), tableBuffer(),
                           visible.translated(0, sy));
            }
        }
        if (m_shadowShown || shadowsOn()) {
            restoreShadowStrips(old);
        }
        shown |= old.adjusted(0, 0, S + 1, S + 1);
    }

    QImage& carried = m_images.scratchCard();
    if (fixCorners) {
        const QImage& buffer = tableBuffer();
        forEachCornerPixel(
            QRect(0, 0, W, h), true, true, cornerSize(), [&](int px, int py, bool, bool) {
                copyPixel(carried, QPoint(px, py), buffer, QPoint(x + px, y + py + sy));
            });
    }
    copyPixels(windowPicture(), QPoint(x, y), picture, QRect(0, 0, W, h));
    m_dragRect = now;
    if (final) {
        copyPixels(tableBuffer(), QPoint(x, y + sy), picture, QRect(0, 0, W, h));
        m_shadowShown = false;
    } else if (shadowsOn()) {
        drawSoftShadow(now);
        m_shadowShown = true;
    } else {
        m_shadowShown = false;
    }
    m_lastDragPoint = QPoint(x, y);
    showOnWindow(shown);
}

void TableRenderer::liftCarried() {
    const int lift = m_state.shadowOffset - 2;
    drawCarried(m_dragRect.left() - lift, m_dragRect.top() - lift, false, true);
}

void TableRenderer::dropCarried() {
    clearDropTargetMarks();
    if (!m_dragRect.isEmpty()) {
        const int S = m_state.shadowOffset;
        refreshRectangle(m_dragRect.adjusted(0, 0, S + 1, S + 1));
    }
    m_dragRect = QRect();
    m_lastDragPoint = kNoPoint;
    m_shadowShown = false;
}

void TableRenderer::flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) {
    const int W = cardWidth();
    const int H = cardHeight();
    const int S = m_state.shadowOffset;
    if (flight.lifted) {
        toX -= S;
        toY -= S;
    }
    if (toX < table::kPlacedThreshold) {
        toX = -3 * W;
    }
    if (toY < table::kPlacedThreshold) {
        toY = -3 * H;
    }
    const int dx = std::abs(toX - fromX);
    const int dy = std::abs(toY - fromY);
    const bool mainIsY = dx < dy;
    const int distance = mainIsY ? dy : dx;
    int step = static_cast<int>(distance / (0.0128 * distance + 4) + 0.5);
    if (flight.fast) {
        step = static_cast<int>(step * (mainIsY ? 0.3 : 0.9));
    }
    step = std::min(step, distance);
    // Short fast flights would otherwise round their step to nothing and end
    // where they started; they move a pixel a step instead.
    if (step == 0 && distance > 0) {
        step = 1;
    }
    const int mainStart = mainIsY ? fromY : fromX;
    const int mainTarget = mainIsY ? toY : toX;
    const int otherStart = mainIsY ? fromX : fromY;
    const int otherTarget = mainIsY ? toX : toY;
    if (mainTarget < mainStart) {
        step = -step;
    }

    if (flight.pickUp) {
        pickUpCarried(card, QRect(fromX, fromY, W, H), H);
        m_lastDragPoint = kNoPoint;
    }
    // No shadow while flying; a shadow left by the drag goes first.
    const bool suspended = m_shadowsSuspended;
    if (m_shadowShown && !m_dragRect.isEmpty()) {
        restoreShadowStrips(m_dragRect);
        showOnWindow(m_dragRect.adjusted(0, 0, S + 1, S + 1));
        m_shadowShown = false;
    }
    m_shadowsSuspended = true;

    const int v = speed();
    const int wait = flight.fast ? v / 4 : v;
    int main = mainStart;
    int other = otherStart;
    auto point = [&]() { return mainIsY ? QPoint(other, main) : QPoint(main, other); };
    while (step != 0) {
        main += step;
        if ((step > 0 && main >= mainTarget) || (step < 0 && main <= mainTarget)) {
            main = mainTarget;
        }
        const int progress = static_cast<int>(
            std::abs(main - mainStart) * 100.0 / std::abs(mainTarget - mainStart) + 0.5);
        other = otherStart + static_cast<int>((otherTarget - otherStart) * progress / 100.0);
        busyWait(wait);
        if (main == mainTarget && other == otherTarget) {
            break;
        }
        drawCarried(point().x(), point().y(), false, true);
    }
    QPoint at = point();
    if (step == 0) {
        at = QPoint(toX, toY); // no distance to cover
    }
    if (flight.lifted) {
        drawCarried(at.x(), at.y(), false, true);
        at += QPoint(S, S);
        busyWait(2 * v);
    }
    const bool unchanged = at == m_lastDragPoint;
    drawCarried(at.x(), at.y(), flight.final, true);
    if (unchanged && flight.final) {
        copyPixels(tableBuffer(), QPoint(at.x(), at.y() + scroll()), m_images.scratchCard(),
                   QRect(0, 0, W, m_carriedHeight));
    }
    m_shadowsSuspended = suspended;
    if (flight.final) {
        releaseWindowPictureWhenIdle();
    }
}

} // namespace vellomir::render
