#include "engine/play/saved_game.h"

#include "catalogue/catalogue_reader.h"
#include "engine/actions/score.h"
#include "engine/play/play_engine.h"
#include "engine/records/card_census.h"
#include "engine/records/game_clock.h"
#include "engine/records/undo_snapshots.h"
#include "seam/frontend.h"
#include "settings/checked_text.h"
#include "settings/number_text.h"
#include "settings/set_aside.h"
#include "settings/whole_file.h"
#include "table/program_state.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

namespace vellomir::engine {

namespace {

using table::Flag;

constexpr std::string_view kHeader = "[Saved game]";
// Version 2 closes with a checksum line; version 1, written before there
// was one, is still read.
constexpr std::string_view kVersionLine = "Version=2";
constexpr std::string_view kUncheckedVersionLine = "Version=1";
constexpr std::string_view kLineEnd = "\n";
// Keys of the file, one value a line.
constexpr std::string_view kGameKey = "Game";
constexpr std::string_view kNameKey = "Name";
constexpr std::string_view kRulesKey = "Rules";
constexpr std::string_view kDealKey = "Deal";
constexpr std::string_view kElapsedKey = "Elapsed";
constexpr std::string_view kTableKey = "Table";
constexpr std::string_view kStepKey = "Step";
constexpr std::string_view kUndoStockKey = "UndoStock";
constexpr std::string_view kUndoFoundationKey = "UndoFoundation";
constexpr std::string_view kUndoTableauKey = "UndoTableau";
constexpr std::string_view kUndoReserveKey = "UndoReserve";

void appendLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append("=").append(value).append(kLineEnd);
}

// 64-bit FNV-1a over the text.
std::string hashText(std::string_view text) {
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t hash = kOffset;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
    }
    std::ostringstream out;
    out << std::hex << hash;
    return out.str();
}

bool isSnapshotLine(std::string_view line) {
    return line.size() % 4 == 0 && line.find_first_not_of("0123456789") == std::string_view::npos;
}

bool undoListsWhole(const table::UndoLists& lists) {
    const auto n = static_cast<std::size_t>(lists.snapshotCount());
    return lists.stock.size() == n * table::kSnapshotStockLines &&
           lists.foundations.size() == n * table::kSnapshotFoundationLines &&
           lists.tableaus.size() == n * table::kSnapshotTableauLines &&
           lists.reserves.size() == n * table::kSnapshotReserveLines;
}

// Empty when every position holds the dealt cards, each once.
std::string positionsFault(const table::ProgramState& dealt, const SavedGame& saved) {
    const CardCensus cards = takeCardCensus(dealt);
    table::ProgramState check = dealt;
    std::vector<const PlayPosition*> positions{&saved.table};
    for (const PlayPosition& step : saved.steps) {
        positions.push_back(&step);
    }
    int lastSnapshots = 0;
    for (std::size_t i = 1; i < positions.size(); ++i) {
        if (positions[i]->snapshots < lastSnapshots) {
            return "its steps are out of order";
        }
        lastSnapshots = positions[i]->snapshots;
    }
    if (saved.table.snapshots < lastSnapshots ||
        saved.table.snapshots != saved.undoLists.snapshotCount() ||
        !undoListsWhole(saved.undoLists)) {
        return "its undo lists do not match its steps";
    }
    for (const PlayPosition* position : positions) {
        restorePosition(check, *position);
        if (std::string fault = cardsOnTableOnce(check, cards); !fault.empty()) {
            return fault;
        }
    }
    return {};
}

} // namespace

std::optional<std::string> rulesKey(const table::ProgramState& state, int game) {
    catalogue::GameParameters params;
    try {
        if (!catalogue::loadParameters(
                catalogue::catalogueFilePath(state.settings.programDirectory()),
                state.mainGame.games(), game, params)) {
            return std::nullopt;
        }
    } catch (const catalogue::CatalogueError&) {
        return std::nullopt;
    }
    std::string column;
    for (int i = 0; i < catalogue::GameParameters::kCells; ++i) {
        column += std::to_string(params[i]);
        column += ',';
    }
    return hashText(column);
}

