#include "ContactSheet.h"

#include "AboutPictures.h"
#include "BoardSheets.h"
#include "CharacterSprites.h"
#include "Decoration.h"
#include "DigitSheet.h"
#include "Fonts.h"
#include "IconArt.h"
#include "PixelArt.h"
#include "SampleBoard.h"
#include "SceneryTiles.h"

#include <QPainter>

#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {
namespace {

const LevelRows MiniLevel{
    "0111110", "1222321", "1245261", "1232221", "0111110",
};

// A whole 20 x 14 board with wide floors, so seams between cells and weak
// contrast between a box and a box on a goal show at once.
const LevelRows MockBoard{
    "11111111111111111111", "12222222222222222221", "12222222222222222221", "12234222211112222221",
    "12254222212222253221", "12222222212222245221", "12222262212222222221", "11112111112222111111",
    "12222222222222222221", "12223542222224532221", "12222222222222222221", "12245222222222222221",
    "12222222222222222221", "11111111111111111111",
};

// The picture as a player without colour vision would see it, at half size.
QImage grayHalf(const QImage& img)
{
    QImage out = newImage(img.width() / 2, img.height() / 2, Qt::black);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            double luma = 0;
            for (int k = 0; k < 4; ++k) {
                const QRgb p = img.pixel(x * 2 + k % 2, y * 2 + k / 2);
                luma += 0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p);
            }
            const int v = int(luma / 4 + 0.5);
            put(out, x, y, QColor(v, v, v));
        }
    return out;
}

class Sheet {
public:
    Sheet(int width, int height)
        : img(newImage(width, height, QColor(52, 54, 60)))
        , painter(&img)
    {
        painter.setFont(fontFor(Face::SansBold, 16));
        painter.setPen(QColor(236, 236, 240));
    }

    void label(int x, int y, const QString& text) { painter.drawText(x, y, text); }
    void place(const QImage& picture, int x, int y) { painter.drawImage(x, y, picture); }
    QImage finish()
    {
        painter.end();
        return img;
    }

private:
    QImage img;
    QPainter painter;
};

// A mock board per scenery at its real size, then all of them in grayscale.
void placeMockBoards(Sheet& sheet, int y)
{
    for (int s = 0; s < SceneryCount; ++s) {
        const int x = 20 + (s % 3) * 680;
        const int top = y + (s / 3) * 488;
        const QImage board = drawBoard(MockBoard, 640, 448, s, s % 2, 0);
        sheet.label(x, top, QString("Scenery %1: %2, 20 x 14, 1:1").arg(s + 1).arg(sceneryLook(s).name));
        sheet.place(board, x, top + 10);
        sheet.place(grayHalf(board), 20 + s % 6 * 340, y + 1480 + s / 6 * 240);
    }
    sheet.label(20, y + 1470, "the same boards in grayscale, half size");
}

} // namespace

QImage contactSheet()
{
    Sheet sheet(2080, 4700);
    int y = 30;
    sheet.label(20, y, "obj.png x2");
    sheet.label(560, y, "goal.png x2");
    sheet.label(840, y, "number.png x3");
    sheet.label(1260, y, "sprite.png x2");
    sheet.place(enlarged(objectSheet(), 2), 20, y + 10);
    sheet.place(enlarged(goalSheet(), 2), 560, y + 10);
    sheet.place(enlarged(digitSheet(), 3), 840, y + 10);
    sheet.place(enlarged(spriteSheet(), 2), 1260, y + 10);
    sheet.label(1800, y, "icons");
    int iconY = y + 10;
    for (const int size : IconSizes) {
        sheet.place(iconImage(size), 1800, iconY);
        iconY += size + 10;
    }
    sheet.label(20, y + 500, "about box");
    sheet.place(aboutBoxPreview(characterOnFloor(floorTile(0), 0, Facing::Down, 0), false), 20, y + 510);
    sheet.label(560, y + 500, "won window");
    sheet.place(aboutBoxPreview(characterOnFloor(floorTile(3), 1, Facing::Down, 1), true), 560, y + 510);

    // Every scenery with both characters on all three backgrounds.
    y = 960;
    const char* backgrounds[3] = {"Night", "Blue", "Green"};
    for (int s = 0; s < SceneryCount; ++s)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 2; ++c) {
                const int x = 20 + (b * 2 + c) * 236;
                const int top = y + s * 176;
                if (s == 0)
                    sheet.label(x, y - 8, QString("%1, %2").arg(backgrounds[b], c == 0 ? "Zobzob" : "Pimpim"));
                sheet.place(drawBoard(MiniLevel, 224, 160, s, c, b), x, top);
            }
    for (int s = 0; s < SceneryCount; ++s)
        sheet.label(1440, y + s * 176 + 80, QString("Scenery %1: %2").arg(s + 1).arg(sceneryLook(s).name));

    // The decoration over whole boards.
    y = 2220;
    const Decoration deco = decoration();
    const int sceneries[2] = {0, 5};
    for (int i = 0; i < 2; ++i) {
        QImage b = drawBoard(sampleLevel(), DecorationWidth, ClientHeight, sceneries[i], i, i + 1);
        layDecoration(b, deco);
        drawCounters(b, 12 + i, 347, i);
        sheet.place(b, 20 + i * 680, y + 10);
    }
    sheet.label(20, y, "decoration over a board (Blue background, Brick) and (Green background, Metal)");
    QImage night = drawBoard(sampleLevel(), DecorationWidth, ClientHeight, 6, 0, 0);
    layDecoration(night, deco);
    drawCounters(night, 7, 1024, 2);
    sheet.place(night.copy(0, 0, 640, 200), 1380, y + 10);
    sheet.label(1380, y, "Night, Jungle (top)");
    placeMockBoards(sheet, 2720);
    return sheet.finish();
}

} // namespace assetgen
