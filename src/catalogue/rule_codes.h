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
    X(FromWasteOrStockReservesEmpty, 10, "as 2, but nothing while any reserve holds a card") \
    X(ReservesFromStock, 11, "reserves only: an emptied reserve takes the stock's top card at once; tableaus stay empty")

#define VELLOMIR_FIRST_MOVES(X) \
    X(AnyFirstMove, 0, "the first move is like any other") \
    X(FirstFromTableau, 1, "the first action takes a tableau card, and not to a foundation") \
    X(FirstTableauToFoundation, 2, "the first move takes a tableau card to a foundation (with the base code 92 its rank becomes every foundation's base); nothing else moves, nor is the stock turned, while every foundation is empty")

#define VELLOMIR_RUN_SIZE_LIMITS(X) \
    X(AnyRun, -1, "any run may move") \
    X(FreeCellsAndTableaus, -5, "at most r + 1 cards with no empty tableau, else r + e, plus 1 unless the target is empty (r empty reserves, e empty tableaus)") \
    X(FreeCellsOrTableaus, -6, "at most r + 1 cards with no empty tableau, else r + e") \
    X(DoublingThroughEmptyPiles, -7, "at most r + 1 cards, doubled for every empty tableau that is not the target (card by card through the free cells and the empty tableaus); any other negative code without a name allows as many cards as there are empty tableaus, at least one") \
    X(KingRunOrSingle, -12, "a run from a king, or a single card") \
    X(SingleOrWholeTableau, -13, "a single card, or a whole tableau")

#define VELLOMIR_BASE_FLAGS(X) \
    X(StopAtBase, 0, "nothing is built on a card of the base rank; building down with an ace base, a king never on an ace") \
    X(PastBase, 1, "building goes on past the base rank, and a king goes on an ace (down) or an ace on a king (up)") \
    X(TurnAtEnds, 2, "a 2 goes on an ace and a queen on a king, whatever the pile's direction; never an ace on a king or a king on an ace") \
    X(StopAtEnds, 3, "the ranks stop at the ends: at the ace and the king only the step of the pile's own direction; never an ace on a king or a king on an ace")

#define VELLOMIR_DEAL_ARRANGEMENTS(X) \
    X(AsDealt, 0, "the deal stays as it is") \
    X(KingsOffTheBottom, 1, "a tableau or foundation standing on a king sends it to the bottom of the stock and takes the stock's first other card in its place") \
    X(LaidFromKings, 2, "the rest of the deal goes in order onto the tableaus, a new tableau at each king; then the tableaus' cards the foundations take go up") \
    X(NoRankTwiceInATableau, 3, "the tableaus are dealt again so that no tableau holds a rank twice where that can be helped") \
    X(LaidFromQueens, 4, "as 2, a new tableau at each queen") \
    X(SortedByRankFromTwos, 5, "the rest of the deal sorted by rank: the twos onto tableau 1, the threes onto tableau 2 and so on") \
    X(SortedByRankFromAces, 6, "the rest of the deal sorted by rank: the aces onto tableau 1, the twos onto tableau 2 and so on") \
    X(FirstCardsToFoundations, 7, "each tableau's first card goes to the foundation of the tableau's number") \
    X(AcesIntoGaps, 8, "the aces are taken out and leave gaps") \
    X(SlidingPuzzle, 9, "only the cards 1 to T are dealt (hearts, then clubs past 13 tableaus), and the tableau holding the last of them is emptied") \
    X(OneTableauEmptied, 10, "one tableau, drawn at random among all but the last, is emptied") \
    X(FirstOfEachRank, 11, "only the first card of each rank up to the tableau count is dealt") \
    X(SelectionSet, 12, "only the selection games' set is dealt: twelve cards, twelve more unless there are three tableaus, sixteen more unless three or four") \
    X(FoundationsFromDeal, 13, "the next cards of the deal go one onto each foundation") \
    X(OneSuitAceToNine, 14, "only the ace to nine of the suit of the first suited card are dealt") \
    X(KingsIntoGapsRowsOfNine, 15, "the kings are taken out and leave gaps, and every tableau is made up with gaps to nine places") \
    X(ReserveAcesUp, 16, "each ace of reserve 1 goes to the first empty foundation and the stock's top card takes its place, face up") \
    X(LaidFromKingsInPlay, 17, "as 2, every card staying on the tableaus: none goes up at the deal")

