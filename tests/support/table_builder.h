#pragma once

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/placement_check.h"
#include "support/recording_frontend.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::testing {

/// Card code from a short name: rank "A", "2".."10", "J", "Q", "K" then suit
/// "H", "D", "C", "S" ("10D", "QS"); a trailing "'" names the second pack
/// ("AH'" is 53); "JK1".."JK4" are the jokers.
inline int card(std::string_view name) {
    if (name.starts_with("JK")) {
        return table::kFirstJoker + (name[2] - '1');
    }
    const bool secondPack = name.ends_with('\'');
    if (secondPack) {
        name.remove_suffix(1);
    }
    const std::string_view rankText = name.substr(0, name.size() - 1);
    const std::string_view suits = "HDCS";
    const auto suit = suits.find(name.back());
    int rank = 0;
    if (rankText == "A") {
        rank = 1;
    } else if (rankText == "J") {
        rank = 11;
    } else if (rankText == "Q") {
        rank = 12;
    } else if (rankText == "K") {
        rank = 13;
    } else {
        rank = std::stoi(std::string(rankText));
    }
    if (suit == std::string_view::npos || rank < 1 || rank > 13) {
        throw std::invalid_argument("bad card name");
    }
    return static_cast<int>(suit) * 13 + rank + (secondPack ? 52 : 0);
}

/// A pile string of card codes, bottom first.
inline std::string pileOf(const std::vector<int>& cards) {
    std::string pile;
    for (int card : cards) {
        pile += table::cardText(card);
    }
    return pile;
}

/// The card codes of a pile string, bottom first.
inline std::vector<int> cardsOf(std::string_view pile) {
    std::vector<int> cards;
    for (int i = 0; i < table::cardCount(pile); ++i) {
        cards.push_back(table::cardAt(pile, i));
    }
    return cards;
}

/// A pile string of named cards, bottom first.
inline std::string pileOf(std::initializer_list<std::string_view> names) {
    std::string pile;
    for (std::string_view name : names) {
        pile += table::cardText(name == "--" ? 0 : card(name));
    }
    return pile;
}

/// The building rules by name, for the placement queries below.
using Rule = catalogue::BuildingRuleCode;

/// A placement query in readable steps:
/// place("6S").on("7H").rule(Rule::AlternateColours).down().
struct Ask {
    engine::PlacementQuery q;
    Ask& on(std::string_view below) {
        q.below = card(below);
        return *this;
    }
    Ask& rule(Rule r) {
        q.rule = catalogue::codeOf(r);
        return *this;
    }
    Ask& down() {
        q.direction = 0;
        return *this;
    }
    Ask& up() {
        q.direction = 1;
        return *this;
    }
    Ask& either() {
        q.direction = 2;
        return *this;
    }
    Ask& emptyCode(int c) {
        q.emptyCode = c;
        return *this;
    }
    Ask& base(int c) {
        q.baseCode = c;
        return *this;
    }
    Ask& baseFlag(bool f = true) {
        q.baseFlag = f;
        return *this;
    }
    Ask& foundation() {
        q.foundationFlag = true;
        q.baseFlag = true;
        return *this;
    }
    Ask& index(int i) {
        q.targetIndex = i;
        return *this;
    }
    Ask& real() {
        q.realPlacement = true;
        return *this;
    }
};

/// A card to place, onto an empty target until on() names a card below.
inline Ask place(std::string_view moving) {
    Ask ask;
    ask.q.moving = card(moving);
    ask.q.below = -1;
    return ask;
}

/// A program state with the piles and parameters a test names, and the
/// recording frontend. Holds a single card unless told otherwise.
struct Table {
    table::ProgramState state;
    RecordingFrontend frontend;

    explicit Table(int foundations = 4, int tableaus = 8, int reserves = 4) {
        param(catalogue::param::FoundationCount, foundations);
        param(catalogue::param::TableauCount, tableaus);
        param(catalogue::param::ReserveCount, reserves);
        param(catalogue::param::TableauMaxCards, -1);
        param(catalogue::param::FoundationMaxCards, 13);
        singleCard();
    }

    Table& param(int index, int value) {
        state.params.set(index, value);
        return *this;
    }
    Table& foundation(int i, std::initializer_list<std::string_view> cards) {
        state.piles.foundation(i) = pileOf(cards);
        return *this;
    }
    Table& tableau(int i, std::initializer_list<std::string_view> cards) {
        state.piles.tableau(i) = pileOf(cards);
        return *this;
    }
    Table& reserve(int i, std::initializer_list<std::string_view> cards) {
        state.piles.reserve(i) = pileOf(cards);
        return *this;
    }
    Table& stock(std::initializer_list<std::string_view> cards) {
        state.piles.stock(table::kStock) = pileOf(cards);
        return *this;
    }
    Table& waste(std::initializer_list<std::string_view> cards) {
        state.piles.stock(table::kWaste) = pileOf(cards);
        return *this;
    }
    Table& faceDown(std::string_view name) {
        state.cards.setFaceUp(card(name), false);
        return *this;
    }
    Table& singleCard() {
        state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
        return *this;
    }
    Table& carryingRun() {
        state.carryGroup(state.cardSize.height + 20, table::CarriedCards::Run);
        return *this;
    }
    /// Foundation i's rule, direction and base code.
    Table& foundationRule(int i, int rule, int direction, int base) {
        param(catalogue::param::FoundationRule + i, rule);
        param(catalogue::param::FoundationDirection + i, direction);
        return param(catalogue::param::FoundationBaseRank + i, base);
    }
    /// Tableau i's rule, direction, empty code and base flag.
    Table& tableauRule(int i, int rule, int direction, int emptyCode, int baseFlag = 0) {
        param(catalogue::param::TableauRule + i, rule);
        param(catalogue::param::TableauDirection + i, direction);
        param(catalogue::param::TableauEmptyCode + i, emptyCode);
        return param(catalogue::param::TableauBaseFlag + i, baseFlag);
    }

    /// The move of `card` (with the cards above it while a run is carried)
    /// onto pile `index` of `kind`, from the pile that holds it (the
    /// discard pile for a card on no pile).
    engine::CardMove moveTo(table::PileKind kind, int index, int moving) const {
        engine::CardMove move;
        move.card = moving;
        move.from = engine::pileHolding(state, moving)
                        .value_or(table::PileRef{table::PileKind::Stock, table::kDiscard});
        move.to = {kind, index};
        if (!state.isSingleCardMove()) {
            move.count = std::max<int>(2, static_cast<int>(engine::runFrom(state, moving).size()));
        }
        return move;
    }

    bool accepts(const Ask& ask) {
        engine::PlacementQuery q = ask.q;
        if (!state.isSingleCardMove()) {
            q.count = 2;
        }
        return engine::placementAllowed(state, frontend, q);
    }
};

} // namespace vellomir::testing
