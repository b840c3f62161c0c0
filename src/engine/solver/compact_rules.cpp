#include "engine/solver/compact_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/opening_move.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/placement_check.h"
#include "engine/rules/target_checks.h"
#include "engine/solver/compact_position.h"
#include "engine/solver/tableau_redeal_plan.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/pack_suits.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/reserve_faces.h"

#include <algorithm>
#include <limits>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::FillStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;
using catalogue::RunSizeLimit;

namespace param = catalogue::param;

namespace {

// Building rules that look at the two cards and the pile's parameters only,
// never at where the card comes from or what else lies on the table.
bool cardsOnlyRule(int code) {
    for (const BuildingRuleCode pure :
         {BuildingRuleCode::InSuit, BuildingRuleCode::SameColour, BuildingRuleCode::AnySuit,
          BuildingRuleCode::AlternateColours, BuildingRuleCode::DifferentSuit}) {
        if (code == codeOf(pure)) {
            return true;
        }
    }
    return false;
}

// Foundation rules the tables hold: the card-only ones, the one that takes
// no single card (the foundations of complete suit runs), and in suit with
// four suits apart in each row of foundations, whose empty foundations the
// fast position checks against the others of their row
// (CompactRules::suitsApartInRows).
bool cardsOnlyFoundationRule(int code) {
    return cardsOnlyRule(code) || code == codeOf(BuildingRuleCode::Refused) ||
           code == codeOf(BuildingRuleCode::InSuitFourSuitsInRow);
}

// Whether any foundation keeps four suits apart in its row.
bool suitsApartInRows(const catalogue::GameParameters& p, int foundations) {
    for (int f = 0; f < foundations; ++f) {
        if (p[param::FoundationRule + f] == codeOf(BuildingRuleCode::InSuitFourSuitsInRow)) {
            return true;
        }
    }
    return false;
}

// Empty-pile codes that ask for a rank or for nothing.
bool cardsOnlyEmptyCode(int code) {
    return code == catalogue::empty_code::AnyCard || (code >= 1 && code <= 13);
}

// Empty-tableau codes the tables hold: those of any pile, a space only the
// program fills (none does in the covered games: nothing fills it), a space
// with no rank rule (the fans, which stay empty) and a space that takes
// single cards only (the tables ask singles and runs apart).
bool cardsOnlyEmptyTableauCode(int code) {
    namespace empty = catalogue::empty_code;
    constexpr int kNoRankRule = 0;
    return cardsOnlyEmptyCode(code) || code == kNoRankRule || code == empty::ProgramOnlyR ||
           code == empty::ProgramOnlyS || code == empty::SingleCardOnly;
}

// Run-size codes the tables hold: a length from the empty piles, or none.
bool countedRunSize(int code) {
    return code == codeOf(RunSizeLimit::AnyRun) ||
           code == codeOf(RunSizeLimit::FreeCellsAndTableaus) ||
           code == codeOf(RunSizeLimit::FreeCellsOrTableaus) ||
           code == codeOf(RunSizeLimit::DoublingThroughEmptyPiles) || code > 0;
}

bool allZero(const catalogue::GameParameters& p, int first, int count) {
    for (int i = 0; i < count; ++i) {
        if (p[first + i] != 0) {
            return false;
        }
    }
    return true;
}

// Reserve drop rules the position holds: the free cell (an empty reserve
// takes any single card) and the reserve that takes nothing back.
constexpr int kFreeCellDrop = 0;
constexpr int kNothingDropped = 4;

// The run-size limit of games where only a tableau's top card moves.
constexpr int kSingleCards = 1;

bool freeCellsOrClosed(const catalogue::GameParameters& p, int reserves) {
    for (int r = 0; r < reserves; ++r) {
        const int rule = p[param::ReserveDropRule + r];
        if (rule != kFreeCellDrop && rule != kNothingDropped) {
            return false;
        }
    }
    return true;
}

// Whether the fast position can play the game's redeal of the tableaus: a
// click on the place of a stock that holds no cards gathers the tableaus and
// deals them again, shuffled only where the passes are counted (the
// shuffle follows the pass). Gap rows gather otherwise.
bool redealOfTableausCovered(const catalogue::GameParameters& p) {
    return !table::isGapRows(p) && p[param::StockCards] == 0 && p[param::FillStyle] == 0 &&
           p[param::StockPasses] >= -1 &&
           (p[param::TableauRedealShuffled] == 0 || p[param::StockPasses] != -1);
}

// Whether the game's one reserve plays any of its cards wherever it lies,
// face up, and takes none back (Flower Garden's bouquet), and the position
// has room for a reserve for each of them.
bool bouquetGame(const table::ProgramState& state, const table::PileCounts& counts) {
    const catalogue::GameParameters& p = state.params;
    const std::string& bouquet = state.piles.reserve(0);
    for (int i = 0; i < table::cardCount(bouquet); ++i) {
        if (!state.cards.isFaceUp(table::cardAt(bouquet, i))) {
            return false;
        }
    }
    return p[param::CoveredReserveSendable] == catalogue::kCoveredReserveCardsPlay &&
           counts.reserves == 1 && p[param::ReserveDropRule] == kNothingDropped &&
           table::cardCount(bouquet) <= CompactRules::kMaxReserves;
}

// Whether a card's source never changes while it is in play, as far as the
// building rules can tell it: nothing comes back from the foundations and
// no reserve takes a card, so a card in a reserve stays there until it goes
// up. Then the tables, asked with every card where it lies, answer a rule
// that reads whether a card comes from a foundation or a reserve (Terrace's
// terrace, whose cards go to the foundations only) as it stays.
bool sourcesFixed(const table::ProgramState& state, const table::PileCounts& counts) {
    const catalogue::GameParameters& p = state.params;
    if (catalogue::foundationTopCardTakenBack(p, 1) ||
        catalogue::foundationTopCardTakenBack(p, 2)) {
        return false;
    }
    for (int r = 0; r < counts.reserves; ++r) {
        if (p[param::ReserveDropRule + r] != kNothingDropped) {
            return false;
        }
    }
    return true;
}

// Whether every foundation's base is the rank the first card sent up has
// and none gives a card back, so that the first card sent up fixes the base
// for the rest of the game.
bool baseSharedAndKept(const table::ProgramState& state, const table::PileCounts& counts) {
    const catalogue::GameParameters& p = state.params;
    if (catalogue::foundationTopCardTakenBack(p, 1) ||
        catalogue::foundationTopCardTakenBack(p, 2)) {
        return false;
    }
    for (int f = 0; f < counts.foundations; ++f) {
        if (p[param::FoundationBaseRank + f] != catalogue::empty_code::SameAsFoundations) {
            return false;
        }
    }
    return counts.foundations >= 1;
}

bool anyFoundationStarted(const table::ProgramState& state, const table::PileCounts& counts) {
    for (int f = 0; f < counts.foundations; ++f) {
        if (!state.piles.foundation(f).empty()) {
            return true;
        }
    }
    return false;
}

// Whether the foundations' base is the rank the started ones began with and
// is fixed already: a foundation holds a card and none gives one back
// (Terrace after its first move). The tables, asked of this table, then
// answer with that rank.
bool baseFixedByStartedFoundations(const table::ProgramState& state,
                                   const table::PileCounts& counts) {
    return baseSharedAndKept(state, counts) && anyFoundationStarted(state, counts);
}

// Tableau building rules the tables hold besides the card-only ones: one
// that reads where the card comes from, while sources stay fixed, and the
// waiving place, which takes a card or run onto itself empty once the stock
// is spent (its tables are asked of a spent copy; see closedWhileStock).
bool coveredTableauRule(const table::ProgramState& state, const table::PileCounts& counts,
                        int code) {
    return cardsOnlyRule(code) || code == codeOf(BuildingRuleCode::EmptyOnceStockSpent) ||
           (code == codeOf(BuildingRuleCode::AlternateColoursNotFromFoundationOrReserve) &&
            sourcesFixed(state, counts));
}

// Why the game's play is not moves between piles and stock clicks that the
// tables and the fast position can express: the first rule found that they
// cannot hold, or nothing when they hold every one.
std::optional<std::string> uncoveredRule(const table::ProgramState& state,
                                         const table::PileCounts& counts) {
    const catalogue::GameParameters& p = state.params;
    const std::pair<bool, const char*> plainChecks[] = {
        {gameTypeOf(p) == GameType::General, "a game type other than moving cards"},
        {p[param::SelectionGame] == 0, "a selection game"},
        {p[param::ClickToPlay] == 0, "cards played by a click"},
        {p[param::TargetScore] == 0, "a target score"},
        {p[param::JokerCount] == 0 && p[param::JokersDealt] == 0, "jokers"},
        {p[param::CardCount] >= 1 && p[param::CardCount] < CompactRules::kCodes,
         "a card count the tables cannot hold"},
        {p[param::DiscardPresent] == 0, "a discard pile"},
        {p[param::FillStyle] == 0 ||
             (p[param::FillStyle] == codeOf(FillStyle::FromFirstReserve) && counts.reserves >= 1 &&
              p[param::ReserveDropRule] == kNothingDropped) ||
             p[param::FillStyle] == codeOf(FillStyle::FromWasteOrStock),
         "spaces refilled by the program"},
        {p[param::FillTableausAfterFirstMove] == 0, "tableaus filled after the first move"},
        {p[param::FirstMoveFromTableau] == 0 || !openingMoveDue(state),
         "a first move from a tableau still to make"},
        {p[param::LockedTableauRows] == 0, "locked tableau rows"},
        {p[param::StockFirstRestriction] == 0, "a restriction on the stock's first card"},
        {p[param::TableauRedealGroup] == 0 || redealOfTableausCovered(p),
         "a redeal of the tableaus other than of fans without a stock"},
        {p[param::ClockFace] == 0, "a clock face"},
        {p[param::TableauDraws] == 0 || (p[param::RunSizeLimit] == kSingleCards &&
                                         counts.reserves == 0 && p[param::FillStyle] == 0),
         "draws from under the tableaus' top cards where runs move"},
        {p[param::ExtraCardToFoundation1] == 0, "an extra card to the first foundation"},
        {p[param::CoveredReserveSendable] == 0 || bouquetGame(state, counts),
         "covered reserve cards sent up, other than from one reserve that takes none back"},
        {p[param::ReserveStartFace] != table::kReserveLastCardUp ||
             (counts.reserves == 1 && p[param::FillStyle] == codeOf(FillStyle::FromFirstReserve)),
         "a reserve that shows only its last card, other than one the spaces take from"},
        {countedRunSize(p[param::RunSizeLimit]), "a run-size limit the tables cannot count"},
        {p[param::RunCheck] == codeOf(catalogue::RunCheck::RunsByLimitOnly) ||
             catalogue::runsAreChecked(p),
         "a run check the tables cannot hold"},
        {p[param::TableauFanStyle] != codeOf(FanStyle::FreeForm) &&
             p[param::TableauFanStyle] != codeOf(FanStyle::FreeFormAlike),
         "free-form tableaus"},
        {cardsOnlyEmptyCode(p[param::FoundationBaseRank]) ||
             baseFixedByStartedFoundations(state, counts),
         "a foundation base set by the deal"},
        {counts.tableaus >= 1 && counts.tableaus <= CompactRules::kMaxTableaus,
         "a tableau count the position cannot hold"},
        {counts.reserves <= CompactRules::kMaxReserves, "more reserves than the position holds"},
        {counts.foundations >= 1 && counts.foundations <= CompactRules::kMaxFoundations,
         "a foundation count the position cannot hold"},
        {freeCellsOrClosed(p, counts.reserves), "reserves with a drop rule"},
    };
    for (const auto& [holds, why] : plainChecks) {
        if (!holds) {
            return why;
        }
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        if (!coveredTableauRule(state, counts, p[param::TableauRule + t])) {
            return "tableau building rule " + std::to_string(p[param::TableauRule + t]);
        }
        if (!cardsOnlyEmptyTableauCode(p[param::TableauEmptyCode + t])) {
            return "empty tableau code " + std::to_string(p[param::TableauEmptyCode + t]);
        }
    }
    for (int f = 0; f < counts.foundations; ++f) {
        if (!cardsOnlyFoundationRule(p[param::FoundationRule + f])) {
            return "foundation building rule " + std::to_string(p[param::FoundationRule + f]);
        }
        if (!cardsOnlyEmptyCode(p[param::FoundationBaseRank + f]) &&
            !baseFixedByStartedFoundations(state, counts)) {
            return "foundation base " + std::to_string(p[param::FoundationBaseRank + f]);
        }
        if (p[param::FoundationMaxCards] < p[param::CardCount] / counts.foundations) {
            return std::string("foundations too small to hold every card");
        }
    }
    // A free cell holds one card, face up; a reserve that takes nothing
    // back gives its cards from the top.
    for (int r = 0; r < counts.reserves; ++r) {
        const std::string& cell = state.piles.reserve(r);
        if (p[param::ReserveDropRule + r] == kNothingDropped) {
            continue;
        }
        // A free cell the stock deals onto holds the cards dealt, face up.
        bool faceUp = true;
        for (int i = 0; i < table::cardCount(cell); ++i) {
            faceUp = faceUp && state.cards.isFaceUp(table::cardAt(cell, i));
        }
        if (p[param::ReserveLaterDeal + r] != 0 && faceUp) {
            continue;
        }
        if (table::cardCount(cell) > 1 ||
            (!cell.empty() && !state.cards.isFaceUp(table::topCardOf(cell)))) {
            return std::string("a reserve of more than one card, or a face-down one");
        }
    }
    // Face-down tableau cards turn up as they are uncovered.
    const bool turnsUp = state.settings.read(settings::field::AutomaticFaceUp) != "N" &&
                         p[param::AutomaticFaceUp] == 1;
    for (int t = 0; t < counts.tableaus && !turnsUp; ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (!state.cards.isFaceUp(table::cardAt(pile, i))) {
                return std::string("face-down tableau cards turned by hand");
            }
        }
    }
    const bool stockInPlay =
        !state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty();
    if (!allZero(p, param::TableauLaterDeal, counts.tableaus) ||
        !allZero(p, param::ReserveLaterDeal, counts.reserves)) {
        // A click on the stock deals onto the tableaus or the reserves (what
        // it deals is learnt from the pointer input); there is no waste to
        // turn.
        if (p[param::EmptyWasteIsRedeal] == 0 && p[param::PassCountingStyle] == 0 &&
            p[param::DiscardLayout] == 0 && state.piles.stock(table::kWaste).empty()) {
            return std::nullopt;
        }
        return std::string("a stock that deals to the piles and has a waste");
    }
    if (stockInPlay) {
        // A click on the stock turns cards onto the waste, a click on the
        // empty stock turns the waste back; the waste takes no drop.
        const std::pair<bool, const char*> stockChecks[] = {
            {p[param::EmptyWasteIsRedeal] == 1, "a click on the empty waste that is no redeal"},
            {p[param::WasteButtonDealMode] == 0, "a waste button's deal mode"},
            {p[param::PassCountingStyle] == 0, "a pass counting style"},
            {p[param::EmptyStockIsRedeal] == 1, "a click on the empty stock that is no redeal"},
            {p[param::WasteCardLocked] == 0, "a locked waste card"},
            {p[param::WasteNotDropTarget] == catalogue::kWasteRefusesDrops,
             "a waste that takes drops"},
            {p[param::CardsPerStockClick] >= 1, "no cards per stock click"},
            {p[param::StockPasses] >= -1, "a pass count the position cannot hold"},
        };
        for (const auto& [holds, why] : stockChecks) {
            if (!holds) {
                return std::string(why) + " (" + std::to_string(p[param::EmptyWasteIsRedeal]) +
                       "/" + std::to_string(p[param::WasteButtonDealMode]) + "/" +
                       std::to_string(p[param::PassCountingStyle]) + "/" +
                       std::to_string(p[param::EmptyStockIsRedeal]) + "/" +
                       std::to_string(p[param::WasteCardLocked]) + "/" +
                       std::to_string(p[param::WasteNotDropTarget]) + ")";
            }
        }
    }
    return std::nullopt;
}

