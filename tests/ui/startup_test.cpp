#include "program_fixture.h"
#include "resources/resource_file_check.h"
#include "resources/test_resource_file.h"
#include "table/program_state.h"
#include "ui/main_window.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace vellomir::app {
namespace {

using testing::ProgramDirectory;
using testing::RecordingBoxes;
namespace field = settings::field;

TEST(Startup, AMissingResourceLibraryEndsTheProgramWithItsPath) {
    ProgramDirectory directory(true, false);
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    EXPECT_EQ(program.exitCode(), 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text,
              QStringLiteral("Can't find/load ") + directory.qpath().toLower() + "kar.rgf");
    EXPECT_FALSE(program.mainWindow()->isVisible());
}

TEST(Startup, AResourceLibraryThatIsNotOneEndsTheProgram) {
    ProgramDirectory directory(true, false);
    directory.write("KAR.RGF", "not a resource file");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes[0].text.startsWith(QStringLiteral("Can't find/load ")));
}

TEST(Startup, AMissingCatalogueEndsTheProgramWithTheErrorBox) {
    ProgramDirectory directory(false, true);
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    EXPECT_NE(program.exitCode(), 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Error"));
    EXPECT_EQ(boxes.boxes[0].text,
              QStringLiteral("Cannot find file:\r") + directory.qpath() +
                  "GAMES.DAT\rCopy the file into the directory that above is specified\r"
                  "or reinstall the program.");
}

TEST(Startup, ADamagedCatalogueIsReportedAndNothingIsLost) {
    ProgramDirectory directory(false, true);
    directory.write("GAMES.DAT", "[Sect0]\nthis is not a catalogue\n");
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\n");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    EXPECT_NE(program.exitCode(), 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("GAMES.DAT")))
        << boxes.boxes[0].text.toStdString();
    EXPECT_EQ(directory.preferences().readInt("Preference", "Game", 0), 1);
}

TEST(Startup, AFreshInstallationGetsItsPreferencesAndVersionMarker) {
    ProgramDirectory directory;
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(boxes.boxes.isEmpty());
    const settings::IniFile preferences = directory.preferences();
    EXPECT_EQ(preferences.readText("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(preferences.readInt("Parameters", "Run_Exe", 0), 1);
    QFile marker(directory.qpath() + "KARV0520.DAT");
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), QByteArray("Marbleon version: 05.20\n"));
    // The first activation is still to come; the game is dealt then.
    EXPECT_TRUE(program.state().flags.test(table::Flag::FirstActivationPending));
    EXPECT_EQ(program.state().settings.read(settings::field::Game), "0087");
    EXPECT_EQ(program.state().mainGame.cell(table::cell::JokerLabelKey), -1);
}

TEST(Startup, LeftoversOfEarlierInstallationsGoOnlyWithTheirMarker) {
    ProgramDirectory directory;
    directory.write("MARBLEON.DLL", "old");
    directory.write("IMAGES/GAME0001.BMP", "old");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "MARBLEON.DLL"));
    EXPECT_TRUE(std::filesystem::exists(directory.path() + "IMAGES/GAME0001.BMP"));
}

TEST(Startup, ThePanelsFollowThePreferences) {
    ProgramDirectory directory;
    directory.write("DATA/CFG.DAT",
                    "[Preference]\nGame=87\nShow_Time=N\nShow_Score=Y\nToolBar_Visible=N\n");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    ui::TfrmMain& window = *program.mainWindow();
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("pnlTempo"))->isHidden());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("pnlScore"))->isHidden());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("pnlTBx"))->isVisibleTo(&window));
    // Without a tool bar the piles start 5 pixels from the top.
    EXPECT_EQ(window.tableTopMargin(), 5);
}

