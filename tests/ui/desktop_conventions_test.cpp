// What a desktop player expects beside the classic keys: the command line's
// options, the usual keys of New, Exit and full screen, and a start on the
// game and deal the command line names.

#include "app/command_line.h"
#include "build_info.h"
#include "engine/solver/table_fingerprint.h"
#include "table_window.h"

#include <QAction>
#include <QKeySequence>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using app::CommandLine;
using app::readCommandLine;
using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

CommandLine read(std::initializer_list<const char*> arguments) {
    QStringList line{QStringLiteral("vellomir")};
    for (const char* argument : arguments) {
        line << QString::fromLatin1(argument);
    }
    return readCommandLine(line);
}

TEST(CommandLine, HelpAndVersionArePrintedAndBadOptionsRefused) {
    const CommandLine help = read({"--help"});
    EXPECT_EQ(help.action, CommandLine::Action::Print);
    for (const char* option : {"--help", "--version", "--game", "--deal"}) {
        EXPECT_TRUE(help.text.contains(QString::fromLatin1(option))) << option;
    }
    const CommandLine version = read({"--version"});
    EXPECT_EQ(version.action, CommandLine::Action::Print);
    EXPECT_TRUE(version.text.contains(QString::fromLatin1(kBuildVersion)));

    for (const auto& bad :
         {read({"--deal", "12345678901234"}), read({"--deal", "12a"}), read({"--game", "klondike"}),
          read({"--game", "-3"}), read({"--no-such-option"}), read({"stray"})}) {
        EXPECT_EQ(bad.action, CommandLine::Action::Fail) << bad.text.toStdString();
        EXPECT_TRUE(bad.text.startsWith(QStringLiteral("vellomir: ")));
    }

    const CommandLine start = read({"--game", "10", "--deal", "42"});
    EXPECT_EQ(start.action, CommandLine::Action::Run);
    EXPECT_EQ(start.game, 10);
    EXPECT_EQ(start.deal, QStringLiteral("42"));
    EXPECT_EQ(read({}).action, CommandLine::Action::Run);
}

std::unique_ptr<app::Program> startWith(const ProgramDirectory& directory, RecordingBoxes& boxes,
                                        std::optional<int> game, std::optional<std::string> deal) {
    app::StartupOptions options = testing::testOptions(directory, boxes);
    options.startGame = game;
    options.startDeal = std::move(deal);
    auto program = std::make_unique<app::Program>(std::move(options));
    EXPECT_TRUE(program->start());
    EXPECT_TRUE(testing::processEventsUntil([&] {
        return !program->state().flags.test(Flag::FirstActivationPending) &&
               program->state().flags.test(Flag::GameInPlay);
    }));
    return program;
}

TEST(CommandLineStart, DealsTheGameAndDealNumberAskedFor) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    auto program = startWith(directory, boxes, 10, "42");
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(program->state().settings.readInt(settings::field::Game, -1), 10);
    EXPECT_EQ(program->state().settings.read(settings::field::DealNumber), "0000000000042");
}

// Without the deal animation the first game is dealt before the window
// shows: that first table is already the game and deal asked for, and the
// first activation deals nothing more.
TEST(CommandLineStart, TheFirstTableShownIsTheAskedDeal) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    app::StartupOptions options = testing::testOptions(directory, boxes);
    options.startGame = 10;
    options.startDeal = "42";
    app::Program program(std::move(options));
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.state().flags.test(Flag::GameInPlay));
    EXPECT_TRUE(program.state().flags.test(Flag::FirstActivationPending));
    EXPECT_EQ(program.state().settings.readInt(settings::field::Game, -1), 10);
    EXPECT_EQ(program.state().settings.read(settings::field::DealNumber), "0000000000042");
    const std::uint64_t dealt = engine::tableFingerprint(program.state());
    ASSERT_TRUE(testing::processEventsUntil(
        [&] { return !program.state().flags.test(Flag::FirstActivationPending); }));
    EXPECT_EQ(engine::tableFingerprint(program.state()), dealt);
    EXPECT_EQ(program.state().settings.read(settings::field::DealNumber), "0000000000042");
}

TEST(CommandLineStart, AnUnknownGameIsSaidAndTheLastGameIsDealt) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    auto program = startWith(directory, boxes, 9876, std::nullopt);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("9876")));
    EXPECT_EQ(program->state().settings.readInt(settings::field::Game, -1), 1);
}

TEST(DesktopKeys, NewExitAndFullScreenHaveTheDesktopsKeysBesideTheClassicOnes) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    auto program = startWith(directory, boxes, std::nullopt, std::nullopt);
    TfrmMain* window = program->mainWindow();
    const auto keysOf = [&](const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name))->shortcuts();
    };
    // The first key is the one the menu shows: the classic one stays.
    EXPECT_EQ(keysOf("mnuNew"),
              (QList<QKeySequence>{QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)}));
    EXPECT_EQ(keysOf("mnuEsci"), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)});
    EXPECT_EQ(keysOf("mnuFullScreen"), QList<QKeySequence>{QKeySequence(Qt::Key_F11)});

    window->setFullScreen(true);
    EXPECT_TRUE(window->isFullScreen());
    window->setFullScreen(false);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuFullScreen"))->isChecked());
}

} // namespace
} // namespace vellomir::ui
