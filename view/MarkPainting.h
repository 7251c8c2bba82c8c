#pragma once
// How the marks over a board cell look; the game's board and the help's pictures paint them alike.
#include "view/Screen.h"

class QPainter;

namespace tolvar {

/// The box past saving at pixel (px, py) of a cell `cellSize` wide: a cross through it, dark
/// under red, so it shows on every scenery and its shape tells it from the picked box's frame
/// without colour.
void PaintDeadMark(QPainter& painter, int px, int py, int cellSize = DefaultCellSize);

/// The picked box at pixel (px, py) of a cell `cellSize` wide: a yellow frame round the cell's edge.
void PaintSelectedMark(QPainter& painter, int px, int py, int cellSize = DefaultCellSize);

}  // namespace tolvar
