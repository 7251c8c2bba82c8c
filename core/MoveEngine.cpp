// Keys to moves: the key events, HandleKey and TryMove.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

namespace {
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
    const int dir = DirectionOfKey(KeyCode);
    const MoveRecord before{Step{}, static_cast<std::int16_t>(ManFrame & ~1), StepCount};
    if (dir >= 0) {
        // The man turns even when the move is blocked.
        TurnMan(Directions[static_cast<std::size_t>(dir)].frame);
        TryMove(dir);
    } else if (KeyCode == VK_F9) {
        const bool chord = (Shift & CtrlKey) && (Shift & AltKey);
        if (chord && GameMode == ModePlaySet)
            skip = true;
        MoveDone = false;
    } else {
        MoveDone = false;
        return;
    }
    if (MoveDone) {
        MoveHistory += Directions[static_cast<std::size_t>(dir)].digit;
        if (observer_)
            observer_->MoveMade({lastStep_, before.facing, before.stepsBefore});
    }
    if (GameMode == ModeTracing)
        SetLastPush(std::nullopt);  // a traced step is not undoable
    CheckFinish(skip);
}

void Game::TurnMan(std::int16_t frame)
{
    ManFrame = frame;
    BitBlt(pic_SpriteMove, 0, 0, CellSize, CellSize, sheets.pic_Sprite, ManFrame * CellSize, SpriteRowY(), Rop::SrcCopy);
}

void Game::TryMove(int dir)
{
    const Step step = TakeStep(Board, ManX - BoardLeft, ManY - BoardTop, dir);
    lastStep_ = step;
    MoveDone = step.moved();
    if (!MoveDone)
        return;
    const int dx = step.toX - step.fromX, dy = step.toY - step.fromY;
    DrawOnClient(ManX * CellSize, ManY * CellSize, CellSize, CellSize, pic_SpriteSave, 0, 0, Rop::SrcCopy);
    SaveTileUnderMan(step.underMan());
    DrawOnClient((ManX + dx) * CellSize, (ManY + dy) * CellSize, CellSize, CellSize, pic_SpriteMove, 0, 0,
           Rop::SrcCopy);
    if (step.pushed()) {
        DrawCell(step.boxNow(), step.boxX + BoardLeft, step.boxY + BoardTop);
        PlayEffect(step.ontoGoal() ? "BOXGOAL.WAV" : "BOXMOVE.WAV");
        SetLastPush(step);
    } else {
        SetLastPush(std::nullopt);  // undo only ever takes back a push that was the last move
    }

    DrawOverlay();
    ShowChanges();
    ManX = static_cast<std::int16_t>(ManX + dx);
    ManY = static_cast<std::int16_t>(ManY + dy);
    if (++StepCount > MaxCount)
        StepCount = MaxCount;
    DrawNumber(Counter::Step, StepCount, DigitStyle);
}

void Game::BoardReplaced()
{
    SetLastPush(std::nullopt);
    if (observer_)
        observer_->BoardReplaced();
}

void Game::SetLastPush(const std::optional<Step>& push)
{
    LastPush = push;
    menus.Enable(MenuId::mnu_Undo, push.has_value());
}

}  // namespace tolvar
