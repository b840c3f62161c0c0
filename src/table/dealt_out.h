#pragma once

#include "table/pile_lists.h"

namespace vellomir::table {

/// Whether any card lies on a tableau or a reserve: only then do cards fly
/// out of the deal's origin when a deal is drawn.
inline bool anyCardDealtOut(const PileLists& piles) {
    for (int t = 0; t < kMaxTableaus; ++t) {
        if (!piles.tableau(t).empty()) {
            return true;
        }
    }
    for (int r = 0; r < kMaxReserves; ++r) {
        if (!piles.reserve(r).empty()) {
            return true;
        }
    }
    return false;
}

} // namespace vellomir::table
