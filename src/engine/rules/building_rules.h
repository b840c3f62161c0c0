#pragma once

// Shared by the placement test and the files of building rules; not a public
// interface of the engine.

#include "engine/rules/placement_check.h"

#include <array>
#include <optional>
#include <string_view>

namespace vellomir::engine {

// Rank and suit as the building rules compare them. A code of 0 or below (an
// empty target) has that value as its rank and counts as suit 0; a joker has
// rank 100 and suit -1. The suit is the one the card plays as in the game
// (table::suitInPlay).
int ruleRank(int code);
int ruleSuit(const table::ProgramState& state, int code);

// Everything a building rule looks at: the query, the program state and the
// moving card's location, found once and only when a rule asks for it.
class RuleContext {
public:
    RuleContext(const table::ProgramState& state, seam::Frontend& frontend,
                const PlacementQuery& query);

    const table::ProgramState& state;
    seam::Frontend& frontend;
    const PlacementQuery& q;

    int param(int index) const;

    bool targetEmpty() const { return q.below <= 0; }
    int belowRank() const { return ruleRank(q.below); }
    int belowSuit() const;
    int movingRank() const { return ruleRank(q.moving); }
    int movingSuit() const;
    bool sameSuit() const { return belowSuit() == movingSuit(); }
    // The moving card is exactly one rank above or below the card under it,
    // without wrapping between king and ace.
    bool oneUp() const { return movingRank() == belowRank() + 1; }
    bool oneDown() const { return movingRank() == belowRank() - 1; }
    // A king on an ace or an ace on a king.
    bool kingOnAce() const { return belowRank() == 1 && movingRank() == 13; }
    bool aceOnKing() const { return belowRank() == 13 && movingRank() == 1; }

    // Location code of the moving card (found on first use).
    int source() const;
    bool fromTableau() const;
    bool fromReserve() const;
    bool fromFoundationOrReserve() const;
    bool fromWaste() const;

    bool singleCardMove() const;
    int stockAndWasteCards() const;
    bool wasteEmpty() const;

    // Pile strings read at an index; nothing for an index outside the list.
    std::optional<std::string_view> tableau(int index) const;
    std::optional<std::string_view> foundation(int index) const;
    // Cards held by the tableau or the foundation at the target index (0 when
    // the index is outside the list).
    int targetTableauCards() const;
    int targetFoundationCards() const;
    // The target's own pile: the foundation list when the foundation flag is
    // set, else the tableau list.
    std::optional<std::string_view> targetPile() const;

private:
    mutable std::optional<int> m_source;
};

using BuildingRule = bool (*)(const RuleContext&);

// Suit condition of the generic building test.
enum class SuitCondition { Any, Same, SameColour, DifferentColour, DifferentSuit, Never };

// The generic building test: the empty-pile codes decide an empty target;
// otherwise the suit condition, then one step in the direction code, with
// the wrap between king and ace governed by the base code and flags.
bool genericBuildingTest(const RuleContext& ctx, SuitCondition suit);
// The empty-pile codes, for an empty target (query's empty and base codes).
bool emptyPileAccepts(const RuleContext& ctx);
// A card of a rank code: 1-13 that rank, -1 any card, anything else none.
bool matchesRankCode(int rank, int code);

// The colour and suit balance among the foundations whose base code is
// `code`: once one of them is started, neither colour may exceed half their
// number, and with `countSuits` no suit may appear twice. A joker met there is
// reported ("Error suit - 1") and not counted.
bool colourSuitBalance(const RuleContext& ctx, int code, bool countSuits);

// Four distinct suits among foundations 1-4 (target index 0-3) or 5-8
// (index 4 and above), the moving card put at the target's position or,
// with `addCard`, added as an extra entry.
bool distinctSuitsAroundTarget(const RuleContext& ctx, bool addCard);

// The table of building rules: one function per named rule code
// (catalogue/rule_codes.h), the generic test with any suit for every code
// without one of its own.
class RuleTable {
public:
    static constexpr int kCodes = 128;
    RuleTable();
    void add(catalogue::BuildingRuleCode code, BuildingRule rule);
    BuildingRule find(int code) const;

private:
    std::array<BuildingRule, kCodes> m_rules{};
};

const RuleTable& buildingRules();

// Each family of rules adds its codes to the table.
void addGenericRules(RuleTable& table);
void addSequenceRules(RuleTable& table);
void addStepRules(RuleTable& table);
void addSourceRules(RuleTable& table);
void addStockRules(RuleTable& table);
void addRankRules(RuleTable& table);
void addGridRules(RuleTable& table);
void addJokerRules(RuleTable& table);

} // namespace vellomir::engine
