#include "ui/keyboard_places.h"

#include "engine/input/legal_moves.h"
#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/program_state.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace vellomir::ui {
namespace {

using table::PileKind;
using table::PileRef;

// How far into a card's showing part a press is given.
constexpr int kPressInset = 5;
// A pile lies in an arrow's direction when its centre is more than this
// share of a card (a quarter) beyond the focused one's.
constexpr int kLeastStepShare = 4;

QRect cardAt(const table::ProgramState& state, table::CardPoint at) {
    return {at.x, at.y, state.cardSize.width, state.cardSize.height};
}

// A point inside the part of `card` that `next` (the card above it, when
// there is one) leaves showing.
QPoint pressPointOf(const QRect& card, const std::optional<QRect>& next) {
    int dx = kPressInset;
    int dy = kPressInset;
    if (next) {
        const int showingX = next->left() - card.left();
        const int showingY = next->top() - card.top();
        if (showingY > 0 && showingY <= kPressInset) {
            dy = showingY / 2;
        }
        if (showingX > 0 && showingX <= kPressInset) {
            dx = showingX / 2;
        }
    }
    return card.topLeft() + QPoint(dx, dy);
}

// Centre and extent of a rectangle along one axis.
int centreOf(const QRect& r, bool horizontal) {
    return horizontal ? r.left() + r.width() / 2 : r.top() + r.height() / 2;
}

int overlapOf(const QRect& a, const QRect& b, bool horizontal) {
    const int low = horizontal ? std::max(a.left(), b.left()) : std::max(a.top(), b.top());
    const int high = horizontal ? std::min(a.right(), b.right()) : std::min(a.bottom(), b.bottom());
    return high - low + 1;
}

// The gap between two rectangles along an axis; 0 when they overlap there.
int gapOf(const QRect& a, const QRect& b, bool horizontal) {
    return std::max(0, -overlapOf(a, b, horizontal));
}

int distanceSquared(const QPoint& a, const QPoint& b) {
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

} // namespace

std::string KeyboardPlace::name() const {
    std::string text = table::pileName(pile);
    if (slot >= 0 && !top) {
        text += ":" + std::to_string(slot);
    }
    return text;
}

std::vector<KeyboardPlace> keyboardPlaces(const table::ProgramState& state,
                                          const seam::Frontend& frontend, bool carrying) {
    std::vector<KeyboardPlace> places;
    const bool lifting = engine::gameLiftsCards(state);
    const bool gaps = table::isGapRows(state.params);
    for (const PileRef& pile : table::everyPile()) {
        if (!table::isPlaced(state, pile)) {
            continue;
        }
        const std::string& cards = state.piles.pile(pile);
        const int count = table::cardCount(cards);
        const bool wholePile =
            count == 0 || (pile.kind == PileKind::Stock && pile.index == table::kStock);
        if (wholePile) {
            KeyboardPlace place;
            place.pile = pile;
            place.card = table::topCardOf(cards);
            place.cardRect = cardAt(state, table::pilePosition(state, pile));
            place.frame = place.cardRect;
            place.pileExtent = place.cardRect;
            place.pressPoint = pressPointOf(place.cardRect, std::nullopt);
            place.top = true;
            places.push_back(place);
            continue;
        }
        std::vector<QRect> rects;
        QRect extent;
        for (int i = 0; i < count; ++i) {
            const table::CardPoint at = pile.kind == PileKind::Stock
                                            ? table::topCardPosition(state, pile)
                                            : table::cardPosition(state, pile, i);
            rects.push_back(cardAt(state, at));
            extent = extent.united(rects.back());
        }
        for (int i = 0; i < count; ++i) {
            const int card = table::cardAt(cards, i);
            const bool top = i == count - 1;
            // A covered card that the card on it hides wholly (a pile
            // squared up, not fanned) is no place of its own.
            const bool showing = top || rects[static_cast<std::size_t>(i)].topLeft() !=
                                            rects[static_cast<std::size_t>(i + 1)].topLeft();
            bool wanted = top || (gaps && card < 1);
            if (!wanted && showing && !carrying && card >= 1) {
                wanted = lifting ? engine::cardsLifted(state, frontend, pile, card) > 0
                                 : state.cards.isFaceUp(card);
            }
            if (!wanted) {
                continue;
            }
            KeyboardPlace place;
            place.pile = pile;
            place.slot = i;
            place.card = std::max(card, 0);
            place.top = top;
            place.cardRect = rects[static_cast<std::size_t>(i)];
            place.frame = place.cardRect;
            if (lifting && !gaps) {
                for (int j = i + 1; j < count; ++j) {
                    place.frame = place.frame.united(rects[static_cast<std::size_t>(j)]);
                }
            }
            place.pileExtent = extent;
            place.pressPoint = pressPointOf(
                place.cardRect,
                top ? std::nullopt : std::optional<QRect>(rects[static_cast<std::size_t>(i + 1)]));
            places.push_back(place);
        }
    }
    return places;
}

int placeInDirection(const std::vector<KeyboardPlace>& places, int from, FocusStep step,
                     bool cardByCard) {
    if (from < 0 || from >= static_cast<int>(places.size())) {
        return from;
    }
    const KeyboardPlace& current = places[static_cast<std::size_t>(from)];
    const bool horizontal = step == FocusStep::Left || step == FocusStep::Right;
    const int sign = step == FocusStep::Right || step == FocusStep::Down ? 1 : -1;
    const QPoint here = current.cardRect.center();

    // Along the pile's own fan the focus goes card by card.
    std::vector<int> samePile;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        if (places[static_cast<std::size_t>(i)].pile == current.pile) {
            samePile.push_back(i);
        }
    }
    bool alongFan = false;
    if (samePile.size() > 1) {
        const QRect& first = places[static_cast<std::size_t>(samePile.front())].cardRect;
        const QRect& last = places[static_cast<std::size_t>(samePile.back())].cardRect;
        const bool fanAcross =
            std::abs(last.left() - first.left()) > std::abs(last.top() - first.top());
        alongFan = fanAcross == horizontal;
    }
    if (alongFan) {
        int best = -1;
        int bestDistance = INT_MAX;
        for (int i : samePile) {
            const int offset =
                sign * (centreOf(places[static_cast<std::size_t>(i)].cardRect, horizontal) -
                        centreOf(current.cardRect, horizontal));
            if (offset > 0 && offset < bestDistance) {
                best = i;
                bestDistance = offset;
            }
        }
        if (best >= 0) {
            return best;
        }
    }

