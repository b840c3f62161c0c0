#include "table/pile_depth.h"

#include <algorithm>

namespace vellomir::table {

int pileDepth(int cards, bool preview) {
    if (cards <= 1) {
        return 0;
    }
    if (cards == 2) {
        return 1;
    }
    return std::min(kMaxPileDepth, cards / (preview ? 28 : 7) + 1);
}

} // namespace vellomir::table