QByteArray builtFile(const char* name) {
    QFile file(QStringLiteral(VELLOMIR_BIN_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(Startup, ACutOrDamagedResourceLibraryIsReportedInsteadOfCrashing) {
    const QByteArray whole = builtFile("KAR.RGF");
    QByteArray damaged = whole;
    for (qsizetype at = damaged.size() - 200; at < damaged.size(); at += 3) {
        damaged[at] = char(0xFF);
    }
    for (const QByteArray& bytes : {whole.left(whole.size() - 1000), damaged}) {
        ProgramDirectory directory(true, false);
        directory.write("KAR.RGF", bytes.toStdString());
        RecordingBoxes boxes;
        Program program(testing::testOptions(directory, boxes));
        EXPECT_FALSE(program.start());
        EXPECT_EQ(program.exitCode(), 0);
        ASSERT_EQ(boxes.boxes.size(), 1);
        EXPECT_TRUE(boxes.boxes[0].text.startsWith(QStringLiteral("Can't find/load ") +
                                                   directory.qpath().toLower() + "kar.rgf\r("))
            << boxes.boxes[0].text.toStdString();
    }
}

TEST(Startup, AByteChangedInsideAPictureIsReportedOnceTheTableIsShown) {
    // The library still opens: the byte lies inside a picture stored as it is.
    QByteArray bytes = builtFile("KAR.RGF");
    const resources::ResourceFileReport report = resources::inspectResourceFile(bytes);
    ASSERT_TRUE(report.problem.isEmpty());
    const auto stored = std::find_if(
        report.entries.begin(), report.entries.end(), [](const resources::ResourceEntry& e) {
            return e.packing == resources::ResourceEntry::Packing::Stored && e.length > 1000;
        });
    ASSERT_NE(stored, report.entries.end());
    bytes[stored->offset + stored->length / 2] ^= 0x10;
    ASSERT_TRUE(resources::inspectResourceFile(bytes).problem.isEmpty());

    ProgramDirectory directory(true, false);
    directory.write("KAR.RGF", bytes.toStdString());
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    ASSERT_TRUE(testing::processEventsUntil([&] {
        return boxes.texts().join(QStringLiteral(" | ")).contains(QStringLiteral("is damaged"));
    })) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(boxes.texts().join(QStringLiteral(" | ")).contains(directory.qpath() + "KAR.RGF"));
    EXPECT_TRUE(program.state().flags.test(table::Flag::GameInPlay));
}

TEST(Startup, ALibraryWithoutTheCardPicturesEndsTheProgramNamingThem) {
    testing::TestResourceFile library;
    library.addCursor(QStringLiteral("CUR_ARROW1A"), 1, 1);
    QString error;
    const QString built = library.build(&error);
    ASSERT_FALSE(built.isEmpty()) << error.toStdString();
    QFile file(built);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ProgramDirectory directory(true, false);
    directory.write("KAR.RGF", file.readAll().toStdString());
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Error"));
    const QString& text = boxes.boxes[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot find images file:\r") + directory.qpath() +
                                "KAR.RGF (pictures CB001H"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\rSome program components cannot be shown correctly."
                                             "\rCopy the file into the directory that above is "
                                             "specified\ror reinstall the program.")));
}

TEST(Startup, ACatalogueCutAtALineBoundaryIsReportedWithItsLine) {
    const std::string whole = builtFile("GAMES.DAT").toStdString();
    const std::size_t section = whole.find("[Sect2]");
    ASSERT_NE(section, std::string::npos);
    // The header and 250 whole parameter lines.
    std::size_t end = whole.find('\n', section) + 1;
    for (int line = 0; line < 250; ++line) {
        end = whole.find('\n', end) + 1;
    }
    ProgramDirectory directory(false, true);
    directory.write("GAMES.DAT", whole.substr(0, end));
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    EXPECT_FALSE(program.start());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("GAMES.DAT, line ")));
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("ends after 250 of its 400 lines")))
        << boxes.boxes[0].text.toStdString();
}

