// The level being drawn in the editor.
#include "editor/LevelDrawing.h"

namespace tolvar {

void LevelDrawing::Choose(int code)
{
    if (code >= 0 && code < CellCodeCount)
        object_ = static_cast<std::int16_t>(code);
}

std::optional<Placement> LevelDrawing::Place(Cell at, Cell man)
{
    if (!cells_.inside(at))
        return std::nullopt;
    Placement placed{at, object_, cells_(at.x, at.y) == ManStart, std::nullopt};
    if (object_ == ManStart && cells_.inside(man) && cells_(man.x, man.y) == ManStart && !(man == at)) {
        cells_(man.x, man.y) = Floor;
        placed.manLeft = man;
    }
    cells_(at.x, at.y) = object_;
    return placed;
}

std::vector<std::string> LevelDrawing::Problems() const
{
    std::vector<std::string> problems;
    if (cells_.count(ManStart) == 0)
        problems.emplace_back("Please set the initial position of the man!");
    if (cells_.goalCount() != cells_.boxCount())
        problems.emplace_back("Total objects are not equal to total goals!");
    return problems;
}

bool LevelDrawing::Enter(Cell windowCell, bool onDrawing)
{
    if (!drag_.active || windowCell == drag_.last)
        return false;
    drag_.last = windowCell;
    return onDrawing || !drag_.warned;
}

}  // namespace tolvar
