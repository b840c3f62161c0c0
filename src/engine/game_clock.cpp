#include "engine/game_clock.h"

#include "app/frontend.h"
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

std::string clockText(long long startMs, long long nowMs) {
    // Past midnight the day wraps: the time left until midnight plus the
    // time since. Counting up to a full day (not 23:59:59) keeps the second
    // across midnight, so 23:59:30 to 0:00:10 is 40 seconds.
    const long long elapsed = nowMs >= startMs ? nowMs - startMs : (kDayMs - startMs) + nowMs;
    return formatElapsed(elapsed);
}

void clockTick(const table::ProgramState& state, app::Frontend& frontend) {
    if (!state.flags.test(table::Flag::ClockRunning)) {
        return;
    }
    frontend.setClockText(clockText(state.flags.timeSlot(0), frontend.timeOfDayMs()));
}

void showClockReset(app::Frontend& frontend) {
    frontend.setClockText(formatElapsed(0));
}

} // namespace vellomir::engine
