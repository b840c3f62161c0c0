#include "ui/deal_search.h"

#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/solver/table_fingerprint.h"
#include "seam/frontend.h"
#include "table/program_state.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace vellomir::ui {
namespace {

using Clock = std::chrono::steady_clock;

// A copy of the table for a worker: the Autoplay ticks played on it are no
// choice of the player's, to be stored in the preferences file.
std::shared_ptr<table::ProgramState> workerCopy(const table::ProgramState& state) {
    auto copy = std::make_shared<table::ProgramState>(state);
    if (copy->mainGame.cell(table::cell::AutoplayAllGames) == table::kAutoplayChoicePerGame) {
        copy->mainGame.setCell(table::cell::AutoplayAllGames, table::kAutoplayChoiceForAll);
    }
    return copy;
}
constexpr auto kWatchStep = std::chrono::milliseconds(5);

// The hunt for a winnable deal gives its first deals little time each: in
// most games the solver wins a winnable deal in a few hundredths of a
// second, and a deal it cannot answer at once is cheaper to pass over than
// to dig into. Later deals get longer, and the last ones the whole bound,
// for games whose wins take the solver longer.
constexpr int kQuickHuntTries = 20;
constexpr int kQuickHuntMilliseconds = 50;
constexpr int kMiddleHuntTries = 30;
constexpr int kMiddleHuntMilliseconds = 250;

int huntTryMilliseconds(int tried, int longest) {
    if (tried <= kQuickHuntTries) {
        return std::min(longest, kQuickHuntMilliseconds);
    }
    if (tried <= kQuickHuntTries + kMiddleHuntTries) {
        return std::min(longest, kMiddleHuntMilliseconds);
    }
    return longest;
}

// The solver on `state`, called off when `cancel` is set or, with a time
// bound, once `milliseconds` have passed (then it gave up).
engine::SolveResult solveWithin(const table::ProgramState& state, const seam::Frontend& geometry,
                                long positions, int milliseconds, const std::atomic<bool>& cancel) {
    std::atomic<bool> halt{false};
    std::atomic<bool> done{false};
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(milliseconds);
    std::thread watch([&] {
        while (!done && !cancel && (milliseconds <= 0 || Clock::now() < until)) {
            std::this_thread::sleep_for(kWatchStep);
        }
        halt = true;
    });
    engine::SolveResult result =
        // The player's Autoplay tick stays as it is: the line holds only moves.
        engine::solveDeal(state, geometry,
                          {.positions = positions, .keepAutoplay = true, .stop = &halt});
    done = true;
    watch.join();
    return result;
}

// The answer for `state` from a search's result: with a winning line, the
// position after each of its moves, played on a copy through the pointer
// input. A line that does not play out as it should counts as no answer.
SearchAnswer answerFor(const table::ProgramState& state, const seam::Frontend& geometry,
                       const engine::SolveResult& result) {
    SearchAnswer answer;
    answer.position = engine::tableFingerprint(state);
    answer.outcome = result.outcome;
    if (result.outcome != engine::SolveOutcome::Solved) {
        return answer;
    }
    table::ProgramState copy = state;
    engine::QuietFrontend quiet(geometry);
    engine::PlayEngine engine(copy, quiet);
    engine.setRecording(false);
    for (const engine::PointerCommand& move : result.moves) {
        std::string problem;
        if (!copy.flags.test(table::Flag::GameInPlay) ||
            !engine::runPointerCommand(engine, move, problem)) {
            answer.outcome = engine::SolveOutcome::GaveUp;
            answer.after.clear();
            return answer;
        }
        answer.after.push_back(engine::tableFingerprint(copy));
    }
    if (!quiet.won) {
        answer.outcome = engine::SolveOutcome::GaveUp;
        answer.after.clear();
        return answer;
    }
    answer.moves = result.moves;
    return answer;
}

} // namespace

SearchAnswer SearchAnswer::rest(std::size_t played) const {
    SearchAnswer rest;
    rest.outcome = outcome;
    if (played == 0 || played > moves.size()) {
        return *this;
    }
    rest.position = after[played - 1];
    rest.moves.assign(moves.begin() + static_cast<std::ptrdiff_t>(played), moves.end());
    rest.after.assign(after.begin() + static_cast<std::ptrdiff_t>(played), after.end());
    return rest;
}

struct DealSearch::Job {
    std::atomic<bool> cancel{false};
    QThread* thread = nullptr;
    // What the thread runs, on its own copy.
    std::function<void(Job&)> work;
};

DealSearch::DealSearch(QObject* parent) : QObject(parent) {
    qRegisterMetaType<SearchAnswer>();
}

