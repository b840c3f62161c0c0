#pragma once

#include "catalogue/parameter_index.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellomir::catalogue {

/// Whether a named parameter is one cell or one cell per pile of a kind.
enum class ParameterShape { Single, PerFoundation, PerTableau, PerReserve };

/// Cells a parameter of the shape occupies: 1, or the most piles of its kind
/// (16 foundations, 28 tableaus, 10 reserves).
constexpr int cellCount(ParameterShape shape) {
    switch (shape) {
    case ParameterShape::PerFoundation:
        return 16;
    case ParameterShape::PerTableau:
        return 28;
    case ParameterShape::PerReserve:
        return 10;
    case ParameterShape::Single:
        break;
    }
    return 1;
}

/// One symbolic name of the game parameter table: the name, the index of its
/// (first) cell, its shape and the range of values its meaning allows.
struct ParameterName {
    std::string_view name;
    int index;
    ParameterShape shape;
    int minValue;
    int maxValue;

    constexpr int cells() const { return cellCount(shape); }
    constexpr int lastIndex() const { return index + cells() - 1; }
};

namespace detail {
inline constexpr int kMin16 = INT16_MIN;
inline constexpr int kMax16 = INT16_MAX;
} // namespace detail

// The name of each entry is the spelling of its constant in param::, so the
// table and the constants cannot drift apart.
// clang-format off
#define VELLOMIR_PARAMETER(NAME, SHAPE, MIN, MAX) \
    ParameterName{#NAME, param::NAME, ParameterShape::SHAPE, MIN, MAX}
// clang-format on

/// Every parameter the catalogue may set, in index order.
inline constexpr std::array kParameterNames{
    VELLOMIR_PARAMETER(FoundationBaseMode, Single, 0, 4),
    VELLOMIR_PARAMETER(RunCheck, Single, 0, 10),
    VELLOMIR_PARAMETER(TableauFanStyle, Single, 0, 9),
    VELLOMIR_PARAMETER(FoundationFanStyle, Single, 0, 9),
    VELLOMIR_PARAMETER(ReserveFanStyle, Single, 0, 9),
    VELLOMIR_PARAMETER(StockFaceDown, Single, 0, 1),
    VELLOMIR_PARAMETER(WasteCardLocked, Single, 0, 1),
    VELLOMIR_PARAMETER(EmptyStockIsRedeal, Single, 0, 1),
    VELLOMIR_PARAMETER(EmptyWasteIsRedeal, Single, 0, 1),
    VELLOMIR_PARAMETER(ExtraCardToFoundation1, Single, 0, 1),
    VELLOMIR_PARAMETER(RunSizeLimit, Single, -13, 104),
    VELLOMIR_PARAMETER(CoveredReserveSendable, Single, -14, 0),
    VELLOMIR_PARAMETER(StockPasses, Single, -1, 999),
    VELLOMIR_PARAMETER(PassCountingStyle, Single, -99, 99),
    VELLOMIR_PARAMETER(WasteButtonDealMode, Single, 0, 1),
    VELLOMIR_PARAMETER(FoundationTakeBack, Single, 0, 3),
    VELLOMIR_PARAMETER(AutoplayAvailable, Single, 0, 1),
    VELLOMIR_PARAMETER(ClockFace, Single, 0, 1),
    VELLOMIR_PARAMETER(TableauDraws, Single, 0, 3),
    VELLOMIR_PARAMETER(CardsPerStockClick, Single, 0, 104),
    VELLOMIR_PARAMETER(FillStyle, Single, 0, 11),
    VELLOMIR_PARAMETER(SweepTableauByTableau, Single, 0, 1),
    VELLOMIR_PARAMETER(LockedTableauRows, Single, 0, 28),
    VELLOMIR_PARAMETER(LockedTableauRowLength, Single, 0, 28),
    VELLOMIR_PARAMETER(TableauLine, Single, 0, 1),
    VELLOMIR_PARAMETER(GridWidth, Single, 0, 28),
    VELLOMIR_PARAMETER(GapRows, Single, 0, 1),
    VELLOMIR_PARAMETER(RankStep, Single, 0, 6),
    VELLOMIR_PARAMETER(RuleSwitch30, Single, detail::kMin16, detail::kMax16),
    VELLOMIR_PARAMETER(FoundationMaxCards, Single, 0, 108),
    VELLOMIR_PARAMETER(TableauMaxCards, Single, -1, 108),
    VELLOMIR_PARAMETER(DealArrangement, Single, 0, 17),
    VELLOMIR_PARAMETER(StockFirstRestriction, Single, 0, 3),
    VELLOMIR_PARAMETER(PokerHands, Single, 0, 1),
    VELLOMIR_PARAMETER(ClickToPlay, Single, 0, 1),
    VELLOMIR_PARAMETER(ScreenClass, Single, 0, 2),
    VELLOMIR_PARAMETER(SelectionGame, Single, 0, 999),
    VELLOMIR_PARAMETER(FirstMoveFromTableau, Single, 0, 2),
    VELLOMIR_PARAMETER(FillTableausAfterFirstMove, Single, 0, 1),
    VELLOMIR_PARAMETER(AutomaticFaceUp, Single, 0, 1),
    VELLOMIR_PARAMETER(JokersDealt, Single, 0, 1),
    VELLOMIR_PARAMETER(CardCountScoreBase, Single, -999, 999),
    VELLOMIR_PARAMETER(TargetScore, Single, detail::kMin16, detail::kMax16),
    VELLOMIR_PARAMETER(GameType, Single, 0, 99),
    VELLOMIR_PARAMETER(FoundationBaseRank, PerFoundation, -2, 127),
    VELLOMIR_PARAMETER(FoundationDirection, PerFoundation, 0, 2),
    VELLOMIR_PARAMETER(FoundationRule, PerFoundation, 0, 127),
    VELLOMIR_PARAMETER(FoundationStartCard, PerFoundation, 0, 208),
    VELLOMIR_PARAMETER(FoundationCompleteCount, PerFoundation, -1, 108),
    VELLOMIR_PARAMETER(TableauEmptyCode, PerTableau, -1, 127),
    VELLOMIR_PARAMETER(TableauDirection, PerTableau, 0, 2),
    VELLOMIR_PARAMETER(TableauRule, PerTableau, 0, 127),
    VELLOMIR_PARAMETER(TableauBaseFlag, PerTableau, 0, 3),
    VELLOMIR_PARAMETER(TableauLaterDeal, PerTableau, 0, 8),
    VELLOMIR_PARAMETER(ReserveDropRule, PerReserve, 0, 127),
    VELLOMIR_PARAMETER(ReserveLaterDeal, PerReserve, 0, 8),
    VELLOMIR_PARAMETER(FirstDiscardCard, Single, 0, 208),
    VELLOMIR_PARAMETER(WasteDropRule, Single, 0, 99),
    VELLOMIR_PARAMETER(WasteNotDropTarget, Single, 0, 9),
    VELLOMIR_PARAMETER(StockLayout, Single, 0, 999),
    VELLOMIR_PARAMETER(StockRow, Single, 0, 4),
    VELLOMIR_PARAMETER(FoundationLayout, Single, 0, 999),
    VELLOMIR_PARAMETER(FoundationRow, Single, 0, 4),
    VELLOMIR_PARAMETER(TableauLayout, Single, 0, 999),
    VELLOMIR_PARAMETER(TableauRow, Single, 0, 4),
    VELLOMIR_PARAMETER(TableauRows, Single, 0, 28),
    VELLOMIR_PARAMETER(ReserveLayout, Single, 0, 999),
    VELLOMIR_PARAMETER(ReserveRow, Single, 0, 4),
    VELLOMIR_PARAMETER(DiscardLayout, Single, 0, 999),
    VELLOMIR_PARAMETER(DiscardRow, Single, 0, 4),
    VELLOMIR_PARAMETER(StockPilesPlaced, Single, 0, 2),
    VELLOMIR_PARAMETER(FoundationCount, Single, 0, 16),
    VELLOMIR_PARAMETER(TableauCount, Single, 0, 28),
    VELLOMIR_PARAMETER(ReserveCount, Single, 0, 10),
    VELLOMIR_PARAMETER(DiscardPresent, Single, 0, 1),
    VELLOMIR_PARAMETER(CardCount, Single, 0, 104),
    VELLOMIR_PARAMETER(StockCards, Single, 0, 108),
    VELLOMIR_PARAMETER(WasteCards, Single, 0, 108),
    VELLOMIR_PARAMETER(JokerCount, Single, 0, 4),
    VELLOMIR_PARAMETER(TableauStartCards, PerTableau, 0, 1504),
    VELLOMIR_PARAMETER(TableauStartFace, PerTableau, -3, 108),
    VELLOMIR_PARAMETER(DiscardCards, Single, 0, 108),
    VELLOMIR_PARAMETER(ReserveStartCards, PerReserve, 0, 108),
    VELLOMIR_PARAMETER(ReserveStartFace, PerReserve, -4, 108),
    VELLOMIR_PARAMETER(TableauRedealGroup, Single, 0, 13),
    VELLOMIR_PARAMETER(TableauRedealShuffled, Single, 0, 1),
    VELLOMIR_PARAMETER(TableauPeaks, Single, 0, 3),
    VELLOMIR_PARAMETER(PackSuits, Single, 0, 2),
    VELLOMIR_PARAMETER(SolvableGridDeal, Single, 0, 1),
    VELLOMIR_PARAMETER(FoundationTakesSuitRun, Single, 0, 1),
    VELLOMIR_PARAMETER(KingsToBottom, Single, 0, 1),
    VELLOMIR_PARAMETER(ExpectedDuration, Single, 0, 2),
    VELLOMIR_PARAMETER(RulesDifficulty, Single, 0, 2),
    VELLOMIR_PARAMETER(SkillNeeded, Single, 0, 4),
    VELLOMIR_PARAMETER(WinningChance, Single, 0, 4),
    VELLOMIR_PARAMETER(WinningRatioWins, Single, 0, detail::kMax16),
    VELLOMIR_PARAMETER(WinningRatioGames, Single, 0, detail::kMax16),
};

#undef VELLOMIR_PARAMETER

/// The entry named `name` (exact spelling), or nullptr.
const ParameterName* findParameter(std::string_view name);

/// The entry whose cells include `index`, or nullptr for a cell no name covers.
const ParameterName* parameterAt(int index);

/// A readable label for one cell: the name, with the 1-based pile number for
/// per-pile cells ("TableauRule3"), or "#" and the index for unnamed cells.
std::string cellLabel(int index);

} // namespace vellomir::catalogue
