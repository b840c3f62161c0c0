#include "app/game_keeper.h"

#include "engine/play/play_engine.h"
#include "engine/play/saved_game.h"
#include "seam/frontend.h"

#include <algorithm>
#include <optional>

namespace vellomir::app {

GameKeeper::GameKeeper(engine::PlayEngine& engine, std::function<std::string()> folder,
                       std::function<void(const std::string&)> report, int intervalMs)
    : m_engine(engine), m_folder(std::move(folder)), m_report(std::move(report)),
      m_intervalMs(intervalMs) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { keepNow(); });
}

void GameKeeper::gameChanged() {
    if (!m_started || m_stopped || m_timer.isActive()) {
        return;
    }
    // The first change after a quiet second is kept at once (as soon as the
    // action is over); the ones that follow within the second wait for it.
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : m_intervalMs;
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_intervalMs - since)));
}

void GameKeeper::keepNow() {
    const std::string folder = m_folder();
    switch (engine::savedGameStep(m_engine)) {
    case engine::SavedGameStep::Keep:
        // The action that is under way ends with a change of its own.
        return;
    case engine::SavedGameStep::Remove:
        engine::removeSavedGame(folder);
        return;
    case engine::SavedGameStep::Write:
        break;
    }
    const std::optional<engine::SavedGame> saved =
        engine::gameToSave(m_engine, m_engine.frontend().timeOfDayMs());
    if (!saved) {
        return;
    }
    m_sinceWrite.start();
    const settings::WriteResult written = engine::writeSavedGame(folder, *saved);
    if (!written && !m_failureShown && !written.message.empty()) {
        m_failureShown = true;
        m_report(written.message + "\rThe game in progress cannot be kept until this is mended.");
    }
}

bool GameKeeper::saveAtExit() {
    if (m_stopped) {
        // Kept already (a signal, then the close): the game is set aside,
        // so a second look would take it for one without a move.
        return m_keptAtExit;
    }
    m_keptAtExit = keepAtExit();
    return m_keptAtExit;
}

bool GameKeeper::keepAtExit() {
    m_timer.stop();
    m_stopped = true;
    const std::string folder = m_folder();
    switch (engine::savedGameStep(m_engine)) {
    case engine::SavedGameStep::Remove:
        engine::removeSavedGame(folder);
        return false;
    case engine::SavedGameStep::Keep:
        // The file holds the table of the last action.
        m_engine.setAsideGameInPlay();
        return true;
    case engine::SavedGameStep::Write:
        break;
    }
    const std::optional<engine::SavedGame> saved =
        engine::gameToSave(m_engine, m_engine.frontend().timeOfDayMs());
    if (!saved) {
        return false;
    }
    if (const settings::WriteResult written = engine::writeSavedGame(folder, *saved); !written) {
        if (!written.message.empty()) {
            m_report(written.message);
        }
        return false;
    }
    m_engine.setAsideGameInPlay();
    return true;
}

} // namespace vellomir::app
