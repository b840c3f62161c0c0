#include "render/needed_pictures.h"
#include "resources/resource_file_check.h"
#include "resources/resource_library.h"
#include "resources/test_resource_file.h"
#include "support/temp_folder.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QtEndian>

#include <algorithm>

#include <gtest/gtest.h>

namespace vellomir::render {
namespace {

namespace field = settings::field;

QByteArray builtLibrary() {
    QFile file(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(ResourceFileCheck, TheBuiltLibraryIsSound) {
    EXPECT_EQ(resources::resourceFileProblem(builtLibrary()), QString());
}

TEST(ResourceFileCheck, ACutOrDamagedLibraryIsFoundOutBeforeQtReadsIt) {
    const QByteArray whole = builtLibrary();
    ASSERT_GT(whole.size(), 10000);
    // Cut anywhere: in the header, in the data, in the names, in the tree.
    for (const qsizetype length : {qsizetype(0), qsizetype(10), qsizetype(23), whole.size() / 2,
                                   whole.size() - 7000, whole.size() - 100, whole.size() - 1}) {
        EXPECT_NE(resources::resourceFileProblem(whole.left(length)), QString())
            << "cut to " << length << " bytes";
    }
    EXPECT_NE(resources::resourceFileProblem("not a resource file"), QString());
    // Damaged bytes near the end, where the tree of entries lies: every
    // damaged offset or count is found; a damage the check lets through
    // (a flag, a date) must leave a file Qt can read without harm.
    int found = 0;
    for (qsizetype at = whole.size() - 1; at > whole.size() - 3000; at -= 37) {
        QByteArray damaged = whole;
        damaged[at] = char(damaged[at] ^ 0xA5);
        found += resources::resourceFileProblem(damaged).isEmpty() ? 0 : 1;
    }
    EXPECT_GT(found, 20);
}

// The check reaches every file of the shipped library, each stored as is or
// packed with zstd (what rcc writes on Debian).
TEST(ResourceFileCheck, EveryEntryOfTheBuiltLibraryIsInspected) {
    const QByteArray whole = builtLibrary();
    const resources::ResourceFileReport report = resources::inspectResourceFile(whole);
    EXPECT_EQ(report.problem, QString());
    int files = 0;
    const QString root = QStringLiteral("/library_check");
    ASSERT_TRUE(QResource::registerResource(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY), root));
    for (QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext(); it.next()) {
        ++files;
    }
    QResource::unregisterResource(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY), root);
    EXPECT_GT(files, 100);
    EXPECT_EQ(static_cast<int>(report.entries.size()), files);
    for (const resources::ResourceEntry& entry : report.entries) {
        EXPECT_NE(entry.packing, resources::ResourceEntry::Packing::Zlib);
    }
}

// An entry of the shipped library marked as packed when it is not (a flag
// damaged) would have Qt unpack its bytes as a zstd frame, or read it as
// one of a kind it does not know: the check finds each.
TEST(ResourceFileCheck, ADamagedEntryKindOfTheBuiltLibraryIsFound) {
    const QByteArray whole = builtLibrary();
    const resources::ResourceFileReport report = resources::inspectResourceFile(whole);
    ASSERT_EQ(report.problem, QString());
    const qint64 tree = qFromBigEndian<quint32>(whole.constData() + 8);
    const qint64 version = qFromBigEndian<quint32>(whole.constData() + 4);
    const qint64 nodeSize = version >= 2 ? 22 : 14;
    int damaged = 0;
    for (qint64 node = 1; tree + (node + 1) * nodeSize <= whole.size() && damaged < 40; ++node) {
        const qint64 flagsAt = tree + node * nodeSize + 4;
        const quint16 flags = qFromBigEndian<quint16>(whole.constData() + flagsAt);
        if (flags != 0) {
            continue; // folders and packed files
        }
        ++damaged;
        for (const quint16 wrong : {quint16(0x04), quint16(0x08), quint16(0x05)}) {
            QByteArray copy = whole;
            qToBigEndian<quint16>(wrong, copy.data() + flagsAt);
            EXPECT_NE(resources::resourceFileProblem(copy), QString())
                << "entry " << node << " marked " << wrong;
        }
    }
    EXPECT_EQ(damaged, 40);
}

// A library whose entries rcc packs with zstd (silence packs well): each
// frame is checked whole, and damage to its mark, its header or its length
// is found.
TEST(ResourceFileCheck, ADamagedZstdEntryIsFound) {
    vellomir::testing::TestResourceFile built;
    built.addWave(QStringLiteral("Quiet"), 800);
    built.addWave(QStringLiteral("Hush"), 1200);
    QString error;
    const QString path = built.build(&error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    const resources::ResourceFileReport report = resources::inspectResourceFile(whole);
    ASSERT_EQ(report.problem, QString());
    int packed = 0;
    for (const resources::ResourceEntry& entry : report.entries) {
        if (entry.packing != resources::ResourceEntry::Packing::Zstd) {
            continue;
        }
        ++packed;
        const qint64 at = entry.offset;
        QByteArray copy = whole;
        copy[at + 1] = char(copy[at + 1] ^ 0x40);
        EXPECT_NE(resources::resourceFileProblem(copy), QString()) << "mark at " << at;
        copy = whole;
        copy[at + 4] = char(copy[at + 4] | 0x08);
        EXPECT_NE(resources::resourceFileProblem(copy), QString()) << "header at " << at;
        copy = whole;
        const quint32 length = qFromBigEndian<quint32>(copy.constData() + at - 4);
        qToBigEndian<quint32>(length - 1, copy.data() + at - 4);
        EXPECT_NE(resources::resourceFileProblem(copy), QString()) << "length at " << at;
    }
    EXPECT_EQ(packed, 2) << "rcc packed none with zstd";
}

TEST(ResourceFileCheck, OpeningADamagedLibrarySaysWhyAndRegistersNothing) {
    vellomir::testing::TempFolder folder;
    const QString path = QString::fromStdString((folder.path() / "KAR.RGF").string());
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const QByteArray whole = builtLibrary();
    out.write(whole.left(whole.size() - 50));
    out.close();
    resources::ResourceLibrary library;
    EXPECT_FALSE(library.open(path));
    EXPECT_FALSE(library.isOpen());
    EXPECT_FALSE(library.problem().isEmpty());
    EXPECT_TRUE(library.open(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)));
    EXPECT_TRUE(library.problem().isEmpty());
}

class PictureChecks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.open(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)));
        state.settings.write(field::CardSize, "B");
        state.settings.write(field::Card, "001");
        state.settings.write(field::BackCard, "011");
        state.settings.write(field::BackgroundBmp, "0");
        state.settings.writeInt(field::Cursor, 10);
    }
    resources::ResourceLibrary library;
    table::ProgramState state;
};

