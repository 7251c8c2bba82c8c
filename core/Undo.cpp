// Undo: the last push, and only while nothing else has happened since.
#include "core/Game.h"

namespace tolvar {

void Game::mnu_Undo_Click()
{
    const std::optional<Step> last = session_.LastPush();
    if (!last)
        return;
    const Step push = *last;
    const int manX = ManX(), manY = ManY();
    const int fromX = push.fromX + BoardLeft, fromY = push.fromY + BoardTop;  // where the man pushed from
    const int boxX = push.boxX + BoardLeft, boxY = push.boxY + BoardTop;      // where the box stands

    SaveTileUnderMan(Board()(push.fromX, push.fromY));
    view.DrawMan(fromX, fromY);
    DrawCell(Box, manX, manY);  // the goal animation turns it into a box on a goal where it belongs
    PlayEffect(EffectUndo);
    DrawCell(push.boxWas, boxX, boxY);
    session_.UndoPush();
    DrawNumber(Counter::Step, StepCount(), view.appearance.DigitStyle);
    FollowUndo();
    if (observer_)
        observer_->PushUndone();
}

}  // namespace tolvar
