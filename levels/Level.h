#pragma once
// One level as the level files, the level tool and the solver see it: a grid of any size from
// 3 x 3 up to 64 x 64 (the game's files hold 20 x 14), and the man's start beside it. The grid
// holds what lies under the man, floor or a goal; the game's level text writes him as the cell
// code ManStart and so has no way to put him on a goal.
#include <optional>
#include <string>
#include <string_view>

#include "rules/Grid.h"

namespace tolvar {

struct Level : Grid {
    /// The man's start as a grid index (x + width * y), or -1 when the level has none.
    int man = -1;

    Level() = default;
    Level(int w, int h) : Grid(w, h) {}

    /// Reads the game's 280-digit level text; on failure returns nothing and says why in *error.
    static std::optional<Level> FromText(std::string_view text, std::string* error = nullptr);
    /// A level of a grid that holds the man's start as ManStart: the first one is the man, the
    /// cell under him floor. A further ManStart stays in the grid, a second man the checks refuse.
    static Level FromGrid(const Grid& grid);
    /// The game's level text; empty for a level no game file can hold (see GameFileProblem).
    std::string ToText() const;
    /// Why the game's 20 x 14 files cannot hold the level; empty when they can.
    std::string GameFileProblem() const;

    bool manOnGoal() const { return man >= 0 && cells[static_cast<std::size_t>(man)] == Goal; }
    bool operator==(const Level&) const = default;
};

}  // namespace tolvar
