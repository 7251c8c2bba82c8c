#include "SampleBoard.h"

#include "CharacterSprites.h"
#include "DigitSheet.h"
#include "PixelArt.h"
#include "SceneryTiles.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace assetgen {
namespace {

// The level of the shipped set the help's picture of the game shows, with its number in the
// counter: a middle level with boxes and goals spread over a large room.
constexpr int ScreenLevel = 41;

// A level in the game's cell codes, 6 marking the man.
const LevelRows SampleLevel{
    "00000000000000000000", "01111111000011111110", "01222221111112222210", "01242422222222424210",
    "01223222111122232210", "01112221100012222110", "00012221000012221000", "00012521111112521000",
    "01112232222222232110", "01232242262242222310", "01222111122221112210", "01111100111111011110",
    "00000000000000000000", "00000000000000000000",
};

QImage cellFor(char code, int scenery, int character, int background)
{
    switch (code) {
    case '1': return wallTile(scenery);
    case '2': return floorTile(scenery);
    case '3': return goalTile(scenery);
    case '4': return boxTile(scenery);
    case '5': return boxOnGoalTile(scenery, 2);
    case '6': return characterOnFloor(floorTile(scenery), character, Facing::Down, 0);
    default: return background == 0 ? newCell(Qt::black) : backgroundTile(background);
    }
}

} // namespace

QImage drawBoard(const LevelRows& rows, int width, int height, int scenery, int character, int background)
{
    QImage img = newImage(width, height, Qt::black);
    for (int y = 0; y * 32 < height; ++y)
        for (int x = 0; x * 32 < width; ++x) {
            const char code = (y < int(rows.size()) && x < int(rows[y].size())) ? rows[y][x] : '0';
            copyInto(img, cellFor(code, scenery, character, background), x * 32, y * 32);
        }
    return img;
}

void layDecoration(QImage& target, const Decoration& deco)
{
    for (int y = 0; y < target.height() && y < deco.mask.height(); ++y)
        for (int x = 0; x < target.width() && x < deco.mask.width(); ++x) {
            const QRgb under = target.pixel(x, y) & deco.mask.pixel(x, y);
            target.setPixel(x, y, (under | deco.picture.pixel(x, y)) | 0xff000000u);
        }
}

void drawCounters(QImage& target, int level, int steps, int style)
{
    const QImage digits = digitSheet();
    const int values[2] = {level, steps};
    for (int i = 0; i < 2; ++i) {
        const QRect& r = CounterRects[i];
        int v = values[i];
        for (int d = 3; d >= 0; --d, v /= 10)
            copyInto(target, digits.copy((v % 10) * DigitWidth, style * DigitHeight, DigitWidth, DigitHeight),
                     r.x() + d * DigitWidth, r.y());
    }
}

const LevelRows& sampleLevel()
{
    std::string cells;
    for (const auto& row : SampleLevel) {
        if (row.size() != 20)
            throw std::runtime_error("sample level row is not 20 cells wide");
        cells += row;
    }
    const auto count = [&](char code) { return std::count(cells.begin(), cells.end(), code); };
    if (count('4') != count('3'))
        throw std::runtime_error("the sample level has not as many boxes as goals");
    return SampleLevel;
}

LevelRows shippedLevel(int number)
{
    constexpr int Width = 20;
    constexpr int Height = 14;
    QFile file(TOLVAR_LEVEL_SET);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(qint64(number - 1) * Width * Height))
        throw std::runtime_error("cannot read the level set " TOLVAR_LEVEL_SET);
    const QByteArray cells = file.read(Width * Height);
    if (cells.size() != Width * Height)
        throw std::runtime_error("the level set holds no level " + std::to_string(number));
    LevelRows rows;
    for (int y = 0; y < Height; ++y)
        rows.push_back(cells.mid(y * Width, Width).toStdString());
    return rows;
}

QImage gameScreen(int scenery, int character, int background)
{
    QImage screen = drawBoard(shippedLevel(ScreenLevel), DecorationWidth, ClientHeight, scenery, character, background);
    layDecoration(screen, decoration());
    drawCounters(screen, ScreenLevel, 0, 1); // the level as it opens, in the digit colours the game starts with
    return screen;
}

} // namespace assetgen
