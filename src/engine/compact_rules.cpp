#include "engine/compact_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/card_runs.h"
#include "engine/placement_check.h"
#include "engine/quiet_frontend.h"
#include "engine/target_checks.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <limits>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;
using catalogue::FanStyle;
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

// Empty-pile codes that ask for a rank or for nothing.
bool cardsOnlyEmptyCode(int code) {
    return code == -1 || (code >= 1 && code <= 13);
}

// Run-size codes the tables hold: a length from the empty piles, or none.
bool countedRunSize(int code) {
    return code == -1 || code == -6 || code == -7 || code > 0;
}

bool allZero(const catalogue::GameParameters& p, int first, int count) {
    for (int i = 0; i < count; ++i) {
        if (p[first + i] != 0) {
            return false;
        }
    }
    return true;
}

// Whether the game's play is moves between piles and stock clicks that the
// tables and the fast position can express.
bool coveredGame(const table::ProgramState& state, const table::PileCounts& counts) {
    const catalogue::GameParameters& p = state.params;
    const bool plain =
        gameTypeOf(p) == GameType::General && p[param::SelectionGame] == 0 &&
        p[param::ClickToPlay] == 0 && p[param::TargetScore] == 0 && p[param::JokerCount] == 0 &&
        p[param::JokersDealt] == 0 && p[param::CardCount] >= 1 &&
        p[param::CardCount] < CompactRules::kCodes && p[param::DiscardPresent] == 0 &&
        p[param::FillStyle] == 0 && p[param::FillTableausAfterFirstMove] == 0 &&
        p[param::FirstMoveFromTableau] == 0 && p[param::LockedTableauRows] == 0 &&
        p[param::StockFirstRestriction] == 0 && p[param::FoundationTakesSuitRun] == 0 &&
        p[param::TableauRedealGroup] == 0 && p[param::PackSuits] == 0 &&
        p[param::ExtraCardToFoundation1] == 0 && p[param::TableauMaxCards] == -1 &&
        p[param::CoveredReserveSendable] == 0 && countedRunSize(p[param::RunSizeLimit]) &&
        (p[param::RunCheck] == 0 || p[param::RunCheck] == 1 || p[param::RunCheck] == 10) &&
        p[param::TableauFanStyle] != codeOf(FanStyle::FreeForm) &&
        p[param::TableauFanStyle] != codeOf(FanStyle::FreeFormAlike) &&
        cardsOnlyEmptyCode(p[param::FoundationBaseRank]);
    if (!plain || counts.tableaus < 1 || counts.tableaus > CompactRules::kMaxTableaus ||
        counts.reserves > CompactRules::kMaxReserves || counts.foundations < 1 ||
        counts.foundations > CompactRules::kMaxFoundations) {
        return false;
    }
    if (!allZero(p, param::TableauLaterDeal, counts.tableaus) ||
        !allZero(p, param::ReserveLaterDeal, counts.reserves) ||
        !allZero(p, param::ReserveDropRule, counts.reserves)) {
        return false;
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        if (!cardsOnlyRule(p[param::TableauRule + t]) ||
            !cardsOnlyEmptyCode(p[param::TableauEmptyCode + t])) {
            return false;
        }
    }
    for (int f = 0; f < counts.foundations; ++f) {
        if (!cardsOnlyRule(p[param::FoundationRule + f]) ||
            !cardsOnlyEmptyCode(p[param::FoundationBaseRank + f]) ||
            p[param::FoundationMaxCards] < p[param::CardCount] / counts.foundations) {
            return false;
        }
    }
    // A free cell holds one card, face up.
    for (int r = 0; r < counts.reserves; ++r) {
        const std::string& cell = state.piles.reserve(r);
        if (table::cardCount(cell) > 1 ||
            (!cell.empty() && !state.cards.isFaceUp(table::topCardOf(cell)))) {
            return false;
        }
    }
    // Face-down tableau cards turn up as they are uncovered.
    const bool turnsUp = state.settings.read(settings::field::AutomaticFaceUp) != "N" &&
                         p[param::AutomaticFaceUp] == 1;
    for (int t = 0; t < counts.tableaus && !turnsUp; ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (!state.cards.isFaceUp(table::cardAt(pile, i))) {
                return false;
            }
        }
    }
    const bool stockInPlay =
        !state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty();
    if (stockInPlay) {
        // A click on the stock turns cards onto the waste, a click on the
        // empty stock turns the waste back; the waste takes no drop.
        if (p[param::EmptyWasteIsRedeal] != 1 || p[param::WasteButtonDealMode] != 0 ||
            p[param::PassCountingStyle] != 0 || p[param::EmptyStockIsRedeal] != 1 ||
            p[param::WasteCardLocked] != 0 || p[param::WasteNotDropTarget] != 4 ||
            p[param::CardsPerStockClick] < 1 || p[param::StockPasses] < -1) {
            return false;
        }
    }
    return true;
}

} // namespace

int CompactRules::longestRun(int emptyTableaus, int emptyReserves, bool targetEmpty) const {
    const std::optional<int> limit =
        runLengthLimit(runSizeCode, emptyTableaus, emptyReserves, targetEmpty);
    return limit ? *limit : std::numeric_limits<int>::max();
}

std::optional<CompactRules> compactRulesFor(const table::ProgramState& state,
                                            const seam::Frontend& geometry) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    if (!coveredGame(state, counts)) {
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
    rules.runSizeCode = p[param::RunSizeLimit];
    rules.takeBack = p[param::FoundationTakeBack] == 1 || p[param::FoundationTakeBack] == 2
                         ? p[param::FoundationTakeBack]
                         : 0;

    // The placement test only reports through the frontend; nothing is shown.
    QuietFrontend screen(geometry);

    const int codes = std::min(CompactRules::kCodes, rules.cards + 1);
    const std::size_t perPile =
        static_cast<std::size_t>(CompactRules::kCodes) * CompactRules::kCodes;
    rules.m_tableau.assign(perPile * static_cast<std::size_t>(rules.tableaus), 0);
    rules.m_runPair.assign(perPile * static_cast<std::size_t>(rules.tableaus), 0);
    rules.m_foundation.assign(perPile * static_cast<std::size_t>(rules.foundations), 0);
    const bool checkedRuns = p[param::RunCheck] == 1 || p[param::RunCheck] == 10;
    for (int t = 0; t < rules.tableaus; ++t) {
        for (int below = 0; below < codes; ++below) {
            for (int moving = 1; moving < codes; ++moving) {
                rules.m_tableau[CompactRules::index(t, below, moving)] =
                    placementAllowed(state, screen, tableauPlacementQuery(state, t, below, moving))
                        ? 1
                        : 0;
                if (below >= 1) {
                    rules.m_runPair[CompactRules::index(t, below, moving)] =
                        !checkedRuns || placementAllowed(state, screen,
                                                         runPairQuery(state, t, below, moving))
                            ? 1
                            : 0;
                }
            }
        }
    }
    for (int f = 0; f < rules.foundations; ++f) {
        for (int below = 0; below < codes; ++below) {
            for (int moving = 1; moving < codes; ++moving) {
                rules.m_foundation[CompactRules::index(f, below, moving)] =
                    placementAllowed(state, screen,
                                     foundationPlacementQuery(state, f, below, moving))
                        ? 1
                        : 0;
            }
        }
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
    for (int f = 1; f < rules.foundations; ++f) {
        rules.foundationsAlike = rules.foundationsAlike && rules.foundationClass[f] == 0;
    }
    return rules;
}

} // namespace vellomir::engine