#define VELLOMIR_RUN_CHECKS(X) \
    X(RunsByLimitOnly, 0, "a run moves by the run-size limit alone (any code without a name of its own)") \
    X(RunsKeepTableauRule, 1, "every card of a moving run lies on the one below it by the target tableau's building rule, and no face-down card moves in a run") \
    X(RunsKeepSuit, 10, "as 1, by the generic test in suit whatever the tableau's rule")

#define VELLOMIR_FOUNDATION_TAKE_BACKS(X) \
    X(FoundationKeepsCards, 0, "no card leaves a foundation") \
    X(TopCardTakenBack, 1, "a foundation's top card may be taken back into play") \
    X(TopCardTakenBackAboveBase, 2, "as 1, while the foundation holds more than its first card") \
    X(JokerTakenBack, 3, "only a joker may be taken off a foundation")

#define VELLOMIR_FOUNDATION_BASE_MODES(X) \
    X(BasesAsGiven, 0, "every foundation keeps the base rank its parameter gives") \
    X(FirstCardSetsEveryBase, 1, "the deal's first card goes onto foundation 1 and its rank becomes every foundation's base") \
    X(FirstCardEach, 2, "each foundation takes the deal's next card, and its rank becomes that foundation's base") \
    X(OneAboveReserveTop, 3, "each foundation's base is one rank above the top card of the reserve of its number") \
    X(FirstCardSetsTwoRows, 4, "the deal's first card goes onto foundation 1: its rank is the base of foundations 1 to 4, the rank above it that of foundations 5 to 8")

#define VELLOMIR_FOUNDATION_START_CODES(X) \
    X(FirstCardOfDeal, 20, "the deal's first card") \
    X(FirstCardOfNewSuit, 21, "the deal's first card of a suit no earlier foundation started with") \
    X(NextSuitOfFirstCard, 91, "the card one suit on from the deal's first card for each foundation: a run of foundations starts with the cards of one rank") \
    X(WaitsForFirstMove, 92, "no card: the foundation takes foundation 1's base rank, which the first move may set") \
    X(AceOfSuitSwept, 93, "the ace of the foundation's suit, then the tableaus' cards the foundations take go up") \
    X(AceOfSuitSweptToo, 94, "as 93") \
    X(KingOfSuitSwept, 95, "the king of the foundation's suit, then the tableaus' cards the foundations take go up") \
    X(AcesReplacedFromStock, 96, "no card; the aces of the tableaus go up after the deal and the stock fills their places")

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
    X(OneBelowFoundationBase, '[', "one rank below foundation 1's base (any card when that base is no rank)") \
    X(TwoBalance, 'Z', "a two, keeping colours and suits of the foundations so based in balance") \
    X(SameAsFoundations, '\\', "the rank the started foundations began with") \
    X(SameAsFoundationsOrReserve, ']', "the rank the started foundations began with, or a card from a reserve") \
    X(ReserveThenWaste, '`', "from a reserve while any holds cards, then from the waste")
