// The game's drawing procedures: each hands the game's state to the view (view/BoardView.h)
// and the view's changes to the window.
#include <algorithm>

#include "core/Game.h"

namespace tolvar {

void Game::ResizeSurfaces(int clientWidth, int clientHeight) { view.Resize(clientWidth, clientHeight); }

void Game::DrawOnClient(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop)
{
    view.Draw(dx, dy, w, h, src, sx, sy, rop);
}

void Game::ClientChanged() { view.ClientChanged(); }

void Game::ShowChanges()
{
    const QRegion unshown = view.TakeUnshown();
    if (!unshown.isEmpty())
        svc_.window->Refresh(unshown);
}

void Game::DrawCell(int code, int x, int y) { view.DrawCell(code, x, y); }

void Game::FillBackground() { view.FillBackground(svc_.window->ClientWidth(), svc_.window->ClientHeight()); }

void Game::DrawOverlay() { view.DrawOverlay(); }

void Game::DrawManFrame(int x, int y) { view.DrawManFrame(ManFrame, x, y); }


void Game::DrawGoalFrame(int frame, int x, int y) { view.DrawGoalFrame(frame, x, y); }

void Game::SaveTileUnderMan(int code) { view.SaveTileUnderMan(code); }

void Game::DrawNumber(Counter target, std::int32_t value, int style)
{
    view.DrawNumber(target, value, style);
    svc_.window->RefreshCounter(target);
}

void Game::SetMarks(CellMarks marks)
{
    // The cells of marks that go get their picture back, the man's with him on it.
    for (const CellMark& old : view.Marks()) {
        if (std::find(marks.begin(), marks.end(), old) != marks.end())
            continue;
        DrawCell(CellAtWindow(old.x, old.y), old.x, old.y);
        if (old.x == ManX() && old.y == ManY())
            DrawManFrame(ManX(), ManY());
    }
    view.SetMarks(std::move(marks));
    DrawOverlay();
    ShowChanges();
}

}  // namespace tolvar
