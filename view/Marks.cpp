// The marks over board cells: laid after the decoration, so every frame that lays the
// decoration keeps them on top.
#include <QPainter>
#include <algorithm>

#include "core/Game.h"
#include "view/MarkPainting.h"

namespace tolvar {

void Game::DrawMarks()
{
    if (Marks.empty())
        return;
    QPainter painter(&Client);
    for (const CellMark& mark : Marks) {
        if (mark.kind == MarkKind::Dead)
            PaintDeadMark(painter, mark.x * CellSize, mark.y * CellSize);
        else
            PaintSelectedMark(painter, mark.x * CellSize, mark.y * CellSize);
    }
}

void Game::SetMarks(CellMarks marks)
{
    for (const CellMark& old : Marks) {
        if (std::find(marks.begin(), marks.end(), old) != marks.end())
            continue;
        DrawCell(CellAtWindow(old.x, old.y), old.x, old.y);
        if (old.x == ManX() && old.y == ManY())
            DrawManFrame(ManX(), ManY());
    }
    Marks = std::move(marks);
    for (const CellMark& mark : Marks)
        unshown_.Add(QRect(mark.x * CellSize, mark.y * CellSize, CellSize, CellSize));
    DrawOverlay();
    ShowChanges();
}

}  // namespace tolvar
