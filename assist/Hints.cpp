#include "assist/Hints.h"

#include "rules/Direction.h"
#include "rules/MoveString.h"

namespace tolvar {

namespace {

/// Plays `moves` from `at` by the game's rules; false when one is blocked or is no move.
bool Play(Position& at, const std::string& moves)
{
    Cell man{at.manX, at.manY};
    const PlayedMoves played = PlayMoveString(at.board, man, moves);
    at.manX = man.x;
    at.manY = man.y;
    return !played.blocked;
}

/// The first moves of `moves`, up to and including the first push (all of them when none
/// pushes), or up to and including the first that is blocked.
std::string UpToFirstPush(const Position& from, const std::string& moves)
{
    Grid board = from.board;
    Cell man{from.manX, from.manY};
    const PlayedMoves played = PlayMoveString(board, man, moves, true);
    return moves.substr(0, played.made + (played.blocked ? 1 : 0));
}

}  // namespace

solver::Level AskFor(const Position& here)
{
    solver::Level level;
    static_cast<Grid&>(level) = here.board;
    level.man = level.index(here.manX, here.manY);
    return level;
}

std::optional<std::string> HintBook::Next(const Position& here)
{
    if (!solution_ || solution_->rest.empty() || !(solution_->at == here))
        return std::nullopt;
    const std::string hint = UpToFirstPush(here, solution_->rest);
    solution_->rest.erase(0, hint.size());
    if (!Play(solution_->at, hint))
        solution_.reset();
    return hint;
}

Hint HintBook::Answer(const Position& here, const solver::SolveResult& result)
{
    solution_.reset();
    if (result.status == solver::SolveStatus::Unsolvable)
        return {HintKind::Unsolvable, {}};
    if (result.status != solver::SolveStatus::Solved)
        return {HintKind::NotFound, {}};
    const std::string& moves = result.moves;
    Position end = here;
    if (!Play(end, moves) || !AllGoalsFilled(end.board))
        return {HintKind::NotFound, {}};  // never hand on moves the rules refuse
    solution_ = Kept{moves, here};
    return {HintKind::Moves, *Next(here)};
}

}  // namespace tolvar
