#include "resources/resource_library.h"

#include "test_resource_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vellomir::resources {
namespace {

// A folder laid out as the library is, the way the resource builder writes
// it before packing.
class ResourceFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir root(folder.path());
        for (const char* kind : {"bitmap", "cursor", "wave"}) {
            ASSERT_TRUE(root.mkpath(QString::fromLatin1(kind)));
        }
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(root.filePath(QStringLiteral("bitmap/CDB001H.png"))));
        QImage pointer(32, 32, QImage::Format_ARGB32);
        pointer.fill(Qt::black);
        pointer.setText(QStringLiteral("hotspot-x"), QStringLiteral("5"));
        pointer.setText(QStringLiteral("hotspot-y"), QStringLiteral("7"));
        ASSERT_TRUE(pointer.save(root.filePath(QStringLiteral("cursor/CUR_ARROW1A.png"))));
        QFile wave(root.filePath(QStringLiteral("wave/Stock.wav")));
        ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
        wave.write(testing::TestResourceFile::silentWave(20));
    }

    QTemporaryDir folder;
};

TEST_F(ResourceFolderTest, AFolderServesPicturesCursorsAndSoundsByName) {
    ResourceLibrary library;
    ASSERT_TRUE(library.openFolder(folder.path()));
    EXPECT_TRUE(library.isOpen());
    EXPECT_EQ(library.loadBitmap(QStringLiteral("CDB001H")).size(), QSize(20, 10));
    EXPECT_TRUE(library.loadBitmap(QStringLiteral("CDB001S")).isNull());
    ASSERT_TRUE(library.hasCursor(QStringLiteral("CUR_ARROW1A")));
    EXPECT_EQ(library.loadCursor(QStringLiteral("CUR_ARROW1A")).hotSpot(), QPoint(5, 7));
    EXPECT_FALSE(library.hasCursor(QStringLiteral("CUR_ARROW2A")));
    EXPECT_TRUE(library.hasWave(QStringLiteral("Stock")));
    EXPECT_EQ(library.loadWave(QStringLiteral("Stock")), testing::TestResourceFile::silentWave(20));
    EXPECT_FALSE(library.hasWave(QStringLiteral("_tmp_stop_")));

    library.close();
    EXPECT_FALSE(library.isOpen());
    EXPECT_TRUE(library.loadBitmap(QStringLiteral("CDB001H")).isNull());
}

TEST_F(ResourceFolderTest, AMissingFolderDoesNotOpen) {
    ResourceLibrary library;
    EXPECT_FALSE(library.openFolder(folder.path() + QStringLiteral("/gone")));
    EXPECT_FALSE(library.isOpen());
}

} // namespace
} // namespace vellomir::resources
