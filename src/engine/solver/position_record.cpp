#include "engine/solver/position_record.h"

#include "engine/records/undo_snapshots.h"
#include "settings/settings_record.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <array>

namespace vellomir::engine {

namespace {

namespace cell = table::cell;
using table::Flag;
using table::PileKind;
using table::PileRef;

constexpr std::array kFlags{Flag::GameInPlay, Flag::IgnoreNextPress, Flag::Won, Flag::StopAutoplay};

// Every pile of the pile lists, in a fixed order.
template <typename Visit> void forEachPile(Visit visit) {
    for (int i = 0; i < table::kStockPiles; ++i) {
        visit(PileRef{PileKind::Stock, i});
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        visit(PileRef{PileKind::Foundation, i});
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        visit(PileRef{PileKind::Tableau, i});
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        visit(PileRef{PileKind::Reserve, i});
    }
}

} // namespace

PositionRecord::PositionRecord(const table::ProgramState& state) {
    forEachPile([&](PileRef pile) {
        const std::string& cards = state.piles.pile(pile);
        const int count = table::cardCount(cards);
        m_piles += static_cast<char>(count & 0xff);
        m_piles += static_cast<char>((count >> 8) & 0xff);
        m_piles.append(cards, 0, static_cast<std::size_t>(count) * 3);
    });
    m_faces.resize(table::CardTable::kEntries);
    for (int code = 1; code <= table::CardTable::kEntries; ++code) {
        m_faces[static_cast<std::size_t>(code - 1)] = state.cards.isFaceUp(code) ? '1' : '0';
    }
    m_score = state.settings.read(settings::field::Score);
    const table::TMainGame& game = state.mainGame;
    m_passNumber = game.cell(cell::PassNumber);
    m_movePhase = game.cell(cell::MovePhase);
    m_missCount = game.cell(cell::MissCount);
    m_stockPressed = game.cell(cell::StockPressed);
    m_dealCounter = state.flags.counter(0);
    for (std::size_t c = 0; c < m_hitCounters.size(); ++c) {
        m_hitCounters[c] = state.flags.counter(static_cast<int>(c) + 1);
    }
    m_autoplay = state.autoplayTicked;
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        if (state.flags.test(kFlags[i])) {
            m_flags |= static_cast<std::uint8_t>(1U << i);
        }
    }
}

void PositionRecord::restoreInto(table::ProgramState& state) const {
    std::size_t at = 0;
    forEachPile([&](PileRef pile) {
        const std::size_t count =
            static_cast<unsigned char>(m_piles[at]) +
            static_cast<std::size_t>(static_cast<unsigned char>(m_piles[at + 1])) * 256;
        state.piles.pile(pile).assign(m_piles, at + 2, count * 3);
        at += 2 + count * 3;
    });
    for (int code = 1; code <= table::CardTable::kEntries; ++code) {
        const char face = m_faces[static_cast<std::size_t>(code - 1)];
        if (state.cards.isFaceUp(code) != (face == '1')) {
            state.cards.setFaceFlag(code, face);
        }
    }
    state.settings.write(settings::field::Score, m_score);
    table::TMainGame& game = state.mainGame;
    game.setCell(cell::PassNumber, m_passNumber);
    game.setCell(cell::MovePhase, m_movePhase);
    game.setCell(cell::MissCount, m_missCount);
    game.setCell(cell::StockPressed, m_stockPressed);
    game.setCell(cell::PickedCard, 0);
    game.setCell(cell::MovingTopCard, 0);
    game.setCell(cell::MovedMark, 0);
    state.flags.counter(0) = m_dealCounter;
    for (std::size_t c = 0; c < m_hitCounters.size(); ++c) {
        state.flags.counter(static_cast<int>(c) + 1) = m_hitCounters[c];
    }
    state.autoplayTicked = m_autoplay;
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        state.flags.set(kFlags[i], (m_flags & (1U << i)) != 0);
    }
    clearUndoRecord(state);
}

} // namespace vellomir::engine
