#include "assist/Hints.h"

#include <array>
#include <deque>

#include "rules/Step.h"

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
    for (char c : moves) {
        const int d = DirectionOfDigit(c);
        const Step step = d < 0 ? Step{} : TakeStep(at.board, at.manX, at.manY, d);
        if (!step.moved())
            return false;
        at.manX = step.toX;
        at.manY = step.toY;
    }
    return true;
}

/// The first moves of `moves`, up to and including the first push (all of them when none pushes).
std::string UpToFirstPush(const Position& from, const std::string& moves)
{
    Position at = from;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int d = DirectionOfDigit(moves[i]);
        const Step step = d < 0 ? Step{} : TakeStep(at.board, at.manX, at.manY, d);
        if (!step.moved() || step.pushed())
            return moves.substr(0, i + 1);
        at.manX = step.toX;
        at.manY = step.toY;
    }
    return moves;
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
    if (result.status == solver::SolveStatus::Unsolvable && question.exact)
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
