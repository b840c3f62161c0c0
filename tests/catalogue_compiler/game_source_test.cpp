#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"

#include <gtest/gtest.h>

namespace vellomir::tools {
namespace {

namespace param = catalogue::param;

// A small sound game; tests replace or append lines to break it.
const std::string kHeader = "# a test game\n"
                            "game: 12\n"
                            "name: Test Game\n"
                            "group: 5\n"
                            "availability: 4\n"
                            "chooser-mark: 1\n";
const std::string kParameters = "[parameters]\n"
                                "CardCount = 52\n"
                                "TableauCount = 3\n"
                                "TableauStartCards = 1, 2 3   # commas or blanks\n"
                                "TableauEmptyCode = all 'Q'\n"
                                "RunSizeLimit = -1\n"
                                "StockCards = 46\n"
                                "TableauLayout = 1\n";
const std::string kRules = "[rules]\n\nPlay the game.\n# not a comment here\n\n";

struct Parsed {
    GameSource game;
    std::vector<Diagnostic> diagnostics;
    std::string messages() const {
        std::string text;
        for (const Diagnostic& d : diagnostics) {
            text += formatDiagnostic(d) + "\n";
        }
        return text;
    }
};

Parsed parse(const std::string& text) {
    Parsed parsed;
    parsed.game = parseGameFile("games/test.game", text, parsed.diagnostics);
    if (parsed.diagnostics.empty()) {
        resolveGame(parsed.game, parsed.diagnostics);
    }
    return parsed;
}

// The one diagnostic of a broken game, as "file:line: message".
std::string onlyProblem(const std::string& text) {
    const Parsed parsed = parse(text);
    EXPECT_EQ(parsed.diagnostics.size(), 1u) << parsed.messages();
    return parsed.diagnostics.empty() ? std::string()
                                      : formatDiagnostic(parsed.diagnostics.front());
}

TEST(GameSource, ReadsHeaderParametersAndRules) {
    const Parsed parsed = parse(kHeader + kParameters + kRules);
    ASSERT_TRUE(parsed.diagnostics.empty()) << parsed.messages();
    const GameSource& game = parsed.game;
    EXPECT_EQ(game.number, 12);
    EXPECT_EQ(game.numberLine, 2);
    EXPECT_EQ(game.name, "Test Game");
    EXPECT_EQ(game.group, 5);
    EXPECT_EQ(game.availability, '4');
    EXPECT_EQ(game.chooserMark, '1');
    EXPECT_EQ(game.rulesText, "Play the game.\n# not a comment here\n");
    EXPECT_EQ(game.column[param::CardCount], 52);
    EXPECT_EQ(game.column[param::TableauStartCards + 1], 2);
    EXPECT_EQ(game.column[param::TableauStartCards + 2], 3);
    EXPECT_EQ(game.column[param::TableauStartCards + 3], 0);
    // "all" fills the game's three tableaus, and a character stands for its code.
    EXPECT_EQ(game.column[param::TableauEmptyCode + 2], 'Q');
    EXPECT_EQ(game.column[param::TableauEmptyCode + 3], 0);
    EXPECT_EQ(game.column[param::RunSizeLimit], -1);
}

TEST(GameSource, RejectsWhatItDoesNotKnowWithFileAndLine) {
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauRuel = 3\n" + kRules),
              "games/test.game:15: unknown parameter name \"TableauRuel\"");
    EXPECT_EQ(onlyProblem(kHeader + "colour: red\n" + kParameters + kRules).substr(0, 19),
              "games/test.game:7: ");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "GameType = 1x\n" + kRules),
              "games/test.game:15: \"1x\" is not a whole number");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "CardCount = 52\n" + kRules),
              "games/test.game:15: CardCount is already set on line 8");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "[extra]\n" + kRules),
              "games/test.game:15: unknown section [extra] (expected [parameters] or [rules])");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "GameType = 3 4\n" + kRules),
              "games/test.game:15: GameType takes one value");
    EXPECT_EQ(
        onlyProblem(kHeader + kParameters + "GameType = all 3\n" + kRules),
        "games/test.game:15: GameType is a single value; \"all\" is only for per-pile parameters");
}

