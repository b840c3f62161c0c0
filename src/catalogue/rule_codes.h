#pragma once

// The named codes of the game parameters: the game type (parameter 47), the
// fan styles, the deal types of later deals, the filling styles of empty
// tableaus, the run-size limits and the empty-pile letters. Each list below
// gives the code, its name and what it means once: the enums, the names the
// catalogue compiler accepts in game files and docs/rule_codes.md all come
// from it.

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellomir::catalogue {

// clang-format off
#define VELLOMIR_GAME_TYPES(X) \
    X(General, 0, "the general game: won when every card is on the foundations") \
    X(NumbersToTarget, 1, "selected number cards adding up to the selection target (parameter 38), or four tens, jacks, queens or kings, leave together") \
    X(Golf, 2, "a click sends a tableau's top card to the discard pile when it is one rank off the pile's top card, never between king and ace; won when the tableaus are empty") \
    X(FourteenOut, 3, "the top cards of two tableaus are selected and leave together when their ranks add up to 14") \
    X(Pyramid, 4, "free pyramid cards, the waste card and the stock's top card are selected and leave in pairs adding up to 13") \
    X(PairsToTarget, 7, "two selected cards adding up to the selection target leave together; never more than two") \
    X(MonteCarlo, 8, "two touching cards of one rank leave; a stock click closes the gaps and refills the square") \
    X(Unscored, 9, "no score is kept; won when every tableau holds a card") \
    X(AcesFromReserve, 11, "after the deal the aces of reserve 1 go to the foundations and the waste's aces to foundation 1") \
    X(BlackHole, 12, "a top card of a tableau or reserve goes into the hole when one rank off its top card, king and ace next to each other") \
    X(RankPairsWithWaste, 14, "two cards of one rank among the tableau tops and the waste card leave; a stock click turns a card onto an empty waste") \
    X(GolfAroundTheCorner, 15, "Golf in which a king and an ace follow each other") \
    X(RankPairsWithWasteToo, 16, "as 14") \
    X(Elevens, 17, "two number cards adding up to 11, or a jack, a queen and a king, leave together") \
    X(Eighteens, 18, "an ace alone, or a court card with three number cards of different ranks adding up to 18, leave together") \
    X(DropsMoveNothing, 19, "a drop moves no card: the dropped card goes back") \
    X(Decades, 20, "cards adding up to a multiple of ten leave; a stock click deals onto the tableaus") \
    X(BetweenMatchingCards, 21, "the cards between two matching cards leave; won when the stock is empty and tableau 1 holds four cards or fewer") \
    X(RoyalMarriage, 22, "cards of the line between matching cards leave; the queen and king of hearts are taken out before the deal; won when only they are left") \
    X(SuitNeighbours, 23, "the higher and the lower card of a suit among the tableau tops; a move onto a tableau found by the automatic moves counts as a move of its own") \
    X(TensOrCourtSets, 24, "number cards adding up to 9, or sets of tens and court cards, leave together") \
    X(UncoverRankPairs, 25, "a press turns a face-down top card up; two cards of one rank leave") \
    X(UncoverElevens, 26, "a press turns a face-down top card up; cards adding up to 11, or a jack, a queen and a king, leave") \
    X(OneCardEach, 27, "won when every tableau holds exactly one card") \
    X(HitOrMiss, 28, "every card turned counts one more rank called; two passes without a hit end the game") \
    X(AcesUp, 31, "won when the stock is empty and each tableau holds just an ace") \
    X(Blank, 32, "no sending by right click, no automatic move onto a tableau, no right press picks up; never won, no score") \
    X(MarkOnly, 33, "presses only mark cards; empty tableaus refill by themselves after a removal") \
    X(PutInOrder, 34, "score -C plus 10 for each place from the first that holds its card; won at the target score") \
    X(DiscardScore, 35, "score -C plus 10 per discarded card; won at the target score, tested after every move") \
    X(ClickOnly, 36, "no card is picked up; no score; won at the target score") \
    X(PairsLessTwoPerMiss, 37, "no card is picked up; score -52, less 2 per miss, plus 10 per pair; won at the target score") \
    X(ZeroScore, 38, "the score stays 0") \
    X(PairsLessOnePerMiss, 39, "no card is picked up; score -52, less 1 per miss, plus 7 per pair; won at the target score") \
    X(OntoFaceDown, 40, "no card is picked up; a card may go onto a face-down tableau card; no score; won at the target score") \
    X(NumbersMakeTheCourt, 41, "number cards making up a court card leave with it, taken from wherever they lie; won when foundations 2 and on are empty") \
    X(TargetScoreOnly, 42, "no score is counted; won at the target score") \
    X(NineDownToOne, 43, "score -C plus 225 per tableau holding nine down to one; won by one such tableau; score and win test after every move") \
    X(NinetyOne, 44, "score 150 when the top cards from the first pile to the first empty one add up to 91, else -C; tested after each move and right after the deal; never won") \
    X(TouchingSuitPairs, 45, "two touching cards of one suit leave; won when four tableaus hold cards") \
    X(Gaps, 46, "the row game: cards move into gaps; score by runs of a suit along the rows; never won") \
    X(RowsOfSeven, 47, "rows of seven tableaus: pairs two apart in a row leave and the row's gaps close; score -C plus 5 per discarded card, 4C once the tableaus are empty") \
    X(RefillingRankPairs, 48, "two cards of one rank leave and every place they leave is refilled at once from the stock; never won") \
    X(FoursOnEachTableau, 49, "won when each of the 24 tableaus holds four cards; a card off its tableau's base rank only swaps places with a lone card")

#define VELLOMIR_FAN_STYLES(X) \
    X(Down, 1, "fanned down") \
    X(Right, 2, "fanned right") \
    X(DownTopOnly, 3, "fanned down; only the top card can be taken") \
    X(SideBySide, 4, "side by side in a grid; removed cards leave gaps") \
    X(DownPlainStep, 5, "fanned down by the plain step") \
    X(RightByCardSize, 6, "fanned right by steps that follow the card size") \
    X(DownFirstStep, 7, "fanned down by the first card's step only; a foundation is redrawn whole") \
    X(FreeForm, 8, "free-form: every card is picked up alone, a tableau is hit at its point") \
    X(FreeFormAlike, 9, "free-form: every card is picked up alone")

#define VELLOMIR_DEAL_TYPES(X) \
    X(NoLaterDeal, 0, "the pile receives nothing from the stock") \
    X(OneEach, 1, "a stock press deals one card onto each pile") \
    X(OneEachWithoutGaps, 2, "as 1, but only when every tableau holds a card") \
    X(LastEightToTableaus, 3, "reserves: with eight cards left in the stock they go to the tableaus, else two rounds onto the reserves") \
    X(AlternatingThrees, 4, "reserves: three cards at a time, onto the first or the second reserves in turn") \
    X(FaceDownReserve, 5, "reserves: dealt face down, and together with a tableau deal") \
    X(FaceDownTableau, 6, "tableaus: dealt face down") \
    X(WhileTableauHoldsCards, 7, "skipped while the tableau of the same number is empty") \
    X(FourEach, 8, "four cards onto each tableau in turn")

#define VELLOMIR_FILL_STYLES(X) \
    X(NeverFilled, 0, "empty tableaus stay empty") \
    X(FromFirstReserve, 1, "the top card of reserve 1") \
    X(FromWasteOrStock, 2, "the waste's top card, or the stock's when the waste is empty; only tableaus after the locked rows") \
    X(FromStockOrWaste, 3, "the stock's top card, or the waste's when the stock is empty") \
    X(FromWasteOrStockUnmarked, 4, "as 2, but nothing once a move found by the automatic moves was marked") \
    X(ThreeFromWaste, 5, "three cards from the top of the waste") \
    X(FromWasteToCornerTableaus, 6, "the waste's top card, only for tableaus 1, 7, 8, 14, 15, 21, 22 and 28") \
    X(FromStockFromTableau11, 7, "the stock's top card, only for tableaus 11 and on") \
    X(FromWasteOrStockWithReserves, 8, "as 2, and empty reserves after the locked rows too") \
    X(FourFromStock, 9, "four cards from the top of the stock") \
    X(FromWasteOrStockReservesEmpty, 10, "as 2, but nothing while any reserve holds a card")

#define VELLOMIR_RUN_SIZE_LIMITS(X) \
    X(AnyRun, -1, "any run may move") \
    X(FreeCellsAndTableaus, -5, "at most r + 1 cards with no empty tableau, else r + e, plus 1 unless the target is empty (r empty reserves, e empty tableaus)") \
    X(FreeCellsOrTableaus, -6, "at most r + 1 cards with no empty tableau, else r + e") \
    X(EmptyTableausCount, -7, "at most as many cards as there are empty tableaus, at least one (any negative code without a name of its own)") \
    X(KingRunOrSingle, -12, "a run from a king, or a single card") \
    X(SingleOrWholeTableau, -13, "a single card, or a whole tableau")

#define VELLOMIR_EMPTY_CODES(X) \
    X(AnyCard, -1, "an empty pile takes any card") \
    X(AceColourBalance, 'Q', "an ace, keeping the colours of the foundations so based in balance") \
    X(ProgramOnlyR, 'R', "no card by the player; the program fills it") \
    X(ProgramOnlyS, 'S', "no card by the player; the program fills it") \
    X(KingBalance, 'T', "a king, keeping colours and suits of the foundations so based in balance") \
    X(AceBalance, 'U', "an ace, keeping colours and suits of the foundations so based in balance") \
    X(SingleCardOnly, 'V', "a single card only") \
    X(FromStockOrWaste, 'W', "only a card from the stock or the waste") \
    X(NotFromTableau, 'X', "any card but one from a tableau") \
    X(TwoBalance, 'Z', "a two, keeping colours and suits of the foundations so based in balance") \
    X(SameAsFoundations, '\\', "the rank the started foundations began with") \
    X(SameAsFoundationsOrReserve, ']', "the rank the started foundations began with, or a card from a reserve") \
    X(ReserveThenWaste, '`', "from a reserve while any holds cards, then from the waste")
// clang-format on

#define VELLOMIR_CODE_ENUMERATOR(NAME, CODE, MEANING) NAME = CODE,

/// The game type (parameter 47): the family of special cases a game takes
/// part in. Codes without a name are general games.
enum class GameType : int { VELLOMIR_GAME_TYPES(VELLOMIR_CODE_ENUMERATOR) };

/// The fan styles of the tableaus, the foundations and the reserves
/// (parameters 3, 4 and 5).
enum class FanStyle : int { VELLOMIR_FAN_STYLES(VELLOMIR_CODE_ENUMERATOR) };

/// How a tableau or reserve receives later deals from the stock (parameters
/// 240 + t and 278 + r).
enum class DealType : int { VELLOMIR_DEAL_TYPES(VELLOMIR_CODE_ENUMERATOR) };

/// Where empty tableaus are refilled from (parameter 22).
enum class FillStyle : int { VELLOMIR_FILL_STYLES(VELLOMIR_CODE_ENUMERATOR) };

/// The named run-size limits (parameter 12); 0 and above is a plain limit.
enum class RunSizeLimit : int { VELLOMIR_RUN_SIZE_LIMITS(VELLOMIR_CODE_ENUMERATOR) };

/// The empty-pile codes that are not a rank (tableau empty codes, foundation
/// base codes): -1 and letters stored as their character codes. A code of
/// 1 to 13 is that rank; the set is open, so these are constants.
namespace empty_code {
#define VELLOMIR_EMPTY_CODE_CONSTANT(NAME, CODE, MEANING) inline constexpr int NAME = CODE;
VELLOMIR_EMPTY_CODES(VELLOMIR_EMPTY_CODE_CONSTANT)
#undef VELLOMIR_EMPTY_CODE_CONSTANT
} // namespace empty_code

#undef VELLOMIR_CODE_ENUMERATOR

/// The number a named code is stored as, to compare with a parameter.
template <typename Code> constexpr int codeOf(Code code) {
    return static_cast<int>(code);
}

/// The game's type.
inline GameType gameTypeOf(const GameParameters& p) {
    return static_cast<GameType>(p[param::GameType]);
}
inline bool isGameType(const GameParameters& p, GameType type) {
    return gameTypeOf(p) == type;
}
/// A general game: type 0, or a code below it.
inline bool isGeneralGame(const GameParameters& p) {
    return p[param::GameType] <= static_cast<int>(GameType::General);
}
/// The tableau fan style of the game.
inline FanStyle tableauFanStyleOf(const GameParameters& p) {
    return static_cast<FanStyle>(p[param::TableauFanStyle]);
}

/// One named code: its value, its name and what it means.
struct CodeName {
    int code;
    std::string_view name;
    std::string_view meaning;
};

/// A list of named codes and the parameters whose values it names.
struct CodeFamily {
    std::string_view title;
    std::string_view parameters;
    std::span<const CodeName> codes;
};

/// Every list of named codes, in the order docs/rule_codes.md shows them.
std::span<const CodeFamily> codeFamilies();

/// The list that names the values of the parameter whose cells include
/// `index`, or nullptr.
const CodeFamily* codeFamilyOfParameter(int index);

/// The code named `name` (exact spelling) in the list, if any.
std::optional<int> codeNamed(const CodeFamily& family, std::string_view name);

/// docs/rule_codes.md: every list as a table of code, name and meaning.
std::string ruleCodesDocument();

} // namespace vellomir::catalogue
