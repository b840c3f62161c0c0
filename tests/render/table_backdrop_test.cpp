#include "render/pixel_ops.h"
#include "render/table_backdrop.h"
#include "render/table_background.h"

#include <gtest/gtest.h>

#include <functional>

namespace vellomir::render {
namespace {

// The backdrop against the whole picture it stands for, painted the way the
// table's background picture is painted (a fill, then the fade, the tiles or
// the picture over it), at the pixel ratios of the screens.
class TableBackdropTest : public ::testing::TestWithParam<int> {
protected:
    static constexpr QSize kExtent{203, 151};

    int ratio() const { return GetParam(); }

    QImage blank() const {
        QImage image(kExtent * ratio(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio());
        image.fill(Qt::magenta);
        return image;
    }

    QImage whole(const std::function<void(QImage&)>& paint) const {
        QImage image = blank();
        paint(image);
        return image;
    }

    static QImage tile() {
        QImage image(17, 11, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgb(x * 13, y * 21, (x + y) * 7));
            }
        }
        return image;
    }

    // Every device pixel of the backdrop, painted whole and in scattered
    // pieces, against the expected picture.
    void expectSame(const TableBackdrop& backdrop, const QImage& expected) {
        EXPECT_EQ(backdrop.picture(), expected);
        QImage pieces = blank();
        for (int y = -3; y < kExtent.height(); y += 29) {
            for (int x = -5; x < kExtent.width(); x += 37) {
                backdrop.paint(pieces, QPoint(x, y), QRect(x, y, 37, 29));
            }
        }
        EXPECT_EQ(pieces, expected);
        // A piece painted elsewhere, clipped at the extent's far corner.
        QImage moved = blank();
        backdrop.paint(moved, QPoint(0, 0), QRect(190, 140, 40, 40));
        EXPECT_EQ(moved.copy(0, 0, 13 * ratio(), 11 * ratio()),
                  expected.copy(190 * ratio(), 140 * ratio(), 13 * ratio(), 11 * ratio()));
        EXPECT_EQ(moved.pixel(13 * ratio(), 0), qRgb(255, 0, 255));
        // One pixel, as the corners of the cards are repaired.
        QImage one = blank();
        backdrop.paintPixel(one, QPoint(4, 6), QPoint(150, 100));
        EXPECT_EQ(one.pixel(4 * ratio(), 6 * ratio()),
                  expected.pixel(150 * ratio(), 100 * ratio()));
    }

    TableBackdrop backdrop() const {
        TableBackdrop b;
        b.setExtent(kExtent, ratio());
        return b;
    }
};

INSTANTIATE_TEST_SUITE_P(OneAndTwo, TableBackdropTest, ::testing::Values(1, 2));

TEST_P(TableBackdropTest, PaintsEveryPixelAsTheWholePictureHoldsIt) {
    const QColor green(0, 96, 0);
    TableBackdrop b = backdrop();
    b.setPlain(green);
    expectSame(b, whole([&](QImage& image) { image.fill(green); }));

    // The fade, with the one row or the 80 rows it reaches below the table.
    const QColor blue(20, 40, 250);
    for (const int extra : {1, 80}) {
        b.setFade(blue, extra);
        expectSame(b, whole([&](QImage& image) {
                       image.fill(blue);
                       fillFade(image, blue,
                                QRect(0, 0, kExtent.width() + 1, kExtent.height() + extra));
                   }));
    }

    b.setTiled(tile(), green);
    expectSame(b, whole([&](QImage& image) {
                   image.fill(green);
                   fillTiled(image, tile());
               }));

    // A picture at the top-left corner, the colour beyond it.
    b.setPicture(tile().scaled(120, 90), green);
    expectSame(b, whole([&](QImage& image) {
                   image.fill(green);
                   copyPixels(image, QPoint(0, 0),
                              tile().scaled(120, 90).convertToFormat(image.format()));
               }));
    // Without a picture the colour shows everywhere.
    b.setTiled(QImage(), green);
    expectSame(b, whole([&](QImage& image) { image.fill(green); }));
}

TEST_P(TableBackdropTest, FollowsANewExtent) {
    TableBackdrop b = backdrop();
    b.setFade(QColor(200, 100, 50), 1);
    b.setExtent(QSize(60, 300), ratio());
    EXPECT_EQ(b.extent(), QRect(0, 0, 60, 300));
    QImage expected(QSize(60, 300) * ratio(), QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio());
    fillFade(expected, QColor(200, 100, 50), QRect(0, 0, 61, 301));
    EXPECT_EQ(b.picture(), expected);
    EXPECT_FALSE(b.contains(60, 0));
    EXPECT_TRUE(b.contains(59, 299));
}

} // namespace
} // namespace vellomir::render
