// The statistics reader on any DATA/Stat_e00.dat: nothing crashes or
// overflows; what it accepts adds up, is written back to the same figures,
// takes one more result and is shown; what it refuses has a reason, and the
// file is kept aside byte for byte, never overwritten.

#include "fuzz_support.h"

#include "engine/records/game_statistics.h"

#include <iterator>

using namespace vellomir;

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool addsUp(const engine::GameStatistics& game) {
    return game.played == game.won + game.lost && game.percentWon() >= 0 &&
           game.percentWon() <= 100 && game.longestWinningStreak <= game.won &&
           game.longestLosingStreak <= game.lost;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    std::string problem;
    const std::optional<engine::StatisticsBook> book = engine::parseStatistics(text, problem);
    if (book) {
        for (const auto& [number, game] : *book) {
            fuzz::require(addsUp(game), "an accepted game's figures add up");
            // Every figure can be shown, as the dialog and vellomir-cli do.
            fuzz::require(engine::statisticsFigures(game).size() == 10, "ten figures");
        }
        std::string again;
        const std::optional<engine::StatisticsBook> reread =
            engine::parseStatistics(engine::statisticsText(*book), again);
        fuzz::require(reread && *reread == *book, "what was read is written back the same");

        // One more game of each kind counts on without overflow.
        for (const bool won : {true, false}) {
            engine::StatisticsBook more = *book;
            const int game = more.empty() ? 1 : more.begin()->first;
            const int played = more[game].played;
            engine::addResult(more, {game, "", won, 61000, 80, 52});
            const int counted = played < engine::kMostGamesCounted ? played + 1 : played;
            fuzz::require(more[game].played == counted, "the result is counted");
            fuzz::require(addsUp(more[game]), "the figures still add up");
        }
    } else {
        fuzz::require(!problem.empty(), "a refusal says why");
    }

    // Through the file: a damaged one is renamed, never rewritten.
    const std::filesystem::path folder = fuzz::scratchFolder() / "data";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    const std::filesystem::path file = engine::statisticsPath(folder);
    fuzz::writeFile(file, text);
    const engine::StatisticsLoad load = engine::loadStatistics(folder, true);
    fuzz::require(load.ok == book.has_value(), "the file reads as its text does");
    if (!load.ok) {
        fuzz::require(!std::filesystem::exists(file), "the damaged file was moved aside");
        std::filesystem::path copy = file;
        copy += ".damaged";
        fuzz::require(readAll(copy) == text, "the damaged file is kept byte for byte");
        fuzz::require(load.message.find(file.string()) != std::string::npos,
                      "the message names the file");
    } else {
        fuzz::require(load.book == *book, "the file gives the book of its text");
        fuzz::require(readAll(file) == text, "a sound file is only read");
    }
    return 0;
}
