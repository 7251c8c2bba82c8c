// Keys to moves, and every move the session makes drawn, sounded and counted.
#include "core/Game.h"

namespace tolvar {

void Game::Form_KeyDown(int KeyCode, int Shift)
{
    if (KeysMoveTheMan(GameMode))
        HandleKey(KeyCode, Shift);
}

void Game::pic_Level_KeyDown(int KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }
void Game::pic_Step_KeyDown(int KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }

void Game::HandleKey(int KeyCode, int Shift)
{
    const int dir = DirectionOfKey(KeyCode);
    if (dir >= 0) {
        MoveMan(dir);
        return;
    }
    MoveDone = false;
    if (KeyCode != VK_F9)
        return;
    const bool chord = (Shift & CtrlKey) && (Shift & AltKey);
    const bool skip = chord && GameMode == ModePlaySet;
    if (GameMode == ModeTracing)
        ForbidUndo();
    CheckFinish(skip);
}

void Game::TurnMan(std::int16_t frame)
{
    ManFrame = frame;
    view.TurnMan(frame);
}

void Game::MoveMan(int dir) { ShowStep(session_.Move(dir, TraceIndex)); }

void Game::RedoMove() { ShowStep(session_.Redo()); }

void Game::ShowStep(const Step& step)
{
    // The man turns even when the move is blocked.
    TurnMan(Directions[static_cast<std::size_t>(session_.facing())].frame);
    MoveDone = step.moved();
    if (MoveDone) {
        const int left = BoardLeft, top = BoardTop;
        view.DrawSavedTile(step.fromX + left, step.fromY + top);
        SaveTileUnderMan(step.underMan());
        view.DrawMan(step.toX + left, step.toY + top);
        if (step.pushed()) {
            DrawCell(step.boxNow(), step.boxX + left, step.boxY + top);
            PlayEffect(step.ontoGoal() ? EffectOnGoal : EffectPush);
        }
        DrawOverlay();
        ShowChanges();
        DrawNumber(Counter::Step, StepCount(), view.appearance.DigitStyle);
    }
    if (GameMode == ModeTracing)
        session_.ForbidUndoPush();  // a traced step is not undoable
    FollowUndo();
    if (MoveDone && observer_)
        observer_->MoveMade();
    CheckFinish(false);
}

bool Game::TakeBackMove()
{
    const std::optional<MoveRecord> move = session_.TakeBack();
    if (!move)
        return false;
    const Step& s = move->step;
    const int left = BoardLeft, top = BoardTop;
    // The man's cell gets back what it held: floor or goal after a walk, the box after a push.
    DrawCell(Board()(s.toX, s.toY), s.toX + left, s.toY + top);
    if (s.pushed()) {
        DrawCell(s.boxWas, s.boxX + left, s.boxY + top);
        PlayEffect(EffectUndo);
    }
    SaveTileUnderMan(Board()(s.fromX, s.fromY));
    TurnMan(Directions[static_cast<std::size_t>(move->facingBefore)].frame);
    view.DrawMan(s.fromX + left, s.fromY + top);
    DrawNumber(Counter::Step, StepCount(), view.appearance.DigitStyle);
    FollowUndo();  // "&Undo" takes back only a push that is the last move
    DrawOverlay();
    ShowChanges();
    return true;
}

void Game::BoardReplaced()
{
    session_.Forget();
    FollowUndo();
    if (observer_)
        observer_->BoardReplaced();
}

void Game::ForbidUndo()
{
    session_.ForbidUndoPush();
    FollowUndo();
}

void Game::FollowUndo() { menus.Enable(MenuId::mnu_Undo, session_.CanUndoPush()); }

}  // namespace tolvar
