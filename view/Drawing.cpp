// The drawing operations every board-drawing procedure shares.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

void Game::ResizeSurfaces(int clientWidth, int clientHeight)
{
    // A client image of the right size is blanked where it is, not made again.
    if (Client.width() == clientWidth && Client.height() == clientHeight && Client.format() == QImage::Format_RGB32)
        Client.fill(Qt::black);
    else
        Client = BlankImage(clientWidth, clientHeight);
    ClientChanged();
    pic_SpriteSave = BlankImage(CellSize, CellSize);
    pic_SpriteMove = BlankImage(CellSize, CellSize);
    pic_Level = BlankImage(CounterWidth, CounterHeight);
    pic_Step = BlankImage(CounterWidth, CounterHeight);
}

void Game::DrawOnClient(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop)
{
    BitBlt(Client, dx, dy, w, h, src, sx, sy, rop);
    const QRect drawn = QRect(dx, dy, w, h) & Client.rect();
    unlaid_.Add(drawn);
    unshown_.Add(drawn);
}

void Game::ClientChanged()
{
    unlaid_.Clear();
    unlaid_.Add(Client.rect());
    unshown_.Clear();
    unshown_.Add(Client.rect());
}

void Game::ShowChanges()
{
    if (unshown_.Empty())
        return;
    svc_.window->Refresh(unshown_.Region());
    unshown_.Clear();
}

void Game::DrawCell(int code, int x, int y)
{
    const int px = x * CellSize, py = y * CellSize;
    if (code == Outside) {
        // the background square of that window cell
        if (Background == 0)
            DrawOnClient(px, py, CellSize, CellSize, sheets.pic_Obj, 0, 0, Rop::Blackness);
        else
            DrawOnClient(px, py, CellSize, CellSize, sheets.pic_Obj, 0, Background * CellSize, Rop::SrcCopy);
        return;
    }
    const int column = code == ManStart ? 6 + Character : code;
    DrawOnClient(px, py, CellSize, CellSize, sheets.pic_Obj, column * CellSize, Scenery * CellSize, Rop::SrcCopy);
}

void Game::FillBackground()
{
    // Both bounds included: a 640 x 442 client area gets 21 x 14 squares.
    const int columns = svc_.window->ClientWidth() / CellSize;
    const int rows = svc_.window->ClientHeight() / CellSize;
    for (int y = 0; y <= rows; ++y)
        for (int x = 0; x <= columns; ++x)
            DrawCell(Outside, x, y);
}

void Game::DrawOverlay()
{
    for (const QRect& r : unlaid_.Rects()) {
        BitBlt(Client, r.x(), r.y(), r.width(), r.height(), sheets.pic_Back[1], r.x(), r.y(), Rop::SrcAnd);
        BitBlt(Client, r.x(), r.y(), r.width(), r.height(), sheets.pic_Back[0], r.x(), r.y(), Rop::SrcPaint);
        unshown_.Add(r);  // a repaint may have shown the drawing before the decoration was laid
    }
    unlaid_.Clear();
    DrawMarks();
}

void Game::DrawManFrame(int x, int y)
{
    DrawOnClient(x * CellSize, y * CellSize, CellSize, CellSize, sheets.pic_Sprite, ManFrame * CellSize,
           SpriteRowY(), Rop::SrcCopy);
}

int Game::SpriteRowY() const
{
    return (Character * SceneryCount + Scenery) * CellSize;
}

void Game::DrawGoalFrame(int frame, int x, int y)
{
    DrawOnClient(x * CellSize, y * CellSize, CellSize, CellSize, sheets.pic_Goal, (frame - 1) * CellSize,
           Scenery * CellSize, Rop::SrcCopy);
}

void Game::SaveTileUnderMan(int code)
{
    BitBlt(pic_SpriteSave, 0, 0, CellSize, CellSize, sheets.pic_Obj, code * CellSize, Scenery * CellSize, Rop::SrcCopy);
}

}  // namespace tolvar
