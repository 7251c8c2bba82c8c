// The two board animations: boxes glowing on their goals, the man stepping in place.
#include "core/Game.h"

namespace tolvar {

void Game::tmr_Goal_Timer()
{
    if (svc_.window->IsMinimized())
        return;
    GoalFrame = static_cast<std::int16_t>(GoalFrame + 1);
    if (GoalFrame == 5)
        GoalFrame = 1;
    const Grid& board = Board();
    for (int row = 0; row < board.height; ++row)
        for (int column = 0; column < board.width; ++column)
            if (board(column, row) == BoxOnGoal)
                DrawGoalFrame(GoalFrame, column + BoardLeft, row + BoardTop);
    DrawOverlay();
    ShowChanges();
}

void Game::tmr_Sprite_Timer()
{
    // 0 <-> 1, 2 <-> 3, 4 <-> 5, 6 <-> 7: the other picture of the pair.
    ManFrame = static_cast<std::int16_t>(ManFrame ^ 1);
    DrawManFrame(ManX(), ManY());
    DrawOverlay();
}

}  // namespace tolvar
