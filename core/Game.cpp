// The board model: the win, the drawing of a whole level, the start of play, and the game's construction.
#include "core/Game.h"

namespace tolvar {

Game::Game(const Services& services)
    : svc_(services), rng_(1)
{
    // The window's client size: the designed one until there is a window.
    ResizeSurfaces(svc_.window->ClientWidth(), svc_.window->ClientHeight());
}

std::int16_t Game::CellAtWindow(int windowX, int windowY) const
{
    return Board().at(windowX - BoardLeft, windowY - BoardTop);
}

bool Game::LevelWon() const
{
    return session_.Won();
}

std::optional<Cell> Game::DrawLevelCells(const Grid& level, bool outsideToo)
{
    std::optional<Cell> man;
    for (int row = 0; row < level.height; ++row) {
        for (int column = 0; column < level.width; ++column) {
            const std::int16_t code = level(column, row);
            if (outsideToo || code != Outside)
                DrawCell(code, column + BoardLeft, row + BoardTop);
            if (code == ManStart)
                man = Cell{column, row};
        }
    }
    return man;
}

void Game::StartPlay(Grid board, std::optional<Cell> man)
{
    session_.Start(std::move(board), man.value_or(session_.man()));
    FollowUndo();
}

void Game::ShowStepCount(std::int32_t count)
{
    session_.SetMoveCount(count);
    DrawNumber(Counter::Step, count, view.appearance.DigitStyle);
}

void Game::Warn(const std::string& text)
{
    PlayEffect(EffectUndo);
    svc_.dialogs->MsgBox(text, MsgStyle::OkExclamation, AppTitle);
}

}  // namespace tolvar
