// Walking and pushing with the mouse: a click on a cell walks the man there, a click on a box
// picks it, and a click on a cell then pushes the picked box there.
#include "assist/Assist.h"
#include "core/Game.h"

namespace tolvar {

bool Assist::MouseWalking() const { return game_.menus.Checked(MenuId::mnu_MouseWalking); }

void Assist::SetMouseWalking(bool on)
{
    game_.CheckMenuItem(MenuId::mnu_MouseWalking, on);
    settings_.SetValue(MouseWalkingKey, on ? "1" : "0");
    if (!on)
        Select(std::nullopt);
}

void Assist::Click(int button, int x, int y)
{
    if (!Playing() || !MouseWalking() || x < 0 || y < 0)
        return;
    if (button == 2) {
        Select(std::nullopt);
        return;
    }
    const Cell cell = game_.BoardCellAt(x, y);
    const Grid& board = game_.Board();
    if (button != 1 || !board.inside(cell))
        return;
    if (HoldsBox(board(cell.x, cell.y)))
        Select(selected_ == cell ? std::nullopt : std::optional<Cell>(cell));  // a second click lets go
    else if (selected_)
        PushTo(cell);
    else if (IsFree(board(cell.x, cell.y)))
        WalkTo(cell);
}

void Assist::Select(std::optional<Cell> box)
{
    selected_ = box;
    ShowMarks();  // the boxes past saving change with every move too
}

void Assist::WalkTo(Cell target)
{
    const std::optional<Moves> walk = WalkPath(game_.Board(), game_.session().man(), target);
    if (!walk)
        game_.PlayEffect(EffectUndo);  // he cannot get there without pushing
    else
        playback_.Start(*walk);
}

void Assist::PushTo(Cell target)
{
    const std::optional<Moves> way = BoxPath(game_.Board(), game_.session().man(), *selected_, target);
    if (!way) {
        game_.PlayEffect(EffectUndo);  // the box cannot be brought there: it stays picked
        return;
    }
    Select(std::nullopt);
    playback_.Start(*way);
}

}  // namespace tolvar
