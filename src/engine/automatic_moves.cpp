#include "engine/automatic_moves.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/action_support.h"
#include "engine/card_runs.h"
#include "engine/end_of_game.h"
#include "engine/face_up.h"
#include "engine/move_execution.h"
#include "engine/pile_location.h"
#include "engine/quiet_frontend.h"
#include "engine/target_checks.h"
#include "engine/undo_snapshots.h"
#include "settings/autoplay_choice.h"
#include "settings/preference_table.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <tuple>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::FillStyle;

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
using table::CardPoint;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

using detail::cardsAnimate;

// A sweep or a filling stops after this many passes even if something keeps
// moving: every real pass sends a card to a foundation, so no game comes near it.
constexpr int kMaxPasses = 2000;

bool inside(int x, int y, seam::Rect r) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

PileRef pileOf(DestinationKind kind, int index) {
    switch (kind) {
    case DestinationKind::Waste:
        return {PileKind::Stock, table::kWaste};
    case DestinationKind::Tableau:
        return {PileKind::Tableau, index};
    case DestinationKind::Foundation:
        return {PileKind::Foundation, index};
    case DestinationKind::Reserve:
        return {PileKind::Reserve, index};
    }
    return {PileKind::Tableau, index};
}

seam::Rect cardRect(const ProgramState& state, CardPoint at) {
    return {at.x, at.y, at.x + state.cardSize.width, at.y + state.cardSize.height};
}

bool wasteTakes(const ProgramState& state, int card) {
    const int top = table::topCardOf(state.piles.stock(table::kWaste));
    if (state.params[param::WasteDropRule] != 2 || top < 1 || table::isJoker(top) ||
        table::isJoker(card) || table::suitOf(top) != table::suitOf(card)) {
        return false;
    }
    const int a = table::rankOf(top);
    const int b = table::rankOf(card);
    return std::abs(a - b) == 1 || (a == 1 && b == 13) || (a == 13 && b == 1);
}

// Where a sent or dropped card comes from: a point to fly from, and whether
// it is still drawn on the table (sent) or held by the pointer (dropped).
struct Origin {
    CardPoint from;
    bool onTable = false;
};

} // namespace

bool destinationAccepts(ProgramState& state, seam::Frontend& frontend, int card,
                        DestinationKind kind, int index) {
    const catalogue::GameParameters& p = state.params;
    const PileRef target = pileOf(kind, index);
    switch (kind) {
    case DestinationKind::Waste:
        return p[param::WasteNotDropTarget] != 4 && table::isPlaced(state, target) &&
               wasteTakes(state, card);
    case DestinationKind::Tableau:
        return gameTypeOf(p) != GameType::Blank && gameTypeOf(p) != GameType::Gaps &&
               tableauTargetCheck(state, frontend, index, card);
    case DestinationKind::Foundation:
        return foundationTargetCheck(state, frontend, index, card);
    case DestinationKind::Reserve:
        return table::isPlaced(state, target) &&
               reserveTargetCheck(state, frontend, index + 1, card);
    }
    return false;
}

namespace {

bool placeOne(ProgramState& state, seam::Frontend& frontend, int card, DestinationKind kind,
              int index, bool automatic, Origin origin);

bool tryOne(ProgramState& state, seam::Frontend& frontend, int card, seam::Rect group,
            DestinationKind kind, int index, bool automatic, Origin origin) {
    if (!rectanglesMeet(group, destinationRect(state, kind, index))) {
        return false;
    }
    return placeOne(state, frontend, card, kind, index, automatic, origin);
}

bool placeOne(ProgramState& state, seam::Frontend& frontend, int card, DestinationKind kind,
              int index, bool automatic, Origin origin) {
    const catalogue::GameParameters& p = state.params;
    const PileRef target = pileOf(kind, index);
    if (!destinationAccepts(state, frontend, card, kind, index)) {
        return false;
    }
    const MoveAction action = kind == DestinationKind::Waste ? MoveAction{ActionKind::ToWaste}
                              : kind == DestinationKind::Foundation && automatic
                                  ? MoveAction{ActionKind::ToFoundationByAutoplay, index}
                                  : *moveOnto(target);
    if (cardsAnimate(state)) {
        if (origin.onTable) {
            std::vector<int> moving =
                state.isSingleCardMove() ? std::vector<int>{card} : runFrom(state, card);
            if (moving.empty()) {
                moving.push_back(card);
            }
            frontend.drawTableWithout(moving);
        }
        CardPoint to = table::nextCardPosition(state, target);
        if (kind == DestinationKind::Foundation &&
            p[param::FoundationFanStyle] != codeOf(FanStyle::DownFirstStep)) {
            to = table::topCardPosition(state, target);
        }
        frontend.flyCard(card, origin.from.x, origin.from.y, to.x, to.y,
                         {.pickUp = origin.onTable});
    }
    if (!executeMove(state, frontend, card, action)) {
        return false;
    }
    if (kind == DestinationKind::Tableau && gameTypeOf(p) == GameType::SuitNeighbours) {
        markNewest(state, 1);
    }
    return true;
}

} // namespace

