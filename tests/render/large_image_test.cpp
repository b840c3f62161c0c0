#include "render/large_image.h"

#include <QColor>

#include <gtest/gtest.h>

namespace vellomir::render {
namespace {

TEST(LargeImage, ScreenSizedBuffersBehaveLikeOrdinaryPictures) {
    for (const QSize size : {QSize(1950, 1110), QSize(7, 3)}) {
        QImage image = makeLargeImage(size);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.bytesPerLine(), size.width() * 4);

        image.fill(QColor(0, 128, 0));
        image.setPixel(size.width() - 1, size.height() - 1, qRgb(255, 0, 0));

        // A copy shares the pixels until one side is written.
        const QImage copy = image;
        image.setPixel(0, 0, qRgb(0, 0, 255));
        EXPECT_EQ(copy.pixel(0, 0), qRgb(0, 128, 0));
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
        EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1), qRgb(255, 0, 0));
    }
}

TEST(LargeImage, OtherFormatsAndEmptySizesFallBackToQImage) {
    EXPECT_EQ(makeLargeImage(QSize(2000, 2000), QImage::Format_ARGB32).format(),
              QImage::Format_ARGB32);
    EXPECT_TRUE(makeLargeImage(QSize(0, 0)).isNull());
}

} // namespace
} // namespace vellomir::render
