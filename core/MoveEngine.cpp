// Keys to moves: the key events, HandleKey and TryMove.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

namespace {
struct Direction {
    int key;
    int dx, dy;
    std::int16_t frame;
};
constexpr Direction Directions[] = {
    {VK_LEFT, -1, 0, 2},
    {VK_UP, 0, -1, 4},
    {VK_RIGHT, 1, 0, 6},
    {VK_DOWN, 0, 1, 0},
};

bool KeysMoveTheMan(std::int16_t mode)
{
    return mode == ModePlaySet || mode == ModePlayOther || mode == ModeTestPlay;
}
}  // namespace

void Game::Form_KeyDown(int KeyCode, int Shift)
{
    if (KeysMoveTheMan(GameMode))
        HandleKey(KeyCode, Shift);
}

void Game::pic_Level_KeyDown(int KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }
void Game::pic_Step_KeyDown(int KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }

void Game::HandleKey(int KeyCode, int Shift)
{
    bool skip = false;
    if (KeyCode >= VK_LEFT && KeyCode <= VK_DOWN) {
        const Direction& d = Directions[KeyCode - VK_LEFT];
        // The man turns even when the move is blocked.
        ManFrame = d.frame;
        BitBlt(pic_SpriteMove, 0, 0, CellSize, CellSize, sheets.pic_Sprite, ManFrame * CellSize,
               (Character * SceneryCount + Scenery) * CellSize, Rop::SrcCopy);
        TryMove(d.dx, d.dy);
    } else if (KeyCode == VK_F9) {
        const bool chord = (Shift & CtrlKey) && (Shift & AltKey);
        if (chord && GameMode == ModePlaySet)
            skip = true;
        MoveDone = false;
    } else {
        MoveDone = false;
        return;
    }
    if (MoveDone)
        MoveHistory += static_cast<char>('0' + KeyCode % 10);
    if (GameMode == ModeTracing)
        menus.Disable(MenuId::mnu_Undo);  // a traced step is not undoable
    CheckFinish(skip);
}

void Game::TryMove(int dx, int dy)
{
    MoveDone = true;
    const int mx = ManX - BoardLeft, my = ManY - BoardTop;
    const int tx = mx + dx, ty = my + dy;
    const int bx = tx + dx, by = ty + dy;
    const std::int16_t target = Board.at(tx, ty);  // beyond the grid reads as outside and blocks
    const int manPx = ManX * CellSize, manPy = ManY * CellSize;
    const int targetPx = (ManX + dx) * CellSize, targetPy = (ManY + dy) * CellSize;

    if (target == Outside || target == Wall) {
        MoveDone = false;
        return;
    }
    if (target == Floor || target == Goal) {
        // A walk: undo only ever takes back a push that was the last move.
        menus.Disable(MenuId::mnu_Undo);
        BitBlt(Client, manPx, manPy, CellSize, CellSize, pic_SpriteSave, 0, 0, Rop::SrcCopy);
        SaveTileUnderMan(target);
        BitBlt(Client, targetPx, targetPy, CellSize, CellSize, pic_SpriteMove, 0, 0, Rop::SrcCopy);
    } else if (target == Box || target == BoxOnGoal) {
        const std::int16_t behind = Board.at(bx, by);
        if (behind != Floor && behind != Goal) {
            MoveDone = false;
            return;
        }
        const bool ontoGoal = behind == Goal;
        BitBlt(Client, manPx, manPy, CellSize, CellSize, pic_SpriteSave, 0, 0, Rop::SrcCopy);
        SaveTileUnderMan(target == BoxOnGoal ? Goal : Floor);
        BitBlt(Client, targetPx, targetPy, CellSize, CellSize, pic_SpriteMove, 0, 0, Rop::SrcCopy);
        DrawCell(ontoGoal ? BoxOnGoal : Box, ManX + 2 * dx, ManY + 2 * dy);
        PlayEffect(ontoGoal ? "BOXGOAL.WAV" : "BOXMOVE.WAV");
        menus.Enable(MenuId::mnu_Undo);
        PushedBoxX = static_cast<std::int16_t>(bx + BoardLeft);
        PushedBoxY = static_cast<std::int16_t>(by + BoardTop);
        Board(tx, ty) = target == Box ? Floor : Goal;
        Board(bx, by) = ontoGoal ? BoxOnGoal : Box;
    } else {
        MoveDone = false;
        return;
    }

    DrawOverlay();
    svc_.window->Refresh();
    PrevManX = ManX;
    PrevManY = ManY;
    ManX = static_cast<std::int16_t>(ManX + dx);
    ManY = static_cast<std::int16_t>(ManY + dy);
    if (++StepCount > 9999)
        StepCount = 9999;
    DrawNumber(Counter::Step, StepCount, DigitStyle);
}

}  // namespace tolvar
