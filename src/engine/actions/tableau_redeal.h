#pragma once

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Whether a click on the empty stock would deal the tableaus again: the
/// game redeals its tableaus (parameter 388), the stock is empty, passes
/// remain (parameter 14 against the pass number), some tableau holds
/// cards and the redeal would change the piles (a redeal in order of piles
/// that lie as it would deal them changes nothing). In the gap rows
/// (parameter GapRows) the redeal needs no group: it may run while some card
/// lies out of its place. The redeal itself is the action
/// ActionKind::RedealTableaus of executeMove.
bool canRedealTableaus(const table::ProgramState& state);

} // namespace vellomir::engine
