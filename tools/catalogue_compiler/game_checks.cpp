#include "catalogue_compiler/game_checks.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/rank_step.h"
#include "table/reserve_aces_up.h"
#include "table/reserve_faces.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <initializer_list>

namespace vellomir::tools {
namespace {

namespace param = catalogue::param;
using catalogue::codeOf;
using catalogue::DealArrangement;
using catalogue::ParameterShape;
using table::kLineFarStep;

// The fan style that lays a pile's cards side by side, and the deal
// arrangement that turns the aces into gaps.
constexpr int kSideBySideFan = catalogue::codeOf(catalogue::FanStyle::SideBySide);
constexpr int kAcesIntoGaps = catalogue::codeOf(catalogue::DealArrangement::AcesIntoGaps);

// The line to blame for a value: where it is set, else the game's number.
int lineOf(const GameSource& game, int index) {
    const ParameterSetting* setting = game.setting(index);
    return setting != nullptr ? setting->line : game.numberLine;
}

int pileCountIndex(ParameterShape shape) {
    switch (shape) {
    case ParameterShape::PerFoundation:
        return param::FoundationCount;
    case ParameterShape::PerTableau:
        return param::TableauCount;
    case ParameterShape::PerReserve:
        return param::ReserveCount;
    case ParameterShape::Single:
        break;
    }
    return 0;
}

const char* pileWord(ParameterShape shape) {
    switch (shape) {
    case ParameterShape::PerFoundation:
        return "foundations";
    case ParameterShape::PerTableau:
        return "tableaus";
    case ParameterShape::PerReserve:
        return "reserves";
    case ParameterShape::Single:
        break;
    }
    return "piles";
}

bool contains(std::initializer_list<int> codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The arrangement codes the table layout knows, by pile kind.
void checkLayoutCodes(const GameSource& game, std::vector<Diagnostic>& diagnostics) {
    struct Kind {
        const char* what;
        int countIndex;
        int codeIndex;
        std::initializer_list<int> codes;
    };
    const Kind kinds[] = {
        {"stock", param::StockPilesPlaced, param::StockLayout, {3, 4, 5, 11, 13, 16, 19, 21}},
        {"foundation",
         param::FoundationCount,
         param::FoundationLayout,
         {1, 2, 7, 8, 9, 13, 17, 18}},
        {"tableau", param::TableauCount, param::TableauLayout, {1,   2,   3,   10,  11,  12,  13,
                                                                14,  15,  18,  20,  21,  52,  53,
                                                                54,  55,  56,  123, 124, 125, 126,
                                                                127, 128, 129, 130}},
        {"reserve", param::ReserveCount, param::ReserveLayout, {4, 5, 6, 7, 11, 12}},
        {"discard pile", param::DiscardPresent, param::DiscardLayout, {4, 6, 7, 16}},
    };
    for (const Kind& kind : kinds) {
        const int code = game.column[static_cast<std::size_t>(kind.codeIndex)];
        if (game.column[static_cast<std::size_t>(kind.countIndex)] > 0 &&
            !contains(kind.codes, code)) {
            // Blame the code when it is written, else the count that asks for piles.
            const int line = game.setting(kind.codeIndex) != nullptr
                                 ? lineOf(game, kind.codeIndex)
                                 : lineOf(game, kind.countIndex);
            diagnostics.push_back({game.file, line,
                                   "the " + std::string(kind.what) + " layout code " +
                                       std::to_string(code) +
                                       " is not one the table layout knows"});
        }
    }
}

// Whether each of the Clock's 13 piles is dealt exactly `perRank` cards.
bool everyClockPileHolds(const GameSource& game, int perRank) {
    for (int t = 0; t < 13; ++t) {
        if (game.column[static_cast<std::size_t>(param::TableauStartCards + t)] != perRank) {
            return false;
        }
    }
    return true;
}

// How many cards the deal array holds after the preparation of parameter 33.
int cardsAvailable(const GameSource& game) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int cards = p(param::CardCount);
    const int tableaus = p(param::TableauCount);
    switch (p(param::DealArrangement)) {
    case codeOf(DealArrangement::SlidingPuzzle):
        return std::min(tableaus, cards);
    case codeOf(DealArrangement::FirstOfEachRank):
        return std::min(tableaus, 13);
    case codeOf(DealArrangement::OneSuitAceToNine):
        return 9;
    case codeOf(DealArrangement::SelectionSet): {
        int kept = 0;
        const auto keep = [&](std::initializer_list<int> codes) {
            for (int code : codes) {
                kept += cards == 104 || code <= 52 ? 1 : 0;
            }
        };
        keep({1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95});
        if (tableaus != 3) {
            keep({9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103});
        }
        if (tableaus != 3 && tableaus != 4) {
            keep({2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104});
        }
        return std::min(kept, cards);
    }
    default:
        break;
    }
    return cards + (p(param::JokersDealt) == 1 ? p(param::JokerCount) : 0);
}

// How many cards the set-up takes from the deal array.
int cardsDealt(const GameSource& game) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int foundations = p(param::FoundationCount);
    int dealt = p(param::StockCards) + p(param::WasteCards) + p(param::DiscardCards);
    for (int t = 0; t < p(param::TableauCount); ++t) {
        const int count = p(param::TableauStartCards + t);
        dealt += count > 1000 ? 1 : count;
    }
    for (int r = 0; r < p(param::ReserveCount); ++r) {
        dealt += p(param::ReserveStartCards + r);
    }
    for (int f = 0; f < foundations; ++f) {
        const int start = p(param::FoundationStartCard + f);
        dealt += start != 0 && start != 92 && start != 96 ? 1 : 0;
    }
    dealt += p(param::FirstDiscardCard) != 0 ? 1 : 0;
    dealt += p(param::ExtraCardToFoundation1) == 1 ? 1 : 0;
    switch (p(param::FoundationBaseMode)) {
    case 1:
    case 4:
        dealt += 1;
        break;
    case 2:
        dealt += foundations;
        break;
    default:
        break;
    }
    dealt +=
        p(param::DealArrangement) == codeOf(DealArrangement::FoundationsFromDeal) ? foundations : 0;
    return dealt;
}

// A line of piles (Accordion) is the whole table: its cards are won in one
// pile, so no foundation or reserve may hold any; the stock deals to each
// place in turn, and the dealt piles start the line with no gap.
template <typename Report> void checkLine(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    if (p(param::TableauLine) == 0) {
        return;
    }
    const int places = p(param::TableauCount);
    if (places <= kLineFarStep) {
        report(param::TableauLine, param::TableauCount,
               "TableauLine moves piles three places back: TableauCount must be " +
                   std::to_string(kLineFarStep + 1) + " or more");
    }
    if (p(param::FoundationCount) > 0 || p(param::ReserveCount) > 0) {
        report(param::TableauLine, param::FoundationCount,
               "TableauLine wins with every card in one pile of the line: FoundationCount and "
               "ReserveCount must be 0");
    }
    bool gap = false;
    for (int t = 0; t < places; ++t) {
        const int dealt = p(param::TableauStartCards + t);
        if (dealt < 0 || dealt > 1 || (gap && dealt > 0)) {
            report(param::TableauStartCards, param::TableauLine,
                   "TableauLine deals one card to each of the first places and none after: "
                   "TableauStartCards must be 1s followed by 0s");
            break;
        }
        gap = gap || dealt == 0;
    }
    for (int t = 0; t < places; ++t) {
        if (p(param::TableauLaterDeal + t) != 1) {
            report(param::TableauLaterDeal, param::TableauLine,
                   "TableauLine deals the stock's cards to the places in turn: TableauLaterDeal "
                   "must be 1 for every tableau");
            break;
        }
    }
}

// The gap rows (Montana) keep every card in the rows, side by side, each row
// led by a card of the rank its empty-pile code names; the deal leaves the
// gaps by taking the aces out.
template <typename Report> void checkGapRows(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    if (p(param::GapRows) == 0) {
        return;
    }
    const int rows = p(param::TableauCount);
    if (rows < 1) {
        report(param::GapRows, param::TableauCount,
               "GapRows plays in the rows of the tableaus: TableauCount must be 1 or more");
        return;
    }
    if (p(param::FoundationCount) > 0 || p(param::ReserveCount) > 0) {
        report(param::GapRows, param::FoundationCount,
               "GapRows wins with every card in its row: FoundationCount and ReserveCount must "
               "be 0");
    }
    if (p(param::TableauFanStyle) != kSideBySideFan) {
        report(param::TableauFanStyle, param::GapRows,
               "GapRows lays each row's places side by side: TableauFanStyle must be " +
                   std::to_string(kSideBySideFan));
    }
    if (p(param::DealArrangement) != kAcesIntoGaps) {
        report(param::DealArrangement, param::GapRows,
               "GapRows needs gaps to move cards into: DealArrangement must be " +
                   std::to_string(kAcesIntoGaps) + " (the aces taken out, leaving gaps)");
    }
    int dealt = 0;
    for (int t = 0; t < rows; ++t) {
        dealt += p(param::TableauStartCards + t);
    }
    for (int t = 0; t < rows; ++t) {
        const int first = p(param::TableauEmptyCode + t);
        if (first < 2 || first > 13) {
            report(param::TableauEmptyCode, param::GapRows,
                   "GapRows leads each row with the rank its empty-pile code names: "
                   "TableauEmptyCode must be a rank from 2 to 13 for every row");
            break;
        }
    }
    if (dealt != p(param::CardCount)) {
        report(param::TableauStartCards, param::GapRows,
               "GapRows deals the whole pack into the rows: TableauStartCards must add up to "
               "CardCount");
    }
}

// The rank a foundation starts from: the rank of the card dealt to it (a
// rank of its suit, or a card code from 100 on), else its base rank code.
int foundationStartRank(const GameSource& game, int f) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    constexpr int kRanks = 13;
    constexpr int kCardCodeOffset = 100;
    const int start = p(param::FoundationStartCard + f);
    if (start >= 1 && start <= kRanks) {
        return start;
    }
    if (start > kCardCodeOffset) {
        return (start - kCardCodeOffset - 1) % kRanks + 1;
    }
    return p(param::FoundationBaseRank + f);
}

