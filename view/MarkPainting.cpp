#include "view/MarkPainting.h"

#include <QPainter>
#include <utility>

#include "view/Screen.h"

namespace tolvar {

namespace {
constexpr QRgb SelectedColour = qRgb(255, 214, 0);
constexpr int MarkWidth = 3;
constexpr QRgb DeadColour = qRgb(230, 30, 30);
constexpr int CrossInset = 7;  // pixels between the cell's corner and the cross's end
}  // namespace

void PaintDeadMark(QPainter& painter, int px, int py)
{
    const QPoint a(px + CrossInset, py + CrossInset), b(px + CellSize - 1 - CrossInset, py + CellSize - 1 - CrossInset);
    const QPoint c(px + CellSize - 1 - CrossInset, py + CrossInset), d(px + CrossInset, py + CellSize - 1 - CrossInset);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::black), 6}, std::pair{QColor(DeadColour), 3}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(a, b);
        painter.drawLine(c, d);
    }
}

void PaintSelectedMark(QPainter& painter, int px, int py)
{
    // Thick enough to see on every scenery.
    painter.fillRect(px, py, CellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py + CellSize - MarkWidth, CellSize, MarkWidth, SelectedColour);
    painter.fillRect(px, py, MarkWidth, CellSize, SelectedColour);
    painter.fillRect(px + CellSize - MarkWidth, py, MarkWidth, CellSize, SelectedColour);
}

}  // namespace tolvar
