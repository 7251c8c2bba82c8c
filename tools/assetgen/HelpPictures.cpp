#include "HelpPictures.h"

#include "CharacterSprites.h"
#include "PixelArt.h"
#include "SampleBoard.h"
#include "SceneryTiles.h"

namespace assetgen {
namespace {

const QColor Paper(246, 242, 232);

// Wall, floor, goal, box, box on a goal and the man, twice their size.
QImage objects()
{
    QImage img = newImage(6 * 72 + 8, 80, Paper);
    const QImage cells[6] = {wallTile(0), floorTile(0), goalTile(0), boxTile(0), boxOnGoalTile(0, 2),
                             characterOnFloor(floorTile(0), 0, Facing::Down, 0)};
    for (int i = 0; i < 6; ++i)
        copyInto(img, enlarged(cells[i], 2), 8 + i * 72, 8);
    return img;
}

// One row per scenery: wall, floor, goal, box, box on a goal.
QImage sceneries()
{
    QImage img = newImage(5 * 36 + 4, SceneryCount * 36 + 4, Paper);
    for (int s = 0; s < SceneryCount; ++s) {
        const QImage cells[5] = {wallTile(s), floorTile(s), goalTile(s), boxTile(s), boxOnGoalTile(s, 2)};
        for (int i = 0; i < 5; ++i)
            copyInto(img, cells[i], 4 + i * 36, 4 + s * 36);
    }
    return img;
}

// Zobzob and Pimpim from the front, the left, the back and the right.
QImage characters()
{
    static constexpr Facing Order[4] = {Facing::Down, Facing::Left, Facing::Up, Facing::Right};
    QImage img = newImage(2 * (4 * 68) + 24, 76, Paper);
    for (int c = 0; c < 2; ++c)
        for (int d = 0; d < 4; ++d)
            copyInto(img, enlarged(characterOnFloor(floorTile(1), c, Order[d], 0), 2),
                     8 + c * (4 * 68 + 16) + d * 68, 6);
    return img;
}

} // namespace

std::vector<NamedPicture> helpPictures()
{
    return {{"objects.png", objects()},
            {"sceneries.png", sceneries()},
            {"characters.png", characters()},
            {"screen.png", gameScreen(0, 0, 1)}};
}

} // namespace assetgen