TEST(GameSource, ReadsTheNamesOfCodesAsTheirNumbers) {
    const Parsed parsed =
        parse(kHeader + kParameters +
              "GameType = Unscored\nTableauFanStyle = SideBySide\nFillStyle = FromStockOrWaste\n"
              "TableauLaterDeal = all OneEachWithoutGaps\nFoundationFanStyle = DownTopOnly\n" +
              kRules);
    ASSERT_TRUE(parsed.diagnostics.empty()) << parsed.messages();
    const GameSource& game = parsed.game;
    EXPECT_EQ(game.column[param::GameType], 9);
    EXPECT_EQ(game.column[param::TableauFanStyle], 4);
    EXPECT_EQ(game.column[param::FillStyle], 3);
    EXPECT_EQ(game.column[param::TableauLaterDeal + 2], 2);
    EXPECT_EQ(game.column[param::FoundationFanStyle], 3);
    // A name belongs to its own list only, and is spelt exactly.
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "FillStyle = Golf\n" + kRules),
              "games/test.game:15: \"Golf\" is not a whole number");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "GameType = pyramid\n" + kRules),
              "games/test.game:15: \"pyramid\" is not a whole number");
}

TEST(GameSource, RejectsValuesOutOfRange) {
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TargetScore = 32768\n" + kRules),
              "games/test.game:15: TargetScore value 32768 is out of range -32768 to 32767");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "FoundationCount = 17\n" + kRules),
              "games/test.game:15: FoundationCount value 17 is out of range 0 to 16");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauDirection = 0 3\n" + kRules),
              "games/test.game:15: TableauDirection value 3 is out of range 0 to 2");
    EXPECT_EQ(
        onlyProblem(kHeader + kParameters + "ReserveLaterDeal = 1 1 1 1 1 1 1 1 1 1 1\n" + kRules),
        "games/test.game:15: ReserveLaterDeal has 11 values; there are at most 10 piles of its "
        "kind");
}

TEST(GameSource, RejectsAMalformedHeader) {
    std::string header = kHeader;
    header.replace(header.find("game: 12"), 8, "game: 1000");
    EXPECT_EQ(
        onlyProblem(header + kParameters + kRules),
        "games/test.game:2: the game number must be a whole number from 0 to 999, not \"1000\"");
    header = kHeader;
    header.erase(header.find("group: 5\n"), 9);
    EXPECT_EQ(onlyProblem(header + kParameters + kRules),
              "games/test.game:6: the header has no \"group:\" line");
    EXPECT_EQ(onlyProblem(kHeader + "name: Again\n" + kParameters + kRules),
              "games/test.game:7: the header key \"name\" is given twice");
    EXPECT_EQ(onlyProblem(kHeader + kParameters),
              "games/test.game:14: the game has no rules text (a [rules] section at "
              "the end of the file)");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "[rules]\n  \n\n"),
              "games/test.game:15: the [rules] section holds no text");
}

TEST(GameSource, RejectsSettingsThatDisagree) {
    // More per-pile values than the game has piles.
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauRule = 3 3 3 3\n" + kRules),
              "games/test.game:15: TableauRule has 4 values but the game has 3 tableaus");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "ReserveDropRule = all 4\n" + kRules),
              "games/test.game:15: ReserveDropRule = all ...: the game has no reserves");
    // One value is allowed without piles: cell 48 doubles as the tableaus' base code.
    EXPECT_TRUE(
        parse(kHeader + kParameters + "FoundationBaseRank = -1\n" + kRules).diagnostics.empty());
    // 46 stock cards + 6 on the tableaus is the whole pack; one more is too many.
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "WasteCards = 1\n" + kRules),
              "games/test.game:8: the deal hands out 53 cards but the game has only 52");
    // A dealt joker makes room for it.
    EXPECT_TRUE(
        parse(kHeader + kParameters + "JokersDealt = 1\nJokerCount = 1\nWasteCards = 1\n" + kRules)
            .diagnostics.empty());
    std::string broken = kHeader + kParameters + kRules;
    broken.replace(broken.find("CardCount = 52"), 14, "CardCount = 60");
    EXPECT_EQ(onlyProblem(broken),
              "games/test.game:8: CardCount 60 is neither one pack (1 to 52) nor two (104)");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauLayout = 4\n" + kRules).substr(0, 18),
              "games/test.game:15");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "FoundationCount = 4\n" + kRules),
              "games/test.game:15: the foundation layout code 0 is not one the table layout knows");
}

