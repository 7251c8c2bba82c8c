// The board model: the win, the drawing of a whole level, and the game's construction.
#include "core/Game.h"

namespace tolvar {

Game::Game(const Services& services)
    : sheets(view.sheets()), pic_SpriteSave(view.SpriteSave()), pic_SpriteMove(view.SpriteMove()),
      DigitStyle(view.appearance.DigitStyle), Marks(view.Marks()), svc_(services), rng_(1)
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
    return AllGoalsFilled(Board);
}

bool Game::DrawLevelCells(bool outsideToo)
{
    bool manFound = false;
    for (int row = 0; row < BoardHeight; ++row) {
        for (int column = 0; column < BoardWidth; ++column) {
            const std::int16_t code = Board(column, row);
            if (outsideToo || code != Outside)
                DrawCell(code, column + BoardLeft, row + BoardTop);
            if (code == ManStart) {
                ManX = static_cast<std::int16_t>(column + BoardLeft);
                ManY = static_cast<std::int16_t>(row + BoardTop);
                manFound = true;
            }
        }
    }
    return manFound;
}

void Game::Warn(const std::string& text)
{
    PlayEffect("BOXUNDO.WAV");
    svc_.dialogs->MsgBox(text, MsgStyle::OkExclamation, AppTitle);
}

}  // namespace tolvar
