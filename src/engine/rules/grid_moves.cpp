#include "engine/rules/grid_moves.h"

#include "table/pile_lists.h"

#include <cstdlib>

namespace vellomir::engine {

namespace {

struct Cell {
    int row;
    int column;
};

Cell cellOf(int width, int index) {
    return {index / width, index % width};
}

bool validCells(int width, int from, int to) {
    return width > 0 && from >= 0 && to >= 0 && from < table::kMaxTableaus &&
           to < table::kMaxTableaus;
}

} // namespace

bool isGridNeighbour(int width, int from, int to) {
    if (!validCells(width, from, to)) {
        return false;
    }
    const Cell a = cellOf(width, from);
    const Cell b = cellOf(width, to);
    return (a.row == b.row && std::abs(a.column - b.column) == 1) ||
           (a.column == b.column && std::abs(a.row - b.row) == 1);
}

std::optional<int> jumpedGridCell(int width, int from, int to) {
    if (!validCells(width, from, to)) {
        return std::nullopt;
    }
    const Cell a = cellOf(width, from);
    const Cell b = cellOf(width, to);
    if ((a.row == b.row && std::abs(a.column - b.column) == 2) ||
        (a.column == b.column && std::abs(a.row - b.row) == 2)) {
        return (from + to) / 2;
    }
    return std::nullopt;
}

} // namespace vellomir::engine