TEST(GameSource, RejectsParametersTheEngineCannotPlayTogether) {
    // A selection game keeps its selection in foundation 1, so it would lose
    // the cards of a real foundation there.
    EXPECT_EQ(onlyProblem(kHeader + kParameters +
                          "SelectionGame = 2\nDiscardPresent = 1\nDiscardLayout = 4\n"
                          "FoundationCount = 1\nFoundationLayout = 1\n" +
                          kRules),
              "games/test.game:18: a selection game keeps its selection in foundation 1: "
              "FoundationCount must be 0");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "GameType = 2\n" + kRules),
              "games/test.game:15: the game puts cards on the discard pile: DiscardPresent "
              "must be 1");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "EmptyWasteIsRedeal = 1\n" + kRules),
              "games/test.game:15: stock clicks deal to the waste: StockPilesPlaced must be 2");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "FillStyle = 1\n" + kRules),
              "games/test.game:15: FillStyle 1 fills from reserve 1: the game has no reserves");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauRule = all 70\n" + kRules),
              "games/test.game:15: tableau rule 70 slides on a grid: GridWidth must be 1 or "
              "more");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "TableauPeaks = 1\n" + kRules),
              "games/test.game:15: TableauPeaks 1 lays out 10 tableaus: TableauCount must be 10");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "ClockFace = 1\n" + kRules),
              "games/test.game:15: ClockFace lays out the 13 piles of the clock: TableauCount "
              "must be 13");
    EXPECT_EQ(onlyProblem(kHeader + kParameters + "FirstMoveFromTableau = 2\n" + kRules),
              "games/test.game:15: FirstMoveFromTableau 2 opens with a card to a foundation: the "
              "game has no foundations");
    // Each pile of the clock is dealt as many cards as a rank has.
    const std::string clock = kHeader + "[parameters]\nCardCount = 52\nTableauCount = 13\n"
                                        "TableauLayout = 56\nClockFace = 1\n";
    EXPECT_TRUE(parse(clock + "TableauStartCards = all 4\n" + kRules).diagnostics.empty());
    EXPECT_EQ(onlyProblem(clock + "TableauStartCards = 4 4 4 4 4 4 4 4 4 4 4 3 5\n" + kRules),
              "games/test.game:11: ClockFace deals each pile as many cards as a rank has: "
              "TableauStartCards must be all 4");
    // A reserve that shows only its last card takes nothing.
    const std::string trunk = kHeader +
                              "[parameters]\nCardCount = 52\nReserveCount = 1\nReserveLayout = "
                              "5\nReserveStartCards = 13\nReserveStartFace = -4\n";
    EXPECT_TRUE(parse(trunk + "ReserveDropRule = 4\n" + kRules).diagnostics.empty())
        << parse(trunk + "ReserveDropRule = 4\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(trunk + kRules),
              "games/test.game:12: ReserveStartFace -4 shows only the reserve's last card: its "
              "ReserveDropRule must be 4 (Refused)");
    // Frog's deal sends the first reserve's aces to the foundations.
    const std::string frog = kHeader + "[parameters]\nCardCount = 52\nFoundationCount = 4\n"
                                       "FoundationLayout = 2\nDealArrangement = 16\n";
    const std::string frogReserve = "ReserveCount = 1\nReserveLayout = 5\nReserveStartCards = 13\n";
    EXPECT_TRUE(parse(frog + frogReserve + kRules).diagnostics.empty())
        << parse(frog + frogReserve + kRules).messages();
    EXPECT_EQ(onlyProblem(frog + kRules),
              "games/test.game:11: DealArrangement 16 sends the aces of the first reserve up: the "
              "game deals no card to a reserve");
}

