#include "table/deal_generation.h"

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "seam/frontend.h"
#include "settings/settings_record.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vellomir::table {
namespace {

constexpr int kPasses = 8;
constexpr int kRanks = 13;
constexpr int kMaxJokers = 4;

// Entry k of a row is the suit (1 hearts, 2 diamonds, 3 clubs, 4 spades)
// dealt in pass k; the row is picked by the deal number for each rank.
constexpr std::array<std::array<std::uint8_t, kPasses>, 13> kSuitTable{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Entry k of a row is added to the slot cursor before pass k (and before
// joker k); the row is picked by one digit of the deal number.
constexpr std::array<std::array<std::uint8_t, kPasses>, 10> kStepTable{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// Suit passes per rank: four for one pack, eight for two; none for a card
// count the deal does not know.
int passesFor(int cardCount) {
    if (cardCount <= 52) {
        return 4;
    }
    if (cardCount == 104) {
        return 8;
    }
    return 0;
}

int jokersOf(const catalogue::GameParameters& params) {
    return std::clamp(params[catalogue::param::JokerCount], 0, kMaxJokers);
}

// A cursor that ran past the end starts again from the front; one that fell
// below the front stays at the front.
int wrapCursor(int cursor, int size) {
    if (cursor >= size) {
        return cursor % size;
    }
    return cursor < 0 ? 0 : cursor;
}

// The deal number's digits, 1-based as the scatter counts them.
using Digits = std::array<int, kDealNumberLength + 1>;

Digits digitsOf(std::string_view dealNumber) {
    const std::string text = normalizedDealNumber(dealNumber);
    Digits digits{};
    for (int i = 1; i <= kDealNumberLength; ++i) {
        digits[static_cast<std::size_t>(i)] = text[static_cast<std::size_t>(i - 1)] - '0';
    }
    return digits;
}

int digitAt(const Digits& digits, int position) {
    return digits[static_cast<std::size_t>(position)];
}

// The suit-table row of turn r: a nine-digit number cut from the deal number,
// modulo 13. Up to turn 10 it is the number without its characters r to r+3;
// the last three turns take a window of nine characters instead.
int suitRowOf(const Digits& digits, int turn) {
    int first = 1;
    int last = kDealNumberLength;
    int skipFrom = turn;
    int skipTo = turn + 3;
    if (turn > 10) {
        first = turn - 8;
        last = turn;
        skipFrom = 0;
        skipTo = -1;
    }
    int remainder = 0;
    for (int i = first; i <= last; ++i) {
        if (i >= skipFrom && i <= skipTo) {
            continue;
        }
        remainder = (remainder * 10 + digitAt(digits, i)) % 13;
    }
    return remainder;
}

void placeJokers(DealArray& slots, const Digits& digits, int cursor, int jokers) {
    const auto& steps = kStepTable[static_cast<std::size_t>(digitAt(digits, 1))];
    const int size = static_cast<int>(slots.size());
    // The joker cursor carries from joker to joker; the card cursor is left as it is.
    int jokerCursor = cursor;
    for (int j = 1; j <= jokers; ++j) {
        jokerCursor = wrapCursor(jokerCursor + steps[static_cast<std::size_t>(j - 1)], size);
        const int slot = findFreeSlot(slots, jokerCursor, true);
        if (slot >= 0) {
            slots[static_cast<std::size_t>(slot)] = kFirstJoker - 1 + j;
        }
    }
}

} // namespace

std::string newDealNumber(RandomGenerator& random, settings::SettingsRecord& settings) {
    const int a = random.draw(9999999);
    const int b = random.draw(999999);
    // The product stays below 10^13, well inside the exact range of a double.
    const double product = static_cast<double>(a) * static_cast<double>(b);
    const std::string number =
        normalizedDealNumber(std::to_string(static_cast<long long>(product)));
    settings.write(settings::field::DealNumber, number);
    return number;
}

std::string normalizedDealNumber(std::string_view dealNumber) {
    std::string text(static_cast<std::size_t>(kDealNumberLength), '0');
    const std::size_t length = std::min(dealNumber.size(), text.size());
    const std::string_view tail = dealNumber.substr(dealNumber.size() - length);
    for (std::size_t i = 0; i < length; ++i) {
        const char ch = tail[i];
        text[text.size() - length + i] = ch >= '0' && ch <= '9' ? ch : '0';
    }
    return text;
}

int dealArraySize(const catalogue::GameParameters& params) {
    const int cards = std::max(params[catalogue::param::CardCount], 0);
    const bool jokersCounted = params[catalogue::param::JokersDealt] == 1;
    return cards + (jokersCounted ? jokersOf(params) : 0);
}

DealArray buildDealArray(std::string_view dealNumber, const catalogue::GameParameters& params,
                         seam::Frontend& frontend) {
    const int passes = passesFor(params[catalogue::param::CardCount]);
    if (passes == 0) {
        frontend.showInformation(kPackCountError);
    }
    const int size = dealArraySize(params);
    DealArray slots(static_cast<std::size_t>(size), kEmptySlot);
    if (size == 0) {
        return slots;
    }

    const Digits digits = digitsOf(dealNumber);
    int cursor = digitAt(digits, 2) * 100 + digitAt(digits, 6) * 10 + digitAt(digits, 12);

    if (params[catalogue::param::JokersDealt] != 0) {
        placeJokers(slots, digits, cursor, jokersOf(params));
    }

    // Ranks still to deal, in order; each turn takes one out.
    std::array<int, kRanks> ranks{};
    for (int i = 0; i < kRanks; ++i) {
        ranks[static_cast<std::size_t>(i)] = i + 1;
    }
    int ranksLeft = kRanks;

    // Three digit pointers walk round the deal number, 13 wrapping to 1.
    std::array<int, 3> pointers{1, 7, 13};

    for (int turn = 1; turn <= kRanks; ++turn) {
        const int d = digitAt(digits, turn);
        const bool forward = d == 0;
        const auto& suits = kSuitTable[static_cast<std::size_t>(suitRowOf(digits, turn))];

        int rankIndex = (digitAt(digits, pointers[0]) * 100 + digitAt(digits, pointers[1]) * 10 +
                         digitAt(digits, pointers[2])) %
                        kRanks;
        if (rankIndex >= ranksLeft) {
            rankIndex = forward ? ranksLeft - 1 : 0;
        }
        const int rank = ranks[static_cast<std::size_t>(rankIndex)];
        std::copy(ranks.begin() + rankIndex + 1, ranks.begin() + ranksLeft,
                  ranks.begin() + rankIndex);
        --ranksLeft;

        for (int& p : pointers) {
            p = p == kDealNumberLength ? 1 : p + 1;
        }

        const auto& steps = kStepTable[static_cast<std::size_t>(d)];
        cursor -= d;
        for (int k = 1; k <= passes; ++k) {
            const auto pass = static_cast<std::size_t>(k - 1);
            cursor = wrapCursor(cursor + steps[pass], size);
            const int code = (suits[pass] - 1) * kRanks + rank + (k > 4 ? 52 : 0);
            if (slots[static_cast<std::size_t>(cursor)] != kEmptySlot) {
                // The cursor follows the card to the slot it finds; when the
                // array is full the card is not dealt and the cursor is -1.
                cursor = findFreeSlot(slots, cursor, forward);
                if (cursor < 0) {
                    continue;
                }
            }
            slots[static_cast<std::size_t>(cursor)] = code;
        }
    }
    return slots;
}

DealArray buildDealArray(const ProgramState& state, seam::Frontend& frontend) {
    return buildDealArray(state.settings.read(settings::field::DealNumber), state.params, frontend);
}

int findFreeSlot(const DealArray& slots, int start, bool forward) {
    const int size = static_cast<int>(slots.size());
    const auto isFree = [&slots](int i) {
        return slots[static_cast<std::size_t>(i)] == kEmptySlot;
    };
    if (forward) {
        for (int i = std::max(start, 0); i < size; ++i) {
            if (isFree(i)) {
                return i;
            }
        }
    } else {
        for (int i = std::min(start, size - 1); i >= 0; --i) {
            if (isFree(i)) {
                return i;
            }
        }
    }
    for (int i = 0; i < size; ++i) {
        if (isFree(i)) {
            return i;
        }
    }
    return -1;
}

std::string dealArrayText(const DealArray& slots) {
    std::string text;
    text.reserve(slots.size() * 4);
    for (const int code : slots) {
        if (!text.empty()) {
            text += ' ';
        }
        text += cardText(code);
    }
    return text;
}

} // namespace vellomir::table