bool placeCarried(ProgramState& state, seam::Frontend& frontend, int card, DestinationKind kind,
                  int index, CarriedFrom from) {
    return placeOne(state, frontend, card, kind, index, false, {{from.x, from.y}, from.onTable});
}

namespace {

bool foundationsMayStart(const ProgramState& state, bool automatic) {
    if (!automatic) {
        return true;
    }
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int f = 0; f < counts.foundations; ++f) {
        const int base = state.params[param::FoundationBaseRank + f];
        if ((base != 92 && base != 93) || !state.piles.foundation(f).empty()) {
            return true;
        }
    }
    return false;
}

} // namespace

bool rectanglesMeet(seam::Rect group, seam::Rect target) {
    if (inside(group.left, group.top, target) || inside(group.right, group.top, target) ||
        inside(group.left, group.bottom, target) || inside(group.right, group.bottom, target)) {
        return true;
    }
    for (int edge : {group.left, group.right}) {
        if (edge < target.left || edge > target.right) {
            continue;
        }
        for (int y = group.top; y <= group.bottom; y += 50) {
            if (y >= target.top && y <= target.bottom) {
                return true;
            }
        }
    }
    return false;
}

int overlapMeasure(seam::Rect group, seam::Rect target) {
    if (!rectanglesMeet(group, target)) {
        return 0;
    }
    const int width = std::min(group.right, target.right) - std::max(group.left, target.left);
    const int height = std::min(group.bottom, target.bottom) - std::max(group.top, target.top);
    return std::max(0, width) * std::max(0, height);
}

seam::Rect destinationRect(const ProgramState& state, DestinationKind kind, int index) {
    return cardRect(state, table::topCardPosition(state, pileOf(kind, index)));
}

void forEachDropDestination(const ProgramState& state,
                            const std::function<void(DestinationKind, int)>& visit) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int f = 0; f < counts.foundations; ++f) {
        visit(DestinationKind::Foundation, f);
    }
    const int fan = state.params[param::TableauFanStyle];
    if (fan != codeOf(FanStyle::FreeForm) && fan != codeOf(FanStyle::FreeFormAlike)) {
        for (int t = 0; t < counts.tableaus; ++t) {
            visit(DestinationKind::Tableau, t);
        }
    }
    for (int r = 0; r < counts.reserves; ++r) {
        visit(DestinationKind::Reserve, r);
    }
    if (state.params[param::WasteNotDropTarget] != 4 &&
        table::isPlaced(state, {PileKind::Stock, table::kWaste})) {
        visit(DestinationKind::Waste, 0);
    }
}

std::vector<DropCandidate> dropCandidates(const ProgramState& state, seam::Rect group) {
    std::vector<DropCandidate> found;
    forEachDropDestination(state, [&](DestinationKind kind, int index) {
        const seam::Rect target = destinationRect(state, kind, index);
        if (rectanglesMeet(group, target)) {
            found.push_back({kind, index, overlapMeasure(group, target)});
        }
    });
    // The largest overlap first; a tie goes to the higher kind, then the
    // higher index.
    std::sort(found.begin(), found.end(), [](const DropCandidate& a, const DropCandidate& b) {
        return std::tuple(a.overlap, static_cast<int>(a.kind), a.index) >
               std::tuple(b.overlap, static_cast<int>(b.kind), b.index);
    });
    if (found.size() > 4) {
        found.resize(4);
    }
    return found;
}

bool tryDestination(ProgramState& state, seam::Frontend& frontend, int card, seam::Rect group,
                    DestinationKind kind, int index, bool automatic) {
    return tryOne(state, frontend, card, group, kind, index, automatic,
                  {{group.left, group.top}, false});
}

