#include "cli/deal_array_command.h"

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "cli/console_frontend.h"
#include "settings/number_text.h"
#include "table/deal_generation.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace vellomir::tools {
namespace {

// The card count must fit a game parameter cell.
constexpr int kMaxCards = 32767;
constexpr int kMaxJokers = 4;

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli deal-array: " << problem << "\n"
        << "usage: vellomir-cli deal-array DEALNUMBER --cards N [--jokers J]\n"
        << "  DEALNUMBER  1 to 13 decimal digits (a shorter number gets leading zeros)\n"
        << "  --cards N   the game's card count, 0 to " << kMaxCards << "\n"
        << "  --jokers J  deal J jokers, 0 to " << kMaxJokers << "\n";
    return 2;
}

bool isDealNumber(const std::string& text) {
    return !text.empty() && text.size() <= static_cast<std::size_t>(table::kDealNumberLength) &&
           std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// A plain decimal count in [0, max]: digits only, no sign or blanks.
std::optional<int> countIn(const std::string& text, int max) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
        return std::nullopt;
    }
    const std::optional<int> value = settings::parseInt(text);
    if (!value || *value > max) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int runDealArrayCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    std::optional<std::string> dealNumber;
    std::optional<int> cards;
    std::optional<int> jokers;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--cards" || word == "--jokers") {
            std::optional<int>& target = word == "--cards" ? cards : jokers;
            if (target) {
                return usageError(err, word + " given twice");
            }
            if (i + 1 == args.size()) {
                return usageError(err, word + " needs a value");
            }
            target = countIn(args[++i], word == "--cards" ? kMaxCards : kMaxJokers);
            if (!target) {
                return usageError(err, "bad value '" + args[i] + "' for " + word);
            }
        } else if (word.starts_with("-")) {
            return usageError(err, "unknown option '" + word + "'");
        } else if (dealNumber) {
            return usageError(err, "unexpected argument '" + word + "'");
        } else if (!isDealNumber(word)) {
            return usageError(err, "'" + word + "' is not a deal number");
        } else {
            dealNumber = word;
        }
    }
    if (!dealNumber) {
        return usageError(err, "missing deal number");
    }
    if (!cards) {
        return usageError(err, "missing --cards");
    }

    catalogue::GameParameters params;
    params.set(catalogue::param::CardCount, *cards);
    if (jokers) {
        params.set(catalogue::param::JokersDealt, 1);
        params.set(catalogue::param::JokerCount, *jokers);
    }
    ConsoleFrontend frontend(err);
    const table::DealArray slots = table::buildDealArray(*dealNumber, params, frontend);
    out << table::dealArrayText(slots) << '\n';
    return 0;
}

} // namespace vellomir::tools