// A stock click played through the pointer input on a copy of `table`, with
// Autoplay off as the solver's lines play: the pile (the fast position's
// numbering, tableaus then reserves) each card dealt goes to, from the
// stock's top card on. Nothing when the click does anything but deal
// face-up cards onto those piles, in the stock's order.
std::optional<std::vector<int>>
clickDeal(table::ProgramState& table, const seam::Frontend& geometry, int tableaus, int reserves) {
    const table::ProgramState before = table;
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(table) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return std::nullopt;
    }
    if (!runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}})) {
        return std::nullopt;
    }
    const std::string& stock = before.piles.stock(table::kStock);
    const int stockCards = table::cardCount(stock);
    std::vector<int> to(static_cast<std::size_t>(stockCards), -1);
    int dealt = 0;
    for (int t = 0; t < tableaus + reserves; ++t) {
        const table::PileRef pile = t < tableaus
                                        ? table::PileRef{table::PileKind::Tableau, t}
                                        : table::PileRef{table::PileKind::Reserve, t - tableaus};
        const std::string& was = before.piles.pile(pile);
        const std::string& now = table.piles.pile(pile);
        if (now.size() < was.size() || now.compare(0, was.size(), was) != 0) {
            return std::nullopt;
        }
        int last = -1;
        for (int i = table::cardCount(was); i < table::cardCount(now); ++i) {
            const int card = table::cardAt(now, i);
            const int at = positionInPile(stock, card);
            const int fromTop = stockCards - 1 - at;
            if (at < 0 || fromTop <= last || !table.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            to[static_cast<std::size_t>(fromTop)] = t;
            last = fromTop;
            ++dealt;
        }
    }
    to.resize(static_cast<std::size_t>(dealt));
    if (std::ranges::find(to, -1) != to.end()) {
        return std::nullopt; // not the stock's top cards
    }
    const table::PileCounts counts = table::PileCounts::of(table.params);
    bool othersKept = table.piles.stock(table::kWaste) == before.piles.stock(table::kWaste) &&
                      table::cardCount(table.piles.stock(table::kStock)) == stockCards - dealt &&
                      stock.compare(0, table.piles.stock(table::kStock).size(),
                                    table.piles.stock(table::kStock)) == 0;
    for (int f = 0; f < counts.foundations; ++f) {
        othersKept = othersKept && table.piles.foundation(f) == before.piles.foundation(f);
    }
    for (int r = reserves; r < counts.reserves; ++r) {
        othersKept = othersKept && table.piles.reserve(r) == before.piles.reserve(r);
    }
    if (!othersKept) {
        return std::nullopt;
    }
    return to;
}

