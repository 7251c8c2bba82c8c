#include "rules/Step.h"

namespace tolvar {

Step TakeStep(Grid& board, int x, int y, int dir)
{
    const Direction& d = Directions[static_cast<std::size_t>(dir)];
    Step s;
    s.dir = dir;
    s.fromX = x;
    s.fromY = y;
    s.toX = x + d.dx;
    s.toY = y + d.dy;
    s.toWas = board.at(s.toX, s.toY);  // beyond the grid reads as outside and blocks
    if (IsFree(s.toWas)) {
        s.kind = StepKind::Walk;
        return s;
    }
    if (!HoldsBox(s.toWas))
        return s;
    s.boxX = s.toX + d.dx;
    s.boxY = s.toY + d.dy;
    s.boxWas = board.at(s.boxX, s.boxY);
    if (!IsFree(s.boxWas))
        return s;
    s.kind = StepKind::Push;
    board(s.toX, s.toY) = s.underMan();
    board(s.boxX, s.boxY) = s.boxNow();
    return s;
}

void UndoStep(Grid& board, const Step& step)
{
    if (!step.pushed())
        return;
    board(step.toX, step.toY) = step.toWas;
    board(step.boxX, step.boxY) = step.boxWas;
}

}  // namespace tolvar
