#pragma once
// The seven sceneries: walls, floors, goals and boxes as 32 x 32 cells.

#include <QColor>
#include <QImage>

#include <array>

#include "view/SheetLayout.h"

namespace assetgen {

using tolvar::GoalFrameCount;
using tolvar::SceneryCount;

struct SceneryLook {
    const char* name;
    QColor goal;      // the goal marker and the glow of a box standing on it
    QColor crate;     // the wood (or paint) of the boxes
    QColor crateBand; // the bands and brace of the boxes
    QColor goalCrate; // the pale paint of a box standing on a goal
};

const SceneryLook& sceneryLook(int scenery);

QImage wallTile(int scenery);
QImage floorTile(int scenery);
QImage goalTile(int scenery);
QImage boxTile(int scenery);
/// A box standing on a goal; frame 0..3 of its glow, frame 2 the brightest.
QImage boxOnGoalTile(int scenery, int frame);
/// The repeating squares of the Blue (1) and Green (2) backgrounds.
QImage backgroundTile(int background);

} // namespace assetgen
