// Undo: the last push, and only while nothing else has happened since.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

void Game::mnu_Undo_Click()
{
    // The enabled menu item is the record that the three cells describe the last push.
    if (!menus.Enabled(MenuId::mnu_Undo))
        return;
    const int px = PrevManX - BoardLeft, py = PrevManY - BoardTop;  // where the man pushed from
    const int mx = ManX - BoardLeft, my = ManY - BoardTop;          // where the box stood
    const int qx = PushedBoxX - BoardLeft, qy = PushedBoxY - BoardTop;  // where the box stands
    if (!Grid::inside(px, py) || !Grid::inside(mx, my) || !Grid::inside(qx, qy))
        return;

    SaveTileUnderMan(Board(px, py));
    BitBlt(Client, PrevManX * CellSize, PrevManY * CellSize, CellSize, CellSize, pic_SpriteMove, 0, 0, Rop::SrcCopy);
    DrawCell(Box, ManX, ManY);  // the goal animation turns it into a box on a goal where it belongs
    PlayEffect("BOXUNDO.WAV");
    if (Board(qx, qy) == Box) {
        DrawCell(Floor, PushedBoxX, PushedBoxY);
        Board(qx, qy) = Floor;
    } else {
        DrawCell(Goal, PushedBoxX, PushedBoxY);
        Board(qx, qy) = Goal;
    }
    Board(mx, my) = Board(mx, my) == Goal ? BoxOnGoal : Box;
    ManX = PrevManX;
    ManY = PrevManY;
    StepCount -= 1;
    DrawNumber(Counter::Step, StepCount, DigitStyle);
    if (!MoveHistory.empty())
        MoveHistory.pop_back();
    menus.Disable(MenuId::mnu_Undo);
}

}  // namespace tolvar
