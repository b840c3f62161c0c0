#include "render/winning_animation.h"

#include "render/winning_paths.h"

#include <algorithm>

namespace vellomir::render {
namespace {

// The card faces thrown: 1 to 51 (the king of spades and the jokers stay out).
constexpr int kCardChoices = 51;
// How far the rows of "Left to right" and the columns of "Up to down" move
// on, and the pause at the end of each.
constexpr int kRowStep = 35;
constexpr int kRowPause = 700;
constexpr int kCircleRadius = 150;

class Animator {
public:
    Animator(const WinningStage& stage, long long duration) : s(stage), m_duration(duration) {}

    void run(WinningStyle style) {
        switch (style) {
        case WinningStyle::OpenOrder:
            openOrder();
            break;
        case WinningStyle::LeftToRight:
            leftToRight();
            break;
        case WinningStyle::UpToDown:
            upToDown();
            break;
        case WinningStyle::Festoons:
            festoons();
            break;
        case WinningStyle::Lines:
            lines();
            break;
        case WinningStyle::Circles:
            circles();
            break;
        }
    }

private:
    bool timeUp() const { return !s.running() || s.elapsed() >= m_duration; }
    int pause() const { return s.speed / 2; }
    int random(int n) const { return n > 0 ? s.random(n) : 0; }
    int newCard() const { return random(kCardChoices) + 1; }

    // Draws when the animation still runs; false once it was stopped.
    bool draw(int card, int x, int y) {
        if (!s.running()) {
            return false;
        }
        s.drawCard(card, x, y);
        return true;
    }

    // Every fifth card drawn waits the pause and lets input through.
    void pace() {
        if (++m_count >= 5) {
            m_count = 0;
            s.wait(pause());
            s.processMessages();
        }
    }

    // Waits while letting input through; a stop ends the wait.
    void waitProcessing(int milliseconds) {
        const long long end = s.elapsed() + milliseconds;
        while (s.running() && s.elapsed() < end) {
            s.processMessages();
            s.wait(std::min<long long>(10, end - s.elapsed()));
        }
    }

    void openOrder() {
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        do {
            const int x = random(s.width + W / 2) - W / 2;
            const int y = random(s.height + H / 2) - H / 2;
            if (!draw(newCard(), x, y)) {
                return;
            }
            pace();
        } while (!timeUp());
    }

    // The row's first x: alternate rows start at different places so that
    // the cards of two rows do not line up.
    static int rowStart(int rows, int size) { return rows % 2 == 1 ? -(size / 3) : -(size / 4); }

    void leftToRight() {
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        const int step = static_cast<int>(W / 5.8);
        int x = -20;
        int y = s.topLine;
        int start = 0;
        int rows = 0;
        do {
            if (!draw(newCard(), x, y)) {
                return;
            }
            x += step;
            pace();
            if (x >= s.width) {
                ++rows;
                x = rowStart(rows, W);
                waitProcessing(kRowPause);
                y += kRowStep;
            }
            if (y + H >= s.height) {
                x = rowStart(rows, W);
                start += kRowStep;
                if (start >= s.height) {
                    start = s.topLine + kRowStep;
                }
                y = start;
            }
        } while (!timeUp());
    }

    void upToDown() {
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        const int step = static_cast<int>(H / 5.3);
        const int across = static_cast<int>(W / 1.5);
        int x = -10;
        int y = s.topLine;
        int start = 0;
        int columns = 0;
        int count = 0;
        do {
            if (!draw(newCard(), x, y)) {
                return;
            }
            y += step;
            ++count;
            if (count % 2 == 0) {
                s.wait(pause());
            }
            if (count % 5 == 0) {
                s.processMessages();
            }
            if (count == 10) {
                count = 0;
            }
            if (y >= s.height) {
                ++columns;
                y = rowStart(columns, H);
                waitProcessing(kRowPause);
                x += across;
            }
            if (x >= s.width) {
                y = rowStart(columns, H);
                start += kRowStep;
                if (start >= s.width) {
                    start = kRowStep;
                }
                x = start;
            }
        } while (!timeUp());
    }