// A foundation built by a step never turns the corner: it starts from a
// fixed rank and is complete with the ranks the step reaches from there.
template <typename Report> void checkRankStep(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int step = p(param::RankStep);
    if (step < 2) {
        return;
    }
    const std::string stepText = "RankStep " + std::to_string(step);
    for (int f = 0; f < p(param::FoundationCount); ++f) {
        // A pile of aces builds no step.
        if (p(param::FoundationRule + f) == codeOf(catalogue::BuildingRuleCode::AceOnly)) {
            continue;
        }
        const std::string which = "foundation " + std::to_string(f + 1);
        const int base = foundationStartRank(game, f);
        if (base < 1 || base > 13) {
            report(param::FoundationBaseRank, param::RankStep,
                   stepText + " builds from a fixed rank: " + which +
                       " must start from a rank (FoundationBaseRank 1 to 13 or a starting card)");
            return;
        }
        const int direction = p(param::FoundationDirection + f);
        const int reached = engine::ranksReachedByStep(base, direction, step);
        const int own = p(param::FoundationCompleteCount + f);
        const int complete = own == -1 ? p(param::FoundationMaxCards) : own;
        if (complete != reached) {
            report(param::FoundationCompleteCount, param::RankStep,
                   stepText + " builds " + which + " from rank " + std::to_string(base) +
                       " without turning the corner: its FoundationCompleteCount must be " +
                       std::to_string(reached));
            return;
        }
    }
}