std::optional<SavedGame> gameToSave(const PlayEngine& engine, long long nowMs) {
    const table::ProgramState& state = engine.state();
    if (!state.flags.test(Flag::GameInPlay) || state.flags.test(Flag::Won) ||
        !engine.gamePlayed() || !playerHoldsNothing(state)) {
        return std::nullopt;
    }
    SavedGame saved;
    saved.game = state.settings.readInt(settings::field::Game, -1);
    const std::optional<std::string> key = rulesKey(state, saved.game);
    if (!key) {
        return std::nullopt;
    }
    saved.rulesKey = *key;
    saved.name = state.settings.read(settings::field::GameName);
    saved.dealNumber = state.settings.read(settings::field::DealNumber);
    saved.elapsedMs = gameElapsedMs(state, nowMs);
    saved.table = capturePosition(state);
    saved.steps = engine.history().steps();
    saved.undoLists = state.undoLists;
    return saved;
}

std::string savedGameText(const SavedGame& game) {
    std::string text;
    text.append(kHeader).append(kLineEnd).append(kVersionLine).append(kLineEnd);
    appendLine(text, kGameKey, std::to_string(game.game));
    appendLine(text, kNameKey, game.name);
    appendLine(text, kRulesKey, game.rulesKey);
    appendLine(text, kDealKey, game.dealNumber);
    appendLine(text, kElapsedKey, std::to_string(game.elapsedMs));
    appendLine(text, kTableKey, positionText(game.table));
    for (const PlayPosition& step : game.steps) {
        appendLine(text, kStepKey, positionText(step));
    }
    const std::pair<std::string_view, const std::vector<std::string>*> lists[] = {
        {kUndoStockKey, &game.undoLists.stock},
        {kUndoFoundationKey, &game.undoLists.foundations},
        {kUndoTableauKey, &game.undoLists.tableaus},
        {kUndoReserveKey, &game.undoLists.reserves}};
    for (const auto& [key, lines] : lists) {
        for (const std::string& line : *lines) {
            appendLine(text, key, line);
        }
    }
    return settings::withChecksum(std::move(text), kLineEnd);
}

std::optional<SavedGame> parseSavedGame(std::string_view text, std::string& problem) {
    SavedGame game;
    const settings::CheckedText checked = settings::checkText(text);
    if (checked.hasChecksum && !checked.matches) {
        problem = "its checksum does not match: the file was changed";
        return std::nullopt;
    }
    // A file with a checksum must be of the version that writes one, and one
    // of that version must have it.
    const std::string_view versionLine = checked.hasChecksum ? kVersionLine : kUncheckedVersionLine;
    std::istringstream lines{std::string(checked.body)};
    int lineNumber = 0;
    bool sawTable = false;
    const auto fail = [&](const std::string& why) {
        problem = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    for (std::string raw; std::getline(lines, raw);) {
        ++lineNumber;
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lineNumber == 1 || lineNumber == 2) {
            if (lineNumber == 2 && line == kVersionLine && !checked.hasChecksum) {
                return fail("its checksum line is missing");
            }
            if (line != (lineNumber == 1 ? kHeader : versionLine)) {
                return fail("not a saved game of this version");
            }
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return fail("no key");
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == kGameKey || key == kElapsedKey) {
            const std::optional<long long> number = settings::readExactNumber<long long>(value);
            if (!number || *number < 0 || (key == kGameKey && *number > INT32_MAX)) {
                return fail("a number that does not read");
            }
            (key == kGameKey ? game.game = static_cast<int>(*number) : game.elapsedMs = *number);
        } else if (key == kNameKey) {
            game.name = std::string(value);
        } else if (key == kRulesKey) {
            game.rulesKey = std::string(value);
        } else if (key == kDealKey) {
            if (value.size() != 13 ||
                value.find_first_not_of("0123456789") != std::string_view::npos) {
                return fail("not a deal number");
            }
            game.dealNumber = std::string(value);
        } else if (key == kTableKey || key == kStepKey) {
            std::optional<PlayPosition> position = parsePosition(value);
            if (!position) {
                return fail("a table that does not read");
            }
            if (key == kTableKey) {
                game.table = std::move(*position);
                sawTable = true;
            } else {
                game.steps.push_back(std::move(*position));
            }
        } else if (key == kUndoStockKey || key == kUndoFoundationKey || key == kUndoTableauKey ||
                   key == kUndoReserveKey) {
            if (!isSnapshotLine(value)) {
                return fail("an undo line that does not read");
            }
            std::vector<std::string>& list = key == kUndoStockKey ? game.undoLists.stock
                                             : key == kUndoFoundationKey
                                                 ? game.undoLists.foundations
                                             : key == kUndoTableauKey ? game.undoLists.tableaus
                                                                      : game.undoLists.reserves;
            list.emplace_back(value);
        } else {
            return fail("unknown key \"" + std::string(key.substr(0, 40)) + "\"");
        }
    }
    if (lineNumber < 2 || game.game < 0 || game.dealNumber.empty() || game.rulesKey.empty() ||
        !sawTable) {
        return fail("the saved game is incomplete");
    }
    return game;
}

