#pragma once

#include <string_view>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What a selection family makes of the selection once a card has joined it.
enum class SelectionVerdict {
    Refused,  // the card that just joined may not: it is taken out again
    Open,     // the selection stands and waits for more cards
    Complete, // the selected cards leave the table together
};

/// A pressed card and the name of the pile it lies on.
struct PressedCard {
    int card = 0;
    std::string_view pileName;
};

/// The rule of one selection family: which pressed cards may join the
/// selection at all, and what the selection (the joining card last) amounts
/// to. `leaving` picks the cards a complete selection takes away when that is
/// not all of them.
struct SelectionRule {
    bool (*maySelect)(const table::ProgramState& state, const std::vector<int>& selection,
                      const PressedCard& pressed);
    SelectionVerdict (*judge)(const table::ProgramState& state, const std::vector<int>& selection);
    std::vector<int> (*leaving)(const table::ProgramState& state,
                                const std::vector<int>& selection) = nullptr;
};

/// The rule of the current game's selection family (game type, parameter
/// 47), falling back to the generic sum of parameter 38; nullptr when the
/// game selects nothing (no target in parameter 38 and no game type 3 or 4).
const SelectionRule* selectionRuleOf(const table::ProgramState& state);

/// The selected card codes in the order picked.
std::vector<int> selectedCards(const table::ProgramState& state);

} // namespace vellomir::engine
