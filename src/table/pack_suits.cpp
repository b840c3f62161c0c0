#include "table/pack_suits.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"

namespace vellomir::table {

namespace {

namespace param = catalogue::param;

constexpr int kHearts = 0;
constexpr int kSpades = 3;
constexpr int kCardsInPack = 52;
constexpr int kRanks = 13;

} // namespace

int suitInPlay(const catalogue::GameParameters& params, int code) {
    const int suit = suitOf(code);
    if (suit < 0) {
        return suit;
    }
    switch (params[param::PackSuits]) {
    case 1:
        return kSpades;
    case 2:
        return isRed(code) ? kHearts : kSpades;
    default:
        return suit;
    }
}

bool redInPlay(const catalogue::GameParameters& params, int code) {
    return params[param::PackSuits] == 1 ? false : isRed(code);
}

int shownCard(const catalogue::GameParameters& params, int code) {
    const int suit = suitOf(code);
    if (suit < 0 || params[param::PackSuits] == 0) {
        return code;
    }
    const int pack = code > kCardsInPack ? 1 : 0;
    return pack * kCardsInPack + suitInPlay(params, code) * kRanks + rankOf(code);
}

} // namespace vellomir::table
