#include "assist/Hints.h"

#include <array>
#include <deque>

#include "rules/Direction.h"
#include "rules/MoveString.h"

namespace tolvar {

namespace {

/// The walk from the man's cell to the nearest free floor cell (not a goal), pushing nothing.
std::optional<std::string> WalkToFloor(const Position& here)
{
    constexpr int None = -1;
    std::array<int, CellCount> cameFrom;  // the direction that reached a cell
    cameFrom.fill(None);
    const int start = here.manX + BoardWidth * here.manY;
    cameFrom[static_cast<std::size_t>(start)] = 0;
    std::deque<int> open{start};
    while (!open.empty()) {
        const int at = open.front();
        open.pop_front();
        if (here.board.cells[static_cast<std::size_t>(at)] == Floor) {
            std::string walk;
            for (int c = at; c != start;) {
                const Direction& d = Directions[static_cast<std::size_t>(cameFrom[static_cast<std::size_t>(c)])];
                walk.insert(walk.begin(), d.digit);
                c -= d.dx + BoardWidth * d.dy;
            }
            return walk;
        }
        for (int d = 0; d < 4; ++d) {
            const Direction& dir = Directions[static_cast<std::size_t>(d)];
            const int x = at % BoardWidth + dir.dx, y = at / BoardWidth + dir.dy;
            const int next = x + BoardWidth * y;
            if (IsFree(here.board.at(x, y)) && cameFrom[static_cast<std::size_t>(next)] == None) {
                cameFrom[static_cast<std::size_t>(next)] = d;
                open.push_back(next);
            }
        }
    }
    return std::nullopt;
}

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

Question AskFor(const Position& here)
{
    Question q;
    static_cast<Grid&>(q.level) = here.board;
    Position start = here;
    if (here.board(here.manX, here.manY) != Floor) {
        const std::optional<std::string> walk = WalkToFloor(here);
        q.exact = walk.has_value();
        if (walk) {
            q.walk = *walk;
            Play(start, q.walk);
        }
    }
    q.level(start.manX, start.manY) = Floor;  // as the game's level text has him: off any goal
    q.level.man = q.level.index(start.manX, start.manY);
    return q;
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

Hint HintBook::Answer(const Position& here, const Question& question, const solver::SolveResult& result)
{
    solution_.reset();
    // A man kept on a goal asks about a level with that goal gone: whatever wins the position
    // fills the other goals too, so a proof that they cannot all be filled is a proof for the
    // position (not so when no goal is left, which the solver refuses as a level).
    if (result.status == solver::SolveStatus::Unsolvable && (question.exact || question.level.goalCount() > 0))
        return {HintKind::Unsolvable, {}};
    if (result.status != solver::SolveStatus::Solved)
        return {HintKind::NotFound, {}};
    const std::string moves = question.walk + result.moves;
    Position end = here;
    if (!Play(end, moves) || !AllGoalsFilled(end.board))
        return {HintKind::NotFound, {}};  // never hand on moves the rules refuse
    solution_ = Kept{moves, here};
    return {HintKind::Moves, *Next(here)};
}

}  // namespace tolvar
