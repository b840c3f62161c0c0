#include "program_fixture.h"
#include "table/program_state.h"
#include "ui/main_window.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>

namespace vellomir::app {
namespace {

using testing::ProgramDirectory;
using testing::RecordingBoxes;

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
    const app::IniFile preferences = directory.preferences();
    EXPECT_EQ(preferences.readText("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(preferences.readInt("Parameters", "Run_Exe", 0), 1);
    QFile marker(directory.qpath() + "KARV0520.DAT");
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), QByteArray("Marbleon version: 05.20\n"));
    // The first activation is still to come; the game is dealt then.
    EXPECT_TRUE(program.state().flags.test(table::Flag::FirstActivationPending));
    EXPECT_EQ(program.state().settings.read(app::field::Game), "0087");
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