// Whether a click's deal `to` gives tableau `t` a card.
bool dealsOnto(const std::vector<int>& to, int t) {
    return std::ranges::find(to, t) != to.end();
}

// What a click deals from `state` (whose tableaus all hold cards), with
// each tableau emptied in turn to see whether a gap there stops the deal
// or lets the click pass that tableau by. Nothing when a click does
// something the fast position cannot play.
std::optional<StockDeal> learnOneDeal(const table::ProgramState& state,
                                      const seam::Frontend& geometry, int tableaus, int reserves) {
    table::ProgramState clicked = state;
    std::optional<std::vector<int>> full = clickDeal(clicked, geometry, tableaus, reserves);
    if (!full || full->empty() || full->size() > StockDeal::kMostCards) {
        return std::nullopt;
    }
    StockDeal deal;
    deal.to = std::move(*full);
    for (int t = 0; t < tableaus; ++t) {
        table::ProgramState gap = state;
        gap.piles.tableau(t).clear();
        const std::optional<std::vector<int>> dealt = clickDeal(gap, geometry, tableaus, reserves);
        if (!dealt) {
            return std::nullopt;
        }
        const bool none = dealt->empty();
        deal.refusedByGap[static_cast<std::size_t>(t)] = none;
        deal.skipsEmpty[static_cast<std::size_t>(t)] =
            !none && dealsOnto(deal.to, t) && !dealsOnto(*dealt, t);
    }
    return deal;
}

