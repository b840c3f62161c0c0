#include "engine/rules/rank_step.h"

#include "catalogue/parameter_index.h"

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {
constexpr int kOneRank = 1;
constexpr int kAce = 1;
constexpr int kKing = 13;
constexpr int kDirectionDown = 0;
constexpr int kDirectionUp = 1;
constexpr int kEitherDirection = 2;
} // namespace

int rankStep(const catalogue::GameParameters& params) {
    const int step = params[param::RankStep];
    return step > kOneRank ? step : kOneRank;
}

bool buildsByRankStep(const catalogue::GameParameters& params) {
    return rankStep(params) > kOneRank;
}

bool stepsByRank(int below, int moving, int direction, int step) {
    if (below < kAce || below > kKing) {
        return false;
    }
    const bool up = moving == below + step;
    const bool down = moving == below - step;
    switch (direction) {
    case kDirectionDown:
        return down;
    case kDirectionUp:
        return up;
    case kEitherDirection:
        return up || down;
    default:
        return false;
    }
}

int ranksReachedByStep(int base, int direction, int step) {
    if (base < kAce || base > kKing || step < kOneRank) {
        return 0;
    }
    const int room = direction == kDirectionDown ? base - kAce : kKing - base;
    return room / step + 1;
}

} // namespace vellomir::engine
