#include "cli/survey_command.h"

#include "cli/deal_solving.h"
#include "cli/game_and_deal.h"
#include "cli/search_clock.h"
#include "cli/solve_options.h"

#include <cmath>
#include <optional>
#include <ostream>

namespace vellomir::tools {
namespace {

// Deal numbers have at most 13 digits.
constexpr int kDealDigits = 13;
constexpr int kGameDigits = 4;

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli survey: " << problem << "\n"
        << "usage: vellomir-cli survey GAME... --deals FIRST-LAST [--step K] [--seconds S]\n"
        << "                           [--positions N] [--dig] [--cover] [--breadth N]\n";
    return 2;
}

struct DealRange {
    long long first = 0;
    long long last = 0;
};

// "FIRST-LAST", each 1 to 13 digits, FIRST at most LAST.
std::optional<DealRange> readDealRange(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) {
        return std::nullopt;
    }
    const std::string first = text.substr(0, dash);
    const std::string last = text.substr(dash + 1);
    if (!isDigits(first) || !isDigits(last) || first.size() > kDealDigits ||
        last.size() > kDealDigits) {
        return std::nullopt;
    }
    DealRange range{std::stoll(first), std::stoll(last)};
    if (range.first > range.last) {
        return std::nullopt;
    }
    return range;
}

const char* outcomeWord(engine::SolveOutcome outcome) {
    switch (outcome) {
    case engine::SolveOutcome::Solved:
        return "solved";
    case engine::SolveOutcome::Unsolved:
        return "unsolved";
    case engine::SolveOutcome::GaveUp:
        break;
    }
    return "gave-up";
}

} // namespace

int runSurveyCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                     std::ostream& out, std::ostream& err) {
    // --deals is the survey's own option; the rest are the search's.
    std::vector<std::string> searchArgs;
    std::optional<DealRange> deals;
    long long step = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--deals") {
            deals = i + 1 < args.size() ? readDealRange(args[i + 1]) : std::nullopt;
            if (!deals) {
                return usageError(err, "--deals needs FIRST-LAST, deal numbers of 1 to 13 "
                                       "digits, the first at most the last");
            }
            ++i;
        } else if (args[i] == "--step") {
            if (i + 1 >= args.size() || !isDigits(args[i + 1]) ||
                args[i + 1].size() > kDealDigits || std::stoll(args[i + 1]) < 1) {
                return usageError(err, "--step needs a number of 1 to 13 digits above 0");
            }
            step = std::stoll(args[i + 1]);
            ++i;
        } else {
            searchArgs.push_back(args[i]);
        }
    }
    SolveOptions options;
    std::vector<std::string> games;
    if (const std::optional<std::string> problem = readSolveOptions(searchArgs, options, games)) {
        return usageError(err, *problem);
    }
    if (!deals) {
        return usageError(err, "give the deals with --deals FIRST-LAST");
    }
    if (games.empty()) {
        return usageError(err, "give one or more game numbers");
    }
    for (const std::string& game : games) {
        if (!isDigits(game) || game.size() > kGameDigits) {
            return usageError(err, "bad game number '" + game + "'");
        }
    }
    SearchClock clock;
    for (const std::string& game : games) {
        for (long long deal = deals->first; deal <= deals->last; deal += step) {
            const std::string number = std::to_string(deal);
            const double started = SearchClock::threadSeconds();
            const std::optional<engine::SolveResult> result = solveDealOf(
                programDirectory, std::stoi(game),
                std::string(kDealDigits - number.size(), '0') + number, options, clock, err);
            if (!result) {
                return 1;
            }
            const long long ms = std::llround((SearchClock::threadSeconds() - started) * 1000);
            const auto count = result->outcome == engine::SolveOutcome::Solved
                                   ? static_cast<long>(result->moves.size())
                                   : result->positions;
            out << std::stoi(game) << ' ' << deal << ' ' << outcomeWord(result->outcome) << ' '
                << count << ' ' << ms << std::endl;
        }
    }
    return 0;
}

} // namespace vellomir::tools