std::filesystem::path savedGamePath(const std::filesystem::path& dataFolder) {
    return dataFolder / kSavedGameFileName;
}

settings::WriteResult writeSavedGame(const std::filesystem::path& dataFolder,
                                     const SavedGame& game) {
    const std::filesystem::path file = savedGamePath(dataFolder);
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return settings::replaceFileAtomically(file, savedGameText(game));
}

SavedGameStep savedGameStep(const PlayEngine& engine) {
    const table::ProgramState& state = engine.state();
    if (!state.flags.test(Flag::GameInPlay) || state.flags.test(Flag::Won)) {
        return SavedGameStep::Remove;
    }
    if (engine.history().actionUnderWay() || !playerHoldsNothing(state) ||
        state.flags.test(Flag::AnimationRunning)) {
        // In the middle of a gesture: the file keeps the last action.
        return SavedGameStep::Keep;
    }
    return engine.gamePlayed() ? SavedGameStep::Write : SavedGameStep::Remove;
}

bool removeSavedGame(const std::filesystem::path& dataFolder) {
    std::error_code error;
    std::filesystem::remove(savedGamePath(dataFolder), error);
    return !std::filesystem::exists(savedGamePath(dataFolder), error);
}

ResumeResult resumeSavedGame(PlayEngine& engine, const std::filesystem::path& dataFolder) {
    ResumeResult result;
    const std::filesystem::path file = savedGamePath(dataFolder);
    const settings::WholeFile text = settings::readWholeFile(file, kMaxSavedGameSize);
    if (text.absent()) {
        return result;
    }
    result.outcome = ResumeOutcome::Dropped;
    std::string problem =
        text.status == settings::WholeFileStatus::TooLarge ? "it is too large" : text.problem;
    std::optional<SavedGame> saved;
    if (text.loaded()) {
        saved = parseSavedGame(text.text, problem);
    }
    // A saved game that cannot go on is kept aside for the player, never
    // deleted; one that goes on stays until the game ends or another
    // replaces it.
    const auto drop = [&](const std::string& why) {
        const settings::SetAside kept = settings::setAsideFile(file);
        result.notice = why + " " + kept.sentence;
        return result;
    };
    const std::string savedGame = "The saved game ";
    if (!saved) {
        return drop(savedGame + "could not be read (" + problem + ") and was not continued.");
    }
    table::ProgramState& state = engine.state();
    const std::string named =
        savedGame + "of " +
        (saved->name.empty() ? "game " + std::to_string(saved->game) : saved->name);
    if (state.mainGame.gameListIndex(saved->game) < 0) {
        return drop(named + " was not continued: the game is no longer in the catalogue.");
    }
    if (rulesKey(state, saved->game) != saved->rulesKey) {
        return drop(named + " was not continued: the game's rules have changed since.");
    }
    // The deal is dealt as it always is, quietly, then the table put back.
    state.settings.write(settings::field::DealNumber, saved->dealNumber);
    if (!engine.openGameQuietly(saved->game)) {
        return drop(named + " was not continued: its deal could not be dealt.");
    }
    if (const std::string fault = positionsFault(state, *saved); !fault.empty()) {
        return drop(named + " was not continued: " + fault + ".");
    }
    restorePosition(state, saved->table);
    state.undoLists = saved->undoLists;
    clearRedo(state);
    seam::Frontend& frontend = engine.frontend();
    state.flags.timeSlot(0) = clockStartFor(saved->elapsedMs, frontend.timeOfDayMs());
    engine.resumeSteps(std::move(saved->steps));
    engine.redrawAfterStep();
    clockTick(state, frontend);
    result.outcome = ResumeOutcome::Resumed;
    return result;
}

} // namespace vellomir::engine