DealSearch::~DealSearch() {
    for (const std::shared_ptr<Job>& job : m_running) {
        job->cancel = true;
    }
    for (const std::shared_ptr<Job>& job : m_running) {
        job->thread->wait();
        delete job->thread;
    }
}

std::shared_ptr<DealSearch::Job> DealSearch::start(std::shared_ptr<Job> job) {
    job->thread = QThread::create([job] { job->work(*job); });
    job->thread->setObjectName(QStringLiteral("solver"));
    m_running.push_back(job);
    job->thread->start(QThread::LowPriority);
    return job;
}

void DealSearch::finish(const std::shared_ptr<Job>& job) {
    std::erase(m_running, job);
    job->thread->wait();
    delete job->thread;
    job->thread = nullptr;
}

void DealSearch::searchPosition(const table::ProgramState& state, const seam::Frontend& geometry,
                                long positions, int milliseconds) {
    cancelPosition();
    auto job = std::make_shared<Job>();
    // The copies are made here, on the table's thread, before the search starts.
    auto copy = workerCopy(state);
    auto quiet = std::make_shared<engine::QuietFrontend>(geometry);
    job->work = [this, copy, quiet, positions, milliseconds](Job& self) {
        const engine::SolveResult result =
            solveWithin(*copy, *quiet, positions, milliseconds, self.cancel);
        SearchAnswer answer = answerFor(*copy, *quiet, result);
        if (self.cancel) {
            answer.outcome = engine::SolveOutcome::GaveUp;
        }
        Job* raw = &self;
        QMetaObject::invokeMethod(
            this,
            [this, raw, answer] {
                const auto it = std::ranges::find_if(
                    m_running, [raw](const std::shared_ptr<Job>& j) { return j.get() == raw; });
                if (it == m_running.end()) {
                    return;
                }
                const std::shared_ptr<Job> job = *it;
                const bool current = job == m_position && !job->cancel;
                finish(job);
                if (current) {
                    m_position.reset();
                    emit positionSearched(answer);
                }
            },
            Qt::QueuedConnection);
    };
    m_position = start(job);
}

void DealSearch::cancelPosition() {
    if (m_position) {
        m_position->cancel = true;
        m_position.reset();
    }
}

void DealSearch::findWinnableDeal(const table::ProgramState& state, const seam::Frontend& geometry,
                                  int tries, int milliseconds, long positions) {
    cancelWinnableDeal();
    auto job = std::make_shared<Job>();
    auto copy = workerCopy(state);
    auto quiet = std::make_shared<engine::QuietFrontend>(geometry);
    job->work = [this, copy, quiet, tries, milliseconds, positions](Job& self) {
        Job* raw = &self;
        // Hands a step back to the owner's thread while the hunt is wanted.
        auto report = [this, raw](std::function<void(DealSearch&)> step, bool last) {
            QMetaObject::invokeMethod(
                this,
                [this, raw, step, last] {
                    const auto it = std::ranges::find_if(
                        m_running, [raw](const std::shared_ptr<Job>& j) { return j.get() == raw; });
                    if (it == m_running.end()) {
                        return;
                    }
                    const std::shared_ptr<Job> job = *it;
                    const bool current = job == m_dealHunt && !job->cancel;
                    if (last) {
                        finish(job);
                        if (current) {
                            m_dealHunt.reset();
                        }
                    }
                    if (current) {
                        step(*this);
                    }
                },
                Qt::QueuedConnection);
        };
        // Quick deals: no animation to wait for on a table nobody sees.
        copy->settings.write(settings::field::DealAnimation, "N");
        engine::PlayEngine engine(*copy, *quiet);
        engine.setRecording(false);
        std::optional<WinnableDeal> found;
        for (int tried = 1; tried <= tries && !self.cancel && !found; ++tried) {
            engine.newGame();
            report([tried](DealSearch& search) { emit search.dealTried(tried); }, false);
            if (!copy->flags.test(table::Flag::GameInPlay)) {
                continue;
            }
            const engine::SolveResult result = solveWithin(
                *copy, *quiet, positions, huntTryMilliseconds(tried, milliseconds), self.cancel);
            if (result.outcome == engine::SolveOutcome::Solved && !self.cancel) {
                SearchAnswer answer = answerFor(*copy, *quiet, result);
                if (answer.outcome == engine::SolveOutcome::Solved) {
                    found = WinnableDeal{copy->settings.read(settings::field::DealNumber),
                                         std::move(answer)};
                }
            }
        }
        report([found](DealSearch& search) { emit search.winnableDealFound(found); }, true);
    };
    m_dealHunt = start(job);
}

void DealSearch::cancelWinnableDeal() {
    if (m_dealHunt) {
        m_dealHunt->cancel = true;
        m_dealHunt.reset();
    }
}

} // namespace vellomir::ui
