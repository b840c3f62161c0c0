#pragma once

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

} // namespace vellomir::render
