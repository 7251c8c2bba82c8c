#include "session/PlaySession.h"

#include <utility>

#include "rules/Limits.h"

namespace tolvar {

void PlaySession::Start(Grid board, Cell man)
{
    board_ = std::move(board);
    man_ = man;
    moves_ = 0;
    pushes_ = 0;
    Forget();
}

void PlaySession::Forget()
{
    history_.clear();
    made_ = 0;
    pushUndoable_ = false;
    ++level_;
}

void PlaySession::SetCell(Cell cell, std::int16_t code)
{
    if (!board_.inside(cell))
        return;
    board_(cell.x, cell.y) = code;
    if (!history_.empty())
        Forget();
}

void PlaySession::SetMan(Cell man) { man_ = man; }

Step PlaySession::Apply(int dir)
{
    const Step step = TakeStep(board_, man_.x, man_.y, dir);
    facing_ = dir;  // the man turns even when the step is blocked
    if (!step.moved())
        return step;
    man_ = {step.toX, step.toY};
    if (++moves_ > MaxCount)
        moves_ = MaxCount;
    if (step.pushed())
        ++pushes_;
    pushUndoable_ = step.pushed();  // only a push that was the last move can be undone
    return step;
}

Step PlaySession::Move(int dir, int tracePosition)
{
    MoveRecord record{Step{}, facing_, moves_, pushes_, tracePosition};
    record.step = Apply(dir);
    if (record.step.moved()) {
        history_.resize(made_);  // a new move: what was taken back is gone
        history_.push_back(record);
        made_ = history_.size();
    }
    return record.step;
}

Step PlaySession::Redo()
{
    if (!CanRedo())
        return Step{};
    MoveRecord& record = history_[made_];
    record.facingBefore = facing_;
    record.movesBefore = moves_;
    record.pushesBefore = pushes_;
    record.step = Apply(record.step.dir);
    if (record.step.moved())
        ++made_;
    return record.step;
}

const MoveRecord& PlaySession::Unstep()
{
    const MoveRecord& record = history_[--made_];
    UndoStep(board_, record.step);
    man_ = {record.step.fromX, record.step.fromY};
    pushUndoable_ = false;
    return record;
}

std::optional<MoveRecord> PlaySession::TakeBack()
{
    if (!CanTakeBack())
        return std::nullopt;
    const MoveRecord& record = Unstep();
    facing_ = record.facingBefore;
    moves_ = record.movesBefore;
    pushes_ = record.pushesBefore;
    return record;
}

std::optional<MoveRecord> PlaySession::UndoPush()
{
    if (!CanUndoPush())
        return std::nullopt;
    const MoveRecord& record = Unstep();
    moves_ -= 1;
    pushes_ -= 1;
    return record;
}

std::optional<Step> PlaySession::LastPush() const
{
    if (!CanUndoPush())
        return std::nullopt;
    return history_[made_ - 1].step;
}

std::string PlaySession::History() const
{
    std::string text;
    text.reserve(made_);
    for (std::size_t i = 0; i < made_; ++i)
        text += Directions[static_cast<std::size_t>(history_[i].step.dir)].digit;
    return text;
}

}  // namespace tolvar