#define VELLOMIR_BUILDING_RULES(X) \
    X(InSuit, 0, "the generic test in suit: one step in the pile's direction, the empty-pile code deciding an empty pile") \
    X(SameColour, 1, "the generic test in the same colour") \
    X(AnySuit, 2, "the generic test in any suit") \
    X(AlternateColours, 3, "the generic test in alternating colours") \
    X(Refused, 4, "no card") \
    X(RefusedToo, 5, "no card (as 4)") \
    X(EmptyPileOnly, 6, "the generic test that takes no card onto a card: only an empty pile, by its empty-pile code") \
    X(EmptyOnceStockSpent, 7, "real placements only onto an empty pile once the stock is spent; pairs of a run and neighbour-rank clicks build in any suit") \
    X(QueenOntoEmptyFoundation, 10, "on a foundation: a queen onto an empty foundation only; elsewhere the generic test in any suit") \
    X(InSuitNoQueenOnKingOrJack, 11, "in suit, but a queen never on a king or a jack") \
    X(AnyCard, 12, "any card") \
    X(UpByTwoWrapping, 14, "up by two, king to ace") \
    X(UpByThreeWrapping, 15, "up by three, king to ace") \
    X(UpByFourWrapping, 16, "up by four, king to ace") \
    X(NotFromTableau, 17, "any card that does not come from a tableau") \
    X(NotFromTableauUnlessEmpty, 18, "no card from a tableau unless the target tableau is empty") \
    X(OnlyFromStockOrWaste, 19, "no card from a tableau or a reserve") \
    X(UpAceOnKing, 20, "up in any suit, an ace on a king; an empty pile takes an ace") \
    X(DifferentSuit, 21, "the generic test in a different suit") \
    X(SuitStillOnTableaus, 22, "on a foundation: never an ace; a card whose suit some tableau shows on top with a higher rank or an ace; elsewhere the generic test in any suit") \
    X(UpInSuitWasteEmpty, 23, "up in suit onto a card, only while the waste is empty") \
    X(InSuitNoQueenKingPair, 24, "in suit, but never a queen on a king nor a king on a queen") \
    X(ByTwoInSuitOrEmptyCode, 25, "by two in suit; an empty pile by its empty-pile code") \
    X(UpOrDownOntoOneOrTwo, 26, "up or down onto a pile of one or two cards") \
    X(AlternateColoursNotFromFoundationOrReserve, 27, "the generic test in alternating colours, nothing from a foundation or a reserve") \
    X(AnySuitTurningAtEnds, 28, "any suit, the sequence turning at the ends; an empty pile takes any card") \
    X(TwoPacksUpThenDown, 29, "two packs in suit on one foundation: ace up to king, a second king, then down to the ace") \
    X(InSuitKeepingDirection, 30, "in suit; a pile of one card goes either way, a longer one keeps its way") \
    X(DownInSuit, 31, "down in suit; an empty pile takes nothing") \
    X(UpInSuit, 32, "up in suit; an empty pile takes nothing") \
    X(NotFromTableauOntoOneCard, 33, "no card from a tableau, and only onto a tableau of at most one card") \
    X(DownAnySuit, 34, "down in any suit; an empty pile by its empty-pile code; a run only onto an empty pile") \
    X(UpOrDownWrapping, 35, "up or down, king and ace next to each other; an empty pile by its empty-pile code") \
    X(FoundationsInTurn, 36, "foundations started one after another: each waits for the one before it") \
    X(Doubling, 37, "doubling modulo 13; a king closes the game once foundation 1 holds 48 cards") \
    X(LoneKing, 38, "while the waste is empty: a king onto an empty pile, then any card but a queen or a king onto the lone king") \
    X(UpToJack, 39, "up in any suit as far as the jack; an empty pile takes an ace") \
    X(CalledRank, 40, "the rank called by the deal counter (a king for 0), or anything while the stock and the waste hold one card") \
    X(ByTwoInSuitFourSuits, 41, "by two in suit, king to ace; an empty foundation takes its base rank keeping four distinct suits in its row") \
    X(UpInSuitKingWaits, 42, "up in suit; the king waits for a king on the foundation six places on") \
    X(ByTwoInSuitNoWrap, 43, "by two in suit without a wrap; an empty pile takes nothing") \
    X(UpToQueen, 44, "up in any suit as far as the queen; an empty pile takes an ace") \
    X(KingThenDownWasteEmpty, 45, "while the waste is empty: a king onto an empty pile, any card but a king onto a lone card, else down") \
    X(UpFromBase, 46, "up from the base rank") \
    X(DownFromBase, 47, "down (or a king on an ace), any suit, never a queen, from the base rank") \
    X(LoneQueen, 48, "while the waste is empty: a queen onto an empty pile, then any card but a queen onto the lone queen") \
    X(UpFromBaseWhileTableauHolds, 49, "as 46, only while the tableau eight places back holds cards") \
    X(DownFromBaseWhileTableauHolds, 50, "as 47, only while the tableau eight places back holds cards") \
    X(UpFromBaseInTableauSuit, 51, "as 49, in the suit of that tableau's bottom card") \
    X(DownFromBaseInTableauSuit, 52, "as 50, in the suit of that tableau's bottom card") \
    X(FirstFoundationFirst, 53, "foundation 1 is built first; the others open when it holds 13 cards") \
    X(DownEmptyFromStockOrWaste, 54, "down, a king on an ace where the base flag allows; an empty pile takes its rank from the stock or the waste only") \
    X(WasteSingleCard, 55, "while the waste holds one card only that card may move; while it holds more, nothing may") \
    X(SameRankFromLaterTableau, 56, "the same rank, only from a tableau at or after the target's place") \
    X(InSuitTurnsAtEnds, 60, "in suit, the sequence turning at the ends; an empty pile takes any card") \
    X(ByTwoInSuitTurning, 61, "as 25, the two-step sequence also turning at the top: a 2 on a king and an ace on a queen") \
    X(SlideIntoGap, 70, "a card slides into the empty cell from a neighbouring cell") \
    X(JumpIntoGap, 71, "a card jumps into the empty cell over a cell that holds a card") \
    X(JokerFoundation, 72, "a foundation with jokers standing in for the cards they replace") \
    X(RankOfPlace, 73, "the card whose rank is the place's number") \
    X(JokerFoundationJokerFirst, 75, "as 72, and an empty foundation takes a joker") \
    X(LowerRank, 76, "a lower rank in any suit; an empty pile takes any card") \
    X(RankByFoundationCount, 77, "the rank one above a quarter of the foundation's cards; an empty pile takes an ace") \
    X(UpInSuitAceOnKing, 78, "up in suit, an ace on a king; an empty pile takes an ace") \
    X(ThirteenthFromReserve, 79, "the 13th card of a foundation comes from the reserve of the same index, and a reserve card goes nowhere else") \
    X(UpOrDownInSuitNotFromTableau, 80, "up or down in suit, no card from a tableau") \
    X(UpOrDownInSuitNotFromTableauToo, 81, "as 80") \
    X(InSuitOnceStockSpent, 82, "only once the stock and the waste are spent: in suit, an empty foundation keeping four distinct suits in its row") \
    X(DownClosingAtRank, 83, "down, a king on an ace; foundation n closes when its top card is rank n, foundation 7 when it holds 13 cards") \
    X(UpSuitCycle, 86, "up, each card in the next suit of the cycle; an empty pile takes an ace") \
    X(DownSuitCycle, 87, "down, each card in the next suit of the cycle; an empty pile takes any card") \
    X(UpByFoundationStep, 91, "up by the foundation's own step past the king, by one or two while it has none") \
    X(AceOnly, 92, "an ace") \
    X(UpByThreeFromBase, 93, "up by three in suit from the tableau's base rank; a wrong lone card only swaps with a base card") \
    X(DownAlternateKingOnAce, 94, "down in alternating colours, a king on any ace") \
    X(UpInSuitAceOnKingOfSuit, 95, "up in suit, an ace on a king of its suit") \
    X(InSuitFourSuitsInRow, 96, "in suit; an empty foundation also keeps four distinct suits in its row") \
    X(InSuitRankOnFoundationAbove, 97, "in the suit of the pile's first card, ranks in any order; after the first foundation only a rank the foundation before it holds; an empty pile by its empty-pile code") \
    X(InSuitOneWayWrapping, 98, "in suit, one rank up or down, king and ace next to each other; the first card built on any pile of this rule sets the way for all of them; an empty pile by its empty-pile code") \
    X(InSuitOnBaseCard, 99, "in suit by the game's rank step in the pile's direction, only onto a pile whose bottom card is the pile's base rank (its empty-pile code); an empty pile takes that rank")

