#include "engine/records/game_clock.h"

#include "seam/frontend.h"
#include "table/program_state.h"

namespace vellomir::engine {
namespace {

std::string twoDigits(long long n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

} // namespace

std::string formatElapsed(long long milliseconds) {
    const long long seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
           twoDigits(seconds % 60);
}

long long elapsedMs(long long startMs, long long nowMs) {
    // Past midnight the day wraps: the time left until midnight plus the
    // time since. Counting up to a full day (not 23:59:59) keeps the second
    // across midnight, so 23:59:30 to 0:00:10 is 40 seconds.
    return nowMs >= startMs ? nowMs - startMs : (kDayMs - startMs) + nowMs;
}

std::string clockText(long long startMs, long long nowMs) {
    return formatElapsed(elapsedMs(startMs, nowMs));
}

long long gameElapsedMs(const table::ProgramState& state, long long nowMs) {
    const table::EngineFlags& flags = state.flags;
    return elapsedMs(flags.timeSlot(0),
                     flags.test(table::Flag::ClockRunning) ? nowMs : flags.timeSlot(1));
}

long long clockStartFor(long long elapsed, long long nowMs) {
    const long long start = (nowMs - elapsed % kDayMs) % kDayMs;
    return start < 0 ? start + kDayMs : start;
}

void clockTick(const table::ProgramState& state, seam::Frontend& frontend) {
    if (!state.flags.test(table::Flag::ClockRunning)) {
        return;
    }
    frontend.setClockText(clockText(state.flags.timeSlot(0), frontend.timeOfDayMs()));
}

void showClockReset(seam::Frontend& frontend) {
    frontend.setClockText(formatElapsed(0));
}

} // namespace vellomir::engine
