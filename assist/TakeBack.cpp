// Taking back any move, back to the level's start, and making the taken-back moves again.
#include "assist/Assist.h"
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

bool Assist::CanTakeBack() const
{
    if (game_.GameMode == ModeTracing)
        return game_.TraceIndex > 0;
    return Playing() && !made_.empty();
}

bool Assist::CanRedo() const
{
    if (game_.GameMode == ModeTracing)
        return game_.controls.btn_Trace_Visible && game_.TraceIndex < MaxShort &&
               static_cast<std::size_t>(game_.TraceIndex) < game_.MoveHistory.size();
    return Playing() && !redo_.empty();
}

void Assist::TakeBack()
{
    if (!CanTakeBack())
        return;
    if (game_.GameMode == ModeTracing) {
        TakeBackTraceStep();
        return;
    }
    const MoveRecord move = made_.back().move;
    made_.pop_back();
    Restore(move);
    redo_.push_back(move);
    ShowMarks();
}

void Assist::TakeBackTraceStep()
{
    // A step that was blocked or skipped made no move, but used up its position all the same.
    if (!made_.empty() && made_.back().traceIndex == game_.TraceIndex) {
        Restore(made_.back().move);
        made_.pop_back();
    }
    game_.TraceIndex -= 1;
    // Stepping back from the winning move makes the replay run again.
    game_.controls.btn_Trace_Visible = true;
    game_.controls.focus = FocusRequest::TraceButton;
}

void Assist::Redo()
{
    if (!CanRedo())
        return;
    if (game_.GameMode == ModeTracing) {
        game_.btn_Trace_Click();
        return;
    }
    const MoveRecord move = redo_.back();
    redo_.pop_back();
    // Through the key handler, so a redone move counts, draws, sounds and wins like a typed one.
    redoing_ = true;
    game_.HandleKey(Directions[static_cast<std::size_t>(move.step.dir)].key, 0);
    redoing_ = false;
}

void Assist::Restore(const MoveRecord& move)
{
    Game& g = game_;
    const Step& s = move.step;
    const int left = g.BoardLeft, top = g.BoardTop;
    UndoStep(g.Board, s);
    // The man's cell gets back what it held: floor or goal after a walk, the box after a push.
    g.DrawCell(g.Board(s.toX, s.toY), s.toX + left, s.toY + top);
    if (s.pushed()) {
        g.DrawCell(s.boxWas, s.boxX + left, s.boxY + top);
        g.PlayEffect("BOXUNDO.WAV");
    }
    g.SaveTileUnderMan(g.Board(s.fromX, s.fromY));
    g.TurnMan(move.facing);
    g.DrawOnClient((s.fromX + left) * CellSize, (s.fromY + top) * CellSize, CellSize, CellSize, g.pic_SpriteMove, 0,
           0, Rop::SrcCopy);
    g.ManX = static_cast<std::int16_t>(s.fromX + left);
    g.ManY = static_cast<std::int16_t>(s.fromY + top);
    g.StepCount = move.stepsBefore;
    g.DrawNumber(Counter::Step, g.StepCount, g.DigitStyle);
    if (!g.MoveHistory.empty())
        g.MoveHistory.pop_back();
    g.SetLastPush(std::nullopt);  // "&Undo" takes back only a push that is the last move
    g.DrawOverlay();
    g.ShowChanges();
}

void Assist::MoveMade(const MoveRecord& move)
{
    made_.push_back({move, game_.TraceIndex});
    if (!redoing_)
        redo_.clear();  // a new move: what was taken back is gone
    Select(std::nullopt);
}

void Assist::PushUndone()
{
    // "&Undo" took back the last move, so it can be made again like one taken back here.
    if (made_.empty())
        return;
    redo_.push_back(made_.back().move);
    made_.pop_back();
    ShowMarks();
}

void Assist::BoardReplaced()
{
    ++replacements_;
    made_.clear();
    redo_.clear();
    playback_.Clear();
    // The board is about to change: marks worked out from the old one would stay on the new
    // one until its first move. The marks come again with the next move.
    selected_.reset();
    if (!game_.Marks.empty())
        game_.SetMarks({});
}

}  // namespace tolvar