    // Draws and moves the card through the phases; drawings 1, 5, 9, ... of
    // each phase wait and let input through. Ends early when `done` holds
    // after a move. False once stopped.
    template <class Done>
    bool runPhases(const std::vector<FestoonPhase>& phases, int card, int& x, int& y, int dx,
                   bool processAfterPhase, Done done) {
        for (const FestoonPhase& phase : phases) {
            for (int i = 0; i <= phase.repeats; ++i) {
                if (!draw(card, x, y)) {
                    return false;
                }
                x += dx;
                y += phase.v;
                if (i % 4 == 0) {
                    s.wait(pause());
                    s.processMessages();
                }
                if (done()) {
                    return true;
                }
            }
            if (processAfterPhase) {
                s.processMessages();
            }
        }
        return true;
    }

    void festoons() {
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        do {
            const int card = newCard();
            const int direction = random(10) + 1;
            int dx = random(5) + 2;
            if (direction % 2 == 1) {
                dx = -dx;
            }
            int x = random(s.width);
            if (x + W > s.width) {
                x = s.width - W;
            }
            int y = random(40) + s.topLine - 50;

            if (!runPhases(festoonFall(), card, x, y, dx, false,
                           [&] { return y + H >= s.height; })) {
                return;
            }
            if (timeUp()) {
                return;
            }
            const int n = (random(10) + 1) % 2 == 1 ? 2 : 3;
            if (!runPhases(festoonBounces(n), card, x, y, dx, true,
                           [&] { return x > s.width || x < -W; })) {
                return;
            }
        } while (!timeUp());
    }

    void lines() {
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        int y = s.topLine;
        int x = random(s.width);
        if (x + W > s.width) {
            x = s.width - W;
        }
        int dx = 0;
        int dy = 0;
        const auto atEdge = [&] {
            return x <= 0 || x + W >= s.width || y <= s.topLine || y + H >= s.height;
        };
        do {
            const int step = random(8) + 4;
            dx = dx < 0 ? -step : step;
            dy = dy < 0 ? -step : step;
            const int card = newCard();
            if (x + dx <= 0 || x + dx + W >= s.width) {
                dx = -dx;
            }
            if (y + dy <= s.topLine || y + dy + H >= s.height) {
                dy = -dy;
            }
            int drawn = 0;
            do {
                if (!draw(card, x, y)) {
                    return;
                }
                x += dx;
                y += dy;
                ++drawn;
                if (drawn % 2 == 0) {
                    s.wait(s.speed);
                }
                s.wait(5);
                if (drawn % 4 == 0) {
                    s.processMessages();
                }
            } while (!atEdge());
        } while (!timeUp());
    }

    void circles() {
        static const std::vector<QPoint> path = circlePath();
        const int W = s.cardWidth;
        const int H = s.cardHeight;
        const auto within = [](int value, int limit) { return value >= 0 && value <= limit; };
        do {
            int y0 = random(s.height);
            if (y0 > s.height - kCircleRadius) {
                y0 = s.height - kCircleRadius - y0;
            }
            int x0 = random(s.width);
            if (x0 > s.width - kCircleRadius) {
                x0 = s.width - kCircleRadius - x0;
            }
            const int card = newCard();
            for (std::size_t i = 0; i < path.size(); ++i) {
                if (!s.running()) {
                    return;
                }
                const int x = x0 + path[i].x();
                const int y = y0 + path[i].y();
                const bool shown = (within(x, s.width) || within(x + W, s.width)) &&
                                   (within(y, s.height) || within(y + H, s.height));
                if (shown) {
                    draw(card, x, y);
                }
                if (i % 4 == 0) {
                    s.processMessages();
                    if (shown) {
                        s.wait(pause());
                    }
                }
            }
        } while (!timeUp());
    }

    const WinningStage& s;
    long long m_duration;
    int m_count = 0;
};

} // namespace

std::optional<WinningStyle> winningStyleNamed(std::string_view name,
                                              const std::function<int(int)>& random) {
    if (name == kRandomWinningStyle) {
        const int pick = random(3);
        return static_cast<WinningStyle>(pick >= 0 && pick < 3 ? pick : 0);
    }
    for (std::size_t i = 0; i < kWinningStyleNames.size(); ++i) {
        if (name == kWinningStyleNames[i]) {
            return static_cast<WinningStyle>(i);
        }
    }
    return std::nullopt;
}

void runWinningStyle(WinningStyle style, const WinningStage& stage, long long durationMs) {
    Animator(stage, durationMs).run(style);
}

} // namespace vellomir::render
