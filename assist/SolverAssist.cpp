// The Assist menu's help from the solver: hints played as ordinary moves, and the marks on
// the boxes past saving.
#include "assist/Assist.h"
#include "assist/DeadBoxes.h"
#include "core/Game.h"

namespace tolvar {

void Assist::PlayHint(const std::string& moves)
{
    Moves queue;
    for (char c : moves)
        if (const int d = DirectionOfDigit(c); d >= 0)
            queue.push_back(d);
    playback_.Start(queue);
}

bool Assist::MarkingDeadBoxes() const { return game_.menus.Checked(MenuId::mnu_MarkDeadBoxes); }

void Assist::SetMarkingDeadBoxes(bool on)
{
    game_.CheckMenuItem(MenuId::mnu_MarkDeadBoxes, on);
    settings_.SetValue(MarkDeadBoxesKey, on ? "1" : "0");
    ShowMarks();
}

void Assist::ShowMarks()
{
    CellMarks marks;
    const int left = game_.BoardLeft, top = game_.BoardTop;
    if (selected_)
        marks.push_back({selected_->x + left, selected_->y + top, MarkKind::Selected});
    if (MarkingDeadBoxes() && Playing()) {
        if (deadBoxesOf_ != game_.Board()) {
            deadBoxesOf_ = game_.Board();
            deadBoxes_ = DeadBoxes(game_.Board());
        }
        for (int i : deadBoxes_)
            marks.push_back({i % BoardWidth + left, i / BoardWidth + top, MarkKind::Dead});
    }
    if (marks != game_.view.Marks())
        game_.SetMarks(std::move(marks));
}

}  // namespace tolvar
