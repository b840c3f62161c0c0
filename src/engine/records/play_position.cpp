#include "engine/records/play_position.h"

#include "settings/number_text.h"
#include "table/card_table.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <charconv>
#include <vector>

namespace vellomir::engine {

namespace {

using table::PileKind;
using table::PileRef;

constexpr std::array<int, kPlayCellCount> kPlayCells{
    table::cell::PassNumber, table::cell::MovePhase, table::cell::MissCount, table::cell::MovedMark,
    table::cell::LowestCardEdge};

// Sections of a position line, in order; the history is last because it may
// hold commas of its own.
enum Section { Piles, Faces, Score, Cells, Counters, Flags, Snapshots, History, SectionCount };
constexpr char kSectionSeparator = '|';
constexpr char kItemSeparator = ',';
constexpr int kPileCount =
    table::kStockPiles + table::kMaxFoundations + table::kMaxTableaus + table::kMaxReserves;

std::vector<std::string_view> split(std::string_view text, char separator, std::size_t most) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < most) {
        const auto at = text.find(separator);
        if (at == std::string_view::npos) {
            break;
        }
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    return parts;
}

template <typename Array> bool readNumbers(std::string_view text, Array& into) {
    const std::vector<std::string_view> items = split(text, kItemSeparator, into.size() + 1);
    if (items.size() != into.size()) {
        return false;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto value = settings::readExactNumber<typename Array::value_type>(items[i]);
        if (!value) {
            return false;
        }
        into[i] = *value;
    }
    return true;
}

template <typename Array> std::string joinNumbers(const Array& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += kItemSeparator;
        }
        text += std::to_string(numbers[i]);
    }
    return text;
}

bool isPileString(std::string_view pile) {
    if (pile.size() % 3 != 0 || pile.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    for (std::size_t i = 0; i < pile.size(); i += 3) {
        if (const auto code = settings::readExactNumber<int>(pile.substr(i, 3));
            !code || *code > table::CardTable::kEntries) {
            return false;
        }
    }
    return true;
}

} // namespace

PlayPosition capturePosition(const table::ProgramState& state) {
    PlayPosition position;
    position.piles = state.piles;
    position.faces.reserve(table::CardTable::kEntries);
    for (int code = 1; code <= table::CardTable::kEntries; ++code) {
        position.faces += state.cards.isFaceUp(code) ? '1' : '0';
    }
    position.score = state.settings.readInt(settings::field::Score, 0);
    for (int i = 0; i < kPlayCellCount; ++i) {
        position.cells[i] = state.mainGame.cell(kPlayCells[i]);
    }
    for (int i = 0; i < kPositionCounters; ++i) {
        position.counters[i] = state.flags.counter(i);
    }
    position.won = state.flags.test(table::Flag::Won);
    position.stopAutoplay = state.flags.test(table::Flag::StopAutoplay);
    position.history = state.undoHistory.text();
    position.snapshots = state.undoLists.snapshotCount();
    return position;
}

void restorePosition(table::ProgramState& state, const PlayPosition& position) {
    state.piles = position.piles;
    for (int code = 1; code <= table::CardTable::kEntries; ++code) {
        state.cards.setFaceFlag(code, position.faces.at(static_cast<std::size_t>(code - 1)));
    }
    state.settings.writeInt(settings::field::Score, position.score);
    for (int i = 0; i < kPlayCellCount; ++i) {
        state.mainGame.setCell(kPlayCells[i], position.cells[i]);
    }
    for (int i = 0; i < kPositionCounters; ++i) {
        state.flags.counter(i) = position.counters[i];
    }
    state.flags.set(table::Flag::Won, position.won);
    state.flags.set(table::Flag::StopAutoplay, position.stopAutoplay);
    state.undoHistory.assign(position.history);
    state.cardLeftTableau = false;
}

bool tableChanged(const PlayPosition& before, const PlayPosition& after, bool selectionGame) {
    if (before.faces != after.faces || before.score != after.score || before.cells != after.cells ||
        before.counters != after.counters) {
        return true;
    }
    for (const PileRef pile : table::everyPile()) {
        if (selectionGame && pile == PileRef{PileKind::Foundation, 0}) {
            continue;
        }
        if (before.piles.pile(pile) != after.piles.pile(pile)) {
            return true;
        }
    }
    return false;
}

std::string positionText(const PlayPosition& position) {
    std::string text;
    bool first = true;
    for (const PileRef pile : table::everyPile()) {
        if (!first) {
            text += kItemSeparator;
        }
        first = false;
        text += position.piles.pile(pile);
    }
    text += kSectionSeparator;
    text += position.faces;
    text += kSectionSeparator;
    text += std::to_string(position.score);
    text += kSectionSeparator;
    text += joinNumbers(position.cells);
    text += kSectionSeparator;
    text += joinNumbers(position.counters);
    text += kSectionSeparator;
    text += position.won ? '1' : '0';
    text += position.stopAutoplay ? '1' : '0';
    text += kSectionSeparator;
    text += std::to_string(position.snapshots);
    text += kSectionSeparator;
    text += position.history;
    return text;
}

std::optional<PlayPosition> parsePosition(std::string_view text) {
    const std::vector<std::string_view> sections = split(text, kSectionSeparator, SectionCount);
    if (sections.size() != SectionCount) {
        return std::nullopt;
    }
    PlayPosition position;
    const std::vector<std::string_view> piles =
        split(sections[Piles], kItemSeparator, kPileCount + 1);
    const std::vector<PileRef> refs = table::everyPile();
    if (piles.size() != refs.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < refs.size(); ++i) {
        if (!isPileString(piles[i])) {
            return std::nullopt;
        }
        position.piles.pile(refs[i]) = std::string(piles[i]);
    }
    const std::string_view faces = sections[Faces];
    if (faces.size() != table::CardTable::kEntries ||
        faces.find_first_not_of("01") != std::string_view::npos) {
        return std::nullopt;
    }
    position.faces = std::string(faces);
    const auto score = settings::readExactNumber<int>(sections[Score]);
    const auto snapshots = settings::readExactNumber<int>(sections[Snapshots]);
    const std::string_view flags = sections[Flags];
    if (!score || !snapshots || *snapshots < 0 || !readNumbers(sections[Cells], position.cells) ||
        !readNumbers(sections[Counters], position.counters) || flags.size() != 2 ||
        flags.find_first_not_of("01") != std::string_view::npos) {
        return std::nullopt;
    }
    position.score = *score;
    position.snapshots = *snapshots;
    position.won = flags[0] == '1';
    position.stopAutoplay = flags[1] == '1';
    const std::string_view history = sections[History];
    if (history.find_first_not_of("0123456789,") != std::string_view::npos) {
        return std::nullopt;
    }
    position.history = std::string(history);
    return position;
}

} // namespace vellomir::engine