TEST(Startup, CardsAndBacksTheLibraryLacksFallBackToTheDefaults) {
    ProgramDirectory directory;
    directory.write("DATA/CFG.DAT", "[Preference]\nCard=77\nBack_Card=555\nCursor=99\n");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(program.state().settings.read(field::Card), "001");
    EXPECT_EQ(program.state().settings.read(field::BackCard), "011");
    EXPECT_EQ(program.state().settings.readInt(field::Cursor, 0), 10);
    // The player's file keeps what was written there.
    EXPECT_EQ(directory.preferences().readInt("Preference", "Card", 0), 77);
}

TEST(Startup, AGameWithoutItsNameTakesTheNameFromTheGameList) {
    ProgramDirectory directory;
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=10\n");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.state().settings.read(field::GameName), "FreeCell");

    ProgramDirectory blank;
    blank.write("DATA/CFG.DAT", "[Preference]\nGame=1\nGame_name=\n");
    Program second(testing::testOptions(blank, boxes));
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.state().settings.read(field::GameName), "Klondike");
}

// Points XDG_DATA_HOME somewhere for one test.
class XdgDataHome {
public:
    explicit XdgDataHome(const std::string& path) : m_old(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(path));
    }
    ~XdgDataHome() { qputenv("XDG_DATA_HOME", m_old); }

private:
    QByteArray m_old;
};

TEST(Startup, AProgramFolderWhoseDataFolderCannotBeWrittenUsesTheUsersDataFolder) {
    ProgramDirectory directory;
    directory.write("DATA", "a file where the folder should be");
    testing::TempFolder xdg;
    const XdgDataHome home(xdg.path().string());
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(program.state().dataFolder, xdg.path().string() + "/vellomir/");
    EXPECT_TRUE(std::filesystem::exists(xdg.path() / "vellomir/DATA/CFG.DAT"));
}

TEST(Startup, WhenNoFolderCanBeWrittenThePlayerIsToldOnceWhy) {
    ProgramDirectory directory;
    directory.write("DATA", "a file where the folder should be");
    testing::TempFolder xdg;
    std::ofstream(xdg.path() / "blocked") << "a file, not a folder";
    const XdgDataHome home((xdg.path() / "blocked").string());
    RecordingBoxes boxes;
    {
        Program program(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return !program.state().flags.test(table::Flag::FirstActivationPending); }));
        program.mainWindow()->close();
    }
    const QStringList texts = boxes.texts();
    ASSERT_EQ(boxes.boxes.size(), 1) << texts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(texts[0].contains(QStringLiteral("cannot be made: ")));
    EXPECT_TRUE(texts[0].contains(QString::fromStdString((xdg.path() / "blocked").string())));
}

TEST(Startup, StaleTemporaryFilesOfAnEarlierRunAreRemoved) {
    ProgramDirectory directory;
    // Process 999999999 does not run; the name of another file only looks alike.
    directory.write("DATA/rpl999999999_3_123456", "half a preferences file");
    directory.write("rpl999999999_0_42", "half a version marker");
    directory.write("GAMES.DAT.tmp999999999", "half a catalogue");
    directory.write("DATA/rpl_notes.txt", "kept");
    const std::string mine = "DATA/rpl" + std::to_string(::getpid()) + "_7_7";
    directory.write(mine, "a write of this very process");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "DATA/rpl999999999_3_123456"));
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "rpl999999999_0_42"));
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "GAMES.DAT.tmp999999999"));
    EXPECT_TRUE(std::filesystem::exists(directory.path() + "DATA/rpl_notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(directory.path() + mine));
}

TEST(ProgramDirectoryRule, BesideTheExecutableOrInstalledUnderShare) {
    testing::TempFolder root;
    const QString top = QString::fromStdString(root.path().string());
    std::filesystem::create_directories(root.path() / "bin");
    std::filesystem::create_directories(root.path() / "share/vellomir");
    EXPECT_EQ(programDirectoryFor(top + "/bin"),
              QDir(top + "/share/vellomir").canonicalPath() + "/");
    std::ofstream(root.path() / "bin/GAMES.DAT") << "x";
    EXPECT_EQ(programDirectoryFor(top + "/bin"), top + "/bin/");
}

} // namespace
} // namespace vellomir::app
