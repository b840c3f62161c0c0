#include "ui/keyboard_play.h"

#include "engine/actions/drop_rules.h"
#include "engine/input/press_rules.h"
#include "engine/play/play_engine.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace vellomir::ui {
namespace {

// The focus frame: a bright line between two dark ones, clear on the green
// table, on a white card and on a card back alike, drawn just outside the
// cards it frames.
constexpr int kFrameMargin = 4;
constexpr int kFrameRadius = 5;
constexpr int kDarkWidth = 6;
constexpr int kBrightWidth = 4;
constexpr QColor kDark(0, 0, 0);
constexpr QColor kBright(255, 214, 0);
// What a repaint of the frame must cover beyond its rectangle.
constexpr int kFrameReach = kFrameMargin + kDarkWidth;

QRect frameOutline(const QRect& frame) {
    return frame.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
}

} // namespace

KeyboardPlay::KeyboardPlay(TfrmMain& window, table::ProgramState& state, seam::Frontend& frontend,
                           engine::PlayEngine& engine)
    : QObject(&window), m_window(window), m_view(*window.tableView()), m_state(state),
      m_frontend(frontend), m_engine(engine) {
    m_view.setFocusPolicy(Qt::StrongFocus);
    m_view.installEventFilter(this);
    m_view.setOverlayPainter([this](QPainter& painter) { paintFocus(painter); });
    m_view.setFocus();
    connect(&m_view, &TableView::resized, this, [this] { tableChanged(); });
    rebuild();
}

const KeyboardPlace* KeyboardPlay::focusPlace() const {
    if (m_focus < 0 || m_focus >= static_cast<int>(m_places.size())) {
        return nullptr;
    }
    return &m_places[static_cast<std::size_t>(m_focus)];
}

bool KeyboardPlay::carrying() const {
    return m_carrying && m_engine.pointer().heldCard() != 0;
}

bool KeyboardPlay::cardByCard() const {
    return engine::isSelectionGame(m_state) || table::isGapRows(m_state.params);
}

void KeyboardPlay::tableChanged() {
    if (m_carrying && m_engine.pointer().heldCard() == 0) {
        // The mouse ended what the keyboard began.
        m_carrying = false;
        emit carryingChanged(false);
    }
    rebuild();
    emit tableRefreshed();
}

void KeyboardPlay::rebuild() {
    const KeyboardPlace* before = focusPlace();
    const QString beforeName = before ? QString::fromStdString(before->name()) : QString();
    const int beforeCard = before ? before->card : -1;
    m_places = keyboardPlaces(m_state, m_frontend, carrying());
    int index = -1;
    if (m_haveRemembered) {
        index = placeOfPile(m_places, m_remembered.pile, m_remembered.slot);
    }
    if (index < 0 && !m_places.empty()) {
        index = 0;
    }
    m_focus = index;
    const KeyboardPlace* after = focusPlace();
    if (after) {
        m_remembered = *after;
        m_haveRemembered = true;
    }
    repaintFocus(after ? after->frame : QRect());
    if (!after || QString::fromStdString(after->name()) != beforeName ||
        after->card != beforeCard) {
        emit focusMoved();
    }
}

void KeyboardPlay::setFocus(int index) {
    if (index < 0 || index >= static_cast<int>(m_places.size())) {
        return;
    }
    m_focus = index;
    m_remembered = m_places[static_cast<std::size_t>(index)];
    m_haveRemembered = true;
    repaintFocus(m_remembered.frame);
    emit focusMoved();
}

void KeyboardPlay::repaintFocus(const QRect& frame) {
    const QRect shown = m_frameShown ? frame : QRect();
    if (shown == m_paintedFrame) {
        return;
    }
    for (const QRect& r : {m_paintedFrame, shown}) {
        if (!r.isNull()) {
            m_view.update(r.adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach));
        }
    }
    m_paintedFrame = shown;
}

void KeyboardPlay::paintFocus(QPainter& painter) const {
    if (m_paintedFrame.isNull()) {
        return;
    }
    const QRect outline = frameOutline(m_paintedFrame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDark, kDarkWidth));
    painter.drawRoundedRect(outline, kFrameRadius, kFrameRadius);
    painter.setPen(QPen(kBright, kBrightWidth));
    painter.drawRoundedRect(outline, kFrameRadius, kFrameRadius);
    painter.restore();
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_view) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_frameShown = false;
            repaintFocus(QRect());
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (handleKey(key->key(), key->modifiers())) {
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardPlay::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::NoModifier || QGuiApplication::mouseButtons() != Qt::NoButton) {
        return false;
    }
    // A card the mouse carries is the mouse's business.
    if (!m_carrying && m_engine.pointer().heldCard() != 0) {
        return false;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case kFoundationKey:
        break;
    case Qt::Key_Escape:
        // Esc means something only while cards are carried; otherwise it
        // is left to the window.
        if (!carrying()) {
            return false;
        }
        break;
    default:
        return false;
    }
    m_frameShown = true;
    if (m_places.empty()) {
        rebuild();
    }
    switch (key) {
    case Qt::Key_Left:
        moveFocus(FocusStep::Left);
        break;
    case Qt::Key_Right:
        moveFocus(FocusStep::Right);
        break;
    case Qt::Key_Up:
        moveFocus(FocusStep::Up);
        break;
    case Qt::Key_Down:
        moveFocus(FocusStep::Down);
        break;
    case Qt::Key_Tab:
        cycle(!(modifiers & Qt::ShiftModifier));
        break;
    case Qt::Key_Backtab:
        cycle(false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (carrying()) {
            putDown();
        } else {
            press();
        }
        break;
    case Qt::Key_Escape:
        if (carrying()) {
            putBack();
        }
        break;
    case kFoundationKey:
        if (!carrying()) {
            sendToFoundation();
        }
        break;
    default:
        break;
    }
    repaintFocus(focusPlace() ? focusPlace()->frame : QRect());
    return true;
}

