#include "render/needed_pictures.h"
#include "resources/resource_file_check.h"
#include "resources/resource_library.h"
#include "support/temp_folder.h"

#include <QFile>

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
