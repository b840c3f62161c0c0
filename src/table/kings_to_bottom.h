#pragma once

namespace vellomir::table {

struct ProgramState;

/// With parameter KingsToBottom set, every tableau's kings go under its other
/// cards once the deal is done (Baker's Dozen and its kin): the kings keep
/// their order among themselves, and so do the other cards. The faces stay
/// with the places, so a pile dealt with its top card face up still shows
/// its top card. Every card stays in its own pile.
void moveKingsToBottom(ProgramState& state);

} // namespace vellomir::table
