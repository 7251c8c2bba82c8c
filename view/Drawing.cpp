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
    pic_SpriteSave = BlankImage(CellSize, CellSize);
    pic_SpriteMove = BlankImage(CellSize, CellSize);
    pic_Level = BlankImage(CounterWidth, CounterHeight);
    pic_Step = BlankImage(CounterWidth, CounterHeight);
}

void Game::DrawCell(int code, int x, int y)
{
    const int px = x * CellSize, py = y * CellSize;
    if (code == Outside) {
        // the background square of that window cell
        if (Background == 0)
            BitBlt(Client, px, py, CellSize, CellSize, sheets.pic_Obj, 0, 0, Rop::Blackness);
        else
            BitBlt(Client, px, py, CellSize, CellSize, sheets.pic_Obj, 0, Background * CellSize, Rop::SrcCopy);
        return;
    }
    const int column = code == ManStart ? 6 + Character : code;
    BitBlt(Client, px, py, CellSize, CellSize, sheets.pic_Obj, column * CellSize, Scenery * CellSize, Rop::SrcCopy);
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
    BitBlt(Client, 0, 0, OverlayWidth, OverlayHeight, sheets.pic_Back[1], 0, 0, Rop::SrcAnd);
    BitBlt(Client, 0, 0, OverlayWidth, OverlayHeight, sheets.pic_Back[0], 0, 0, Rop::SrcPaint);
    DrawMarks();
}

void Game::DrawManFrame(int x, int y)
{
    BitBlt(Client, x * CellSize, y * CellSize, CellSize, CellSize, sheets.pic_Sprite, ManFrame * CellSize,
           SpriteRowY(), Rop::SrcCopy);
}

int Game::SpriteRowY() const
{
    return (Character * SceneryCount + Scenery) * CellSize;
}

void Game::DrawGoalFrame(int frame, int x, int y)
{
    BitBlt(Client, x * CellSize, y * CellSize, CellSize, CellSize, sheets.pic_Goal, (frame - 1) * CellSize,
           Scenery * CellSize, Rop::SrcCopy);
}

void Game::SaveTileUnderMan(int code)
{
    BitBlt(pic_SpriteSave, 0, 0, CellSize, CellSize, sheets.pic_Obj, code * CellSize, Scenery * CellSize, Rop::SrcCopy);
}

}  // namespace tolvar
