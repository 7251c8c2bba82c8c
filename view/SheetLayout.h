#pragma once
// What the picture sheets hold: how many sceneries, characters and pictures, and the sheet
// sizes that follow. The game checks the sheets against them; the asset generator paints by them.
#include "view/Screen.h"

namespace tolvar {

constexpr int SceneryCount = 7;      // a row of each sheet per scenery
constexpr int CharacterCount = 2;    // a block of scenery rows in the sprite sheet per character
constexpr int BackgroundCount = 3;   // black, then the outside tiles of sceneries 1 and 2
constexpr int ObjTileCount = 6 + CharacterCount;  // pic_Obj: cell codes 0..5, then each character standing
constexpr int SpriteFrameCount = 8;  // pic_Sprite: two pictures for each of the four directions
constexpr int GoalFrameCount = 4;    // pic_Goal: the glow of a box on a goal

constexpr int ObjSheetWidth = ObjTileCount * SheetCellSize;
constexpr int ObjSheetHeight = SceneryCount * SheetCellSize;
constexpr int SpriteSheetWidth = SpriteFrameCount * SheetCellSize;
constexpr int SpriteSheetHeight = CharacterCount * SceneryCount * SheetCellSize;
constexpr int GoalSheetWidth = GoalFrameCount * SheetCellSize;
constexpr int GoalSheetHeight = SceneryCount * SheetCellSize;

}  // namespace tolvar