    // Otherwise to the nearest pile that way: first among the piles beside
    // this one (sharing its rows for a step across, its columns for a step
    // up or down), then any pile wholly beyond.
    const QRect reference = alongFan ? current.cardRect : current.pileExtent;
    std::optional<PileRef> bestPile;
    int bestTier = 3;
    long bestScore = LONG_MAX;
    int bestOverlap = 0;
    for (const KeyboardPlace& place : places) {
        if (place.pile == current.pile || (bestPile && place.pile == *bestPile)) {
            continue;
        }
        const QRect& extent = place.pileExtent;
        // A pile only a little way off (the next row of a pyramid, centred
        // under this one) does not lie that way.
        const int offset = sign * (centreOf(extent, horizontal) - centreOf(reference, horizontal));
        const int least =
            (horizontal ? current.cardRect.width() : current.cardRect.height()) / kLeastStepShare;
        if (offset <= least) {
            continue;
        }
        const int overlap = overlapOf(extent, current.pileExtent, !horizontal);
        int tier = 0;
        long score = 0;
        if (overlap > 0) {
            tier = 1;
            score = offset;
        } else {
            const bool beyond = sign > 0 ? (horizontal ? extent.left() > reference.right()
                                                       : extent.top() > reference.bottom())
                                         : (horizontal ? extent.right() < reference.left()
                                                       : extent.bottom() < reference.top());
            if (!beyond) {
                continue;
            }
            tier = 2;
            score = static_cast<long>(gapOf(extent, reference, horizontal)) +
                    gapOf(extent, current.pileExtent, !horizontal);
        }
        if (tier < bestTier || (tier == bestTier && score < bestScore) ||
            (tier == bestTier && score == bestScore && overlap > bestOverlap)) {
            bestPile = place.pile;
            bestTier = tier;
            bestScore = score;
            bestOverlap = overlap;
        }
    }
    if (!bestPile) {
        return from;
    }
    if (!cardByCard) {
        return placeOfPile(places, *bestPile, -1);
    }
    int best = -1;
    int bestDistance = INT_MAX;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        const KeyboardPlace& place = places[static_cast<std::size_t>(i)];
        if (place.pile == *bestPile) {
            const int distance = distanceSquared(place.cardRect.center(), here);
            if (distance < bestDistance || (distance == bestDistance && place.top)) {
                best = i;
                bestDistance = distance;
            }
        }
    }
    return best;
}

int placeOfPile(const std::vector<KeyboardPlace>& places, const table::PileRef& pile, int slot) {
    int top = -1;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        const KeyboardPlace& place = places[static_cast<std::size_t>(i)];
        if (!(place.pile == pile)) {
            continue;
        }
        if (slot >= 0 && place.slot == slot) {
            return i;
        }
        if (place.top) {
            top = i;
        }
    }
    return top;
}

} // namespace vellomir::ui
