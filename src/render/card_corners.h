#pragma once

#include "render/pixel_ops.h"

#include <QImage>
#include <QRect>

namespace vellomir::render {

// Calls `visit(x, y, bottom, right)` for every pixel of the rounded corners
// of `rect`: each corner pixel and, unless `size` is 1, its two neighbours
// along the edges. Card pictures are square-cornered; these pixels take what
// lies beneath instead.
template <typename Visit>
void forEachCornerPixel(const QRect& rect, bool top, bool bottom, int size, Visit visit) {
    const int l = rect.left();
    const int r = rect.left() + rect.width() - 1;
    const int t = rect.top();
    const int b = rect.top() + rect.height() - 1;
    auto corner = [&](int x, int y, int dx, int dy, bool isBottom, bool isRight) {
        visit(x, y, isBottom, isRight);
        if (size > 1) {
            visit(x + dx, y, isBottom, isRight);
            visit(x, y + dy, isBottom, isRight);
        }
    };
    if (top) {
        corner(l, t, 1, 1, false, false);
        corner(r, t, -1, 1, false, true);
    }
    if (bottom) {
        corner(l, b, 1, -1, true, false);
        corner(r, b, -1, -1, true, true);
    }
}

// The top (and bottom) corner pixels of `rect` in an image, kept aside while
// a card picture is copied over them and put back afterwards: the card shows
// what lay beneath through its corners. Each logical pixel is kept whole, so
// at a device pixel ratio above 1 every device pixel of it comes back.
class KeptCorners {
public:
    KeptCorners(const QImage& image, const QRect& rect, bool top, bool bottom, int size)
        : m_rect(rect), m_top(top), m_bottom(bottom), m_size(size),
          m_kept(kMaxPixels * pixelRatioOf(image), pixelRatioOf(image), QImage::Format_RGB32) {
        m_kept.setDevicePixelRatio(pixelRatioOf(image));
        m_kept.fill(Qt::black);
        int n = 0;
        forEachCornerPixel(m_rect, m_top, m_bottom, m_size, [&](int x, int y, bool, bool) {
            copyPixel(m_kept, QPoint(n++, 0), image, QPoint(x, y));
        });
    }
    // Puts the kept pixels back where they lie inside `image`.
    void restore(QImage& image) const {
        int n = 0;
        forEachCornerPixel(m_rect, m_top, m_bottom, m_size, [&](int x, int y, bool, bool) {
            copyPixel(image, QPoint(x, y), m_kept, QPoint(n++, 0));
        });
    }

private:
    static constexpr int kMaxPixels = 12;
    QRect m_rect;
    bool m_top;
    bool m_bottom;
    int m_size;
    QImage m_kept;
};

} // namespace vellomir::render
