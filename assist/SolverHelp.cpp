#include "assist/SolverHelp.h"

#include "core/Game.h"
#include "levels/CollectionText.h"

namespace tolvar {

SolverHelp::SolverHelp(Game& game, GuiThreadPort& gui, Gate& gate, std::function<void(const std::string&)> play)
    : game_(game), gate_(gate), play_(std::move(play)), worker_(gui)
{
}

void SolverHelp::Search(const solver::Level& level, std::function<void(const solver::SolveResult&)> found)
{
    worker_.Start(level, HelpSeconds, [this, aim = gate_.Here(), found](const solver::SolveResult& result) {
        gate_.Answer(aim, [&] { found(result); });
    });
}

bool SolverHelp::CanHint() const { return KeysMoveTheMan(game_.GameMode); }

bool SolverHelp::CanShowSolution() const
{
    // A level drawn and never saved has no stored form, and a changed drawing under test is not
    // the stored one: the replay would throw the drawing away and solve another level.
    const std::int16_t kind = game_.LevelKind;
    const bool stored = kind == KindSet || kind == KindSelf || kind == KindOther ||
                        (kind == KindCollection && game_.collection.LevelInPlay());
    return CanHint() && stored && !game_.DrawingChanged();
}

Position SolverHelp::Here() const
{
    return {game_.Board(), game_.session().man().x, game_.session().man().y};
}

void SolverHelp::Hint()
{
    if (!CanHint())
        return;
    const Position here = Here();
    if (const std::optional<std::string> next = book_.Next(here)) {
        play_(*next);
        return;
    }
    Search(AskFor(here), [this, here](const solver::SolveResult& result) { HintFound(here, result); });
}

void SolverHelp::HintFound(const Position& here, const solver::SolveResult& result)
{
    if (!CanHint() || !(Here() == here))
        return;  // the position changed meanwhile: the answer is of no use
    const tolvar::Hint hint = book_.Answer(here, result);
    switch (hint.kind) {
    case HintKind::Moves: play_(hint.moves); break;
    case HintKind::Unsolvable: game_.Warn(NoSolutionFromHere); break;
    case HintKind::NotFound: game_.Warn(NoHintInTime); break;
    }
}

void SolverHelp::ShowSolution()
{
    if (!CanShowSolution())
        return;
    if (const CollectionLevel* inPlay = game_.LevelKind == KindCollection ? game_.collection.LevelInPlay() : nullptr) {
        // A level of a collection is replayed on itself, at its own size.
        Search(inPlay->level, [this](const solver::SolveResult& result) { SolutionFound({}, result); });
        return;
    }
    const std::optional<std::string> cells = game_.ReplayLevel();
    if (!cells)
        return;
    const solver::Level level = solver::Level::FromGrid(ReadGrid(*cells));
    Search(level, [this, levelCells = *cells](const solver::SolveResult& result) { SolutionFound(levelCells, result); });
}

void SolverHelp::SolutionFound(const std::string& levelCells, const solver::SolveResult& result)
{
    if (!CanShowSolution())
        return;
    if (result.status == solver::SolveStatus::Unsolvable)
        game_.Warn(LevelUnsolvable);
    else if (result.status != solver::SolveStatus::Solved || result.moves.size() > static_cast<std::size_t>(MaxShort))
        game_.Warn(NoSolutionInTime);
    else
        game_.StartReplay(result.moves, levelCells);
}

}  // namespace tolvar
