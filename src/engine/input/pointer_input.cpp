#include "engine/input/pointer_input.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/drop_rules.h"
#include "engine/actions/move_execution.h"
#include "engine/actions/send_rules.h"
#include "engine/input/pointer_drop.h"
#include "engine/input/press_rules.h"
#include "engine/input/selection_press.h"
#include "engine/rules/card_runs.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/program_state.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
namespace cell = table::cell;
using table::Flag;
using table::PileKind;
using table::PileRef;

namespace {

constexpr int kCtrl = 4;

bool contains(seam::Rect r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
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
    if (button == 1 && !ctrl && rightClickSends(m_state)) {
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
    m_state.carryGroup(m_state.cardSize.height, table::CarriedCards::OneCard);
    if (isSelectionGame(m_state)) {
        selectionPress(m_state, m_frontend, SelectionHit{hit.card, hit.pile, button, ctrl});
        return;
    }
    switch (pressRules(m_state, m_frontend, hit, button)) {
    case PressAnswer::LiftCard:
        startDrag(hit, false);
        break;
    case PressAnswer::LiftRun:
        startDrag(hit, true);
        break;
    case PressAnswer::ShowCovered:
        showCovered(hit);
        break;
    case PressAnswer::Nothing:
        break;
    }
}

void PointerInput::showCovered(const HitResult& hit) {
    m_drag.coveredX = hit.rect.left;
    m_drag.coveredY = hit.rect.top;
    m_frontend.tableDrawing().showCoveredCard(hit.card, hit.rect.left, hit.rect.top);
}

void PointerInput::send(const HitResult& hit, SendBy by) {
    std::optional<SendRequest> request = sendableCard(m_state, hit.card, hit.pile);
    if (!request) {
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
    } else if (by == SendBy::FoundationKey) {
        toTableaus = false;
    }
    if (toFoundations || toTableaus) {
        request->toFoundations = toFoundations;
        request->toTableausAndWaste = toTableaus;
        sendCard(m_state, m_frontend, hit.card, *request);
    }
    endGameIfDecided(m_state, m_frontend);
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
    m_drag.grabX = pressX - hit.rect.left;
    m_drag.grabY = pressY - hit.rect.top;
    m_drag.rect = hit.rect;
    std::vector<int> cards{hit.card};
    const auto pile = table::parsePileName(hit.pile);
    if (run) {
        cards = runFrom(m_state, hit.card);
        m_drag.rect.bottom = table::topCardPosition(m_state, *pile).y + m_state.cardSize.height;
    }
    const int count = std::max<int>(1, static_cast<int>(cards.size()));
    m_drag.lifted = pile ? CardMove{hit.card, count, *pile, *pile}
                         : liftedMove(m_state, hit.card, run).value_or(CardMove{hit.card});
    m_state.carryGroup(m_drag.rect.bottom - m_drag.rect.top,
                       run ? table::CarriedCards::Run : table::CarriedCards::OneCard);
    if (liftedCardGoesToDiscard(m_state)) {
        game.setCell(cell::PickedCard, 0);
        discardAtOnce(m_state, m_frontend, hit);
        return;
    }
    m_frontend.tableDrawing().drawTableWithout(cards);
    std::vector<std::string> targets;
    for (const PileRef& target : dropTargets(m_state, m_frontend, m_drag.lifted)) {
        targets.push_back(table::pileName(target));
        if (table::isGapRows(m_state.params)) {
            // A row takes the card in one gap: that place is marked.
            targets.back() +=
                ":" + std::to_string(*table::gapSlotFor(m_state, hit.card, target.index));
        }
    }
    m_frontend.tableDrawing().markDropTargets(targets);
    m_frontend.tableDrawing().pickUpCarried(hit.card, m_drag.rect, m_state.groupHeight);
    if (m_state.settings.read(settings::field::CardsShadowed) != "N") {
        const int lift = std::max(0, m_state.shadowOffset - 2);
        m_frontend.tableDrawing().liftCarried();
        m_drag.rect = {m_drag.rect.left - lift, m_drag.rect.top - lift, m_drag.rect.right - lift,
                       m_drag.rect.bottom - lift};
        m_drag.grabX += lift;
        m_drag.grabY += lift;
        if (m_state.settings.isYes(settings::field::SoundsCardUp)) {
            m_frontend.playSound("card_up", true, seam::SoundMode::AtOnce);
        }
    } else if (m_state.settings.read(settings::field::PilesTT) != "N" ||
               (m_state.params[param::CoveredReserveSendable] ==
                    catalogue::kCoveredReserveCardsPlay &&
                hit.pile.starts_with("Appogg"))) {
        m_frontend.tableDrawing().drawCarried(m_drag.rect.left, m_drag.rect.top, false, false);
    }
}

void PointerInput::pointerMove(int x, int y) {
    table::TMainGame& game = m_state.mainGame;
    if (heldCard() != 0) {
        game.setCell(cell::MovedMark, 1);
        const int chosen = cursorNumber();
        m_frontend.setCursor(chosen == 10 ? 10 : chosen + 10);
        const int left = x - m_drag.grabX;
        const int top = y - m_drag.grabY;
        m_frontend.tableDrawing().drawCarried(left, top, false, true);
        m_drag.rect = {left, top, left + m_state.cardSize.width, top + m_state.groupHeight};
    } else if (game.cell(cell::StockPressed) == 1) {
        const int pressed =
            m_state.params[param::EmptyStockIsRedeal] == 1 ? table::kStock : table::kWaste;
        const PileRef pile{PileKind::Stock, pressed};
        const table::CardPoint at = table::pilePosition(m_state, pile);
        const seam::Rect r{at.x, at.y, at.x + m_state.cardSize.width,
                           at.y + m_state.cardSize.height};
        if (!contains(r, x, y)) {
            m_frontend.tableDrawing().drawPilePressed(table::pileName(pile), false);
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
        m_frontend.tableDrawing().drawPilePressed(table::pileName({PileKind::Stock, pressed}),
                                                  false);
        m_frontend.pause(50);
        executeMove(m_state, m_frontend,
                    std::max(0, table::topCardOf(m_state.piles.stock(table::kStock))),
                    {ActionKind::StockToWaste});
        game.setCell(cell::StockPressed, 0);
    }
    const int card = heldCard();
    if (card != 0) {
        bool dropped = false;
        m_frontend.tableDrawing().dropCarried();
        if (game.cell(cell::MovedMark) != 0) {
            dropped = settleDrop(m_state, m_frontend, m_drag.lifted, m_drag.rect);
        }
        if (!dropped) {
            returnPickedCards(m_state, m_frontend, card, m_drag.rect.left, m_drag.rect.top);
        } else {
            endGameIfDecided(m_state, m_frontend);
        }
        game.setCell(cell::PickedCard, 0);
        game.setCell(cell::MovedMark, 0);
    }
    if (coveredCardShown()) {
        m_frontend.tableDrawing().hideCoveredCard();
        m_drag.coveredX = 0;
        m_drag.coveredY = 0;
    }
    runAutomaticSteps(m_state, m_frontend);
    endGameIfDecided(m_state, m_frontend);
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

void PointerInput::sendToFoundations(int x, int y) {
    m_frontend.hidePileSizePanel();
    if (!m_state.flags.test(Flag::GameInPlay) || heldCard() != 0) {
        return;
    }
    if (m_state.hooks.refreshClock) {
        m_state.hooks.refreshClock(m_state, m_frontend);
    }
    send(hitTest(m_state, x, y), SendBy::FoundationKey);
    runAutomaticSteps(m_state, m_frontend);
    endGameIfDecided(m_state, m_frontend);
}

} // namespace vellomir::engine
