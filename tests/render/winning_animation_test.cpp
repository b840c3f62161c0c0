#include "render/winning_animation.h"
#include "render/winning_paths.h"

#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace vellomir::render {
namespace {

constexpr WinningStyle kAllStyles[] = {WinningStyle::OpenOrder, WinningStyle::LeftToRight,
                                       WinningStyle::UpToDown,  WinningStyle::Festoons,
                                       WinningStyle::Lines,     WinningStyle::Circles};

// A stage on a simulated clock: waiting moves the clock on, and so does
// each drawing (by a millisecond), so every style makes progress in time.
struct FakeStage {
    struct Drawing {
        int card;
        int x;
        int y;
    };
    std::vector<Drawing> drawings;
    std::vector<int> waits;
    long long now = 0;
    int cardsChosen = 0;
    int processed = 0;
    bool running = true;
    unsigned seed = 12345;
    // Stops the animation after this many drawings (0: never).
    int stopAfter = 0;

    WinningStage stage(int width = 800, int height = 600) {
        WinningStage s;
        s.width = width;
        s.height = height;
        s.topLine = 53;
        s.cardWidth = 71;
        s.cardHeight = 96;
        s.speed = 10;
        s.drawCard = [this](int card, int x, int y) {
            drawings.push_back({card, x, y});
            now += 1;
            if (stopAfter > 0 && static_cast<int>(drawings.size()) >= stopAfter) {
                running = false;
            }
        };
        s.wait = [this](int ms) {
            waits.push_back(ms);
            now += ms;
        };
        s.processMessages = [this] { ++processed; };
        s.elapsed = [this] { return now; };
        s.random = [this](int n) {
            if (n == 51) {
                ++cardsChosen;
            }
            seed = seed * 134775813u + 1u;
            return static_cast<int>((static_cast<unsigned long long>(seed) * n) >> 32);
        };
        s.running = [this] { return running; };
        return s;
    }
};

TEST(WinningStyles, NamesPickTheirStyleAndRandomOnlyTheFirstThree) {
    const auto never = [](int) -> int {
        ADD_FAILURE() << "a named style draws no random number";
        return 0;
    };
    for (std::size_t i = 0; i < kWinningStyleNames.size(); ++i) {
        EXPECT_EQ(winningStyleNamed(kWinningStyleNames[i], never), kAllStyles[i]);
    }
    for (int pick = 0; pick < 3; ++pick) {
        int bound = 0;
        const auto random = [&](int n) {
            bound = n;
            return pick;
        };
        EXPECT_EQ(winningStyleNamed("(Random)", random), kAllStyles[pick]);
        EXPECT_EQ(bound, 3);
    }
    // Over many draws of a real sequence "(Random)" never reaches the last three.
    FakeStage fake;
    const WinningStage stage = fake.stage();
    std::array<int, 6> seen{};
    for (int i = 0; i < 600; ++i) {
        ++seen[static_cast<std::size_t>(*winningStyleNamed("(Random)", stage.random))];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_EQ(seen[3] + seen[4] + seen[5], 0);
    // Names are matched exactly.
    EXPECT_FALSE(winningStyleNamed("Spirals", stage.random).has_value());
    EXPECT_FALSE(winningStyleNamed("open order", stage.random).has_value());
    EXPECT_FALSE(winningStyleNamed("", stage.random).has_value());
}

TEST(WinningStyles, ATimeOfZeroEndsEveryStyleAfterItsFirstStep) {
    for (const WinningStyle style : kAllStyles) {
        FakeStage fake;
        runWinningStyle(style, fake.stage(), 0);
        EXPECT_EQ(fake.cardsChosen, 1) << static_cast<int>(style);
        EXPECT_FALSE(fake.drawings.empty()) << static_cast<int>(style);
        // A step throws one card: every drawing shows it.
        for (const auto& d : fake.drawings) {
            EXPECT_EQ(d.card, fake.drawings.front().card);
            EXPECT_GE(d.card, 1);
            EXPECT_LE(d.card, 51);
        }
    }
}

TEST(WinningStyles, EveryStyleEndsAtItsTime) {
    for (const WinningStyle style : kAllStyles) {
        FakeStage fake;
        runWinningStyle(style, fake.stage(), 5000);
        EXPECT_GE(fake.now, 5000) << static_cast<int>(style);
        EXPECT_GT(fake.cardsChosen, 1) << static_cast<int>(style);
        // Only the step under way when the time ran out goes past it; no
        // step takes anywhere near another five seconds of this clock.
        EXPECT_LT(fake.now, 10000) << static_cast<int>(style);
        // Input is let through while it runs.
        EXPECT_GT(fake.processed, 0) << static_cast<int>(style);
    }
}

TEST(WinningStyles, AStopEndsEveryStyleBeforeItsNextDrawing) {
    for (const WinningStyle style : kAllStyles) {
        FakeStage fake;
        fake.stopAfter = 7;
        runWinningStyle(style, fake.stage(), 30000);
        EXPECT_EQ(fake.drawings.size(), 7u) << static_cast<int>(style);
        EXPECT_LT(fake.now, 2000) << static_cast<int>(style);
    }
}

TEST(WinningStyles, CardsArePacedByTheSpeed) {
    // Open order: every fifth card waits half the speed and lets input through.
    FakeStage fake;
    WinningStage stage = fake.stage();
    stage.speed = 16;
    fake.stopAfter = 20;
    runWinningStyle(WinningStyle::OpenOrder, stage, 30000);
    EXPECT_EQ(fake.waits, (std::vector<int>{8, 8, 8, 8}));
    EXPECT_EQ(fake.processed, 4);

    // Open order throws cards over the whole table and a little beyond its
    // top-left edges.
    FakeStage spread;
    runWinningStyle(WinningStyle::OpenOrder, spread.stage(400, 300), 2000);
    for (const auto& d : spread.drawings) {
        EXPECT_GE(d.x, -35);
        EXPECT_LT(d.x, 400);
        EXPECT_GE(d.y, -48);
        EXPECT_LT(d.y, 300);
    }
}

TEST(WinningStyles, LeftToRightLaysRowsFromTheToolBarDown) {
    FakeStage fake;
    fake.stopAfter = 30;
    runWinningStyle(WinningStyle::LeftToRight, fake.stage(300, 600), 30000);
    // The first row starts at x -20 on the top line, a card every 12 pixels.
    EXPECT_EQ(fake.drawings[0].x, -20);
    EXPECT_EQ(fake.drawings[0].y, 53);
    EXPECT_EQ(fake.drawings[1].x, -8);
    // The row ends at the table's width; the next starts 35 lower, at -W/3.
    const auto next = std::find_if(fake.drawings.begin(), fake.drawings.end(),
                                   [](const auto& d) { return d.y != 53; });
    ASSERT_NE(next, fake.drawings.end());
    EXPECT_EQ(next->y, 53 + 35);
    EXPECT_EQ(next->x, -(71 / 3));
    EXPECT_EQ((next - 1)->x + 12 >= 300, true);
    // A 700 ms pause ends the row.
    EXPECT_GE(std::accumulate(fake.waits.begin(), fake.waits.end(), 0), 700);
}

TEST(WinningStyles, LinesRunFromEdgeToEdgeWithinTheTable) {
    FakeStage fake;
    runWinningStyle(WinningStyle::Lines, fake.stage(), 3000);
    ASSERT_GT(fake.drawings.size(), 10u);
    for (std::size_t i = 1; i < fake.drawings.size(); ++i) {
        const auto& a = fake.drawings[i - 1];
        const auto& b = fake.drawings[i];
        // Diagonal steps of 4 to 11 pixels.
        if (a.card == b.card) {
            EXPECT_EQ(std::abs(b.x - a.x), std::abs(b.y - a.y));
            EXPECT_GE(std::abs(b.x - a.x), 4);
            EXPECT_LE(std::abs(b.x - a.x), 11);
        }
        EXPECT_GE(b.y, 53 - 11);
        EXPECT_LE(b.y + 96, 600 + 11);
    }
}

TEST(WinningPaths, FestoonsFallThenBounceInFourArcs) {
    const auto& fall = festoonFall();
    ASSERT_EQ(fall.size(), 10u);
    EXPECT_EQ(fall[0].v, 0);
    EXPECT_EQ(fall[9].v, 19);
    EXPECT_EQ(fall[9].repeats + 1, 101);
    for (int n : {2, 3}) {
        const auto bounces = festoonBounces(n);
        ASSERT_EQ(bounces.size(), 65u);
        // Each arc goes up and comes down as far: the card ends where it
        // started, less the last roll.
        int height = 0;
        for (std::size_t i = 0; i + 1 < bounces.size(); ++i) {
            height += bounces[i].v;
        }
        EXPECT_EQ(height, 0);
        EXPECT_EQ(bounces[0].v, -19);
        EXPECT_EQ(bounces[2].repeats, n);
        EXPECT_EQ(bounces[22].v, -15);
        EXPECT_EQ(bounces[40].v, -11);
        EXPECT_EQ(bounces[54].v, -7);
        EXPECT_EQ(bounces[64].v, 0);
        EXPECT_EQ(bounces[64].repeats, 1000);
        for (const auto& phase : bounces) {
            EXPECT_GE(phase.repeats, 0);
        }
    }
}

TEST(WinningPaths, TheCircleGoesRoundOnceAtRadius150) {
    const std::vector<QPoint> path = circlePath();
    ASSERT_GE(path.size(), 100u);
    EXPECT_LE(path.size(), 300u);
    double previous = -1;
    for (const QPoint& p : path) {
        const double dx = p.x() - 149.5;
        const double dy = p.y() - 149.5;
        EXPECT_NEAR(std::hypot(dx, dy), 150, 2.0) << p.x() << "," << p.y();
        // Clockwise from the top (screen coordinates): the angle only grows.
        double angle = std::atan2(dx, -dy);
        if (angle < 0) {
            angle += 2 * M_PI;
        }
        EXPECT_GE(angle, previous - 0.02);
        previous = angle;
    }
    EXPECT_GT(path.front().x(), 149);
    EXPECT_LT(path.front().y(), 10);
    EXPECT_LT(path.back().x(), 151);
}

} // namespace
} // namespace vellomir::render