bool dropMayMove(const ProgramState& state, int card) {
    if (state.params[param::FirstMoveFromTableau] == 1 &&
        state.mainGame.cell(table::cell::MovePhase) == 0 &&
        !isTableauLocation(locatePile(state, card))) {
        return false;
    }
    // A game that moves no card by a drop: the dropped card goes back.
    return gameTypeOf(state.params) != GameType::DropsMoveNothing;
}

std::vector<PileRef> dropTargets(const ProgramState& state, const seam::Frontend& frontend,
                                 int card) {
    std::vector<PileRef> targets;
    if (!dropMayMove(state, card)) {
        return targets;
    }
    // The checks may note things in the state (the run's top card) and
    // report a joker met where a suit is counted: ask them of a copy, quietly.
    ProgramState trial = state;
    QuietFrontend quiet(frontend);
    forEachDropDestination(state, [&](DestinationKind kind, int index) {
        const PileRef pile = pileOf(kind, index);
        // The pile the cards come from takes them back, not as a move.
        if (positionInPile(state.piles.pile(pile), card) < 0 &&
            destinationAccepts(trial, quiet, card, kind, index)) {
            targets.push_back(pile);
        }
    });
    return targets;
}

bool settleDrop(ProgramState& state, seam::Frontend& frontend, int card, seam::Rect group,
                bool automatic) {
    const std::vector<DropCandidate> candidates = dropCandidates(state, group);
    if (candidates.empty() || !dropMayMove(state, card)) {
        return false;
    }
    for (const DropCandidate& candidate : candidates) {
        if (tryDestination(state, frontend, card, group, candidate.kind, candidate.index,
                           automatic)) {
            return true;
        }
    }
    return false;
}

bool sendCard(ProgramState& state, seam::Frontend& frontend, int card, SendRequest request) {
    if (card < 1 || card > table::kLastCard || !state.cards.isFaceUp(card)) {
        return false;
    }
    const int location = locatePile(state, card);
    std::optional<PileRef> home;
    if (location == location::Stock) {
        home = PileRef{PileKind::Stock, table::kStock};
    } else if (location == location::Waste) {
        home = PileRef{PileKind::Stock, table::kWaste};
    } else if (isTableauLocation(location)) {
        home = PileRef{PileKind::Tableau, location - 1};
    } else if (isReserveLocation(location)) {
        home = PileRef{PileKind::Reserve, -location - 21};
    } else if (location <= -1 && location >= -table::kMaxFoundations) {
        home = PileRef{PileKind::Foundation, -location - 1};
    }
    if (!home) {
        return false;
    }
    const int slot = positionInPile(state.piles.pile(*home), card);
    const CardPoint at = table::cardPosition(state, *home, slot);
    const int h = state.cardSize.height;
    if (request.single) {
        state.carryGroup(h, 1);
    } else {
        if (home->kind != PileKind::Tableau) {
            return false;
        }
        state.carryGroup(table::topCardPosition(state, *home).y + h - at.y,
                         static_cast<int>(runFrom(state, card).size()));
    }
    table::TMainGame& game = state.mainGame;
    game.setCell(table::cell::PickedCard, card);
    const Origin origin{at, true};
    const table::PileCounts counts = table::PileCounts::of(state.params);
    auto offer = [&](DestinationKind kind, int index) {
        return tryOne(state, frontend, card, destinationRect(state, kind, index), kind, index,
                      request.automatic, origin);
    };
    bool sent = false;
    if (request.toFoundations && request.single && foundationsMayStart(state, request.automatic)) {
        for (int f = 0; f < counts.foundations && !sent; ++f) {
            sent = offer(DestinationKind::Foundation, f);
        }
    }
    const int own = home->kind == PileKind::Tableau ? home->index : -1;
    if (!sent && request.toTableausAndWaste) {
        for (bool wantEmpty : {false, true}) {
            for (int t = 0; t < counts.tableaus && !sent; ++t) {
                if (t != own && state.piles.tableau(t).empty() == wantEmpty) {
                    sent = offer(DestinationKind::Tableau, t);
                }
            }
        }
    }
    if (!sent && request.toReserves && request.single) {
        for (int r = 0; r < counts.reserves && !sent; ++r) {
            sent = offer(DestinationKind::Reserve, r);
        }
    }
    if (!sent && request.toTableausAndWaste && home->kind != PileKind::Stock &&
        table::isPlaced(state, {PileKind::Stock, table::kWaste})) {
        sent = offer(DestinationKind::Waste, 0);
    }
    game.setCell(table::cell::PickedCard, 0);
    game.setCell(table::cell::MovingTopCard, 0);
    return sent;
}

