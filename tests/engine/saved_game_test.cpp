#include "engine/play/saved_game.h"

#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "support/game_numbers.h"
#include "support/recording_frontend.h"
#include "support/temp_folder.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

// A played game of Klondike: a few stock clicks, each one action.
struct PlayedGame {
    PlayedGame() : state(VELLOMIR_BIN_DIR), engine(state, frontend) {
        state.settings.write(settings::field::CardSize, "B");
        state.settings.write(settings::field::ScoringScheme, "01");
        state.settings.write(settings::field::DealNumber, "0000000000042");
        EXPECT_TRUE(engine.loadGameList());
        EXPECT_TRUE(engine.openGame(kKlondike, DealNumberMode::Keep, false));
        dealt = capturePosition(state);
    }
    void click(std::string_view place, int times = 1) {
        std::string problem;
        const auto command = parsePointerCommand("click " + std::string(place), problem);
        for (int i = 0; i < times; ++i) {
            EXPECT_TRUE(runPointerCommand(engine, *command, problem)) << problem;
        }
    }
    table::ProgramState state;
    testing::RecordingFrontend frontend;
    PlayEngine engine;
    PlayPosition dealt;
};

void writeFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(SavedGame, TextReadsBackAsWritten) {
    PlayedGame game;
    game.click("Mazzo", 3);
    ASSERT_EQ(game.engine.moves(), 3);
    const std::optional<SavedGame> saved = gameToSave(game.engine, 0);
    ASSERT_TRUE(saved);
    std::string problem;
    const std::optional<SavedGame> read = parseSavedGame(savedGameText(*saved), problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(read->game, kKlondike);
    EXPECT_EQ(read->dealNumber, "0000000000042");
    EXPECT_EQ(read->table, saved->table);
    EXPECT_EQ(read->steps, saved->steps);
    EXPECT_EQ(read->undoLists, saved->undoLists);
    EXPECT_EQ(read->rulesKey, saved->rulesKey);

    for (const std::string& bad :
         {std::string("not a saved game"), savedGameText(*saved) + "Table=1|2\n",
          savedGameText(*saved) + "Unknown=1\n", savedGameText(*saved) + "UndoStock=12x\n"}) {
        EXPECT_FALSE(parseSavedGame(bad, problem)) << bad.substr(bad.size() - 20);
    }
}

TEST(SavedGame, OnlyAGameInPlayWithAMoveIsKept) {
    PlayedGame game;
    EXPECT_FALSE(gameToSave(game.engine, 0)); // no move yet
    game.click("Mazzo");
    EXPECT_TRUE(gameToSave(game.engine, 0));
    game.engine.endGame(); // abandoned
    EXPECT_FALSE(gameToSave(game.engine, 0));
}

// The next start continues the game: the same table, the same clock, and
// undo still takes the moves back to the dealt table.
TEST(SavedGame, ResumedGameHasItsTableClockAndUndo) {
    testing::TempFolder folder;
    PlayPosition lastTable;
    PlayPosition dealt;
    {
        PlayedGame game;
        game.frontend.timeOfDay = 10 * 60 * 1000; // 0:10:00
        game.state.flags.timeSlot(0) = 9 * 60 * 1000;
        game.click("Mazzo", 4);
        const std::optional<SavedGame> saved = gameToSave(game.engine, game.frontend.timeOfDay);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->elapsedMs, 60 * 1000);
        ASSERT_TRUE(writeSavedGame(folder.path(), *saved));
        lastTable = capturePosition(game.state);
        dealt = game.dealt;
    }
    table::ProgramState state(VELLOMIR_BIN_DIR);
    testing::RecordingFrontend frontend;
    frontend.timeOfDay = 20 * 60 * 1000;
    PlayEngine engine(state, frontend);
    ASSERT_TRUE(engine.loadGameList());
    const ResumeResult resumed = resumeSavedGame(engine, folder.path());
    ASSERT_EQ(resumed.outcome, ResumeOutcome::Resumed) << resumed.notice;
    // The file stays until the game ends: a crash now must not lose it.
    EXPECT_TRUE(std::filesystem::exists(savedGamePath(folder.path())));
    EXPECT_EQ(capturePosition(state), lastTable);
    EXPECT_EQ(state.settings.read(settings::field::DealNumber), "0000000000042");
    EXPECT_EQ(engine.moves(), 4);
    EXPECT_TRUE(engine.gamePlayed());
    EXPECT_EQ(state.flags.timeSlot(0), 19 * 60 * 1000);
    EXPECT_TRUE(frontend.saw("clock: 0:01:00"));
    while (engine.undo()) {
    }
    EXPECT_EQ(capturePosition(state).piles, dealt.piles);
    EXPECT_EQ(capturePosition(state).faces, dealt.faces);
    EXPECT_EQ(engine.moves(), 0);
    EXPECT_TRUE(engine.redo());
}

