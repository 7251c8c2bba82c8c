// Taking back any move, back to the level's start, and making the taken-back moves again.
#include "assist/Assist.h"
#include "core/Game.h"

namespace tolvar {

bool Assist::CanTakeBack() const
{
    if (game_.GameMode == ModeTracing)
        return game_.TraceIndex > 0;
    return Playing() && game_.session().CanTakeBack();
}

bool Assist::CanRedo() const
{
    if (game_.GameMode == ModeTracing)
        return game_.controls.btn_Trace_Visible && game_.TraceIndex < MaxShort &&
               static_cast<std::size_t>(game_.TraceIndex) < game_.Replayed.size() + game_.session().Standing();
    return Playing() && game_.session().CanRedo();
}

void Assist::TakeBack()
{
    if (!CanTakeBack())
        return;
    if (game_.GameMode == ModeTracing) {
        replay_.Pause();  // stepped back to be looked at: a replay playing by itself would go on at once
        game_.TraceBack();
        return;
    }
    game_.TakeBackMove();
    ShowMarks();
}

void Assist::Redo()
{
    if (!CanRedo())
        return;
    if (game_.GameMode == ModeTracing)
        game_.btn_Trace_Click();
    else
        game_.RedoMove();  // counts, draws, sounds and wins like a typed move
}

void Assist::MoveMade() { Select(std::nullopt); }

void Assist::PushUndone() { ShowMarks(); }

void Assist::BoardReplaced()
{
    playback_.Clear();
    replay_.Pause();
    // The board is about to change: marks worked out from the old one would stay on the new
    // one until its first move. The marks come again with the next move.
    selected_.reset();
    if (!game_.view.Marks().empty())
        game_.SetMarks({});
}

}  // namespace tolvar
