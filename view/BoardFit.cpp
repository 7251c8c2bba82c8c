#include "view/BoardFit.h"

#include <algorithm>

namespace tolvar {

namespace {
/// The decoration's frame and its ornaments reach this far into the client area.
constexpr int FrameMargin = 8;
}  // namespace

QRect BoardArea(int clientWidth, int clientHeight)
{
    return QRect(0, 0, clientWidth, clientHeight).adjusted(FrameMargin, FrameMargin, -FrameMargin, -FrameMargin);
}

BoardFit FitBoard(int columns, int rows, QRect area)
{
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    const int largest = std::clamp(std::min(area.width() / columns, area.height() / rows), 1, SheetCellSize);
    int whole = SheetCellSize;
    while (whole > largest)
        whole /= 2;
    // A whole fraction keeps every picture crisp: it is taken unless it wastes a quarter of the room.
    const int cell = whole * 4 >= largest * 3 ? whole : largest;
    const QPoint spare((area.width() - columns * cell) / 2, (area.height() - rows * cell) / 2);
    return {cell, area.topLeft() + spare};
}

}  // namespace tolvar
