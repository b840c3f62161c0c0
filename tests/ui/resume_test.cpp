// A game in progress survives the end of the program: the next start finds
// the same table, with the same caption, and undo still takes the last move
// back.

#include "engine/play/saved_game.h"
#include "engine/records/play_position.h"
#include "settings/whole_file.h"
#include "table_window.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

std::unique_ptr<app::Program> startOn(const ProgramDirectory& directory, RecordingBoxes& boxes) {
    auto program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    EXPECT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(testing::processEventsUntil([&] {
        return !program->state().flags.test(Flag::FirstActivationPending) &&
               program->state().flags.test(Flag::GameInPlay);
    }));
    // The keys reach the window's shortcuts only while it is active.
    program->mainWindow()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(program->mainWindow()));
    return program;
}

TEST(Resume, TheNextStartFindsTheSameTableAndUndoStillTakesTheLastMoveBack) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    const std::string saved = directory.path() + std::string(engine::kSavedGameFileName);

    auto program = startOn(directory, boxes);
    TfrmMain* window = program->mainWindow();
    testing::clickStock(*window, program->state());
    const table::PileLists oneMove = program->state().piles;
    const QImage oneMovePicture = testing::tablePicture(*window);
    testing::clickStock(*window, program->state());
    const table::PileLists twoMoves = program->state().piles;
    const QImage twoMovesPicture = testing::tablePicture(*window);
    const QString caption = window->windowTitle();
    ASSERT_EQ(program->engine().moves(), 2);
    ASSERT_NE(twoMoves, oneMove);

    window->close(); // Exit: the game in play is kept
    program.reset();
    ASSERT_TRUE(std::filesystem::exists(saved));

    program = startOn(directory, boxes);
    window = program->mainWindow();
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(program->state().piles, twoMoves);
    EXPECT_EQ(testing::tablePicture(*window), twoMovesPicture);
    EXPECT_EQ(program->engine().moves(), 2);
    // Kept while the game goes on: a crash now must not lose it.
    EXPECT_TRUE(std::filesystem::exists(saved));

    QTest::keyClick(window->tableView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(program->state().piles, oneMove);
    EXPECT_EQ(testing::tablePicture(*window), oneMovePicture);
    EXPECT_EQ(program->engine().moves(), 1);
}

// The saved game follows the game while it is played, not only at Exit:
// replaced after an action, removed once the game is abandoned for a new one.
TEST(Resume, TheSavedGameFollowsEachActionAndGoesWithTheGame) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    const std::string saved = directory.path() + std::string(engine::kSavedGameFileName);
    auto program = startOn(directory, boxes);
    TfrmMain* window = program->mainWindow();
    EXPECT_FALSE(std::filesystem::exists(saved)); // a new deal, no move yet
    testing::clickStock(*window, program->state());
    ASSERT_TRUE(testing::processEventsUntil([&] { return std::filesystem::exists(saved); }, 3000));
    testing::clickStock(*window, program->state());
    const std::string afterTwo = engine::positionText(engine::capturePosition(program->state()));
    ASSERT_TRUE(testing::processEventsUntil(
        [&] {
            std::string problem;
            const settings::WholeFile text = settings::readWholeFile(saved, 1 << 20);
            const std::optional<engine::SavedGame> game =
                engine::parseSavedGame(text.text, problem);
            return game && engine::positionText(game->table) == afterTwo;
        },
        3000));
    program->state().settings.write(settings::field::ConfirmQuitGame, "N");
    window->newGame();
    EXPECT_TRUE(testing::processEventsUntil([&] { return !std::filesystem::exists(saved); }, 3000));
}

// A full disk or a folder gone bad at Exit: every file that could not be
// saved is named, in one box.
TEST(Resume, WhatExitCannotSaveIsToldInOneBox) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    RecordingBoxes boxes;
    const std::filesystem::path saved = directory.path() + std::string(engine::kSavedGameFileName);
    const std::filesystem::path preferences = directory.path() + std::string("DATA/CFG.DAT");
    auto program = startOn(directory, boxes);
    TfrmMain* window = program->mainWindow();
    testing::clickStock(*window, program->state());
    ASSERT_TRUE(testing::processEventsUntil([&] { return std::filesystem::exists(saved); }, 3000));
    // Neither file can be written any more: a folder stands in each place.
    for (const std::filesystem::path& file : {saved, preferences}) {
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
    }
    ASSERT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    window->close();
    ASSERT_EQ(boxes.boxes.size(), 1) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    const QString text = boxes.boxes[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Vellomir could not save everything as it closed:")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("SAVEDGAME.DAT"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("CFG.DAT"))) << text.toStdString();
}

} // namespace
} // namespace vellomir::ui