// Draws take a card from under a tableau's top card; the row games lift
// cards from inside their rows by rules of their own.
template <typename Report> void checkTableauDraws(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    if (p(param::TableauDraws) == 0) {
        return;
    }
    if (p(param::TableauCount) < 1) {
        report(param::TableauDraws, param::TableauCount,
               "TableauDraws draws cards from under the tableaus' top cards: TableauCount must "
               "be 1 or more");
    }
    if (p(param::GapRows) != 0 || p(param::TableauLine) != 0) {
        report(param::TableauDraws, p(param::GapRows) != 0 ? param::GapRows : param::TableauLine,
               "TableauDraws cannot be played with GapRows or TableauLine, whose cards lift from "
               "inside their rows by rules of their own");
    }
}

// Braid's foundations: the way they build is read from the foundations
// alone, so the rule has no meaning on a tableau; the cells that take the
// waste's card need a waste on the table.
template <typename Report> void checkBraidPiles(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int oneWay = codeOf(catalogue::BuildingRuleCode::InSuitOneWayWrapping);
    for (int t = 0; t < p(param::TableauCount); ++t) {
        if (p(param::TableauRule + t) == oneWay) {
            report(param::TableauRule, param::TableauCount,
                   "TableauRule 98 (InSuitOneWayWrapping) reads the way the foundations build: "
                   "it is a FoundationRule only");
            break;
        }
    }
    const int fromWaste = codeOf(catalogue::ReserveDropRule::SingleFromWasteOntoEmpty);
    for (int r = 0; r < p(param::ReserveCount); ++r) {
        if (p(param::ReserveDropRule + r) == fromWaste && p(param::StockPilesPlaced) < 2) {
            report(param::ReserveDropRule, param::StockPilesPlaced,
                   "ReserveDropRule 87 (SingleFromWasteOntoEmpty) takes the waste's card: "
                   "StockPilesPlaced must be 2");
            break;
        }
    }
}

