#pragma once
// The two characters, drawn as pixel figures over a floor cell.

#include <QImage>

#include "view/SheetLayout.h"

namespace assetgen {

enum class Facing { Down, Left, Up, Right };

using tolvar::CharacterCount;
constexpr int PoseCount = 2;

/// The figure alone on a transparent background (about 20 x 28 pixels).
QImage characterFigure(int character, Facing facing, int pose);

/// The figure standing on `floor` (a 32 x 32 cell) with its shadow.
QImage characterOnFloor(const QImage& floor, int character, Facing facing, int pose);

} // namespace assetgen
