#include "engine/input/press_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/clock_rules.h"
#include "engine/actions/end_of_game.h"
#include "engine/actions/face_up.h"
#include "engine/actions/move_execution.h"
#include "engine/actions/tableau_redeal.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/lift_rules.h"
#include "engine/rules/placement_check.h"
#include "settings/translatable_text.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/peak_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

namespace vellomir::engine {

using catalogue::DealType;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

constexpr const char* kLineFullMessage = VELLOMIR_TEXT(
    "Core", "Every place of the line holds a pile: move a pile before dealing the next card.");

bool neighbourRanks(int a, int b) {
    const int ra = table::rankOf(a);
    const int rb = table::rankOf(b);
    return std::abs(ra - rb) == 1;
}

bool aceKingPair(int a, int b) {
    const int ra = table::rankOf(a);
    const int rb = table::rankOf(b);
    return (ra == 1 && rb == 13) || (ra == 13 && rb == 1);
}

void discardOrBeep(ProgramState& state, seam::Frontend& frontend, const HitResult& hit) {
    if (discardTakes(state, frontend, hit.card)) {
        discardAtOnce(state, frontend, hit);
    } else {
        frontend.beep();
    }
}

PressAnswer pressTableau(ProgramState& state, seam::Frontend& frontend, const HitResult& hit,
                         int button, PileRef pile) {
    const catalogue::GameParameters& p = state.params;
    const GameType type = gameTypeOf(p);
    const std::string& cards = state.piles.tableau(pile.index);
    const bool top = table::topCardOf(cards) == hit.card;
    if (p[param::ClockFace] != 0) {
        // The Clock: a click anywhere on the pile whose turn it is plays its
        // top card; nothing is ever lifted.
        if (button == 0 && clockPileToTurn(state) == pile.index) {
            executeMove(state, frontend, table::topCardOf(cards), {ActionKind::TurnClockCard});
            endGameIfDecided(state, frontend);
        }
        return PressAnswer::Nothing;
    }
    if ((type == GameType::Golf || type == GameType::GolfAroundTheCorner) && button == 0) {
        // In the peaks a card is played once the two cards on it are gone;
        // one still face down then turns up (without the automatic turn).
        if (!top || table::peakCovered(state, pile.index)) {
            return PressAnswer::Nothing;
        }
        if (!state.cards.isFaceUp(hit.card)) {
            turnFaceUp(state, frontend, hit.card, pile.index);
            return PressAnswer::Nothing;
        }
        discardOrBeep(state, frontend, hit);
        return PressAnswer::Nothing;
    }
    if (type == GameType::BlackHole && button == 0) {
        if (top) {
            discardOrBeep(state, frontend, hit);
        }
        return PressAnswer::Nothing;
    }
    if (type == GameType::ClickOnly || type == GameType::PairsLessTwoPerMiss ||
        type == GameType::PairsLessOnePerMiss || type == GameType::OntoFaceDown ||
        (button == 1 && (type == GameType::Blank || type == GameType::Gaps))) {
        return PressAnswer::Nothing;
    }
    switch (tableauLift(state, frontend, hit.card, pile.index, button)) {
    case TableauLift::TurnUp:
        turnFaceUp(state, frontend, hit.card, pile.index);
        return PressAnswer::Nothing;
    case TableauLift::Card:
        return PressAnswer::LiftCard;
    case TableauLift::Run:
        return PressAnswer::LiftRun;
    case TableauLift::Locked:
        return PressAnswer::Nothing;
    case TableauLift::Nothing:
        break;
    }
    if (!top && button == 1 && state.cards.isFaceUp(hit.card) &&
        state.settings.isYes(settings::field::ShowPartialHiddenCard)) {
        return PressAnswer::ShowCovered;
    }
    return PressAnswer::Nothing;
}

} // namespace

bool rightClickSends(const ProgramState& state) {
    const GameType type = gameTypeOf(state.params);
    return type != GameType::Blank && type != GameType::Gaps && type != GameType::MarkOnly;
}

bool isSelectionGame(const ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const GameType type = gameTypeOf(p);
    return p[param::SelectionGame] != 0 || type == GameType::FourteenOut ||
           type == GameType::Pyramid || type == GameType::MarkOnly;
}

bool liftedCardGoesToDiscard(const ProgramState& state) {
    const GameType type = gameTypeOf(state.params);
    return type == GameType::Golf || type == GameType::BlackHole ||
           type == GameType::GolfAroundTheCorner;
}

