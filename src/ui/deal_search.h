#pragma once

#include "engine/play/pointer_command.h"
#include "engine/solver/solver.h"

#include <QMetaType>
#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

/// What a search found for one position of the table.
struct SearchAnswer {
    /// The position searched (engine::tableFingerprint).
    std::uint64_t position = 0;
    engine::SolveOutcome outcome = engine::SolveOutcome::GaveUp;
    /// A winning line from the position, and the position after each of
    /// its moves (the last one won).
    std::vector<engine::PointerCommand> moves;
    std::vector<std::uint64_t> after;
    /// The answer for the position reached after the first `played` moves
    /// of a winning line: the rest of it.
    SearchAnswer rest(std::size_t played) const;
};

/// A winnable deal found for New game.
struct WinnableDeal {
    std::string dealNumber;
    SearchAnswer answer;
};

/// Runs the solver on worker threads, each on its own copy of the program
/// state with a quiet frontend, and hands the answers back on the thread
/// that owns it. The core it runs is single-threaded: nothing is shared
/// between a search and the table but the copy made before it starts. One
/// search of each kind runs at a time; a new one calls the last one off.
class DealSearch : public QObject {
    Q_OBJECT
public:
    explicit DealSearch(QObject* parent = nullptr);
    /// Calls every search off and waits for its thread.
    ~DealSearch() override;

    /// Searches `state` as it is now, for at most `positions` positions and
    /// `milliseconds` (0: no time bound). Calls off the search before.
    void searchPosition(const table::ProgramState& state, const seam::Frontend& geometry,
                        long positions, int milliseconds);
    void cancelPosition();
    bool searchingPosition() const { return m_position != nullptr; }

    /// Deals new deals of the game of `state` on a copy, one after another,
    /// until the solver proves one winnable, at most `tries` of them: the
    /// first deals get a twentieth of a second each, the next a quarter, the
    /// rest `milliseconds`. Reports each deal tried (dealTried) and the end
    /// (winnableDealFound, with nothing when none was or it was called off).
    void findWinnableDeal(const table::ProgramState& state, const seam::Frontend& geometry,
                          int tries, int milliseconds, long positions);
    void cancelWinnableDeal();

signals:
    void positionSearched(const vellomir::ui::SearchAnswer& answer);
    void dealTried(int tried);
    void winnableDealFound(const std::optional<vellomir::ui::WinnableDeal>& deal);

private:
    struct Job;
    std::shared_ptr<Job> start(std::shared_ptr<Job> job);
    void finish(const std::shared_ptr<Job>& job);

    std::shared_ptr<Job> m_position;
    std::shared_ptr<Job> m_dealHunt;
    std::vector<std::shared_ptr<Job>> m_running;
};

} // namespace vellomir::ui

Q_DECLARE_METATYPE(vellomir::ui::SearchAnswer)