// The gallery piles build only on their base card, which the pile's own
// code names; the reserves refilled from the stock need a stock and reserves.
template <typename Report> void checkGalleryPiles(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int onBase = codeOf(catalogue::BuildingRuleCode::InSuitOnBaseCard);
    const auto isRank = [](int code) { return code >= 1 && code <= 13; };
    for (int t = 0; t < p(param::TableauCount); ++t) {
        if (p(param::TableauRule + t) == onBase && !isRank(p(param::TableauEmptyCode + t))) {
            report(param::TableauRule, param::TableauEmptyCode,
                   "TableauRule 99 (InSuitOnBaseCard) builds on the pile's base card: tableau " +
                       std::to_string(t + 1) + " needs a TableauEmptyCode rank, 1 to 13");
            break;
        }
    }
    for (int f = 0; f < p(param::FoundationCount); ++f) {
        if (p(param::FoundationRule + f) == onBase && !isRank(p(param::FoundationBaseRank + f))) {
            report(param::FoundationRule, param::FoundationBaseRank,
                   "FoundationRule 99 (InSuitOnBaseCard) builds on the pile's base card: "
                   "foundation " +
                       std::to_string(f + 1) + " needs a FoundationBaseRank, 1 to 13");
            break;
        }
    }
    if (p(param::FillStyle) == codeOf(catalogue::FillStyle::ReservesFromStock)) {
        if (p(param::ReserveCount) < 1) {
            report(param::FillStyle, param::ReserveCount,
                   "FillStyle 11 (ReservesFromStock) refills the reserves: the game has none");
        }
        if (p(param::StockCards) < 1) {
            report(param::FillStyle, param::StockCards,
                   "FillStyle 11 (ReservesFromStock) refills from the stock: StockCards must be "
                   "1 or more");
        }
    }
}

// Poker Square's hands are the rows and columns of a five by five square
// of one card a place, and the game is won at a target score.
template <typename Report> void checkPokerHands(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    if (p(param::PokerHands) == 0) {
        return;
    }
    constexpr int kPlaces = 25;
    if (p(param::TableauCount) != kPlaces) {
        report(param::PokerHands, param::TableauCount,
               "PokerHands scores a square of five rows of five: TableauCount must be 25");
    }
    if (p(param::TableauMaxCards) != 1) {
        report(param::PokerHands, param::TableauMaxCards,
               "PokerHands scores one card a place: TableauMaxCards must be 1");
    }
    if (p(param::TargetScore) < 1) {
        report(param::PokerHands, param::TargetScore,
               "PokerHands wins at a score: TargetScore must be 1 or more");
    }
}

// The deals laid from the kings start a new tableau at each king: each
// tableau beyond the number of kings in the packs would be dealt nothing.
template <typename Report> void checkLaidFromKings(const GameSource& game, const Report& report) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const int arrangement = p(param::DealArrangement);
    if (arrangement != codeOf(DealArrangement::LaidFromKings) &&
        arrangement != codeOf(DealArrangement::LaidFromKingsInPlay)) {
        return;
    }
    constexpr int kKingsInAPack = 4;
    const int kings = p(param::CardCount) >= 52 ? p(param::CardCount) / 52 * kKingsInAPack : 0;
    if (p(param::TableauCount) < 1 || p(param::TableauCount) > kings) {
        report(param::DealArrangement, param::TableauCount,
               "DealArrangement " + std::to_string(arrangement) +
                   " starts a new tableau at each king: TableauCount must be 1 to " +
                   std::to_string(kings) + ", the kings in the packs");
    }
}