bool discardTakes(const ProgramState& state, seam::Frontend& frontend, int card) {
    const int discardTop = table::topCardOf(state.piles.stock(table::kDiscard));
    const GameType type = gameTypeOf(state.params);
    if (type == GameType::BlackHole) {
        return discardTop < 1 || neighbourRanks(card, discardTop) || aceKingPair(card, discardTop);
    }
    if (discardTop >= 1 && aceKingPair(card, discardTop)) {
        return type != GameType::Golf;
    }
    PlacementQuery query;
    query.below = discardTop >= 1 ? discardTop : -1;
    query.moving = card;
    query.rule = 2;
    query.direction = 1;
    query.emptyCode = -1;
    query.baseCode = -1;
    if (placementAllowed(state, frontend, query)) {
        return true;
    }
    if (discardTop < 1) {
        return false;
    }
    std::swap(query.below, query.moving);
    return placementAllowed(state, frontend, query);
}

void endGameIfDecided(ProgramState& state, seam::Frontend& frontend) {
    if (state.flags.test(Flag::Won) || state.gameLost) {
        endOfGame(state, frontend);
    }
}

PressAnswer pressRules(ProgramState& state, seam::Frontend& frontend, const HitResult& hit,
                       int button) {
    const catalogue::GameParameters& p = state.params;
    const auto pile = table::parsePileName(hit.pile);
    if (!pile) {
        return PressAnswer::Nothing;
    }
    const GameType type = gameTypeOf(p);
    switch (pile->kind) {
    case PileKind::Tableau:
        return hit.card >= 1 ? pressTableau(state, frontend, hit, button, *pile)
                             : PressAnswer::Nothing;
    case PileKind::Stock:
        if (pile->index == table::kWaste) {
            if (hit.card >= 1) {
                if (wasteCardLifts(state)) {
                    return PressAnswer::LiftCard;
                }
            } else if (p[param::PassCountingStyle] > 0 &&
                       state.piles.stock(table::kStock).empty()) {
                executeMove(state, frontend, 0, {ActionKind::StockRedeal});
            }
        } else if (pile->index == table::kStock && button == 0) {
            pressStock(state, frontend);
        }
        return PressAnswer::Nothing;
    case PileKind::Foundation:
        return hit.card >= 1 && foundationCardLifts(state, pile->index, hit.card)
                   ? PressAnswer::LiftCard
                   : PressAnswer::Nothing;
    case PileKind::Reserve: {
        const int mode = p[param::CoveredReserveSendable];
        if (hit.card < 1 || mode == catalogue::kReserveCardsNeverLift) {
            return PressAnswer::Nothing;
        }
        if (type == GameType::BlackHole && button == 0 &&
            table::topCardOf(state.piles.reserve(pile->index)) == hit.card) {
            discardOrBeep(state, frontend, hit);
            return PressAnswer::Nothing;
        }
        return reserveCardLifts(state, pile->index, hit.card) ? PressAnswer::LiftCard
                                                              : PressAnswer::Nothing;
    }
    }
    return PressAnswer::Nothing;
}

void discardAtOnce(ProgramState& state, seam::Frontend& frontend, const HitResult& hit) {
    state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
    if (state.settings.read(settings::field::CardsAnimate) != "N") {
        const table::CardPoint to =
            table::nextCardPosition(state, {PileKind::Stock, table::kDiscard});
        frontend.tableDrawing().drawTableWithout({hit.card});
        frontend.tableDrawing().flyCard(hit.card, hit.rect.left, hit.rect.top, to.x, to.y, {});
    }
    executeMove(state, frontend, hit.card, {ActionKind::ToDiscard});
    endGameIfDecided(state, frontend);
}

