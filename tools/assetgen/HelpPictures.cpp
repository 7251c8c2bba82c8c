#include "HelpPictures.h"

#include "CharacterSprites.h"
#include "Fonts.h"
#include "PixelArt.h"
#include "SampleBoard.h"
#include "SceneryTiles.h"
#include "view/MarkPainting.h"

#include <QLinearGradient>
#include <QPainter>

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

// A push button as the desktop draws it: a light bevel, or the highlight
// colour when it is the chosen one; "&" underlines the next letter.
void drawButton(QPainter& p, const QRect& r, const QString& caption, bool enabled, bool chosen)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, chosen ? QColor(70, 150, 210) : QColor(252, 252, 252));
    face.setColorAt(1, chosen ? QColor(40, 116, 180) : QColor(226, 226, 226));
    p.setPen(QColor(150, 150, 156));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    if (caption.isEmpty())
        return;
    p.setFont(fontFor(Face::Sans, 12));
    p.setPen(enabled ? QColor(30, 30, 34) : QColor(160, 160, 166));
    p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

// The edit bar as it opens over a Brick level on the Night background the game
// starts with (its first picture plain black): the seven palette pictures with
// the wall chosen, then Edit, Test and Exit.
QImage editBar()
{
    constexpr int Border = 4;
    constexpr int Title = 22;
    QImage img = newImage(401 + 2 * Border, Title + 38 + Border, QColor(58, 62, 72));
    QPainter p(&img);
    p.setFont(fontFor(Face::SansBold, 12));
    p.setPen(QColor(236, 238, 244));
    p.drawText(QRect(0, 0, img.width(), Title), Qt::AlignCenter, "EDIT BAR");
    p.drawText(QRect(img.width() - Title, 0, Title, Title), Qt::AlignCenter, QString::fromUtf8("\u00d7"));
    p.fillRect(Border, Title, 401, 38, QColor(239, 239, 239));
    const QImage pictures[7] = {newCell(Qt::black), wallTile(0), floorTile(0), goalTile(0), boxTile(0),
                                boxOnGoalTile(0, 2), characterOnFloor(floorTile(0), 0, Facing::Down, 0)};
    for (int i = 0; i < 10; ++i) {
        const QRect r(Border + i * 40, Title, 41, 38);
        const QString captions[3] = {"&Edit", "&Test", "E&xit"};
        drawButton(p, r, i < 7 ? QString() : captions[i - 7], i != 7, i == 1);
        if (i < 7)
            p.drawImage(r.x() + 4, r.y() + 3, pictures[i]);
    }
    p.end();
    return img;
}

// The lower right corner of the board while a solution is traced.
QImage traceButton()
{
    const QRect corner(384, 320, 256, 125);
    QImage img = gameScreen(0, 0, 1).copy(corner);
    QPainter p(&img);
    drawButton(p, QRect(544, 408, 89, 25).translated(-corner.topLeft()), "&Trace", true, false);
    p.end();
    return img;
}

// The top left corner of a Brick level with the man, a goal, a box that can still reach it, and
// a box pushed into the corner, crossed out as the game marks a box past saving.
QImage deadBox()
{
    const LevelRows corner{"111111", "142222", "122262", "123242", "122222"};
    QImage img = drawBoard(corner, 6 * 32, 5 * 32, 0, 0, 1);
    QPainter p(&img);
    tolvar::PaintDeadMark(p, 1 * 32, 1 * 32);
    p.end();
    return img;
}

// A level's small picture as the window "Collections" lists it: the board drawn as the game draws
// it, shrunk to fit 64 x 44 pixels on black.
QImage levelThumbnail(const LevelRows& rows)
{
    const int w = static_cast<int>(rows.front().size()), h = static_cast<int>(rows.size());
    const QImage board = drawBoard(rows, w * 32, h * 32, 1, 0, 0)
                             .scaled(64, 44, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage img = newImage(64, 44, Qt::black);
    copyInto(img, board, (64 - board.width()) / 2, (44 - board.height()) / 2);
    return img;
}

// The window "Collections": the collections, the game's own set first, and the levels of the one
// chosen with their small pictures, sizes, solved marks and best moves and pushes.
QImage collectionsWindow()
{
    QImage img = newImage(640, 250, QColor(239, 239, 239));
    QPainter p(&img);
    p.setFont(fontFor(Face::Sans, 11));
    const QRect left(6, 6, 214, 204), right(226, 6, 408, 204);
    p.fillRect(left, Qt::white);
    p.fillRect(right, Qt::white);
    const auto row = [&](const QRect& list, int y, int height, const std::vector<std::pair<int, QString>>& cells, bool chosen) {
        if (chosen)
            p.fillRect(QRect(list.x(), y, list.width(), height), QColor(48, 140, 198));
        p.setPen(chosen ? Qt::white : QColor(30, 30, 34));
        for (const auto& [x, text] : cells)
            p.drawText(QRect(list.x() + x, y, 200, height), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    const QString tick = QString::fromUtf8("\u2714");
    row(left, 6, 20, {{4, "Collection"}, {130, "Levels"}, {172, "Solved"}}, false);
    row(left, 28, 22, {{4, "TOLVAR"}, {140, "77"}, {182, "12"}}, false);
    row(left, 50, 22, {{4, "Two Rooms"}, {146, "2"}, {182, "1"}}, true);
    row(right, 6, 20, {{72, "No."}, {104, "Title"}, {180, "Size"}, {242, "Solved"}, {296, "Moves"}, {350, "Pushes"}}, false);
    const LevelRows first{"11111", "12352", "11111"}, second{"111111", "162342", "122422", "111111"};
    const QString sizes[2] = {QString::fromUtf8("5 \u00d7 3"), QString::fromUtf8("6 \u00d7 4")};
    for (int i = 0; i < 2; ++i) {
        const int y = 28 + i * 50;
        row(right, y, 48, {{78, QString::number(i + 1)}, {104, i == 0 ? "First" : "Second"}, {180, sizes[i]},
                           {252, i == 0 ? tick : ""}, {304, i == 0 ? "1" : ""}, {362, i == 0 ? "1" : ""}}, i == 1);
        p.drawImage(right.x() + 4, y + 2, levelThumbnail(i == 0 ? first : second));
    }
    drawButton(p, QRect(6, 218, 90, 26), "&Remove...", true, false);
    drawButton(p, QRect(450, 218, 88, 26), "&Play", true, true);
    drawButton(p, QRect(546, 218, 88, 26), "Close", true, false);
    p.end();
    return img;
}

} // namespace

std::vector<NamedPicture> helpPictures()
{
    return {{"objects.png", objects()},
            {"sceneries.png", sceneries()},
            {"characters.png", characters()},
            {"screen.png", gameScreen(0, 0, 1)},
            {"editbar.png", editBar()},
            {"trace.png", traceButton()},
            {"deadbox.png", deadBox()},
            {"collections.png", collectionsWindow()}};
}

} // namespace assetgen