// A saved game that no longer fits is not continued: one line says so, never
// a crash, and the file is kept aside (never deleted) so that the next start
// deals afresh.
TEST(SavedGame, AGameThatNoLongerFitsIsDroppedWithANotice) {
    PlayedGame game;
    game.click("Mazzo", 2);
    const SavedGame saved = *gameToSave(game.engine, 0);

    struct Case {
        std::string text;
        std::string notice;
    };
    SavedGame removed = saved;
    removed.game = 7999;
    SavedGame changed = saved;
    changed.rulesKey = "0";
    SavedGame doubled = saved;
    // One card twice on the table: not the deal's cards.
    doubled.table.piles.tableau(0) += doubled.table.piles.tableau(1).substr(0, 3);
    std::string text = savedGameText(saved);
    const std::vector<Case> cases{
        {savedGameText(removed), "no longer in the catalogue"},
        {savedGameText(changed), "rules have changed"},
        {savedGameText(doubled), "on the table 2 times"},
        {text.substr(0, text.size() / 2) + "\nBroken", "could not be read"},
        {"", "could not be read"},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        writeFile(savedGamePath(folder.path()), c.text);
        table::ProgramState state(VELLOMIR_BIN_DIR);
        testing::RecordingFrontend frontend;
        PlayEngine engine(state, frontend);
        ASSERT_TRUE(engine.loadGameList());
        const ResumeResult resumed = resumeSavedGame(engine, folder.path());
        EXPECT_EQ(resumed.outcome, ResumeOutcome::Dropped) << c.notice;
        EXPECT_NE(resumed.notice.find(c.notice), std::string::npos) << resumed.notice;
        EXPECT_EQ(resumed.notice.find('\n'), std::string::npos) << resumed.notice;
        EXPECT_FALSE(std::filesystem::exists(savedGamePath(folder.path())));
        std::filesystem::path kept = savedGamePath(folder.path());
        kept += ".damaged";
        EXPECT_NE(resumed.notice.find(kept.string()), std::string::npos) << resumed.notice;
        std::ostringstream keptText;
        keptText << std::ifstream(kept, std::ios::binary).rdbuf();
        EXPECT_EQ(keptText.str(), c.text);
        EXPECT_EQ(engine.moves(), 0);
    }
}

// Every single-bit flip anywhere in the file is refused, never read as
// another game, deal or table; a file written before there was a checksum
// still reads.
TEST(SavedGame, AChangedByteIsRefusedAndAnOldFileWithoutChecksumStillReads) {
    PlayedGame game;
    game.click("Mazzo", 2);
    const std::string text = savedGameText(*gameToSave(game.engine, 0));
    std::string problem;
    int accepted = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = text;
            flipped[i] = static_cast<char>(flipped[i] ^ (1 << bit));
            accepted += parseSavedGame(flipped, problem) ? 1 : 0;
        }
    }
    EXPECT_EQ(accepted, 0);
    std::string changed = text;
    changed[text.find("Deal=") + 5] ^= 1;
    EXPECT_FALSE(parseSavedGame(changed, problem));
    EXPECT_NE(problem.find("checksum does not match"), std::string::npos) << problem;

    // The same game as the version before wrote it.
    std::string old = text.substr(0, text.rfind("Checksum="));
    old.replace(old.find("Version=2"), 9, "Version=1");
    const std::optional<SavedGame> read = parseSavedGame(old, problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(read->table, gameToSave(game.engine, 0)->table);
    // Without its checksum line a new file is refused.
    EXPECT_FALSE(parseSavedGame(text.substr(0, text.rfind("Checksum=")), problem));
    EXPECT_NE(problem.find("checksum line is missing"), std::string::npos) << problem;
}

// What the file must become: written after a move, kept as it is while a
// card is held, removed for a new deal and once the game has ended.
TEST(SavedGame, TheStepFollowsTheGame) {
    PlayedGame game;
    EXPECT_EQ(savedGameStep(game.engine), SavedGameStep::Remove); // a new deal
    game.click("Mazzo");
    EXPECT_EQ(savedGameStep(game.engine), SavedGameStep::Write);
    std::string problem;
    const auto press = parsePointerCommand("press Mazzo_Vis", problem);
    ASSERT_TRUE(press) << problem;
    ASSERT_TRUE(runPointerCommand(game.engine, *press, problem)) << problem;
    ASSERT_FALSE(playerHoldsNothing(game.state));
    EXPECT_EQ(savedGameStep(game.engine), SavedGameStep::Keep);
    game.engine.buttonUp();
    EXPECT_EQ(savedGameStep(game.engine), SavedGameStep::Write);
    game.engine.endGame();
    EXPECT_EQ(savedGameStep(game.engine), SavedGameStep::Remove);
}

TEST(SavedGame, NoFileIsNoResume) {
    testing::TempFolder folder;
    table::ProgramState state(VELLOMIR_BIN_DIR);
    testing::RecordingFrontend frontend;
    PlayEngine engine(state, frontend);
    EXPECT_EQ(resumeSavedGame(engine, folder.path()).outcome, ResumeOutcome::NoSavedGame);
}

} // namespace
} // namespace vellomir::engine