// Parameters that the engine cannot play together: each would lose cards,
// or hide them where the player cannot reach them, or leave a rule with
// nothing to work on.
void checkCombinations(const GameSource& game, std::vector<Diagnostic>& diagnostics) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    // Blame the line of the first of two parameters that is written.
    const auto report = [&](int first, int second, std::string message) {
        const int index = game.setting(first) != nullptr ? first : second;
        diagnostics.push_back({game.file, lineOf(game, index), std::move(message)});
    };
    const int type = p(param::GameType);
    const bool selection = p(param::SelectionGame) != 0 || type == 3 || type == 4 || type == 33;
    if (selection && p(param::FoundationCount) > 0) {
        report(param::FoundationCount, param::SelectionGame,
               "a selection game keeps its selection in foundation 1: FoundationCount must be 0");
    }
    const bool discards = selection || type == 2 || type == 12 || type == 15;
    if (discards && p(param::DiscardPresent) == 0) {
        report(param::GameType, param::SelectionGame,
               "the game puts cards on the discard pile: DiscardPresent must be 1");
    }
    if (p(param::EmptyWasteIsRedeal) == 1 && p(param::StockPilesPlaced) < 2) {
        report(param::EmptyWasteIsRedeal, param::StockPilesPlaced,
               "stock clicks deal to the waste: StockPilesPlaced must be 2");
    }
    // A reserve that hides all but its last card gives its cards only from
    // the top: a card put on it would bury the one about to turn up.
    for (int r = 0; r < p(param::ReserveCount); ++r) {
        if (p(param::ReserveStartFace + r) == table::kReserveLastCardUp &&
            p(param::ReserveDropRule + r) != 4) {
            report(param::ReserveStartFace, param::ReserveDropRule,
                   "ReserveStartFace -4 shows only the reserve's last card: its ReserveDropRule "
                   "must be 4 (Refused)");
            break;
        }
    }
    if (p(param::FillStyle) == 1 && p(param::ReserveCount) < 1) {
        report(param::FillStyle, param::ReserveCount,
               "FillStyle 1 fills from reserve 1: the game has no reserves");
    }
    // n peaks take 3n + 1 cards in their bottom row and 6n in the rows above.
    if (const int peaks = p(param::TableauPeaks);
        peaks > 0 && p(param::TableauCount) != 9 * peaks + 1) {
        report(param::TableauPeaks, param::TableauCount,
               "TableauPeaks " + std::to_string(peaks) + " lays out " +
                   std::to_string(9 * peaks + 1) + " tableaus: TableauCount must be " +
                   std::to_string(9 * peaks + 1));
    }
    checkLine(game, report);
    checkGapRows(game, report);
    checkRankStep(game, report);
    checkTableauDraws(game, report);
    checkLaidFromKings(game, report);
    checkBraidPiles(game, report);
    checkGalleryPiles(game, report);
    checkPokerHands(game, report);
    // A reserve whose every card plays needs a reserve.
    if (p(param::CoveredReserveSendable) == catalogue::kCoveredReserveCardsPlay &&
        p(param::ReserveCount) < 1) {
        report(param::CoveredReserveSendable, param::ReserveCount,
               "CoveredReserveSendable -11 frees every card of the reserves: the game has no "
               "reserves");
    }
    // Frog's deal sends the first reserve's aces up and refills it from the
    // stock: it needs a dealt reserve and foundations to take the aces.
    if (p(param::DealArrangement) == table::kReserveAcesUpArrangement) {
        if (p(param::ReserveCount) < 1 || p(param::ReserveStartCards) < 1) {
            report(param::DealArrangement, param::ReserveStartCards,
                   "DealArrangement 16 sends the aces of the first reserve up: the game deals "
                   "no card to a reserve");
        }
        if (p(param::FoundationCount) < 1) {
            report(param::DealArrangement, param::FoundationCount,
                   "DealArrangement 16 sends the aces of the first reserve up: the game has no "
                   "foundations");
        }
    }
    if (p(param::FirstMoveFromTableau) == 2 && p(param::FoundationCount) < 1) {
        report(param::FirstMoveFromTableau, param::FoundationCount,
               "FirstMoveFromTableau 2 opens with a card to a foundation: the game has no "
               "foundations");
    }
    // The Clock's piles are the twelve hours and the kings; each is dealt as
    // many cards as there are of a rank, so a pile's turn is due exactly
    // while it holds one card more than it was dealt.
    if (p(param::ClockFace) != 0) {
        const int perRank = p(param::CardCount) / 13;
        if (p(param::TableauCount) != 13) {
            report(param::ClockFace, param::TableauCount,
                   "ClockFace lays out the 13 piles of the clock: TableauCount must be 13");
        } else if (p(param::CardCount) % 13 != 0 || !everyClockPileHolds(game, perRank)) {
            report(param::ClockFace, param::TableauStartCards,
                   "ClockFace deals each pile as many cards as a rank has: TableauStartCards "
                   "must be all " +
                       std::to_string(perRank));
        }
    }
    for (int t = 0; t < p(param::TableauCount); ++t) {
        const int rule = p(param::TableauRule + t);
        if ((rule == 70 || rule == 71) && p(param::GridWidth) < 1) {
            report(param::GridWidth, param::TableauRule,
                   "tableau rule " + std::to_string(rule) +
                       " slides on a grid: GridWidth must be 1 or more");
            break;
        }
    }
}

