#include "BoardSheets.h"

#include "CharacterSprites.h"
#include "PixelArt.h"
#include "SceneryTiles.h"

namespace assetgen {

QImage objectSheet()
{
    QImage sheet = newImage(tolvar::ObjSheetWidth, tolvar::ObjSheetHeight, Qt::black);
    for (int s = 0; s < SceneryCount; ++s) {
        const int y = s * 32;
        if (s == 1 || s == 2)
            copyInto(sheet, backgroundTile(s), 0, y);
        const QImage floor = floorTile(s);
        copyInto(sheet, wallTile(s), 32, y);
        copyInto(sheet, floor, 64, y);
        copyInto(sheet, goalTile(s), 96, y);
        copyInto(sheet, boxTile(s), 128, y);
        copyInto(sheet, boxOnGoalTile(s, 2), 160, y);
        copyInto(sheet, characterOnFloor(floor, 0, Facing::Down, 0), 192, y);
        copyInto(sheet, characterOnFloor(floor, 1, Facing::Down, 0), 224, y);
    }
    return sheet;
}

QImage spriteSheet()
{
    static constexpr Facing Order[4] = {Facing::Down, Facing::Left, Facing::Up, Facing::Right};
    QImage sheet = newImage(tolvar::SpriteSheetWidth, tolvar::SpriteSheetHeight, Qt::black);
    for (int c = 0; c < CharacterCount; ++c)
        for (int s = 0; s < SceneryCount; ++s) {
            const QImage floor = floorTile(s);
            for (int column = 0; column < tolvar::SpriteFrameCount; ++column)
                copyInto(sheet, characterOnFloor(floor, c, Order[column / 2], column % 2), column * 32,
                         (c * SceneryCount + s) * 32);
        }
    return sheet;
}

QImage goalSheet()
{
    QImage sheet = newImage(tolvar::GoalSheetWidth, tolvar::GoalSheetHeight, Qt::black);
    for (int s = 0; s < SceneryCount; ++s)
        for (int f = 0; f < GoalFrameCount; ++f)
            copyInto(sheet, boxOnGoalTile(s, f), f * 32, s * 32);
    return sheet;
}

} // namespace assetgen
