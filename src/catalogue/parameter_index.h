#pragma once

namespace vellomir::catalogue::param {

// Indexes into the game parameter table. Single values first, then the bases
// of the per-pile arrays (add the pile's 0-based index).

inline constexpr int FoundationBaseMode = 1; // 1-4, how the deal sets foundation bases
inline constexpr int RunCheck = 2;           // 0 none, 1 target tableau's rule, 10 same suit
inline constexpr int TableauFanStyle = 3;    // 1-9
inline constexpr int FoundationFanStyle = 4; // 1, 3, 7
inline constexpr int ReserveFanStyle = 5;    // 1, 2, 3, 5
inline constexpr int StockFaceDown = 6;      // 0 the stock is dealt face up
inline constexpr int WasteCardLocked = 7;    // not 0: the waste shows a back and its card stays put
inline constexpr int EmptyStockIsRedeal = 8;
inline constexpr int EmptyWasteIsRedeal = 9;
inline constexpr int ExtraCardToFoundation1 = 11;
inline constexpr int RunSizeLimit = 12;           // -1 unlimited, other negative codes, n fixed
inline constexpr int CoveredReserveSendable = 13; // -11
inline constexpr int StockPasses = 14;            // -1 unlimited
inline constexpr int PassCountingStyle = 15;
inline constexpr int WasteButtonDealMode =
    16; // with 9 = 1: 0 every stock click deals, 1 only onto an empty waste
inline constexpr int FoundationTakeBack = 17; // 1 allowed, 2 when more than one card
inline constexpr int AutoplayAvailable = 18;
inline constexpr int ClockFace =
    19; // 1: the 13 tableaus are the Clock's piles, played by turning one card after another
inline constexpr int TableauDraws =
    20; // n: n times a game a card below a tableau's top may be drawn out and played
inline constexpr int CardsPerStockClick = 21;
inline constexpr int FillStyle = 22; // how empty tableaus are refilled: 0 never, 1-10 by source
inline constexpr int SweepTableauByTableau = 23;
inline constexpr int LockedTableauRows = 24;
inline constexpr int LockedTableauRowLength = 25;
inline constexpr int TableauLine =
    26; // 1: the tableaus are a line; a pile moves whole onto the pile one or three places back
inline constexpr int GridWidth = 27;
inline constexpr int GapRows =
    28; // 1: the tableaus are rows of places; a card moves into the gap after the card below it
inline constexpr int RankStep =
    29; // 2-6: the generic building test steps that many ranks, never round the corner
inline constexpr int RuleSwitch30 = 30; // read by the engine; no game relies on a value yet
inline constexpr int FoundationMaxCards = 31;
inline constexpr int TableauMaxCards = 32; // -1 unlimited
inline constexpr int DealArrangement = 33;
inline constexpr int StockFirstRestriction = 34; // 1, 2, 3
inline constexpr int PokerHands =
    35; // 1: the 25 tableaus are a square scored by the poker hands of its rows and columns
inline constexpr int ClickToPlay = 36;
inline constexpr int ScreenClass = 37; // 1 needs 650 px, 2 needs 810 px for big cards
inline constexpr int SelectionGame = 38;
inline constexpr int FirstMoveFromTableau =
    39; // 1: the first action takes a tableau card, not to a foundation; 2: to a foundation
inline constexpr int FillTableausAfterFirstMove = 40;
inline constexpr int AutomaticFaceUp =
    41; // not 0: uncovered face-down tableau cards may turn up by themselves
inline constexpr int JokersDealt = 43;
inline constexpr int CardCountScoreBase = 44;
inline constexpr int TargetScore = 46; // 0 none; otherwise the score that wins
inline constexpr int GameType = 47;
inline constexpr int FirstDiscardCard = 288;
inline constexpr int WasteDropRule =
    289; // 2: the waste takes a card of its top card's suit, one rank off
inline constexpr int WasteNotDropTarget = 290; // 4
inline constexpr int StockLayout = 291;
inline constexpr int StockRow = 292;
inline constexpr int FoundationLayout = 293;
inline constexpr int FoundationRow = 294;
inline constexpr int TableauLayout = 295;
inline constexpr int TableauRow = 296;
inline constexpr int TableauRows = 297;
inline constexpr int ReserveLayout = 298;
inline constexpr int ReserveRow = 299;
inline constexpr int DiscardLayout = 300;
inline constexpr int DiscardRow = 301;
inline constexpr int StockPilesPlaced = 302; // 0, 1 stock, 2 stock and waste
inline constexpr int FoundationCount = 303;
inline constexpr int TableauCount = 304;
inline constexpr int ReserveCount = 305;
inline constexpr int DiscardPresent = 306;
inline constexpr int CardCount = 307; // 52 or fewer, or 104; 0 no game loaded
inline constexpr int StockCards = 308;
inline constexpr int WasteCards = 309;
inline constexpr int JokerCount = 310;
inline constexpr int DiscardCards = 367;
inline constexpr int TableauRedealGroup =
    388; // 1-13: a click on the empty stock deals the tableaus again in piles of this size
inline constexpr int TableauRedealShuffled = 389; // 1: the tableau redeal shuffles the cards first
inline constexpr int TableauPeaks =
    390; // 1-3: the tableaus are the rows of that many peaks (TriPeaks), a card free once uncovered
inline constexpr int PackSuits =
    391; // 1 or 2: the cards play and show as one suit (spades) or two (hearts, spades)
inline constexpr int SolvableGridDeal = 392; // 1: a sliding puzzle is dealt solvable
inline constexpr int FoundationTakesSuitRun =
    393; // 1: an empty foundation takes a king-to-ace run of one suit
inline constexpr int KingsToBottom =
    394; // 1: the deal puts every tableau's kings under its other cards
inline constexpr int ExpectedDuration = 395;
inline constexpr int RulesDifficulty = 396;
inline constexpr int SkillNeeded = 397;
inline constexpr int WinningChance = 398;
inline constexpr int WinningRatioWins = 399;
inline constexpr int WinningRatioGames = 400;

// Per-pile arrays: f = foundation 0-15, t = tableau 0-27, r = reserve 0-9.
inline constexpr int FoundationBaseRank = 48;  // + f
inline constexpr int FoundationDirection = 64; // + f: 0 down, 1 up, 2 either
inline constexpr int FoundationRule = 80;      // + f
inline constexpr int FoundationStartCard = 96; // + f
inline constexpr int FoundationCompleteCount =
    112;                                     // + f: cards of a complete foundation, -1 parameter 31
inline constexpr int TableauEmptyCode = 128; // + t
inline constexpr int TableauDirection = 156; // + t
inline constexpr int TableauRule = 184;      // + t
inline constexpr int TableauBaseFlag = 212;  // + t
inline constexpr int TableauLaterDeal = 240; // + t
inline constexpr int ReserveDropRule = 268;  // + r
inline constexpr int ReserveLaterDeal = 278; // + r
inline constexpr int TableauStartCards = 311; // + t
inline constexpr int TableauStartFace = 339;  // + t
inline constexpr int ReserveStartCards = 368; // + r
inline constexpr int ReserveStartFace = 378;  // + r

} // namespace vellomir::catalogue::param