void checkValues(const GameSource& game, std::vector<Diagnostic>& diagnostics) {
    const auto p = [&game](int index) { return game.column[static_cast<std::size_t>(index)]; };
    const auto report = [&](int index, std::string message) {
        diagnostics.push_back({game.file, lineOf(game, index), std::move(message)});
    };
    const int cards = p(param::CardCount);
    if (cards == 0) {
        report(param::CardCount,
               "CardCount is not set: every game deals from one pack (1 to 52) or two (104)");
    } else if (cards > 52 && cards != 104) {
        report(param::CardCount, "CardCount " + std::to_string(cards) +
                                     " is neither one pack (1 to 52) nor two (104)");
    }
    for (int t = 0; t < p(param::TableauCount); ++t) {
        const int count = p(param::TableauStartCards + t);
        if ((count > 108 && count <= 1000) || count == 1500) {
            report(param::TableauStartCards, "TableauStartCards value " + std::to_string(count) +
                                                 " for tableau " + std::to_string(t + 1) +
                                                 " is neither a card count (0 to 108), one card of "
                                                 "a rank (1001 to 1499) nor a joker "
                                                 "(1501 to 1504)");
        }
    }
    if (p(param::WinningRatioGames) > 0 &&
        p(param::WinningRatioWins) > p(param::WinningRatioGames)) {
        report(param::WinningRatioWins, "WinningRatioWins is larger than WinningRatioGames");
    }
    if (cards > 0) {
        const int dealt = cardsDealt(game);
        const int available = cardsAvailable(game);
        if (dealt > available) {
            report(param::CardCount, "the deal hands out " + std::to_string(dealt) +
                                         " cards but the game has only " +
                                         std::to_string(available));
        }
    }
    checkLayoutCodes(game, diagnostics);
    checkCombinations(game, diagnostics);
}

} // namespace

void resolveGame(GameSource& game, std::vector<Diagnostic>& diagnostics) {
    game.column.fill(0);
    for (const ParameterSetting& setting : game.settings) {
        if (setting.parameter->shape == ParameterShape::Single) {
            game.column[static_cast<std::size_t>(setting.parameter->index)] =
                setting.values.front();
        }
    }
    for (const ParameterSetting& setting : game.settings) {
        const ParameterShape shape = setting.parameter->shape;
        if (shape == ParameterShape::Single) {
            continue;
        }
        const int piles = game.column[static_cast<std::size_t>(pileCountIndex(shape))];
        const std::string name(setting.parameter->name);
        std::vector<int> values = setting.values;
        if (setting.everyPile) {
            if (piles == 0) {
                diagnostics.push_back(
                    {game.file, setting.line,
                     name + " = all ...: the game has no " + std::string(pileWord(shape))});
                continue;
            }
            values.assign(static_cast<std::size_t>(piles), setting.values.front());
        } else if (values.size() > static_cast<std::size_t>(std::max(piles, 1))) {
            // The first cell may be set without piles of the kind: the engine
            // reads cells 48, 128 and 268 as game-wide values too.
            diagnostics.push_back({game.file, setting.line,
                                   name + " has " + std::to_string(values.size()) +
                                       " values but the game has " + std::to_string(piles) + " " +
                                       pileWord(shape)});
            continue;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            game.column[static_cast<std::size_t>(setting.parameter->index) + i] = values[i];
        }
    }
    checkValues(game, diagnostics);
}

void checkCatalogue(const std::vector<GameSource>& games, std::vector<Diagnostic>& diagnostics) {
    for (std::size_t i = 0; i < games.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (games[i].number >= 0 && games[i].number == games[j].number) {
                diagnostics.push_back({games[i].file, games[i].numberLine,
                                       "game number " + std::to_string(games[i].number) +
                                           " is also used by " + games[j].file + ":" +
                                           std::to_string(games[j].numberLine)});
                break;
            }
        }
    }
}

} // namespace vellomir::tools