// Draws come from under the tableaus' top cards, a bouquet needs a reserve,
// and a deal laid from the kings starts no more tableaus than there are
// kings.
TEST(GameSource, RejectsDrawsBouquetsAndKingsDealsWithNothingToWorkOn) {
    const std::string fans = kHeader + "[parameters]\nCardCount = 52\nTableauCount = 18\n"
                                       "TableauLayout = 53\nTableauStartCards = all 2\n";
    EXPECT_TRUE(parse(fans + "TableauDraws = 1\n" + kRules).diagnostics.empty())
        << parse(fans + "TableauDraws = 1\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(kHeader + "[parameters]\nCardCount = 52\nTableauDraws = 1\n" + kRules),
              "games/test.game:9: TableauDraws draws cards from under the tableaus' top cards: "
              "TableauCount must be 1 or more");
    EXPECT_EQ(onlyProblem(kHeader + "[parameters]\nCardCount = 52\nCoveredReserveSendable = -11\n" +
                          kRules),
              "games/test.game:9: CoveredReserveSendable -11 frees every card of the reserves: "
              "the game has no reserves");
    const std::string kings = kHeader + "[parameters]\nCardCount = 104\nTableauLayout = 1\n"
                                        "DealArrangement = 17\n";
    EXPECT_TRUE(parse(kings + "TableauCount = 8\n" + kRules).diagnostics.empty())
        << parse(kings + "TableauCount = 8\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(kings + "TableauCount = 9\n" + kRules),
              "games/test.game:10: DealArrangement 17 starts a new tableau at each king: "
              "TableauCount must be 1 to 8, the kings in the packs");
}

// Braid's one-way foundations read the foundations alone, and its cells
// take the waste's card: the rule is refused on a tableau, the cells
// without a waste on the table.
TEST(GameSource, RejectsTheOneWayRuleOnATableauAndWasteCellsWithoutAWaste) {
    const std::string corners = kHeader + "[parameters]\nCardCount = 52\nTableauCount = 4\n"
                                          "TableauLayout = 1\nFoundationCount = 4\n"
                                          "FoundationLayout = 2\n";
    EXPECT_TRUE(parse(corners + "FoundationRule = all 98\n" + kRules).diagnostics.empty())
        << parse(corners + "FoundationRule = all 98\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(corners + "TableauRule = all InSuitOneWayWrapping\n" + kRules),
              "games/test.game:13: TableauRule 98 (InSuitOneWayWrapping) reads the way the "
              "foundations build: it is a FoundationRule only");
    const std::string cells = kHeader + "[parameters]\nCardCount = 52\nReserveCount = 2\n"
                                        "ReserveLayout = 5\n";
    EXPECT_TRUE(
        parse(cells + "ReserveDropRule = 4 'W'\nStockPilesPlaced = 2\nStockLayout = 13\n" + kRules)
            .diagnostics.empty())
        << parse(cells + "ReserveDropRule = 4 'W'\nStockPilesPlaced = 2\nStockLayout = 13\n" +
                 kRules)
               .messages();
    EXPECT_EQ(onlyProblem(cells + "ReserveDropRule = 4 SingleFromWasteOntoEmpty\n" + kRules),
              "games/test.game:11: ReserveDropRule 87 (SingleFromWasteOntoEmpty) takes the "
              "waste's card: StockPilesPlaced must be 2");
}

