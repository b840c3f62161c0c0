#include "engine/pointer_input.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/automatic_moves.h"
#include "engine/card_runs.h"
#include "engine/end_of_game.h"
#include "engine/face_up.h"
#include "engine/lift_rules.h"
#include "engine/move_execution.h"
#include "engine/pile_location.h"
#include "engine/placement_check.h"
#include "engine/selection_press.h"
#include "engine/tableau_redeal.h"
#include "engine/undo_snapshots.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <string>
#include <vector>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::DealType;
using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
namespace cell = table::cell;
using table::Flag;
using table::PileKind;
using table::PileRef;

namespace {

constexpr int kCtrl = 4;

bool isSelectionGame(const catalogue::GameParameters& p) {
    const GameType type = gameTypeOf(p);
    return p[param::SelectionGame] != 0 || type == GameType::FourteenOut ||
           type == GameType::Pyramid || type == GameType::MarkOnly;
}

bool contains(seam::Rect r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

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

} // namespace

PointerInput::PointerInput(table::ProgramState& state, seam::Frontend& frontend)
    : m_state(state), m_frontend(frontend) {}

int PointerInput::heldCard() const {
    return m_state.mainGame.cell(cell::PickedCard);
}

int PointerInput::cursorNumber() const {
    return m_state.settings.readInt(settings::field::Cursor, 10);
}

void PointerInput::endOfGameTest() {
    if (m_state.flags.test(Flag::Won) || m_state.gameLost) {
        endOfGame(m_state, m_frontend);
    }
}

void PointerInput::buttonDown(int button, int shift, int x, int y) {
    table::TMainGame& game = m_state.mainGame;
    const catalogue::GameParameters& p = m_state.params;
    m_frontend.hidePileSizePanel();
    if (!m_state.flags.test(Flag::GameInPlay) || heldCard() != 0) {
        return;
    }
    game.setCell(cell::MovedMark, 0);
    if (m_state.flags.test(Flag::IgnoreNextPress)) {
        m_state.flags.clear(Flag::IgnoreNextPress);
        return;
    }
    if (m_state.hooks.refreshClock) {
        m_state.hooks.refreshClock(m_state, m_frontend);
    }
    game.setCell(cell::PressX, x);
    game.setCell(cell::PressY, y);
    const HitResult hit = hitTest(m_state, x, y);
    const bool ctrl = (shift & kCtrl) != 0;
    const GameType type = gameTypeOf(p);

    if (button == 1 && !ctrl && type != GameType::Blank && type != GameType::Gaps &&
        type != GameType::MarkOnly) {
        if (m_state.settings.isYes(settings::field::RightClickToFoundations) ||
            m_state.settings.isYes(settings::field::RightClickToTableaus)) {
            send(hit, SendBy::RightClick);
        }
        return;
    }
    if (button == 1 && ctrl && hit.pile.empty()) {
        m_frontend.beep();
        return;
    }
    if (p[param::ClickToPlay] == 1) {
        send(hit, SendBy::SingleClick);
        return;
    }
    m_state.carryGroup(m_state.cardSize.height, 1);
    if (isSelectionGame(p)) {
        selectionPress(m_state, m_frontend, SelectionHit{hit.card, hit.pile, button, ctrl});
        return;
    }
    pickUpRules(hit, button);
}

bool PointerInput::pickUpRules(const HitResult& hit, int button) {
    const catalogue::GameParameters& p = m_state.params;
    const auto pile = table::parsePileName(hit.pile);
    if (!pile) {
        return false;
    }
    const GameType type = gameTypeOf(p);
    switch (pile->kind) {
    case PileKind::Tableau:
        if (hit.card >= 1) {
            pressTableau(hit, button, *pile);
        }
        return true;
    case PileKind::Stock:
        if (pile->index == table::kWaste) {
            if (hit.card >= 1) {
                if (wasteCardLifts(m_state)) {
                    startDrag(hit, false);
                }
            } else if (p[param::PassCountingStyle] > 0 &&
                       m_state.piles.stock(table::kStock).empty()) {
                executeMove(m_state, m_frontend, 0, {ActionKind::StockRedeal});
            }
        } else if (pile->index == table::kStock && button == 0) {
            pressStock();
        }
        return true;
    case PileKind::Foundation: {
        if (hit.card >= 1 && foundationCardLifts(m_state, pile->index, hit.card)) {
            startDrag(hit, false);
        }
        return true;
    }
    case PileKind::Reserve: {
        const int mode = p[param::CoveredReserveSendable];
        if (hit.card < 1 || mode == -14) {
            return true;
        }
        if (type == GameType::BlackHole && button == 0 &&
            table::topCardOf(m_state.piles.reserve(pile->index)) == hit.card) {
            discardNeighbourClick(hit);
            return true;
        }
        if (reserveCardLifts(m_state, pile->index, hit.card)) {
            startDrag(hit, false);
        }
        return true;
    }
    }
    return false;
}

void PointerInput::pressTableau(const HitResult& hit, int button, PileRef pile) {
    const catalogue::GameParameters& p = m_state.params;
    const GameType type = gameTypeOf(p);
    const std::string& cards = m_state.piles.tableau(pile.index);
    const bool top = table::topCardOf(cards) == hit.card;
    if ((type == GameType::Golf || type == GameType::GolfAroundTheCorner) && button == 0) {
        if (top) {
            wasteBuildingClick(hit);
        }
        return;
    }
    if (type == GameType::BlackHole && button == 0) {
        if (top) {
            discardNeighbourClick(hit);
        }
        return;
    }
    if (type == GameType::ClickOnly || type == GameType::PairsLessTwoPerMiss ||
        type == GameType::PairsLessOnePerMiss || type == GameType::OntoFaceDown ||
        (button == 1 && (type == GameType::Blank || type == GameType::Gaps))) {
        return;
    }
    switch (tableauLift(m_state, m_frontend, hit.card, pile.index, button)) {
    case TableauLift::TurnUp:
        turnFaceUp(m_state, m_frontend, hit.card, pile.index);
        return;
    case TableauLift::Card:
        startDrag(hit, false);
        return;
    case TableauLift::Run:
        startDrag(hit, true);
        return;
    case TableauLift::Locked:
        return;
    case TableauLift::Nothing:
        break;
    }
    if (top) {
        return;
    }
    if (button == 1 && m_state.cards.isFaceUp(hit.card) &&
        m_state.settings.isYes(settings::field::ShowPartialHiddenCard)) {
        m_coveredX = hit.rect.left;
        m_coveredY = hit.rect.top;
        m_frontend.showCoveredCard(hit.card, hit.rect.left, hit.rect.top);
    }
}

void PointerInput::wasteBuildingClick(const HitResult& hit) {
    const int discardTop = table::topCardOf(m_state.piles.stock(table::kDiscard));
    if (discardTop >= 1 && aceKingPair(hit.card, discardTop)) {
        if (gameTypeOf(m_state.params) == GameType::Golf) {
            m_frontend.beep();
        } else {
            discardAtOnce(hit);
        }
        return;
    }
    PlacementQuery query;
    query.below = discardTop >= 1 ? discardTop : -1;
    query.moving = hit.card;
    query.rule = 2;
    query.direction = 1;
    query.emptyCode = -1;
    query.baseCode = -1;
    bool fits = placementAllowed(m_state, m_frontend, query);
    if (!fits && discardTop >= 1) {
        std::swap(query.below, query.moving);
        fits = placementAllowed(m_state, m_frontend, query);
    }
    if (fits) {
        discardAtOnce(hit);
    } else {
        m_frontend.beep();
    }
}

void PointerInput::discardNeighbourClick(const HitResult& hit) {
    const int discardTop = table::topCardOf(m_state.piles.stock(table::kDiscard));
    if (discardTop < 1 || neighbourRanks(hit.card, discardTop) ||
        aceKingPair(hit.card, discardTop)) {
        discardAtOnce(hit);
    } else {
        m_frontend.beep();
    }
}

void PointerInput::discardAtOnce(const HitResult& hit) {
    m_state.carryGroup(m_state.cardSize.height, 1);
    if (m_state.settings.read(settings::field::CardsAnimate) != "N") {
        const table::CardPoint to =
            table::nextCardPosition(m_state, {PileKind::Stock, table::kDiscard});
        m_frontend.drawTableWithout({hit.card});
        m_frontend.flyCard(hit.card, hit.rect.left, hit.rect.top, to.x, to.y, {});
    }
    executeMove(m_state, m_frontend, hit.card, {ActionKind::ToDiscard});
    endOfGameTest();
}

void PointerInput::pressStock() {
    table::ProgramState& s = m_state;
    const catalogue::GameParameters& p = s.params;
    const std::string& stock = s.piles.stock(table::kStock);
    const int m = std::max(0, table::topCardOf(stock));
    const int tableaus = table::PileCounts::of(p).tableaus;
    const int reserves = table::PileCounts::of(p).reserves;
    auto run = [&](MoveAction action) { return executeMove(s, m_frontend, m, action); };
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
    if (p[param::TableauRedealGroup] > 0) {
        // Games in fans have no stock to turn: its place deals them again.
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
    } else if ((passStyle > 0 && stock.empty()) || passStyle == 6) {
        run({ActionKind::StockRedeal});
    } else if (tableauDeal(DealType::OneEach)) {
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
            m_frontend.showInformation("Fill in any gaps in the tableau before dealing.");
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
                dealt += executeMove(s, m_frontend, table::topCardOf(s.piles.stock(table::kStock)),
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
        endOfGameTest();
    }
}

void PointerInput::send(const HitResult& hit, SendBy by) {
    const catalogue::GameParameters& p = m_state.params;
    const auto pile = table::parsePileName(hit.pile);
    if (hit.card < 1 || !pile || !m_state.cards.isFaceUp(hit.card)) {
        return;
    }
    bool allowed = false;
    bool single = true;
    switch (pile->kind) {
    case PileKind::Foundation: {
        const int takeBack = p[param::FoundationTakeBack];
        allowed = takeBack == 1 ||
                  (takeBack == 2 && table::cardCount(m_state.piles.foundation(pile->index)) > 1);
        break;
    }
    case PileKind::Stock:
        allowed = pile->index == table::kWaste;
        break;
    case PileKind::Tableau:
        if (p[param::RunSizeLimit] != 0) {
            if (table::topCardOf(m_state.piles.tableau(pile->index)) == hit.card) {
                allowed = true;
            } else if (runSizeLimit(m_state, hit.card, false)) {
                allowed = true;
                single = false;
            }
        }
        break;
    case PileKind::Reserve:
        allowed = table::topCardOf(m_state.piles.reserve(pile->index)) == hit.card ||
                  p[param::CoveredReserveSendable] == -11;
        break;
    }
    if (!allowed) {
        return;
    }
    bool toFoundations = true;
    bool toTableaus = true;
    if (by == SendBy::DoubleClick) {
        m_state.flags.set(Flag::IgnoreNextPress);
        toFoundations = m_state.settings.isYes(settings::field::DoubleClickToFoundations);
        toTableaus = m_state.settings.isYes(settings::field::DoubleClickToTableaus);
    } else if (by == SendBy::RightClick) {
        toFoundations = m_state.settings.isYes(settings::field::RightClickToFoundations);
        toTableaus = m_state.settings.isYes(settings::field::RightClickToTableaus);
    }
    if (toFoundations || toTableaus) {
        SendRequest request;
        request.single = single;
        request.toFoundations = toFoundations;
        request.toTableausAndWaste = toTableaus;
        sendCard(m_state, m_frontend, hit.card, request);
    }
    endOfGameTest();
}

void PointerInput::startDrag(const HitResult& hit, bool run) {
    table::TMainGame& game = m_state.mainGame;
    const int pressX = game.cell(cell::PressX);
    const int pressY = game.cell(cell::PressY);
    if (heldCard() == 0) {
        game.setCell(cell::PickX, pressX);
        game.setCell(cell::PickY, pressY);
    }
    game.setCell(cell::PickedCard, hit.card);
    m_grabX = pressX - hit.rect.left;
    m_grabY = pressY - hit.rect.top;
    m_dragRect = hit.rect;
    std::vector<int> cards{hit.card};
    if (run) {
        cards = runFrom(m_state, hit.card);
        const auto pile = table::parsePileName(hit.pile);
        m_dragRect.bottom = table::topCardPosition(m_state, *pile).y + m_state.cardSize.height;
    }
    m_state.carryGroup(m_dragRect.bottom - m_dragRect.top, static_cast<int>(cards.size()));
    const GameType type = gameTypeOf(m_state.params);
    if (type == GameType::Golf || type == GameType::BlackHole ||
        type == GameType::GolfAroundTheCorner) {
        game.setCell(cell::PickedCard, 0);
        discardAtOnce(hit);
        return;
    }
    m_frontend.drawTableWithout(cards);
    std::vector<std::string> targets;
    for (const PileRef& pile : dropTargets(m_state, m_frontend, hit.card)) {
        targets.push_back(table::pileName(pile));
    }
    m_frontend.markDropTargets(targets);
    m_frontend.pickUpCarried(hit.card, m_dragRect, m_state.groupHeight);
    if (m_state.settings.read(settings::field::CardsShadowed) != "N") {
        const int lift = std::max(0, m_state.shadowOffset - 2);
        m_frontend.liftCarried();
        m_dragRect = {m_dragRect.left - lift, m_dragRect.top - lift, m_dragRect.right - lift,
                      m_dragRect.bottom - lift};
        m_grabX += lift;
        m_grabY += lift;
        if (m_state.settings.isYes(settings::field::SoundsCardUp)) {
            m_frontend.playSound("card_up", true, seam::SoundMode::AtOnce);
        }
    } else if (m_state.settings.read(settings::field::PilesTT) != "N" ||
               (m_state.params[param::CoveredReserveSendable] == -11 &&
                hit.pile.starts_with("Appogg"))) {
        m_frontend.drawCarried(m_dragRect.left, m_dragRect.top, false, false);
    }
}

void PointerInput::pointerMove(int x, int y) {
    table::TMainGame& game = m_state.mainGame;
    if (heldCard() != 0) {
        game.setCell(cell::MovedMark, 1);
        const int chosen = cursorNumber();
        m_frontend.setCursor(chosen == 10 ? 10 : chosen + 10);
        const int left = x - m_grabX;
        const int top = y - m_grabY;
        m_frontend.drawCarried(left, top, false, true);
        m_dragRect = {left, top, left + m_state.cardSize.width, top + m_state.groupHeight};
    } else if (game.cell(cell::StockPressed) == 1) {
        const int pressed =
            m_state.params[param::EmptyStockIsRedeal] == 1 ? table::kStock : table::kWaste;
        const PileRef pile{PileKind::Stock, pressed};
        const table::CardPoint at = table::pilePosition(m_state, pile);
        const seam::Rect r{at.x, at.y, at.x + m_state.cardSize.width,
                           at.y + m_state.cardSize.height};
        if (!contains(r, x, y)) {
            m_frontend.drawPilePressed(table::pileName(pile), false);
            game.setCell(cell::StockPressed, 0);
        }
    } else if (m_state.flags.test(Flag::GameInPlay)) {
        if (x != m_lastX || y != m_lastY || x < 0 || y < 0 || x >= m_frontend.drawingAreaWidth() ||
            y >= m_frontend.drawingAreaHeight()) {
            m_frontend.hidePileSizePanel();
        }
        game.setCell(cell::HoverX, x);
        game.setCell(cell::HoverY, y);
    }
    m_lastX = x;
    m_lastY = y;
}

void PointerInput::buttonUp() {
    table::TMainGame& game = m_state.mainGame;
    m_frontend.setCursor(cursorNumber());
    if (game.cell(cell::StockPressed) == 1) {
        const int pressed =
            m_state.params[param::EmptyStockIsRedeal] == 1 ? table::kStock : table::kWaste;
        m_frontend.drawPilePressed(table::pileName({PileKind::Stock, pressed}), false);
        m_frontend.pause(50);
        executeMove(m_state, m_frontend,
                    std::max(0, table::topCardOf(m_state.piles.stock(table::kStock))),
                    {ActionKind::StockToWaste});
        game.setCell(cell::StockPressed, 0);
    }
    const int card = heldCard();
    if (card != 0) {
        bool dropped = false;
        m_frontend.dropCarried();
        if (game.cell(cell::MovedMark) != 0) {
            dropped = settleDrop(m_state, m_frontend, card, m_dragRect);
        }
        if (!dropped) {
            returnPickedCards(m_state, m_frontend, card, m_dragRect.left, m_dragRect.top);
        } else {
            endOfGameTest();
        }
        game.setCell(cell::PickedCard, 0);
        game.setCell(cell::MovingTopCard, 0);
        game.setCell(cell::MovedMark, 0);
    }
    if (coveredCardShown()) {
        m_frontend.hideCoveredCard();
        m_coveredX = 0;
        m_coveredY = 0;
    }
    runAutomaticSteps(m_state, m_frontend);
    endOfGameTest();
}

void PointerInput::doubleClick() {
    const table::TMainGame& game = m_state.mainGame;
    const HitResult hit = hitTest(m_state, game.cell(cell::PressX), game.cell(cell::PressY));
    if (hit.pile == "Mazzo") {
        m_state.flags.clear(Flag::IgnoreNextPress);
        return;
    }
    if (!m_state.flags.test(Flag::GameInPlay) || heldCard() != 0) {
        return;
    }
    if (m_state.settings.isYes(settings::field::DoubleClickToFoundations) ||
        m_state.settings.isYes(settings::field::DoubleClickToTableaus)) {
        send(hit, SendBy::DoubleClick);
    }
}

} // namespace vellomir::engine
