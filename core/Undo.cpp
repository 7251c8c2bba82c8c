// Undo: the last push, and only while nothing else has happened since.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

void Game::mnu_Undo_Click()
{
    if (!LastPush)
        return;
    const Step push = *LastPush;
    const int fromX = push.fromX + BoardLeft, fromY = push.fromY + BoardTop;  // where the man pushed from
    const int boxX = push.boxX + BoardLeft, boxY = push.boxY + BoardTop;      // where the box stands

    SaveTileUnderMan(Board(push.fromX, push.fromY));
    DrawOnClient(fromX * CellSize, fromY * CellSize, CellSize, CellSize, pic_SpriteMove, 0, 0, Rop::SrcCopy);
    DrawCell(Box, ManX, ManY);  // the goal animation turns it into a box on a goal where it belongs
    PlayEffect("BOXUNDO.WAV");
    DrawCell(push.boxWas, boxX, boxY);
    UndoStep(Board, push);
    ManX = static_cast<std::int16_t>(fromX);
    ManY = static_cast<std::int16_t>(fromY);
    StepCount -= 1;
    DrawNumber(Counter::Step, StepCount, DigitStyle);
    if (!MoveHistory.empty())
        MoveHistory.pop_back();
    SetLastPush(std::nullopt);
    if (observer_)
        observer_->PushUndone();
}

}  // namespace tolvar