// The gallery piles build on the base card their own code names, and the
// refill of the reserves from the stock wants both; a pile of aces builds no
// step, whatever RankStep says.
TEST(GameSource, RejectsGalleryPilesWithoutABaseRankAndRefillsWithoutReservesOrStock) {
    const std::string gallery = kHeader + "[parameters]\nCardCount = 104\nTableauCount = 3\n"
                                          "TableauLayout = 1\nRankStep = 3\n"
                                          "TableauRule = all InSuitOnBaseCard\n"
                                          "FoundationCount = 1\nFoundationLayout = 2\n"
                                          "FoundationRule = AceOnly\nFoundationMaxCards = 8\n"
                                          "FoundationCompleteCount = 8\n";
    EXPECT_TRUE(parse(gallery + "TableauEmptyCode = 4 3 2\n" + kRules).diagnostics.empty())
        << parse(gallery + "TableauEmptyCode = 4 3 2\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(gallery + "TableauEmptyCode = 4 AnyCard 2\n" + kRules),
              "games/test.game:12: TableauRule 99 (InSuitOnBaseCard) builds on the pile's base "
              "card: tableau 2 needs a TableauEmptyCode rank, 1 to 13");
    const std::string refill = kHeader + "[parameters]\nCardCount = 52\n";
    EXPECT_TRUE(parse(refill +
                      "ReserveCount = 2\nReserveLayout = 5\nStockCards = 50\n"
                      "ReserveStartCards = all 1\nFillStyle = ReservesFromStock\n" +
                      kRules)
                    .diagnostics.empty());
    EXPECT_EQ(onlyProblem(refill +
                          "ReserveCount = 2\nReserveLayout = 5\n"
                          "FillStyle = ReservesFromStock\n" +
                          kRules),
              "games/test.game:11: FillStyle 11 (ReservesFromStock) refills from the stock: "
              "StockCards must be 1 or more");
    EXPECT_EQ(onlyProblem(refill + "StockCards = 52\nFillStyle = 11\n" + kRules),
              "games/test.game:10: FillStyle 11 (ReservesFromStock) refills the reserves: the "
              "game has none");
}

// A foundation built by a step starts from a fixed rank (its base or its
// starting card) and is complete with the ranks the step reaches from there.
TEST(GameSource, RejectsAFoundationByStepsThatCannotComplete) {
    const std::string twos = kHeader + "[parameters]\nCardCount = 104\nFoundationCount = 2\n"
                                       "FoundationLayout = 2\nRankStep = 2\n"
                                       "FoundationDirection = all 1\n";
    const std::string based = twos + "FoundationBaseRank = 1 2\n";
    EXPECT_TRUE(parse(based + "FoundationCompleteCount = 7 6\n" + kRules).diagnostics.empty())
        << parse(based + "FoundationCompleteCount = 7 6\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(based + "FoundationCompleteCount = all 13\n" + kRules),
              "games/test.game:14: RankStep 2 builds foundation 1 from rank 1 without turning "
              "the corner: its FoundationCompleteCount must be 7");
    // The two of hearts of the second pack (card 54) dealt by code 154 sets
    // the second foundation's base.
    const std::string dealt = twos + "FoundationStartCard = 1 154\n";
    EXPECT_TRUE(parse(dealt + "FoundationCompleteCount = 7 6\n" + kRules).diagnostics.empty())
        << parse(dealt + "FoundationCompleteCount = 7 6\n" + kRules).messages();
    EXPECT_EQ(onlyProblem(kHeader +
                          "[parameters]\nCardCount = 52\nFoundationCount = 1\n"
                          "FoundationLayout = 2\nRankStep = 3\n"
                          "FoundationBaseRank = -1\n" +
                          kRules),
              "games/test.game:12: RankStep 3 builds from a fixed rank: foundation 1 must start "
              "from a rank (FoundationBaseRank 1 to 13 or a starting card)");
}

TEST(GameSource, RejectsALineTheStockCannotDealOrThatCannotBeWonInOnePile) {
    // Lines 8 to 14 of the file: the pack, the places, the first card, the
    // stock's deals, the layout and the line; more parameters follow.
    const auto line = [](int places, const std::string& dealt, const std::string& laterDeal,
                         const std::string& more = {}) {
        return kHeader + "[parameters]\nCardCount = 52\nStockCards = 51\nTableauCount = " +
               std::to_string(places) + "\nTableauStartCards = " + dealt +
               "\nTableauLaterDeal = " + laterDeal + "\nTableauLayout = 1\nTableauLine = 1\n" +
               more + kRules;
    };
    ASSERT_TRUE(parse(line(5, "1", "all 1")).diagnostics.empty())
        << parse(line(5, "1", "all 1")).messages();
    EXPECT_EQ(onlyProblem(line(5, "1", "all 1", "FoundationCount = 1\nFoundationLayout = 1\n")),
              "games/test.game:14: TableauLine wins with every card in one pile of the line: "
              "FoundationCount and ReserveCount must be 0");
    EXPECT_EQ(onlyProblem(line(5, "1", "1 1 1 1 0")),
              "games/test.game:12: TableauLine deals the stock's cards to the places in turn: "
              "TableauLaterDeal must be 1 for every tableau");
    EXPECT_EQ(onlyProblem(line(5, "0 1", "all 1")),
              "games/test.game:11: TableauLine deals one card to each of the first places and "
              "none after: TableauStartCards must be 1s followed by 0s");
    EXPECT_EQ(onlyProblem(line(3, "1", "all 1")),
              "games/test.game:14: TableauLine moves piles three places back: TableauCount must "
              "be 4 or more");
}

