// The marks over board cells: laid after the decoration, so every frame that lays the
// decoration keeps them on top.
#include <QPainter>
#include <algorithm>

#include "core/Game.h"

namespace tolvar {

namespace {
constexpr QRgb SelectedColour = qRgb(255, 214, 0);
constexpr int MarkWidth = 3;
}  // namespace

void Game::DrawMarks()
{
    if (Marks.empty())
        return;
    QPainter painter(&Client);
    for (const CellMark& mark : Marks) {
        const int px = mark.x * CellSize, py = mark.y * CellSize;
        // A frame round the cell's edge, thick enough to see on every scenery.
        painter.fillRect(px, py, CellSize, MarkWidth, SelectedColour);
        painter.fillRect(px, py + CellSize - MarkWidth, CellSize, MarkWidth, SelectedColour);
        painter.fillRect(px, py, MarkWidth, CellSize, SelectedColour);
        painter.fillRect(px + CellSize - MarkWidth, py, MarkWidth, CellSize, SelectedColour);
    }
}

void Game::SetMarks(CellMarks marks)
{
    for (const CellMark& old : Marks) {
        if (std::find(marks.begin(), marks.end(), old) != marks.end())
            continue;
        DrawCell(CellAtWindow(old.x, old.y), old.x, old.y);
        if (old.x == ManX && old.y == ManY)
            DrawManFrame(ManX, ManY);
    }
    Marks = std::move(marks);
    DrawOverlay();
    svc_.window->Refresh();
}

}  // namespace tolvar