// Whether deal `b` is deal `a` cut short by the stock running out. A
// tableau the short deal never reaches cannot show that it is passed by
// when empty: there only `a` tells. (Grounds for a Divorce's last four
// cards go to the first four tableaus that hold cards, which the whole
// deal, passing the empty ones by, gives them.)
bool sameDealCutShort(const StockDeal& a, const StockDeal& b) {
    if (b.to.size() > a.to.size() || !std::equal(b.to.begin(), b.to.end(), a.to.begin()) ||
        a.refusedByGap != b.refusedByGap) {
        return false;
    }
    for (std::size_t t = 0; t < a.skipsEmpty.size(); ++t) {
        if (a.skipsEmpty[t] != b.skipsEmpty[t] && dealsOnto(b.to, static_cast<int>(t))) {
            return false;
        }
    }
    return true;
}

// Learns what stock clicks deal onto the tableaus and reserves, by clicks on
// copies of the table: the first click's deal, then each later click's
// where it deals otherwise (Algerian Patience's last eight cards go to the
// tableaus). False when a click does something the fast position cannot
// play (and while a tableau is empty already, since the full deal cannot
// then be seen).
bool learnStockDeal(const table::ProgramState& state, const seam::Frontend& geometry,
                    CompactRules& rules) {
    if (state.piles.stock(table::kStock).empty()) {
        return true; // nothing left to deal
    }
    for (int t = 0; t < rules.tableaus; ++t) {
        // A tableau closed while the stock holds cards is empty at every deal.
        if (state.piles.tableau(t).empty() &&
            !rules.closedWhileStock[static_cast<std::size_t>(t)]) {
            return false;
        }
    }
    table::ProgramState table = state;
    bool first = true;
    while (!table.piles.stock(table::kStock).empty()) {
        const int stockCards = table::cardCount(table.piles.stock(table::kStock));
        std::optional<StockDeal> deal =
            learnOneDeal(table, geometry, rules.tableaus, rules.reserves);
        if (!deal) {
            return false;
        }
        if (first) {
            rules.deal = *deal;
            first = false;
        } else if (!sameDealCutShort(rules.deal, *deal)) {
            deal->stockCards = stockCards;
            rules.lateDeals.push_back(*deal);
        }
        if (!clickDeal(table, geometry, rules.tableaus, rules.reserves)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> compactRulesRefusal(const table::ProgramState& state) {
    return uncoveredRule(state, table::PileCounts::of(state.params));
}

bool baseStillToChoose(const table::ProgramState& state) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    return baseSharedAndKept(state, counts) && !anyFoundationStarted(state, counts);
}

std::optional<CompactRules> compactRulesForBase(const table::ProgramState& state,
                                                const seam::Frontend& geometry, int rank) {
    if (!baseStillToChoose(state)) {
        return std::nullopt;
    }
    // The tables are asked of a copy with one card of that rank moved onto
    // the first foundation, as though it had been sent up: every empty
    // foundation then takes that rank only, and the building rules read
    // nothing else of where the cards lie.
    const table::PileCounts counts = table::PileCounts::of(state.params);
    table::ProgramState based = state;
    for (int t = 0; t < counts.tableaus; ++t) {
        std::string& pile = based.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            if (card >= 1 && table::rankOf(card) == rank) {
                constexpr std::size_t kDigits = 3;
                const std::size_t at = static_cast<std::size_t>(i) * kDigits;
                based.piles.foundation(0) = pile.substr(at, kDigits);
                pile.erase(at, kDigits);
                std::optional<CompactRules> rules = compactRulesFor(based, geometry);
                if (rules) {
                    rules->firstCardUpByHand = true;
                }
                return rules;
            }
        }
    }
    return std::nullopt; // no card of that rank lies on the tableaus
}

int CompactRules::longestRun(int emptyTableaus, int emptyReserves, bool targetEmpty) const {
    const std::optional<int> limit =
        runLengthLimit(runSizeCode, emptyTableaus, emptyReserves, targetEmpty);
    return limit ? *limit : std::numeric_limits<int>::max();
}

std::optional<CompactRules> compactRulesFor(const table::ProgramState& state,
                                            const seam::Frontend& geometry) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    if (uncoveredRule(state, counts)) {
        return std::nullopt;
    }
    const catalogue::GameParameters& p = state.params;
    CompactRules rules;
    rules.tableaus = counts.tableaus;
    rules.reserves = counts.reserves;
    rules.foundations = counts.foundations;
    rules.cards = p[param::CardCount];
    rules.hasStock =
        !state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty();
    rules.drawCount = std::max(1, p[param::CardsPerStockClick]);
    rules.passLimit = p[param::StockPasses];
    rules.tableauDraws = p[param::TableauDraws];
    rules.runSizeCode = p[param::RunSizeLimit];
    constexpr int kOneCard = 1;
    constexpr int kOnePack = 52;
    // A stock that deals onto the tableaus has no waste (below): its clicks
    // are deal moves, and the restarted search is not for those games. Where
    // the waste or the stock fills the spaces, it is for three cards a
    // click too (Little Forty: about three times the wins at 0.1 s).
    const bool wasteFills = p[param::FillStyle] == codeOf(FillStyle::FromWasteOrStock);
    rules.restartedSearch = rules.hasStock && rules.passLimit != -1 &&
                            (rules.drawCount == 1 || wasteFills) && rules.cards > kOnePack &&
                            allZero(p, param::TableauLaterDeal, counts.tableaus);
    rules.onePackRestarts = rules.hasStock && rules.passLimit != -1 && rules.cards <= kOnePack &&
                            rules.runSizeCode != kOneCard &&
                            allZero(p, param::TableauLaterDeal, counts.tableaus) &&
                            allZero(p, param::ReserveLaterDeal, counts.reserves);
    rules.clicksAsMoves = rules.restartedSearch || rules.onePackRestarts ||
                          (rules.hasStock && rules.passLimit != -1 && rules.drawCount == 1 &&
                           rules.runSizeCode == kOneCard);
    // Asked of a foundation of two cards and of one: a joker freed from a
    // foundation alone is no card the tables move back.
    rules.takeBack = catalogue::foundationTopCardTakenBack(p, 2);
    rules.takeBackKeeps = rules.takeBack && !catalogue::foundationTopCardTakenBack(p, 1) ? 1 : 0;
    rules.suitRunFoundation = p[param::FoundationTakesSuitRun] != 0;
    rules.fillsFromReserve = p[param::FillStyle] == codeOf(FillStyle::FromFirstReserve);
    rules.fillsFromWasteOrStock = wasteFills;
    rules.reserveLastCardOnly = p[param::ReserveStartFace] == table::kReserveLastCardUp;
    rules.tableauMaxCards = p[param::TableauMaxCards] > 0 ? p[param::TableauMaxCards] : -1;
    rules.foundationMaxCards = p[param::FoundationMaxCards];
    if (baseFixedByStartedFoundations(state, counts)) {
        for (int f = 0; f < counts.foundations; ++f) {
            const std::string& pile = state.piles.foundation(f);
            if (!pile.empty()) {
                rules.wantedFrom = table::rankOf(table::cardAt(pile, 0));
                break;
            }
        }
    }
    rules.foundationsInSuit = true;
    for (int f = 0; f < counts.foundations; ++f) {
        rules.foundationsInSuit = rules.foundationsInSuit &&
                                  p[param::FoundationRule + f] == codeOf(BuildingRuleCode::InSuit);
    }
    for (int byte = 0; byte < 256; ++byte) {
        const int code = byte & CompactPosition::kCodeMask;
        const int played = code >= 1 && code <= rules.cards ? table::shownCard(p, code) : code;
        rules.playedAs[static_cast<std::size_t>(byte)] =
            static_cast<std::uint8_t>(played | (byte & CompactPosition::kFaceDown));
    }
    // The waiving place opens once the stock is spent: its tables are asked
    // of a copy whose stock is spent, and the table as it is must refuse
    // every card (below).
    const bool stockHolds = !state.piles.stock(table::kStock).empty();
    bool anyClosed = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        const bool closed = stockHolds && p[param::TableauRule + t] ==
                                              codeOf(BuildingRuleCode::EmptyOnceStockSpent);
        rules.closedWhileStock[static_cast<std::size_t>(t)] = closed;
        anyClosed = anyClosed || closed;
    }
    if (!allZero(p, param::TableauLaterDeal, counts.tableaus) ||
        !allZero(p, param::ReserveLaterDeal, counts.reserves)) {
        rules.hasStock = false; // no waste: the clicks are deal moves
        if (!learnStockDeal(state, geometry, rules)) {
            return std::nullopt;
        }
    }

    // The placement test only reports through the frontend; nothing is shown.
    QuietFrontend screen(geometry);
    // Single cards and runs are asked apart (some spaces take single cards
    // only); the other rules the tables hold read neither.
    std::optional<table::ProgramState> spent;
    if (anyClosed) {
        spent = state;
        spent->piles.stock(table::kStock).clear();
    }
    auto ofRun = [](PlacementQuery query) {
        query.count = 2;
        return query;
    };

    const int codes = std::min(CompactRules::kCodes, rules.cards + 1);
    const std::size_t perPile =
        static_cast<std::size_t>(CompactRules::kCodes) * CompactRules::kCodes;
    rules.m_tableau.assign(perPile * static_cast<std::size_t>(rules.tableaus), 0);
    rules.m_runPair.assign(perPile * static_cast<std::size_t>(rules.tableaus), 0);
    rules.m_emptyRun.assign(static_cast<std::size_t>(CompactRules::kCodes) *
                                static_cast<std::size_t>(rules.tableaus),
                            0);
    rules.m_foundation.assign(perPile * static_cast<std::size_t>(rules.foundations), 0);
    const bool checkedRuns = catalogue::runsAreChecked(p);
    for (int t = 0; t < rules.tableaus; ++t) {
        const bool closed = rules.closedWhileStock[static_cast<std::size_t>(t)];
        const table::ProgramState& single = closed ? *spent : state;
        const table::ProgramState& run = single;
        for (int below = 0; below < codes; ++below) {
            for (int moving = 1; moving < codes; ++moving) {
                if (closed &&
                    (placementAllowed(state, screen,
                                      tableauPlacementQuery(state, t, below, moving)) ||
                     (below == 0 &&
                      placementAllowed(state, screen,
                                       ofRun(tableauPlacementQuery(state, t, 0, moving)))))) {
                    return std::nullopt; // it takes a card while the stock holds cards
                }
                rules.m_tableau[CompactRules::index(t, below, moving)] =
                    placementAllowed(single, screen,
                                     tableauPlacementQuery(single, t, below, moving))
                        ? 1
                        : 0;
                if (below == 0) {
                    rules.m_emptyRun[static_cast<std::size_t>(t) * CompactRules::kCodes +
                                     static_cast<std::size_t>(moving)] =
                        placementAllowed(run, screen,
                                         ofRun(tableauPlacementQuery(run, t, 0, moving)))
                            ? 1
                            : 0;
                } else {
                    rules.m_runPair[CompactRules::index(t, below, moving)] =
                        !checkedRuns || placementAllowed(run, screen,
                                                         ofRun(runPairQuery(run, t, below, moving)))
                            ? 1
                            : 0;
                }
            }
        }
    }
    // Where a row of foundations keeps its suits apart, the tables hold
    // what an empty foundation takes with its row empty; the position
    // checks the row's other suits.
    rules.suitsApartInRows = suitsApartInRows(p, rules.foundations);
    table::ProgramState rowsEmpty;
    if (rules.suitsApartInRows) {
        rowsEmpty = state;
        for (int f = 0; f < rules.foundations; ++f) {
            rowsEmpty.piles.foundation(f).clear();
        }
    }
    const table::ProgramState& foundationAsked = rules.suitsApartInRows ? rowsEmpty : state;
    for (int f = 0; f < rules.foundations; ++f) {
        for (int below = 0; below < codes; ++below) {
            for (int moving = 1; moving < codes; ++moving) {
                rules.m_foundation[CompactRules::index(f, below, moving)] =
                    placementAllowed(foundationAsked, screen,
                                     foundationPlacementQuery(foundationAsked, f, below, moving))
                        ? 1
                        : 0;
            }
        }
    }
    // Which reserves take a card back, asked of the reserve's own check
    // with the reserve emptied: every card or none, as the covered drop
    // rules have it.
    rules.bouquet = bouquetGame(state, counts);
    if (rules.bouquet) {
        // Each card of the bouquet a reserve that takes nothing.
        rules.reserves = table::cardCount(state.piles.reserve(0));
    }
    for (int r = 0; r < rules.reserves && !rules.bouquet; ++r) {
        table::ProgramState emptied = state;
        emptied.piles.reserve(r).clear();
        int taken = 0;
        for (int card = 1; card < codes; ++card) {
            CardMove move;
            move.card = card;
            move.to = {table::PileKind::Reserve, r};
            taken += reserveTargetCheck(emptied, screen, move) ? 1 : 0;
        }
        if (taken != 0 && taken != codes - 1) {
            return std::nullopt;
        }
        rules.reserveTakes[static_cast<std::size_t>(r)] = taken != 0;
        rules.reservesApart =
            rules.reservesApart || (taken != 0 && p[param::ReserveLaterDeal + r] != 0);
        rules.fewPositions = rules.fewPositions || taken != 0;
    }
    for (int t = 0; t < rules.tableaus; ++t) {
        rules.fewPositions =
            rules.fewPositions && p[param::TableauRule + t] == codeOf(BuildingRuleCode::InSuit);
    }
    for (int r = 0; r < rules.reserves && !rules.bouquet; ++r) {
        const std::string& pile = state.piles.reserve(r);
        bool upOnly =
            table::cardCount(pile) > 1 && !rules.reserveTakes[static_cast<std::size_t>(r)];
        for (int i = 0; i < table::cardCount(pile) && upOnly; ++i) {
            const int card = table::cardAt(pile, i);
            for (int t = 0; t < rules.tableaus && upOnly; ++t) {
                for (int below = 0; below < codes && upOnly; ++below) {
                    upOnly = !rules.tableauTakes(t, below, card);
                }
            }
        }
        rules.upOnlyReserve[static_cast<std::size_t>(r)] = upOnly;
    }
    // Piles with the same parameters take the same cards.
    for (int t = 0; t < rules.tableaus; ++t) {
        rules.tableauClass[t] = t;
        for (int u = 0; u < t; ++u) {
            if (p[param::TableauRule + t] == p[param::TableauRule + u] &&
                p[param::TableauEmptyCode + t] == p[param::TableauEmptyCode + u] &&
                p[param::TableauDirection + t] == p[param::TableauDirection + u] &&
                p[param::TableauBaseFlag + t] == p[param::TableauBaseFlag + u]) {
                rules.tableauClass[t] = rules.tableauClass[u];
                break;
            }
        }
    }
    if (p[param::TableauRedealGroup] != 0) {
        // The redeal gathers the tableaus in their order: while it may come,
        // no two tableaus are alike, empty or not.
        int onFoundations = 0;
        for (int f = 0; f < counts.foundations; ++f) {
            onFoundations += table::cardCount(state.piles.foundation(f));
        }
        rules.redeal = learnTableauRedeal(
            state, geometry, rules.takeBack ? rules.cards : rules.cards - onFoundations);
        if (!rules.redeal) {
            return std::nullopt;
        }
        for (int t = 0; t < rules.tableaus; ++t) {
            rules.tableauClass[t] = t;
        }
    }
    for (int f = 0; f < rules.foundations; ++f) {
        rules.foundationClass[f] = f;
        for (int g = 0; g < f; ++g) {
            if (p[param::FoundationRule + f] == p[param::FoundationRule + g] &&
                p[param::FoundationBaseRank + f] == p[param::FoundationBaseRank + g] &&
                p[param::FoundationDirection + f] == p[param::FoundationDirection + g]) {
                rules.foundationClass[f] = rules.foundationClass[g];
                break;
            }
        }
    }
    // Under code -5 an empty tableau counts towards a run's length only
    // where it takes any card: the run moves card by card.
    const bool spacesByCard = rules.runSizeCode == codeOf(RunSizeLimit::FreeCellsAndTableaus);
    for (int card = 1; card < codes; ++card) {
        for (int t = 0; t < rules.tableaus; ++t) {
            if (!spacesByCard || emptyTableauTakesAnyCard(state, t)) {
                rules.runSpaces[static_cast<std::size_t>(card)] |= 1U << t;
            }
        }
    }
    rules.buildsOn.assign(CompactRules::kCodes, {});
    for (int below = 1; below < codes; ++below) {
        for (int moving = 1; moving < codes; ++moving) {
            for (int t = 0; t < rules.tableaus; ++t) {
                if (rules.tableauTakes(t, below, moving)) {
                    rules.buildsOn[below].push_back(static_cast<std::uint8_t>(moving));
                    break;
                }
            }
        }
    }
    rules.builders.assign(CompactRules::kCodes, {});
    rules.buildersOfBuilders.assign(CompactRules::kCodes, {});
    for (int card = 1; card < codes; ++card) {
        for (const std::uint8_t builder : rules.buildsOn[card]) {
            rules.builders[card].set(builder);
        }
    }
    for (int card = 1; card < codes; ++card) {
        for (const std::uint8_t builder : rules.buildsOn[card]) {
            rules.buildersOfBuilders[card] |= rules.builders[builder];
        }
    }
    for (int f = 1; f < rules.foundations; ++f) {
        rules.foundationsAlike = rules.foundationsAlike && rules.foundationClass[f] == 0;
    }
    // Which way each foundation builds, asked on the five of the first suit:
    // the six or the four of its suit on it, and not the six of another.
    constexpr int kFive = 5;
    constexpr int kRanks = 13;
    bool buildsUp = false;
    bool buildsDown = false;
    for (int f = 0; f < rules.foundations && codes > kFive + kRanks + 1; ++f) {
        const bool inSuitOnly = !rules.foundationTakes(f, kFive, kFive + kRanks + 1) &&
                                !rules.foundationTakes(f, kFive, kFive + kRanks - 1);
        const int step = !inSuitOnly                                  ? 0
                         : rules.foundationTakes(f, kFive, kFive + 1) ? 1
                         : rules.foundationTakes(f, kFive, kFive - 1) ? -1
                                                                      : 0;
        rules.foundationStep[static_cast<std::size_t>(f)] = step;
        buildsUp = buildsUp || step == 1;
        buildsDown = buildsDown || step == -1;
    }
    rules.foundationsBothWays = buildsUp && buildsDown && rules.wantedFrom == 0;
    int bases = 0;
    for (int card = 1; card < codes; ++card) {
        bases += rules.foundationTakes(0, 0, card) ? 1 : 0;
    }
    rules.basesFit = rules.foundationsAlike && bases <= rules.foundations;
    rules.runsThroughSpaces = rules.restartedSearch && rules.runSizeCode == kOneCard &&
                              rules.tableauMaxCards == -1 && !rules.fillsFromReserve &&
                              !rules.suitRunFoundation && !rules.redeal && !rules.dealsToTableaus();
    for (int t = 0; t < rules.tableaus && rules.runsThroughSpaces; ++t) {
        for (int card = 1; card < codes; ++card) {
            rules.runsThroughSpaces = rules.runsThroughSpaces && rules.tableauTakes(t, 0, card);
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        rules.keyCard[static_cast<std::size_t>(byte)] =
            rules.playedAs[static_cast<std::size_t>(byte)];
    }
    for (int card = 2; card < codes; ++card) {
        for (int twin = 1; twin < card; ++twin) {
            if (table::rankOf(twin) == table::rankOf(card) &&
                table::suitOf(twin) == table::suitOf(card) && rules.playAlike(twin, card)) {
                const auto face = static_cast<std::uint8_t>(CompactPosition::kFaceDown);
                const std::uint8_t twinKey = rules.keyCard[static_cast<std::size_t>(twin)];
                rules.keyCard[static_cast<std::size_t>(card)] = twinKey;
                rules.keyCard[static_cast<std::size_t>(card | face)] =
                    static_cast<std::uint8_t>(twinKey | face);
                break;
            }
        }
    }
    return rules;
}

bool CompactRules::playAlike(int a, int b) const {
    if (runSpaces[static_cast<std::size_t>(a)] != runSpaces[static_cast<std::size_t>(b)]) {
        return false;
    }
    for (int t = 0; t < tableaus; ++t) {
        if (emptyTakesRun(t, a) != emptyTakesRun(t, b)) {
            return false;
        }
        for (int other = 0; other < kCodes; ++other) {
            if (tableauTakes(t, other, a) != tableauTakes(t, other, b) ||
                runPairFits(t, other, a) != runPairFits(t, other, b)) {
                return false;
            }
            if (other != 0 && (tableauTakes(t, a, other) != tableauTakes(t, b, other) ||
                               runPairFits(t, a, other) != runPairFits(t, b, other))) {
                return false;
            }
        }
    }
    for (int f = 0; f < foundations; ++f) {
        for (int other = 0; other < kCodes; ++other) {
            if (foundationTakes(f, other, a) != foundationTakes(f, other, b) ||
                (other != 0 && foundationTakes(f, a, other) != foundationTakes(f, b, other))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace vellomir::engine
