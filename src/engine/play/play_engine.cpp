#include "engine/play/play_engine.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/parameter_index.h"
#include "engine/actions/action_support.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/end_of_game.h"
#include "engine/actions/score.h"
#include "engine/records/game_clock.h"
#include "engine/records/play_history.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/target_checks.h"
#include "seam/frontend.h"
#include "settings/number_text.h"
#include "settings/preference_setter.h"
#include "settings/preference_table.h"
#include "table/catalogue_loading.h"
#include "table/program_state.h"

namespace vellomir::engine {

namespace {

// A joker label key no label has: the label is drawn anew.
constexpr int kJokerLabelRedraw = -2;

} // namespace

std::optional<std::string> paddedDealNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kDealNumberDigits ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(kDealNumberDigits - digits.size(), '0') + std::string(digits);
}

PlayEngine::PlayEngine(table::ProgramState& state, seam::Frontend& frontend)
    : m_state(state), m_frontend(frontend), m_pointer(state, frontend) {
    // Long actions refresh the clock label between their cards.
    m_state.hooks.refreshClock = [](table::ProgramState& s, seam::Frontend& f) {
        engine::clockTick(s, f);
    };
    // Actions that empty piles (the pairing removals) refill them at once.
    m_state.hooks.fillEmptyPiles = [](table::ProgramState& s, seam::Frontend& f) {
        return fillEmptyPiles(s, f);
    };
    m_frontend.setGameEndListener([this] { noteEndings(); });
}

PlayEngine::~PlayEngine() {
    m_frontend.setGameEndListener(nullptr);
}

bool PlayEngine::loadGameList() {
    try {
        table::loadGameList(m_state);
        return true;
    } catch (const catalogue::CatalogueError& error) {
        m_frontend.showInformation(error.what());
        return false;
    }
}

bool PlayEngine::loadCurrentParameters() {
    try {
        return table::loadParameters(m_state, m_state.settings.readInt(settings::field::Game, -1));
    } catch (const catalogue::CatalogueError& error) {
        m_frontend.showInformation(error.what());
        m_state.params.clear();
        return false;
    }
}

// A game start's services, carried out by this engine: the deal's
// foundation checks, score and random draws, and the engine's history,
// automatic moves, end of game and preferences.
class PlayEngine::StartServices final : public GameStartServices, public table::DealServices {
public:
    explicit StartServices(PlayEngine& engine) : m_engine(engine) {}

    const table::DealServices& deal() const override { return *this; }

    bool foundationAccepts(const table::ProgramState& state, int card,
                           int foundation) const override {
        return dealFoundationCheck(state, m_engine.m_frontend, foundation, card);
    }
    void addToScore(table::ProgramState& state, int cards) const override {
        engine::addToScore(state, m_engine.m_frontend, cards, false);
    }
    void computeDealtScore(table::ProgramState& state) const override {
        updateScore(state, m_engine.m_frontend);
    }