#define VELLOMIR_RESERVE_DROP_RULES(X) \
    X(SingleOntoEmpty, 0, "a single card onto an empty reserve (any code without a name of its own)") \
    X(Refused, 4, "no card") \
    X(KingWhileFirstHoldsFewerThanThree, 8, "a single king while reserve 1 holds fewer than three cards") \
    X(CourtOntoEmpty, 9, "a single court card onto an empty reserve") \
    X(AnySingleCard, 12, "any single card") \
    X(SingleWhileFirstHoldsFewerThanFive, 13, "a single card while reserve 1 holds fewer than five cards") \
    X(SingleNotFromTableauOntoEmpty, 'Q', "a single card onto an empty reserve, none from a tableau") \
    X(FromWaste, 'U', "a card from the waste") \
    X(SingleFromWasteOntoEmpty, 'W', "the waste's card onto an empty reserve") \
    X(JackOntoEmpty, 'X', "a single jack onto an empty reserve") \
    X(QueenOntoEmpty, 'Y', "a single queen onto an empty reserve") \
    X(KingOntoEmpty, 'Z', "a single king onto an empty reserve")

#define VELLOMIR_WASTE_DROP_RULES(X) \
    X(WasteTakesNothing, 0, "the waste takes no card (any code without a name of its own)") \
    X(OneRankOffInSuit, 2, "a card of the waste card's suit one rank off it, king and ace next to each other")
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

