#pragma once

#include "table/pile_lists.h"

#include <array>
#include <limits>

namespace vellomir::table {

/// Cards of one fanned pile by face.
struct FanCount {
    int faceDown = 0;
    int faceUp = 0;
};

/// The tableau and reserve fans as the current game was dealt. The card size
/// fitted to the window leaves room for them and for the cards they usually
/// gain in play.
struct DealtFans {
    std::array<FanCount, kMaxTableaus> tableaus{};
    std::array<FanCount, kMaxReserves> reserves{};
};

/// How far a fan may reach before its steps close up so that the whole pile
/// stays on the table: the table's bottom edge for fans that run down, and
/// for fans that run to the right the next pile beside them (or the table's
/// right edge). Table coordinates; the defaults set no limit.
struct FanLimits {
    static constexpr int kNone = std::numeric_limits<int>::max();
    int bottom = kNone;
    std::array<int, kMaxTableaus> tableauRight = filled();
    std::array<int, kMaxReserves> reserveRight = filledReserves();

private:
    static constexpr std::array<int, kMaxTableaus> filled() {
        std::array<int, kMaxTableaus> a{};
        a.fill(kNone);
        return a;
    }
    static constexpr std::array<int, kMaxReserves> filledReserves() {
        std::array<int, kMaxReserves> a{};
        a.fill(kNone);
        return a;
    }
};

} // namespace vellomir::table
