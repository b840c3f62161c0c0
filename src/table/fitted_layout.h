#pragma once

#include "table/pile_positions.h"
#include "table/program_state.h"

namespace vellomir::table {

/// Widths a card fitted to the window may take.
inline constexpr int kMinFittedWidth = 25;
inline constexpr int kMaxFittedWidth = 250;
/// Face-up cards a fan that runs down or to the right is given room to gain
/// beyond those it was dealt: a run of nine more fits at the plain steps, and
/// a full suit more once the fan closes up (see `fanSteps`).
inline constexpr int kFanGrowth = 9;

/// Notes how many cards of each face every tableau and reserve holds: called
/// once a deal is distributed, so that the fitted card size leaves room for
/// the fans as dealt.
void recordDealtFans(ProgramState& state);

/// Lays the piles out with the largest fitted card (from `kMaxFittedWidth`
/// down to `kMinFittedWidth`) at which every pile, its fan as dealt and
/// grown by `kFanGrowth` cards, lies inside the area. Every layout code is
/// laid out as for big cards in the area shrunk by the card's scale and then
/// scaled back, so that its gaps and fan steps grow and shrink with the
/// card. Sets the card size, the fan steps and the pile positions.
void layOutFittedCards(ProgramState& state, const LayoutArea& area, ScreenSize screen);

/// Whether every placed pile, with its dealt fan grown by `kFanGrowth`
/// cards at the plain steps and by a full suit at the least steps, lies
/// inside the area.
bool dealtFansFit(const ProgramState& state, const LayoutArea& area);

/// Sets how far the fans may reach before they close up: the bottom of the
/// area for fans that run down, the next pile to the right (or the area's
/// right edge) for fans that run to the right.
void computeFanLimits(ProgramState& state, const LayoutArea& area);

} // namespace vellomir::table