/// What the first move of a game must be (parameter 39).
enum class FirstMove : int { VELLOMIR_FIRST_MOVES(VELLOMIR_CODE_ENUMERATOR) };

/// The named run-size limits (parameter 12); 0 and above is a plain limit.
enum class RunSizeLimit : int { VELLOMIR_RUN_SIZE_LIMITS(VELLOMIR_CODE_ENUMERATOR) };

/// What a tableau does at the base rank and at the ace and the king
/// (parameter 212 + t).
enum class BaseFlag : int { VELLOMIR_BASE_FLAGS(VELLOMIR_CODE_ENUMERATOR) };

/// The building rules of the tableaus, foundations, reserves and the waste
/// (parameters 184 + t, 80 + f, 268 + r and 289). A code without a name
/// builds by the generic test in any suit.
enum class BuildingRuleCode : int { VELLOMIR_BUILDING_RULES(VELLOMIR_CODE_ENUMERATOR) };

/// What a reserve takes (parameter 268 + r; the first cell also picks the
/// reserves' empty mark).
enum class ReserveDropRule : int { VELLOMIR_RESERVE_DROP_RULES(VELLOMIR_CODE_ENUMERATOR) };

/// What the waste takes by a drop (parameter 289).
enum class WasteDropRule : int { VELLOMIR_WASTE_DROP_RULES(VELLOMIR_CODE_ENUMERATOR) };

/// DealArrangement (33): how the deal is prepared and arranged past the plain deal.
enum class DealArrangement : int { VELLOMIR_DEAL_ARRANGEMENTS(VELLOMIR_CODE_ENUMERATOR) };
/// RunCheck (2): whether the cards of a moving run must keep a building rule among themselves.
enum class RunCheck : int { VELLOMIR_RUN_CHECKS(VELLOMIR_CODE_ENUMERATOR) };
/// FoundationTakeBack (17): which foundation cards may be taken back into play.
enum class FoundationTakeBack : int { VELLOMIR_FOUNDATION_TAKE_BACKS(VELLOMIR_CODE_ENUMERATOR) };
/// FoundationBaseMode (1): whether the deal sets the foundations' base ranks.
enum class FoundationBaseMode : int { VELLOMIR_FOUNDATION_BASE_MODES(VELLOMIR_CODE_ENUMERATOR) };
/// FoundationStartCard (96 + f): the codes that are not a card or a rank.
enum class FoundationStartCode : int { VELLOMIR_FOUNDATION_START_CODES(VELLOMIR_CODE_ENUMERATOR) };

/// FoundationStartCard (96 + f) beside the named codes: 51 to 63 start the
/// foundation with the deal's first card of rank code - 50; 100 and above
/// with the card code - 100; 1 to 13 with that rank of the foundation's suit.
inline constexpr int kFoundationStartRankBase = 50;
inline constexpr int kFoundationStartCardBase = 100;

/// The two values of CoveredReserveSendable that mean something: every card
/// of a reserve, covered or not, may be lifted and sent; no reserve card
/// lifts at all.
inline constexpr int kCoveredReserveCardsPlay = -11;
inline constexpr int kReserveCardsNeverLift = -14;
/// The one value of WasteNotDropTarget that means something: drops never go
/// to the waste.
inline constexpr int kWasteRefusesDrops = 4;
/// The PassCountingStyle with which every press of the stock counts a pass
/// (and deals nothing) while passes remain, whether the stock is empty or not.
inline constexpr int kEveryPressCountsAPass = 6;

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
/// Whether a foundation holding `count` cards lets its top card be taken
/// back into play (a joker aside, which FoundationTakeBack may free alone).
inline bool foundationTopCardTakenBack(const GameParameters& p, int count) {
    const int code = p[param::FoundationTakeBack];
    return code == static_cast<int>(FoundationTakeBack::TopCardTakenBack) ||
           (code == static_cast<int>(FoundationTakeBack::TopCardTakenBackAboveBase) && count > 1);
}
/// Whether the moving runs of the game must keep a building rule among their cards.
inline bool runsAreChecked(const GameParameters& p) {
    const int code = p[param::RunCheck];
    return code == static_cast<int>(RunCheck::RunsKeepTableauRule) ||
           code == static_cast<int>(RunCheck::RunsKeepSuit);
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
