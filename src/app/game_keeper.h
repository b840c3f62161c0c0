#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace vellomir::engine {
class PlayEngine;
}

namespace vellomir::app {

/// Keeps the game in progress on disk, so that a crash, a kill or a power
/// cut loses at most the last action: after every action the saved game is
/// replaced atomically, from the event loop (never inside the action or its
/// drawing), at most once every `intervalMs` (faster actions are coalesced);
/// it is removed when the game ends or a new deal replaces it.
class GameKeeper : public QObject {
public:
    static constexpr int kDefaultIntervalMs = 1000;

    /// `folder` gives the data folder; `report` shows a message to the player.
    GameKeeper(engine::PlayEngine& engine, std::function<std::string()> folder,
               std::function<void(const std::string&)> report, int intervalMs = kDefaultIntervalMs);

    /// From now on changes are kept (once the saved game of the last run
    /// has been continued or refused).
    void start() { m_started = true; }
    /// The engine's change listener: an action, undo, redo or deal happened.
    void gameChanged();
    /// The close of the program (or the end of the session): the file is
    /// brought up to date now and keeping stops. True when the game on the
    /// table is kept to be continued, so that its end counts as neither win
    /// nor loss.
    bool saveAtExit();

private:
    // Brings the file up to date with the table as it now is.
    void keepNow();
    bool keepAtExit();

    engine::PlayEngine& m_engine;
    std::function<std::string()> m_folder;
    std::function<void(const std::string&)> m_report;
    const int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;
    bool m_started = false;
    bool m_stopped = false;
    bool m_keptAtExit = false;
    /// A failed write is shown once a run, not after every action.
    bool m_failureShown = false;
};

} // namespace vellomir::app
