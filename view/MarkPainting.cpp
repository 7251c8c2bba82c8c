#include "view/MarkPainting.h"

#include <QPainter>
#include <utility>

namespace tolvar {

namespace {
constexpr QRgb SelectedColour = qRgb(255, 214, 0);
constexpr int MarkWidth = 3;
constexpr QRgb DeadColour = qRgb(230, 30, 30);
constexpr int CrossInset = 7;  // pixels between a 32-pixel cell's corner and the cross's end
}  // namespace

void PaintDeadMark(QPainter& painter, int px, int py, int cellSize)
{
    const int inset = CrossInset * cellSize / SheetCellSize, end = cellSize - 1 - inset;
    const QPoint a(px + inset, py + inset), b(px + end, py + end);
    const QPoint c(px + end, py + inset), d(px + inset, py + end);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::black), 6}, std::pair{QColor(DeadColour), 3}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(a, b);
        painter.drawLine(c, d);
    }
}

void PaintSelectedMark(QPainter& painter, int px, int py, int cellSize)
{
    // Thick enough to see on every scenery.
    painter.fillRect(px, py, cellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py + cellSize - MarkWidth, cellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py, MarkWidth, cellSize, SelectedColour);
    painter.fillRect(px + cellSize - MarkWidth, py, MarkWidth, cellSize, SelectedColour);
}

}  // namespace tolvar
