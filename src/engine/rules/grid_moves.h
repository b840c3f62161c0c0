#pragma once

#include <optional>

namespace vellomir::engine {

/// Grid puzzles lay their tableaus out as cells of a grid `width` cells wide,
/// tableau index 0 in the top-left corner, row by row.

/// True when cell `from` is next to cell `to` in the same row, or directly
/// above or below it.
bool isGridNeighbour(int width, int from, int to);

/// The cell a jump from `from` to `to` passes over: the jump goes two cells
/// along a row or two rows along a column. Nothing for any other pair.
std::optional<int> jumpedGridCell(int width, int from, int to);

} // namespace vellomir::engine
