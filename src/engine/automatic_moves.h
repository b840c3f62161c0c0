#pragma once

#include "seam/frontend.h"
#include "table/pile_lists.h"

#include <functional>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The kinds of destination a card may be sent to, numbered as the drop
/// candidates rank them (a higher kind wins a tie of overlaps).
enum class DestinationKind { Waste = 2, Tableau = 4, Foundation = 5, Reserve = 6 };

/// One pile under a dropped group: its kind, 0-based index and how much of
/// its top card the group covers.
struct DropCandidate {
    DestinationKind kind = DestinationKind::Tableau;
    int index = 0;
    int overlap = 0;
    friend bool operator==(const DropCandidate&, const DropCandidate&) = default;
};

/// What `sendCard` may do with a card.
struct SendRequest {
    /// A single card; otherwise the card goes with every card above it.
    bool single = true;
    /// Sent by the program itself (autoplay): foundation moves sound
    /// "Autoplay", and foundations whose base code waits for the player's
    /// first card are left alone.
    bool automatic = false;
    bool toTableausAndWaste = false;
    bool toReserves = false;
    bool toFoundations = false;
};

/// True when the group rectangle meets the target's: a corner of the group
/// lies inside the target, or the group's left or right edge runs within
/// the target's width and one of the points sampled every 50 pixels down
/// that edge lies within its height. Edges are inclusive.
bool rectanglesMeet(seam::Rect group, seam::Rect target);

/// The overlap of two rectangles that meet (width times height of their
/// common part); 0 when they do not meet.
int overlapMeasure(seam::Rect group, seam::Rect target);

/// The top card's rectangle of a destination (the pile's own place when empty).
seam::Rect destinationRect(const table::ProgramState& state, DestinationKind kind, int index);

/// Calls `visit` for every destination a drop may reach, in the order the
/// drop considers them: foundations, tableaus, reserves, the waste.
void forEachDropDestination(const table::ProgramState& state,
                            const std::function<void(DestinationKind, int)>& visit);

/// Whether a drop may move `card` at all now (some games move nothing by a
/// drop, or only from a tableau first).
bool dropMayMove(const table::ProgramState& state, int card);

/// The piles a drop of `card` (held now, with the group the state carries)
/// would move it to: every destination whose own check takes it, the pile
/// it comes from left out. Asked of a copy of the state; nothing changes.
std::vector<table::PileRef> dropTargets(const table::ProgramState& state,
                                        const seam::Frontend& frontend, int card);

/// The piles under a dropped group, at most four, the largest overlap first;
/// equal overlaps rank the higher kind, then the higher index, first.
std::vector<DropCandidate> dropCandidates(const table::ProgramState& state, seam::Rect group);

/// Whether a destination's own check takes the card (for a run, its bottom
/// card) held or sent now, leaving aside where the card is: the waste's
/// rule, a tableau's, a foundation's or a reserve's target check. What a
/// drop onto that destination would ask of the pile itself.
bool destinationAccepts(table::ProgramState& state, seam::Frontend& frontend, int card,
                        DestinationKind kind, int index);

/// Offers a card to one destination: the rectangles must meet and the
/// destination's target check must accept; then the card flies there and
/// the move is executed. True when it moved.
bool tryDestination(table::ProgramState& state, seam::Frontend& frontend, int card,
                    seam::Rect group, DestinationKind kind, int index, bool automatic);

/// Where a placed card comes from: the point it flies from, and whether it
/// is still drawn on the table (sent) or held by the pointer (dropped).
struct CarriedFrom {
    int x = 0;
    int y = 0;
    bool onTable = false;
};

/// Places the card (or the run from it) that the state carries onto a
/// destination when its own check takes it, as a drop does once it has
/// found the pile: the card flies there and the move is executed. True
/// when it moved.
bool placeCarried(table::ProgramState& state, seam::Frontend& frontend, int card,
                  DestinationKind kind, int index, CarriedFrom from);

/// Settles a drop of `card` held at `group`: the candidates under it are
/// tried in their order and the first that accepts takes the card. True when
/// the card moved; the caller returns the card otherwise.
bool settleDrop(table::ProgramState& state, seam::Frontend& frontend, int card, seam::Rect group,
                bool automatic = false);

/// Sends a card from its place to the first destination that takes it, in
/// the fixed order: foundations, non-empty tableaus, empty tableaus,
/// reserves, the waste. A face-down card is never sent. True when sent.
bool sendCard(table::ProgramState& state, seam::Frontend& frontend, int card, SendRequest request);

/// One autoplay sweep: while the Autoplay command is ticked and a game is in
/// play, every reserve, waste and tableau top card that a foundation takes
/// goes there, face-down tableau tops turning up on the way. Ends the game
/// when it was won. True when anything was sent.
bool autoplaySweep(table::ProgramState& state, seam::Frontend& frontend);

/// Refills the empty tableaus (and in filling style 8 the empty reserves)
/// by the game's filling style (parameter 22). Each filled card joins the
/// undo step of the action that emptied the pile. True when any card moved.
bool fillEmptyPiles(table::ProgramState& state, seam::Frontend& frontend);

/// After a player action: fill the empty piles (whatever the Autoplay tick)
/// and, while Autoplay is on, sweep; again while the sweep moves something.
void runAutomaticSteps(table::ProgramState& state, seam::Frontend& frontend);

/// The Autoplay command: flips the tick; turned off during a game the empty
/// piles are filled once; with a choice per game (AutoPlay_All_Games 2) the
/// new tick is stored for the current game.
void toggleAutoplay(table::ProgramState& state, seam::Frontend& frontend);

/// Whether the Autoplay command is ticked and enabled for the current game.
bool autoplayActive(const table::ProgramState& state);

} // namespace vellomir::engine
