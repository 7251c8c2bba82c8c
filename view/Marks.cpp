// The marks over board cells: laid after the decoration, so every frame that lays the
// decoration keeps them on top.
#include <QPainter>
#include <algorithm>

#include "core/Game.h"

namespace tolvar {

namespace {
constexpr QRgb SelectedColour = qRgb(255, 214, 0);
constexpr int MarkWidth = 3;
constexpr QRgb DeadColour = qRgb(230, 30, 30);
constexpr int CrossInset = 7;  // pixels between the cell's corner and the cross's end

/// A cross through the box: dark under light, so it shows on every scenery, and its shape
/// tells it from the picked box's frame without colour.
void DrawCross(QPainter& painter, int px, int py)
{
    const QPoint a(px + CrossInset, py + CrossInset), b(px + CellSize - 1 - CrossInset, py + CellSize - 1 - CrossInset);
    const QPoint c(px + CellSize - 1 - CrossInset, py + CrossInset), d(px + CrossInset, py + CellSize - 1 - CrossInset);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::black), 6}, std::pair{QColor(DeadColour), 3}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(a, b);
        painter.drawLine(c, d);
    }
}

void DrawFrame(QPainter& painter, int px, int py)
{
    // A frame round the cell's edge, thick enough to see on every scenery.
    painter.fillRect(px, py, CellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py + CellSize - MarkWidth, CellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py, MarkWidth, CellSize, SelectedColour);
    painter.fillRect(px + CellSize - MarkWidth, py, MarkWidth, CellSize, SelectedColour);
}
}  // namespace

void Game::DrawMarks()
{
    if (Marks.empty())
        return;
    QPainter painter(&Client);
    for (const CellMark& mark : Marks) {
        if (mark.kind == MarkKind::Dead)
            DrawCross(painter, mark.x * CellSize, mark.y * CellSize);
        else
            DrawFrame(painter, mark.x * CellSize, mark.y * CellSize);
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