void pressStock(ProgramState& state, seam::Frontend& frontend) {
    ProgramState& s = state;
    const catalogue::GameParameters& p = s.params;
    const std::string& stock = s.piles.stock(table::kStock);
    const int m = std::max(0, table::topCardOf(stock));
    const int tableaus = table::PileCounts::of(p).tableaus;
    const int reserves = table::PileCounts::of(p).reserves;
    auto run = [&](MoveAction action) { return executeMove(s, frontend, m, action); };
    auto tableauDeal = [&](DealType type) {
        const int code = static_cast<int>(type);
        return p[param::TableauLaterDeal] == code ||
               (tableaus > 0 && p[param::TableauLaterDeal + tableaus - 1] == code);
    };
    auto reserveDeal = [&](DealType type) {
        const int code = static_cast<int>(type);
        return p[param::ReserveLaterDeal] == code ||
               (reserves > 0 && p[param::ReserveLaterDeal + reserves - 1] == code);
    };
    const int passStyle = p[param::PassCountingStyle];
    if (table::isTableauLine(p)) {
        // The line takes the next card at its end; a full line takes none.
        if (stock.empty()) {
            return;
        }
        if (const std::optional<int> place = table::lineFreePlace(s)) {
            run({ActionKind::DealTableau, *place});
        } else {
            frontend.showInformation(kLineFullMessage);
        }
        return;
    }
    if (p[param::TableauRedealGroup] > 0 || table::isGapRows(p)) {
        // Games in fans and the gap rows have no stock to turn: its place
        // deals them again.
        if (canRedealTableaus(s)) {
            run({ActionKind::RedealTableaus});
        }
        return;
    }
    if (p[param::EmptyWasteIsRedeal] == 1) {
        if (p[param::WasteButtonDealMode] == 0 ||
            (p[param::WasteButtonDealMode] == 1 && s.piles.stock(table::kWaste).empty())) {
            run({ActionKind::StockToWaste});
        }
    } else if ((passStyle > 0 && stock.empty()) || passStyle == catalogue::kEveryPressCountsAPass) {
        run({ActionKind::StockRedeal});
    } else if (tableauDeal(DealType::OneEach) || tableauDeal(DealType::WhileTableauHoldsCards)) {
        // Code 7 deals as 1 but passes an empty tableau by (the deal's own
        // test), so a game dealt so throughout deals by the same press.
        const bool dealt = run({ActionKind::DealTableaus});
        if (p[param::ReserveLaterDeal] == static_cast<int>(DealType::FaceDownReserve) &&
            run({ActionKind::DealReserves}) && dealt) {
            dropNewestSnapshots(s, 1);
        }
    } else if (tableauDeal(DealType::OneEachWithoutGaps)) {
        bool gap = false;
        for (int t = 0; t < tableaus; ++t) {
            gap = gap || s.piles.tableau(t).empty();
        }
        if (gap) {
            frontend.showInformation(
                VELLOMIR_TEXT("Core", "Fill in any gaps in the tableau before dealing."));
        } else {
            run({ActionKind::DealTableaus});
        }
    } else if (reserveDeal(DealType::OneEach)) {
        run({ActionKind::DealReserves});
    } else if (reserveDeal(DealType::LastEightToTableaus)) {
        if (table::cardCount(stock) == 8) {
            run({ActionKind::DealLastToTableaus});
        } else {
            const bool first = run({ActionKind::DealReserves});
            if (run({ActionKind::DealReserves}) && first) {
                dropNewestSnapshots(s, 1);
            }
        }
    } else if (reserveDeal(DealType::AlternatingThrees)) {
        if (!stock.empty()) {
            const int counter = ++s.flags.dealCounter();
            const int l = counter % 2 == 1 ? 1 : 2;
            int dealt = 0;
            for (int i = 0; i < 3 && !s.piles.stock(table::kStock).empty(); ++i) {
                dealt += run({ActionKind::DealReserve, l - 1}) ? 1 : 0;
            }
            if (dealt >= 2) {
                dropOlderSnapshots(s, dealt - 1);
            }
            if (dealt > 0) {
                markNewest(s, 2);
            }
        }
    } else if (p[param::TableauLaterDeal] == static_cast<int>(DealType::FourEach)) {
        int dealt = 0;
        for (int t = 1; t <= tableaus; ++t) {
            for (int i = 0; i < 4 && !s.piles.stock(table::kStock).empty(); ++i) {
                dealt += executeMove(s, frontend, table::topCardOf(s.piles.stock(table::kStock)),
                                     {ActionKind::DealTableau, t - 1})
                             ? 1
                             : 0;
            }
        }
        if (dealt >= 2) {
            dropNewestSnapshots(s, dealt - 1);
        }
    } else if (p[param::DiscardLayout] != 0) {
        run({ActionKind::StockToDiscard});
    }
    const GameType type = gameTypeOf(p);
    if (type == GameType::Golf || type == GameType::GolfAroundTheCorner) {
        endGameIfDecided(state, frontend);
    }
}

} // namespace vellomir::engine
