#pragma once
// The picture sheets the board is drawn from: objects, the man's frames and
// the frames of a box standing on a goal.

#include <QImage>

namespace assetgen {

/// 256 x 224: per scenery row, background tile (rows 1 and 2 only), wall,
/// floor, goal, box, box on a goal, and each character standing on floor.
QImage objectSheet();

/// 256 x 448: row character * 7 + scenery; columns down, down, left, left,
/// up, up, right, right, each pair two poses.
QImage spriteSheet();

/// 128 x 224: four frames of a box on a goal per scenery row.
QImage goalSheet();

} // namespace assetgen
