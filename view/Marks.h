#pragma once
// Marks laid over board cells on top of everything else: the box the player has picked, and
// the boxes past saving.
#include <vector>

namespace tolvar {

enum class MarkKind { Selected, Dead };

/// A mark on window cell (x, y).
struct CellMark {
    int x = 0, y = 0;
    MarkKind kind = MarkKind::Selected;
    bool operator==(const CellMark&) const = default;
};

using CellMarks = std::vector<CellMark>;

}  // namespace tolvar