bool autoplayActive(const ProgramState& state) {
    return state.autoplayTicked && state.params[param::AutoplayAvailable] != 0;
}

bool autoplaySweep(ProgramState& state, seam::Frontend& frontend) {
    if (!autoplayActive(state) || !state.flags.test(Flag::GameInPlay)) {
        return false;
    }
    table::EngineFlags& flags = state.flags;
    flags.clear(Flag::StopAutoplay);
    const SendRequest toFoundations{true, true, false, false, true};
    const table::PileCounts counts = table::PileCounts::of(state.params);
    const bool mayTurn = state.settings.read(settings::field::AutomaticFaceUp) != "N" &&
                         state.params[param::AutomaticFaceUp] == 1;
    bool anything = false;
    bool stopped = false;
    for (int pass = 0; pass < kMaxPasses && !stopped; ++pass) {
        bool sentInPass = false;
        for (bool again = true; again && !stopped;) {
            again = false;
            for (int r = 0; r < counts.reserves && !stopped; ++r) {
                const int top = table::topCardOf(state.piles.reserve(r));
                if (top >= 1 && sendCard(state, frontend, top, toFoundations)) {
                    again = sentInPass = true;
                }
                stopped = flags.test(Flag::StopAutoplay);
            }
        }
        if (!stopped && state.params[param::WasteCardLocked] == 0) {
            const int top = table::topCardOf(state.piles.stock(table::kWaste));
            if (top >= 1 && sendCard(state, frontend, top, toFoundations)) {
                sentInPass = true;
            }
            stopped = flags.test(Flag::StopAutoplay);
        }
        for (int t = 0; t < counts.tableaus && !stopped; ++t) {
            int top = table::topCardOf(state.piles.tableau(t));
            if (top < 1) {
                continue;
            }
            if (!state.cards.isFaceUp(top) && mayTurn) {
                turnFaceUp(state, frontend, top, t);
                dropNewestSnapshots(state, 1);
            }
            const bool sent = sendCard(state, frontend, top, toFoundations);
            sentInPass = sentInPass || sent;
            stopped = flags.test(Flag::StopAutoplay);
            if (sent && counts.reserves > 0) {
                break;
            }
        }
        anything = anything || sentInPass;
        if (!sentInPass) {
            break;
        }
    }
    if (flags.test(Flag::Won)) {
        endOfGame(state, frontend);
    }
    flags.clear(Flag::StopAutoplay);
    return anything;
}

namespace {

std::optional<PileRef> nonEmpty(const ProgramState& state, PileRef pile) {
    if (state.piles.pile(pile).empty()) {
        return std::nullopt;
    }
    return pile;
}

// The pile the next filling card comes from, by filling style.
std::optional<PileRef> fillingSource(const ProgramState& state, int style) {
    const PileRef stock{PileKind::Stock, table::kStock};
    const PileRef waste{PileKind::Stock, table::kWaste};
    switch (style) {
    case 1:
        return nonEmpty(state, {PileKind::Reserve, 0});
    case 2:
    case 4:
    case 8:
    case 10:
        return nonEmpty(state, waste) ? waste : nonEmpty(state, stock);
    case 3:
        return nonEmpty(state, stock) ? stock : nonEmpty(state, waste);
    case 5:
    case 6:
        return nonEmpty(state, waste);
    case 7:
    case 9:
        return nonEmpty(state, stock);
    default:
        return std::nullopt;
    }
}

bool tableauFilled(int style, int index, int locked) {
    switch (style) {
    case codeOf(FillStyle::FromWasteOrStock):
    case codeOf(FillStyle::FromWasteOrStockUnmarked):
    case codeOf(FillStyle::FromWasteOrStockWithReserves):
    case codeOf(FillStyle::FromWasteOrStockReservesEmpty):
        return index >= locked;
    case codeOf(FillStyle::FromWasteToCornerTableaus):
        return index == 0 || index == 6 || index == 7 || index == 13 || index == 14 ||
               index == 20 || index == 21 || index == 27;
    case codeOf(FillStyle::FromStockFromTableau11):
        return index >= 10;
    default:
        return true;
    }
}

// One card from the style's source onto an empty pile, joined to the undo
// step of the action that emptied it.
bool fillOne(ProgramState& state, seam::Frontend& frontend, int style, PileRef target) {
    const std::optional<PileRef> source = fillingSource(state, style);
    if (!source) {
        return false;
    }
    const int card = table::topCardOf(state.piles.pile(*source));
    state.carryGroup(state.cardSize.height, 1);
    frontend.drawTableWithout({card});
    if (cardsAnimate(state)) {
        const CardPoint from = table::topCardPosition(state, *source);
        const CardPoint to = table::nextCardPosition(state, target);
        frontend.flyCard(card, from.x, from.y, to.x, to.y, {});
    }
    if (!executeMove(state, frontend, card, *moveOnto(target))) {
        return false;
    }
    if (source->kind == PileKind::Stock) {
        frontend.drawPileTop(table::pileName(*source));
    } else {
        frontend.drawPile(table::pileName(*source));
    }
    dropNewestSnapshots(state, 1);
    return true;
}

} // namespace