TEST(GameSource, RejectsGapRowsWithoutGapsOrRowsTheyCannotPlayIn) {
    // Lines 8 to 15 of the file: the pack, the rows, their deal, layout and
    // fan, the gaps, the first rank and the rule; one value may be changed.
    const auto rows = [](const std::string& changed, const std::string& more = {}) {
        std::string body = "CardCount = 52\nTableauCount = 4\nTableauStartCards = all 13\n"
                           "TableauLayout = 53\nTableauFanStyle = 4\nDealArrangement = 8\n"
                           "TableauEmptyCode = all 2\nGapRows = 1\n";
        if (!changed.empty()) {
            const std::string name = changed.substr(0, changed.find(' '));
            const std::size_t at = body.find(name + " =");
            body.replace(at, body.find('\n', at) - at, changed);
        }
        return kHeader + "[parameters]\n" + body + more + kRules;
    };
    ASSERT_TRUE(parse(rows("")).diagnostics.empty()) << parse(rows("")).messages();
    EXPECT_EQ(onlyProblem(rows("TableauFanStyle = 2")),
              "games/test.game:12: GapRows lays each row's places side by side: "
              "TableauFanStyle must be 4");
    EXPECT_EQ(onlyProblem(rows("DealArrangement = 0")),
              "games/test.game:13: GapRows needs gaps to move cards into: DealArrangement must "
              "be 8 (the aces taken out, leaving gaps)");
    EXPECT_EQ(onlyProblem(rows("TableauEmptyCode = 2 2 1 2")),
              "games/test.game:14: GapRows leads each row with the rank its empty-pile code "
              "names: TableauEmptyCode must be a rank from 2 to 13 for every row");
    EXPECT_EQ(onlyProblem(rows("TableauStartCards = 13 13 13 12")),
              "games/test.game:10: GapRows deals the whole pack into the rows: "
              "TableauStartCards must add up to CardCount");
    EXPECT_EQ(onlyProblem(rows("", "FoundationCount = 1\nFoundationLayout = 1\n")),
              "games/test.game:15: GapRows wins with every card in its row: FoundationCount and "
              "ReserveCount must be 0");
}

TEST(GameSource, KeepsOnlyTheCardsThePreparationLeaves) {
    // Preparation 9 keeps one heart per tableau: three tableaus, three cards.
    const std::string game = kHeader +
                             "[parameters]\nCardCount = 52\nTableauCount = 3\nTableauLayout = 124\n"
                             "DealArrangement = 9\nTableauStartCards = all 1\n";
    EXPECT_TRUE(parse(game + kRules).diagnostics.empty()) << parse(game + kRules).messages();
    EXPECT_EQ(onlyProblem(game + "StockCards = 1\n" + kRules),
              "games/test.game:8: the deal hands out 4 cards but the game has only 3");
}

TEST(GameSource, DuplicateGameNumbersAreRejected) {
    std::vector<Diagnostic> diagnostics;
    std::vector<GameSource> games;
    games.push_back(parseGameFile("a.game", kHeader + kParameters + kRules, diagnostics));
    games.push_back(parseGameFile("b.game", "\n" + kHeader + kParameters + kRules, diagnostics));
    ASSERT_TRUE(diagnostics.empty());
    checkCatalogue(games, diagnostics);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(formatDiagnostic(diagnostics[0]),
              "b.game:3: game number 12 is also used by a.game:2");
}

} // namespace
} // namespace vellomir::tools