    bool loadParameters() const override { return m_engine.loadCurrentParameters(); }
    void clearUndo() const override {
        clearUndoRecord(m_engine.m_state);
        m_engine.dealStarted();
    }
    void clearRedo() const override { engine::clearRedo(m_engine.m_state); }
    void refillRandomOffsets() const override {
        m_engine.m_state.jitter.rebuild(m_engine.m_state.random);
    }
    void autoplaySweep() const override {
        if (!m_engine.m_quietStart) {
            // The steps that follow every release, fills included: a card the
            // sweep sends up may leave a place the game fills at once (Carpet,
            // Canfield's tableaus), which must not wait for the next action.
            engine::runAutomaticSteps(m_engine.m_state, m_engine.m_frontend);
        }
    }
    void endOfGameCheck() const override {
        // The game ends here only when it is over: won by its test or, in
        // a game played for points, by a dealt score that reaches the
        // target. Ending it regardless would lose every deal at once.
        table::ProgramState& state = m_engine.m_state;
        const int target = state.params[catalogue::param::TargetScore];
        const bool over =
            winTest(state) ||
            (target != 0 && state.settings.readInt(settings::field::Score, 0) >= target);
        state.flags.set(table::Flag::Won, over);
        if (over) {
            engine::endOfGame(state, m_engine.m_frontend);
        }
    }
    bool confirmQuit() const override {
        return engine::confirmQuit(m_engine.m_state, m_engine.m_frontend, {});
    }
    bool endOfGame() const override {
        const bool won = engine::endOfGame(m_engine.m_state, m_engine.m_frontend);
        m_engine.noteEndings();
        return won;
    }
    settings::WriteResult rememberPlayer(std::string_view player) const override {
        const settings::PreferenceValue values[] = {
            {settings::Pref::UserDefault, std::string(player)}};
        return m_engine.keepPreferences(values);
    }
    std::vector<settings::WriteResult> rememberGame(int game,
                                                    std::string_view name) const override {
        // The chooser opens on the group of all games (its default) next time.
        const settings::PreferenceValue values[] = {
            {settings::Pref::Game, std::to_string(game)},
            {settings::Pref::GameName, std::string(name)},
            {settings::Pref::GameTreeNum,
             std::string(settings::preferenceEntry(settings::Pref::GameTreeNum).fallback)}};
        return {m_engine.keepPreferences(values)};
    }

protected:
    int randomBelow(int bound) const override { return m_engine.m_state.random.draw(bound); }

private:
    PlayEngine& m_engine;
};

bool PlayEngine::newGame() {
    noteEndings();
    StartOptions options;
    const bool started = startGame(m_state, m_frontend, options, StartServices(*this));
    noteGameOnTable();
    notifyChanged();
    return started;
}

bool PlayEngine::openGame(int gameNumber, DealNumberMode mode, bool remember) {
    noteEndings();
    const std::string name = m_state.mainGame.gameName(gameNumber);
    const std::string player = m_state.settings.read(settings::field::UserDefault);
    const bool opened = engine::openGame(m_state, m_frontend, gameNumber, name, player, mode,
                                         remember, StartServices(*this));
    noteGameOnTable();
    notifyChanged();
    return opened;
}

bool PlayEngine::openGameQuietly(int gameNumber) {
    const std::string animation = m_state.settings.read(settings::field::DealAnimation);
    m_state.settings.write(settings::field::DealAnimation, "N");
    m_quietStart = true;
    const bool opened = openGame(gameNumber, DealNumberMode::Keep, true);
    m_quietStart = false;
    m_state.settings.write(settings::field::DealAnimation, animation);
    return opened;
}

bool PlayEngine::restartGame() {
    if (m_state.settings.readInt(settings::field::Game, -1) < 0 ||
        m_state.params[catalogue::param::CardCount] == 0) {
        return false;
    }
    if (endGame()) {
        return false;
    }
    StartOptions options;
    options.dealNumberMode = DealNumberMode::Keep;
    const bool started = startGame(m_state, m_frontend, options, StartServices(*this));
    noteGameOnTable();
    notifyChanged();
    return started;
}

bool PlayEngine::dealNumber(std::string_view digits) {
    const std::optional<std::string> number = paddedDealNumber(digits);
    if (!number) {
        return false;
    }
    const std::string before = m_state.settings.read(settings::field::DealNumber);
    m_state.settings.write(settings::field::DealNumber, *number);
    if (!restartGame()) {
        m_state.settings.write(settings::field::DealNumber, before);
        return false;
    }
    return true;
}

bool PlayEngine::endGame() {
    const bool won = endOfGame(m_state, m_frontend);
    noteEndings();
    notifyChanged();
    return won;
}

bool PlayEngine::undo() {
    if (!m_history.undo(m_state)) {
        return false;
    }
    showTableAfterStep();
    notifyChanged();
    return true;
}

bool PlayEngine::redo() {
    if (!m_history.redo(m_state)) {
        return false;
    }
    showTableAfterStep();
    notifyChanged();
    return true;
}

void PlayEngine::resumeSteps(std::vector<PlayPosition> steps) {
    m_history.restoreSteps(std::move(steps));
    m_played = true;
    noteGameOnTable();
    notifyChanged();
}

