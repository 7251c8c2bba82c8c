#pragma once
// Where a board of any size goes in the window: the cell size that shows it whole, and the
// pixel its top left corner starts at, centred.
#include <QPoint>
#include <QRect>

#include "view/Screen.h"

namespace tolvar {

struct BoardFit {
    int cellSize = DefaultCellSize;
    QPoint origin;  // the top left pixel of the board's cell (0, 0)
};

/// The part of a client area of this size a board of any size is drawn in: inside the frame
/// of the decoration.
QRect BoardArea(int clientWidth, int clientHeight);

/// How a board of `columns` x `rows` cells is drawn whole and centred in `area`. At the sheets'
/// own size where it fits; else at the largest whole fraction of it that fits (16, 8, 4 pixels:
/// every picture shrunk by a whole number, crisp), unless a size a third larger or more fits,
/// which then shows the board at that size through a clean filter. Never below one pixel.
BoardFit FitBoard(int columns, int rows, QRect area);

}  // namespace tolvar
