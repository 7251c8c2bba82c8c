// A level of any size on the board: drawn whole and centred at the cell size that shows it,
// and the board back in its own place for every other level.
#include <algorithm>

#include "core/Game.h"
#include "view/BoardFit.h"

namespace tolvar {

void Game::ShowLevelOfAnySize(Grid level, std::optional<Cell> man, GameModeValue mode, std::int32_t number)
{
    EnterMode(mode, KindCollection);
    const BoardFit fit = FitBoard(level.width, level.height, BoardArea(svc_.window->ClientWidth(), svc_.window->ClientHeight()));
    if (view.CellSize() != fit.cellSize)
        view.SetCellSize(fit.cellSize);
    view.SetShift(fit.origin);
    BoardLeft = 0;
    BoardTop = 0;
    GoalCount = static_cast<std::int16_t>(level.goalCount());
    FillBackground();
    DrawLevelCells(level, false);
    if (man && !level.inside(*man))
        man.reset();
    if (man) {
        SaveTileUnderMan(level(man->x, man->y));  // floor, or the goal he starts on
        DrawCell(ManStart, man->x, man->y);
    }
    StartPlay(std::move(level), man);
    DrawNumber(Counter::Level, std::clamp<std::int32_t>(number, 0, MaxCount), view.appearance.DigitStyle);
    ShowStepCount(0);
    DrawOverlay();
    ShowChanges();
}

void Game::UseOwnBoardLayout()
{
    if (view.CellSize() == DefaultCellSize && view.Shift().isNull())
        return;
    view.SetCellSize(DefaultCellSize);
    view.SetShift({});
    const QPoint origin = view.BoardOrigin(svc_.window->ClientWidth(), svc_.window->ClientHeight());
    BoardLeft = static_cast<std::int16_t>(origin.x());
    BoardTop = static_cast<std::int16_t>(origin.y());
}

}  // namespace tolvar
