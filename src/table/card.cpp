#include "table/card.h"

#include "settings/number_text.h"

namespace vellomir::table {
namespace {

// The code within its pack (1-52), jokers keep their code.
int inPack(int code) {
    return code > 52 && code < kFirstJoker ? code - 52 : code;
}

constexpr const char* kRankWords[] = {"ace",   "two",  "three", "four", "five",  "six", "seven",
                                      "eight", "nine", "ten",   "jack", "queen", "king"};
constexpr const char* kSuitWords[] = {"hearts", "diamonds", "clubs", "spades"};

} // namespace

int suitOf(int code) {
    const int c = inPack(code);
    if (c >= 1 && c <= 52) {
        return (c - 1) / 13;
    }
    return -1;
}

int rankOf(int code) {
    if (isJoker(code)) {
        return kJokerRank;
    }
    const int c = inPack(code);
    if (c >= 1 && c <= 52) {
        return (c - 1) % 13 + 1;
    }
    return -1;
}

bool isRed(int code) {
    return (code >= 1 && code <= 26) || (code >= 53 && code <= 78);
}

bool isJoker(int code) {
    return code >= kFirstJoker && code <= kLastCard;
}

bool isCourt(int code) {
    const int rank = rankOf(code);
    return rank >= 11 && rank <= 13;
}

int rankBelow(int rank) {
    return rank == 1 ? 13 : rank - 1;
}

int rankAbove(int rank) {
    return rank == 13 ? 1 : rank + 1;
}

std::string cardWords(int code) {
    if (isJoker(code)) {
        return "a joker";
    }
    const int suit = suitOf(code);
    if (suit < 0) {
        return "no card";
    }
    std::string words =
        std::string("the ") + kRankWords[rankOf(code) - 1] + " of " + kSuitWords[suit];
    if (code > 52) {
        words += " of the second pack";
    }
    return words;
}

std::string cardText(int code) {
    return settings::formatNumber(code, 3);
}

int cardFromText(std::string_view digits) {
    if (digits.size() != 3) {
        return -1;
    }
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            return -1;
        }
    }
    return (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
}

} // namespace vellomir::table
