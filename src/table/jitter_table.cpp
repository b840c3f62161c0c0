#include "table/jitter_table.h"

namespace vellomir::table {

void JitterTable::rebuild(RandomGenerator& random) {
    for (auto& row : m_rows) {
        row[0] = 0;
        int previous = random.draw(4);
        int sum = 0;
        for (int d = 1; d < kEntries; ++d) {
            int draw = random.draw(4);
            // A step left (3) is rare twice running, and a step right (1, 2)
            // only follows a step left: most cards lie straight.
            if (previous > 2 && draw > 2) {
                draw = 0;
            } else if ((draw == 1 || draw == 2) && previous <= 2) {
                draw = 0;
            }
            previous = draw;
            int offset = draw == 3 ? -1 : draw;
            sum += offset;
            if (sum > 2) {
                offset -= 2;
                sum -= 2;
            } else if (sum < -2) {
                offset += 2;
                sum += 2;
            }
            row[static_cast<std::size_t>(d)] = offset;
        }
    }
}

int JitterTable::entry(int row, int d) const {
    if (row < 1 || row > kRows || d < 0 || d >= kEntries) {
        return 0;
    }
    return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(d)];
}

int JitterTable::rowOf(int tableauIndex) {
    return tableauIndex < kRows ? tableauIndex + 1 : tableauIndex % 6 + 1;
}

int JitterTable::offsetFor(int tableauIndex, int cardIndex) const {
    int d = cardIndex;
    if (d > kEntries - 1) {
        d %= kEntries - 1;
    }
    return entry(rowOf(tableauIndex), d);
}

} // namespace vellomir::table
