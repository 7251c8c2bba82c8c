#pragma once
// Hints from the solver: the position on the board put as a question the solver reads, and
// its answer cut into hints, one push each (with the walk to it). A solution found is kept,
// so the next hint from where the last one left the man needs no new search.
#include <optional>
#include <string>

#include "rules/Grid.h"
#include "solver/Solver.h"

namespace tolvar {

/// A position of play: the board without the man, and the man's grid cell.
struct Position {
    Grid board;
    int manX = 0, manY = 0;
    bool operator==(const Position&) const = default;
};

/// What the solver is asked for a position: the board as a level, the man where he stands (on
/// floor or on a goal).
solver::Level AskFor(const Position& here);

enum class HintKind {
    Moves,       // the walk to the next push and the push
    Unsolvable,  // proven: no solution from here
    NotFound,    // none found within the time
};

struct Hint {
    HintKind kind = HintKind::NotFound;
    std::string moves;  // the game's move characters
};

class HintBook {
public:
    /// The next hint of the solution found before, when `here` is where the last hint left the man.
    std::optional<std::string> Next(const Position& here);
    /// Takes the solver's answer to `question`, asked for `here`, and gives its first hint. A
    /// solution is kept only when it wins from `here` by the game's rules.
    Hint Answer(const Position& here, const solver::SolveResult& result);
    void Forget() { solution_.reset(); }

private:
    struct Kept {
        std::string rest;  // the moves after those already given
        Position at;       // where they start
    };
    std::optional<Kept> solution_;
};

}  // namespace tolvar