bool fillEmptyPiles(ProgramState& state, seam::Frontend& frontend) {
    const catalogue::GameParameters& p = state.params;
    const int style = p[param::FillStyle];
    if (style <= 0 || style > 10) {
        return false;
    }
    if (p[param::FirstMoveFromTableau] != 0 && state.mainGame.cell(table::cell::MovePhase) == 0) {
        return false;
    }
    const table::PileCounts counts = table::PileCounts::of(p);
    const bool stockOrWaste =
        !state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty();
    if (style == codeOf(FillStyle::FromFirstReserve) && state.piles.reserve(0).empty()) {
        return false;
    }
    if ((style == codeOf(FillStyle::FromWasteOrStock) ||
         style == codeOf(FillStyle::FromStockOrWaste) ||
         style == codeOf(FillStyle::FromWasteOrStockWithReserves) ||
         style == codeOf(FillStyle::FourFromStock) ||
         style == codeOf(FillStyle::FromWasteOrStockReservesEmpty)) &&
        !stockOrWaste) {
        return false;
    }
    if (style == codeOf(FillStyle::FromWasteOrStockReservesEmpty)) {
        for (int r = 0; r < counts.reserves; ++r) {
            if (!state.piles.reserve(r).empty()) {
                return false;
            }
        }
    }
    if (style == codeOf(FillStyle::FromWasteOrStockUnmarked) &&
        historyCount(state, UndoSide::Undo, 1) > 0) {
        return false;
    }
    const int locked = std::max(0, p[param::LockedTableauRows] * p[param::LockedTableauRowLength]);
    const int cardsEach = style == codeOf(FillStyle::ThreeFromWaste)  ? 3
                          : style == codeOf(FillStyle::FourFromStock) ? 4
                                                                      : 1;
    bool filled = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        if (!state.piles.tableau(t).empty() || !tableauFilled(style, t, locked)) {
            continue;
        }
        for (int n = 0; n < cardsEach; ++n) {
            if (!fillOne(state, frontend, style, {PileKind::Tableau, t})) {
                break;
            }
            filled = true;
        }
    }
    if (style == codeOf(FillStyle::FromWasteOrStockWithReserves)) {
        for (int r = locked; r < counts.reserves; ++r) {
            if (state.piles.reserve(r).empty() &&
                fillOne(state, frontend, style, {PileKind::Reserve, r})) {
                filled = true;
            }
        }
    }
    return filled;
}

void runAutomaticSteps(ProgramState& state, seam::Frontend& frontend) {
    // The fills are the game's own rules and run whatever the Autoplay
    // tick; the tick only decides whether cards go up to the foundations.
    for (int pass = 0; pass < kMaxPasses && state.flags.test(Flag::GameInPlay); ++pass) {
        fillEmptyPiles(state, frontend);
        if (!autoplayActive(state) || !autoplaySweep(state, frontend)) {
            break;
        }
    }
}

void toggleAutoplay(ProgramState& state, seam::Frontend& frontend) {
    state.autoplayTicked = !state.autoplayTicked;
    frontend.setAutoplayChecked(state.autoplayTicked);
    if (!state.autoplayTicked && state.flags.test(Flag::GameInPlay)) {
        fillEmptyPiles(state, frontend);
    }
    if (state.params[param::AutoplayAvailable] != 0 &&
        state.mainGame.cell(table::cell::AutoplayAllGames) == 2) {
        settings::PreferenceFile preferences(state.preferencesPath());
        const settings::WriteResult result = settings::storeGameAutoplayChoice(
            preferences, state.settings.readInt(settings::field::Game, -1), state.autoplayTicked);
        if (!result.ok) {
            frontend.showInformation(result.message);
        }
    }
}

} // namespace vellomir::engine