void PlayEngine::showTableAfterStep() {
    // No flights: the table is simply drawn as it now is.
    m_frontend.tableDrawing().redrawBackground();
    detail::drawWholeTable(m_state, m_frontend);
    m_frontend.tableDrawing().invertSelectedCards();
    m_frontend.setScoreText(std::to_string(m_state.settings.readInt(settings::field::Score, 0)));
    m_state.mainGame.setCell(table::cell::JokerLabelKey, kJokerLabelRedraw);
    refreshJokerLabel(m_state, m_frontend);
}

template <typename Input> void PlayEngine::asAction(Input&& input) {
    if (!m_recording) {
        input();
        return;
    }
    const int deals = m_deals;
    m_history.beginEvent(m_state);
    input();
    if (m_deals != deals) {
        // A new game began inside the action (the chooser after a win).
        m_history.dropPendingAction();
    } else if (m_history.endEvent(m_state)) {
        m_played = true;
    }
    noteEndings();
    notifyChanged();
}

void PlayEngine::buttonDown(int button, int shift, int x, int y) {
    asAction([&] { m_pointer.buttonDown(button, shift, x, y); });
}

void PlayEngine::pointerMove(int x, int y) {
    // A move alone never changes the table; it is not worth a position.
    if (!m_recording || playerHoldsNothing(m_state)) {
        m_pointer.pointerMove(x, y);
        return;
    }
    asAction([&] { m_pointer.pointerMove(x, y); });
}

void PlayEngine::buttonUp() {
    asAction([&] { m_pointer.buttonUp(); });
}

void PlayEngine::doubleClick() {
    asAction([&] { m_pointer.doubleClick(); });
}

void PlayEngine::sendToFoundations(int x, int y) {
    asAction([&] { m_pointer.sendToFoundations(x, y); });
}

void PlayEngine::toggleAutoplay() {
    asAction([&] { engine::toggleAutoplay(m_state, m_frontend, m_gameAutoplayKeeper); });
}

void PlayEngine::runAutomaticSteps() {
    asAction([&] { engine::runAutomaticSteps(m_state, m_frontend); });
}

void PlayEngine::dealStarted() {
    // The game being replaced has had its end already; its result counts now.
    noteEndings();
    m_history.clear();
    m_played = false;
    ++m_deals;
}

void PlayEngine::noteGameOnTable() {
    m_gameOnTable = m_state.settings.readInt(settings::field::Game, -1);
    m_gameNameOnTable = m_state.settings.read(settings::field::GameName);
    m_endingsSeen = m_state.gamesEnded;
}

void PlayEngine::noteEndings() {
    if (m_state.gamesEnded == m_endingsSeen) {
        return;
    }
    m_endingsSeen = m_state.gamesEnded;
    const bool won = m_state.lastEndingWon;
    if ((won || m_played) && m_gameOnTable >= 0 && m_resultRecorder) {
        GameResult result;
        result.game = m_gameOnTable;
        result.name = m_gameNameOnTable;
        result.won = won;
        result.elapsedMs = gameElapsedMs(m_state, m_frontend.timeOfDayMs());
        // A game that ends inside an action (the winning move, when the
        // next game starts before the action is over) counts that action.
        result.moves = m_history.moves() + (m_history.actionUnderWay() ? 1 : 0);
        result.score = m_state.settings.readInt(settings::field::Score, 0);
        m_resultRecorder(result);
    }
    m_played = false;
}

settings::WriteResult
PlayEngine::keepPreferences(std::span<const settings::PreferenceValue> values) {
    if (m_preferenceWriter) {
        return m_preferenceWriter(values);
    }
    settings::setPreferencesInRecord(m_state.settings, values);
    return settings::WriteResult::success();
}

void PlayEngine::notifyChanged() {
    for (const std::function<void()>& listener : m_changed) {
        listener();
    }
}

void PlayEngine::clockTick() {
    engine::clockTick(m_state, m_frontend);
}

} // namespace vellomir::engine
