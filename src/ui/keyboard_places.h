#pragma once

#include "table/pile_lists.h"

#include <QRect>

#include <string>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

/// A place the keyboard focus can rest on: a pile, or one card of it that
/// a press would take (with the cards above it).
struct KeyboardPlace {
    table::PileRef pile{table::PileKind::Stock, table::kStock};
    /// The card's position in its pile, 0 at the bottom; -1 for the pile
    /// itself (an empty pile, or the stock, which is pressed as a whole).
    int slot = -1;
    /// The card's code; 0 on an empty pile or a gap.
    int card = 0;
    /// The card's own rectangle (the pile's place when it holds none), in
    /// table view coordinates.
    QRect cardRect;
    /// Where a press on the place hits it: inside the part of the card that
    /// the cards above leave showing.
    QPoint pressPoint;
    /// Every card of the pile (its place when it holds none).
    QRect pileExtent;
    /// What a press there takes: the card and every card above it, as the
    /// frame shows it.
    QRect frame;
    /// True for the place of the pile's top card (or of the empty pile).
    bool top = false;

    /// The place in the words of scripted play: "Fila3", "Fila3:5", "Mazzo".
    std::string name() const;
    friend bool operator==(const KeyboardPlace& a, const KeyboardPlace& b) {
        return a.pile == b.pile && a.slot == b.slot;
    }
};

/// The directions of the arrow keys.
enum class FocusStep { Left, Right, Up, Down };

/// Every place of the table the focus may rest on, pile by pile in the
/// order of the pile lists: the top card (or the empty place) of each pile
/// on the table and, in the games that lift cards, each covered card that a
/// press would lift with the cards above it, as the engine's pick-up rules
/// judge it; in the games that select or click cards, each face-up card.
/// With `carrying` only the piles themselves (and the gaps of the games
/// that fill gaps): the places a carried card can be put.
std::vector<KeyboardPlace> keyboardPlaces(const table::ProgramState& state,
                                          const seam::Frontend& frontend, bool carrying);

/// The place an arrow key leads to from place `from` (an index into
/// `places`): the next card of the same pile along its fan, else the
/// nearest pile in that direction, entered at its top card (at its nearest
/// card in the games that select single cards, `cardByCard`). `from` itself
/// when nothing lies that way.
int placeInDirection(const std::vector<KeyboardPlace>& places, int from, FocusStep step,
                     bool cardByCard);

/// Index of the place of `pile` nearest to `slot`: that slot when the
/// pile has it, else its top place; -1 when the pile has no place.
int placeOfPile(const std::vector<KeyboardPlace>& places, const table::PileRef& pile, int slot);

} // namespace vellomir::ui
