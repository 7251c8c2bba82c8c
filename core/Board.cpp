// The board model's two derived tests, and the game's construction.
#include "core/Game.h"

namespace tolvar {

Game::Game(const Services& services) : svc_(services), rng_(1)
{
    // The window's client size: the designed one until there is a window.
    ResizeSurfaces(svc_.window->ClientWidth(), svc_.window->ClientHeight());
}

std::int16_t Game::CellAtWindow(int windowX, int windowY) const
{
    return Board.at(windowX - BoardLeft, windowY - BoardTop);
}

bool Game::LevelWon() const
{
    int onGoal = 0;
    for (std::int16_t code : Board.cells)
        if (code == BoxOnGoal)
            ++onGoal;
    return GoalCount > 0 && onGoal == GoalCount;
}

void Game::Warn(const std::string& text)
{
    PlayEffect("BOXUNDO.WAV");
    svc_.dialogs->MsgBox(text, MsgStyle::OkExclamation, AppTitle);
}

}  // namespace tolvar
