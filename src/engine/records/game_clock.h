#pragma once

#include <string>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Milliseconds in a day: times of day run from 0 to one less than this.
inline constexpr long long kDayMs = 24LL * 3600 * 1000;

/// An elapsed time as the clock label shows it, "h:nn:ss": whole hours
/// without padding, then minutes and seconds in two digits. Parts of a
/// second are dropped; a negative time shows as "0:00:00".
std::string formatElapsed(long long milliseconds);

/// The time from `startMs` to `nowMs`, both times of day in milliseconds
/// since midnight, as the clock label shows it. A time of day earlier than
/// the start means the game has run past midnight: the time until midnight
/// and the time since midnight are added.
std::string clockText(long long startMs, long long nowMs);
/// The same time in milliseconds.
long long elapsedMs(long long startMs, long long nowMs);
/// How long the game on the table has run: up to now while its clock runs,
/// up to its recorded end after it.
long long gameElapsedMs(const table::ProgramState& state, long long nowMs);
/// The start time of day at which a clock shows `elapsed` at `nowMs` (a
/// game continued after the program was closed).
long long clockStartFor(long long elapsed, long long nowMs);

/// While the clock runs (engine flag 3), shows the time since the start of
/// the game (time slot 0) in the clock label. Called by the main window's
/// one-second timer and between the steps of long actions.
void clockTick(const table::ProgramState& state, seam::Frontend& frontend);

/// Shows "0:00:00" in the clock label, as a new game does before its clock
/// starts.
void showClockReset(seam::Frontend& frontend);

} // namespace vellomir::engine