TEST_F(PictureChecks, TheBuiltLibraryHoldsEveryPictureTheTableNeeds) {
    EXPECT_EQ(missingNeededPictures(state, library), QStringList());
    const QStringList needed = neededPictures('M', QStringLiteral("003"), QStringLiteral("006"));
    EXPECT_TRUE(needed.contains(QStringLiteral("CM003S")));
    EXPECT_TRUE(needed.contains(QStringLiteral("DB006"))); // medium cards shrink the large back
    EXPECT_TRUE(needed.contains(QStringLiteral("WM_TABLEAU")));
    EXPECT_TRUE(needed.contains(QStringLiteral("3D_BORDER_M2")));
}

TEST_F(PictureChecks, ALibraryWithoutTheCardsIsReportedPictureByPicture) {
    resources::ResourceLibrary empty;
    vellomir::testing::TempFolder folder;
    ASSERT_TRUE(empty.openFolder(QString::fromStdString(folder.path().string())));
    const QStringList missing = missingNeededPictures(state, empty);
    EXPECT_TRUE(missing.contains(QStringLiteral("CB001H")));
    EXPECT_TRUE(missing.contains(QStringLiteral("DL011")));
    EXPECT_TRUE(missing.contains(QStringLiteral("SHADOW_M1")));
}

TEST_F(PictureChecks, PreferencesNamingPicturesTheLibraryLacksFallBackToTheirDefaults) {
    EXPECT_EQ(keepPicturePreferencesInRange(state, library, false), QStringList());
    EXPECT_EQ(state.settings.read(field::Card), "001");

    state.settings.write(field::CardSize, "X");
    state.settings.write(field::Card, "099");
    state.settings.write(field::BackCard, "777");
    state.settings.write(field::BackgroundBmp, "12");
    state.settings.writeInt(field::Cursor, 42);
    EXPECT_EQ(keepPicturePreferencesInRange(state, library, false),
              (QStringList{QStringLiteral("Card_Size"), QStringLiteral("Card"),
                           QStringLiteral("Back_Card"), QStringLiteral("Background_bmp"),
                           QStringLiteral("Cursor")}));
    EXPECT_EQ(state.settings.read(field::CardSize), "B");
    EXPECT_EQ(state.settings.read(field::Card), "001");
    EXPECT_EQ(state.settings.read(field::BackCard), "011");
    EXPECT_EQ(state.settings.read(field::BackgroundBmp), "0");
    EXPECT_EQ(state.settings.readInt(field::Cursor, 0), 10);

    // Sets, backs and pictures the library holds stay as chosen; the set
    // for few colours is the fallback there.
    state.settings.write(field::Card, "003");
    state.settings.write(field::BackCard, "019");
    state.settings.write(field::BackgroundBmp, "304");
    state.settings.writeInt(field::Cursor, 13);
    EXPECT_EQ(keepPicturePreferencesInRange(state, library, true), QStringList());
    state.settings.write(field::Card, "abc");
    keepPicturePreferencesInRange(state, library, true);
    EXPECT_EQ(state.settings.read(field::Card), "003");

    // Cards fitted to the window stay fitted, with a set of the big cards.
    state.settings.write(field::CardSize, "F");
    state.settings.write(field::Card, "003");
    EXPECT_EQ(keepPicturePreferencesInRange(state, library, false), QStringList());
    EXPECT_EQ(state.settings.read(field::CardSize), "F");
    EXPECT_EQ(state.settings.read(field::Card), "003");
}

} // namespace
} // namespace vellomir::render
