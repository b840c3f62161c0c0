#include "engine/rules/placement_check.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/building_rules.h"
#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/program_state.h"

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

// Codes without a rule of their own build by the generic test in any suit.
bool genericAnySuit(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::Any);
}

} // namespace

int ruleRank(int code) {
    return code <= 0 ? code : table::rankOf(code);
}

int ruleSuit(const table::ProgramState& state, int code) {
    return code <= 0 ? 0 : table::suitInPlay(state.params, code);
}

RuleContext::RuleContext(const table::ProgramState& s, seam::Frontend& f,
                         const PlacementQuery& query)
    : state(s), frontend(f), q(query) {}

int RuleContext::belowSuit() const {
    return ruleSuit(state, q.below);
}
int RuleContext::movingSuit() const {
    return ruleSuit(state, q.moving);
}

int RuleContext::param(int index) const {
    return index >= 0 && index < catalogue::GameParameters::kCells ? state.params[index] : 0;
}

int RuleContext::source() const {
    if (!m_source) {
        m_source = locatePile(state, q.moving);
    }
    return *m_source;
}

bool RuleContext::fromTableau() const {
    return isTableauLocation(source());
}
bool RuleContext::fromReserve() const {
    return isReserveLocation(source());
}
bool RuleContext::fromFoundationOrReserve() const {
    return isFoundationOrReserveLocation(source());
}
bool RuleContext::fromWaste() const {
    return source() == location::Waste;
}

bool RuleContext::singleCardMove() const {
    return q.count == 1;
}

int RuleContext::stockAndWasteCards() const {
    return table::cardCount(state.piles.stock(table::kStock)) +
           table::cardCount(state.piles.stock(table::kWaste));
}

bool RuleContext::wasteEmpty() const {
    return state.piles.stock(table::kWaste).empty();
}

std::optional<std::string_view> RuleContext::tableau(int index) const {
    if (index < 0 || index >= table::kMaxTableaus) {
        return std::nullopt;
    }
    return state.piles.tableau(index);
}

std::optional<std::string_view> RuleContext::foundation(int index) const {
    if (index < 0 || index >= table::kMaxFoundations) {
        return std::nullopt;
    }
    return state.piles.foundation(index);
}

int RuleContext::targetTableauCards() const {
    const auto pile = tableau(q.targetIndex);
    return pile ? table::cardCount(*pile) : 0;
}

int RuleContext::targetFoundationCards() const {
    const auto pile = foundation(q.targetIndex);
    return pile ? table::cardCount(*pile) : 0;
}

std::optional<std::string_view> RuleContext::targetPile() const {
    return q.foundationFlag ? foundation(q.targetIndex) : tableau(q.targetIndex);
}

RuleTable::RuleTable() {
    m_rules.fill(genericAnySuit);
}

void RuleTable::add(catalogue::BuildingRuleCode code, BuildingRule rule) {
    m_rules.at(static_cast<std::size_t>(code)) = rule;
}

BuildingRule RuleTable::find(int code) const {
    if (code < 0 || code >= kCodes) {
        return genericAnySuit;
    }
    return m_rules[static_cast<std::size_t>(code)];
}

const RuleTable& buildingRules() {
    static const RuleTable table = [] {
        RuleTable t;
        addGenericRules(t);
        addSequenceRules(t);
        addStepRules(t);
        addSourceRules(t);
        addStockRules(t);
        addRankRules(t);
        addGridRules(t);
        addJokerRules(t);
        return t;
    }();
    return table;
}

bool placementAllowed(const table::ProgramState& state, seam::Frontend& frontend,
                      const PlacementQuery& query) {
    if (query.below == query.moving) {
        return false;
    }
    const RuleContext ctx(state, frontend, query);

    // While the stock or the waste holds cards, some games let no tableau
    // card go to a foundation (1) or anywhere (2, 3).
    const int stockFirst = ctx.param(param::StockFirstRestriction);
    if (((stockFirst == 1 && query.foundationFlag) || stockFirst == 2 || stockFirst == 3) &&
        ctx.stockAndWasteCards() > 0 && ctx.fromTableau()) {
        return false;
    }
    return buildingRules().find(query.rule)(ctx);
}

} // namespace vellomir::engine
