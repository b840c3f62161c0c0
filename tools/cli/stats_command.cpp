#include "cli/stats_command.h"

#include "engine/records/game_statistics.h"
#include "startup/data_folder.h"

#include <charconv>
#include <iomanip>
#include <optional>
#include <ostream>

namespace vellomir::tools {

namespace {

constexpr int kGameColumn = 6;
constexpr int kFigureColumn = 8;

std::optional<int> gameNumber(const std::string& word) {
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || number < 0) {
        return std::nullopt;
    }
    return number;
}

} // namespace

int runStatsCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err, bool installed) {
    if (args.size() > 1 || (args.size() == 1 && !gameNumber(args[0]))) {
        err << "vellomir-cli stats: give at most one game number\n";
        return 2;
    }
    const std::string folder = startup::dataFolder(programDirectory, installed);
    const engine::StatisticsLoad load = engine::loadStatistics(folder, false);
    if (!load.ok) {
        err << "vellomir-cli: " << load.message << '\n';
        return 1;
    }
    if (args.size() == 1) {
        const int game = *gameNumber(args[0]);
        const auto found = load.book.find(game);
        if (found == load.book.end()) {
            out << "game " << game << ": not played yet\n";
            return 0;
        }
        out << "game " << game << ' ' << found->second.name << '\n';
        for (const auto& [label, value] : engine::statisticsFigures(found->second)) {
            out << label << ": " << value << '\n';
        }
        return 0;
    }
    if (load.book.empty()) {
        out << "no games played yet\n";
        return 0;
    }
    out << std::left << std::setw(kGameColumn) << "game" << std::right << std::setw(kFigureColumn)
        << "played" << std::setw(kFigureColumn) << "won" << std::setw(kFigureColumn) << "lost"
        << std::setw(kFigureColumn) << "won %"
        << "  name\n";
    for (const auto& [number, game] : load.book) {
        out << std::left << std::setw(kGameColumn) << number << std::right
            << std::setw(kFigureColumn) << game.played << std::setw(kFigureColumn) << game.won
            << std::setw(kFigureColumn) << game.lost << std::setw(kFigureColumn)
            << std::to_string(game.percentWon()) + "%"
            << "  " << game.name << '\n';
    }
    return 0;
}

} // namespace vellomir::tools
