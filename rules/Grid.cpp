#include "rules/Grid.h"

#include <algorithm>

namespace tolvar {

Grid ReadGrid(std::string_view bytes)
{
    Grid grid;
    const std::size_t n = std::min<std::size_t>(bytes.size(), CellCount);
    for (std::size_t i = 0; i < n; ++i)
        grid.cells[i] = CodeOfChar(bytes[i]);
    return grid;
}

std::string GridText(const Grid& grid)
{
    std::string text(grid.cells.size(), '0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>('0' + std::clamp<int>(grid.cells[i], Outside, ManStart));
    return text;
}

bool AllGoalsFilled(const Grid& grid)
{
    // Asked after every move: one pass that stops at the first empty goal.
    bool filled = false;
    for (std::int16_t code : grid.cells) {
        if (code == Goal)
            return false;
        filled = filled || code == BoxOnGoal;
    }
    return filled;
}

}  // namespace tolvar