void KeyboardPlay::moveFocus(FocusStep step) {
    if (m_focus < 0) {
        setFocus(0);
        return;
    }
    const int next = stepFrom(m_focus, step);
    if (next != m_focus) {
        setFocus(next);
    }
}

int KeyboardPlay::stepFrom(int from, FocusStep step) const {
    return placeInDirection(m_places, from, step, cardByCard() && !carrying());
}

void KeyboardPlay::cycle(bool forward) {
    std::vector<int> order;
    if (carrying()) {
        // The piles that take what is carried, as the engine's drop judges them.
        const int card = m_engine.pointer().heldCard();
        for (const table::PileRef& pile :
             engine::dropTargets(m_state, m_frontend, m_engine.pointer().liftedCards())) {
            int slot = -1;
            if (table::isGapRows(m_state.params) && pile.kind == table::PileKind::Tableau) {
                slot = table::gapSlotFor(m_state, card, pile.index).value_or(-1);
            }
            const int index = placeOfPile(m_places, pile, slot);
            if (index >= 0) {
                order.push_back(index);
            }
        }
        if (order.empty()) {
            m_frontend.beep();
            emit refused(NoPileTakesThem);
            return;
        }
    } else {
        // Every pile, in reading order: row by row, left to right.
        for (int i = 0; i < static_cast<int>(m_places.size()); ++i) {
            if (m_places[static_cast<std::size_t>(i)].top) {
                order.push_back(i);
            }
        }
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            const QRect& ra = m_places[static_cast<std::size_t>(a)].pileExtent;
            const QRect& rb = m_places[static_cast<std::size_t>(b)].pileExtent;
            return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
        });
    }
    if (order.empty()) {
        return;
    }
    const KeyboardPlace* here = focusPlace();
    auto at = std::find_if(order.begin(), order.end(), [&](int i) {
        return here && m_places[static_cast<std::size_t>(i)].pile == here->pile;
    });
    int next = 0;
    if (at == order.end()) {
        next = forward ? order.front() : order.back();
    } else {
        const auto position = static_cast<int>(at - order.begin());
        const int count = static_cast<int>(order.size());
        next = order[static_cast<std::size_t>((position + (forward ? 1 : count - 1)) % count)];
    }
    setFocus(next);
}

void KeyboardPlay::press() {
    const KeyboardPlace* place = focusPlace();
    if (!place) {
        return;
    }
    const KeyboardPlace pressed = *place;
    PointerEvent event;
    event.kind = PointerEvent::Kind::Press;
    event.button = Qt::LeftButton;
    event.buttons = Qt::LeftButton;
    event.x = pressed.pressPoint.x();
    event.y = pressed.pressPoint.y();
    m_view.deliver(event);
    if (m_engine.pointer().heldCard() != 0) {
        // Taken: the cards stay lifted until they are put down or back.
        m_carrying = true;
        m_source = pressed;
        rebuild();
        setFocus(std::max(0, placeOfPile(m_places, pressed.pile, -1)));
        emit carryingChanged(true);
        return;
    }
    event.kind = PointerEvent::Kind::Release;
    event.buttons = Qt::NoButton;
    m_view.deliver(event);
    rebuild();
}

void KeyboardPlay::putDown() {
    const KeyboardPlace* place = focusPlace();
    if (!place || place->pile == m_source.pile) {
        putBack();
        return;
    }
    const int card = m_engine.pointer().heldCard();
    const table::PileRef target = place->pile;
    // The carried picture is laid exactly over the pile's top card (or its
    // gap), so that the drop finds that pile first under it.
    PointerEvent event;
    event.kind = PointerEvent::Kind::Move;
    event.buttons = Qt::LeftButton;
    event.x = place->cardRect.left() + m_engine.pointer().grabX();
    event.y = place->cardRect.top() + m_engine.pointer().grabY();
    m_view.deliver(event);
    m_carrying = false;
    event.kind = PointerEvent::Kind::Release;
    event.button = Qt::LeftButton;
    event.buttons = Qt::NoButton;
    m_view.deliver(event);
    const std::string& source = m_state.piles.pile(m_source.pile);
    const bool stayed = source.find(table::cardText(card)) != std::string::npos &&
                        m_state.piles.pile(target).find(table::cardText(card)) == std::string::npos;
    rebuild();
    emit carryingChanged(false);
    if (stayed) {
        m_frontend.beep();
        emit refused(PileRefusedThem);
    }
}

void KeyboardPlay::putBack() {
    m_carrying = false;
    PointerEvent event;
    event.kind = PointerEvent::Kind::Release;
    event.button = Qt::LeftButton;
    event.buttons = Qt::NoButton;
    m_view.deliver(event);
    m_remembered = m_source;
    m_haveRemembered = true;
    rebuild();
    emit carryingChanged(false);
}

void KeyboardPlay::sendToFoundation() {
    const KeyboardPlace* place = focusPlace();
    if (!place || place->card < 1) {
        m_frontend.beep();
        emit refused(NoFoundationTakesIt);
        return;
    }
    const table::PileLists before = m_state.piles;
    m_engine.sendToFoundations(place->pressPoint.x(), place->pressPoint.y());
    m_window.updateScrollRange();
    rebuild();
    if (m_state.piles == before) {
        m_frontend.beep();
        emit refused(NoFoundationTakesIt);
    }
}

} // namespace vellomir::ui
