#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace vellomir::render {

// The six ways a won game throws card faces across the table.
enum class WinningStyle { OpenOrder, LeftToRight, UpToDown, Festoons, Lines, Circles };

// The styles' names as the preference "Winning_Animations" holds them, in
// the order of WinningStyle.
inline constexpr std::array<std::string_view, 6> kWinningStyleNames{
    "Open order", "Left to right", "Up to down", "Festoons", "Lines", "Circles"};
inline constexpr std::string_view kRandomWinningStyle = "(Random)";

// The style a name asks for. "(Random)" picks one of the first three with
// `random(3)`; the last three are only reached by name. A name that is none
// of the six gives nothing.
std::optional<WinningStyle> winningStyleNamed(std::string_view name,
                                              const std::function<int(int)>& random);

// What an animation draws on and how it keeps time. Coordinates are those of
// the table's window; every member must be set.
struct WinningStage {
    int width = 0;
    int height = 0;
    // The bottom edge of the tool bar, or 5 without one: rows start there.
    int topLine = 5;
    int cardWidth = 71;
    int cardHeight = 96;
    // The card speed (Speed_Move_Card): pauses last speed / 2 ms.
    int speed = 10;

    // Draws a face-up card on the window and into the table buffer.
    std::function<void(int card, int x, int y)> drawCard;
    // A busy wait that lets no input through.
    std::function<void(int milliseconds)> wait;
    // Lets pending input through, which is where a key or a click stops the animation.
    std::function<void()> processMessages;
    // Milliseconds since the animation started.
    std::function<long long()> elapsed;
    // A random number in [0, n).
    std::function<int(int n)> random;
    // False once the animation was stopped.
    std::function<bool()> running;
};

// Runs one style until `durationMs` has passed since the start or the stage
// stops running. Each style completes its first step even when the time is
// already up (a duration of 0 draws one step).
void runWinningStyle(WinningStyle style, const WinningStage& stage, long long durationMs);

} // namespace vellomir::render
