#pragma once
// Help from the solver for a player who asks: a hint (the walk to the next push and the push,
// from the position as it stands), and the level's solution shown as a replay. The search
// runs on a worker thread; any key, click or menu command while it runs stops it, and then
// nothing moves.
#include <functional>
#include <string>

#include "assist/Hints.h"
#include "assist/SolverWorker.h"
#include "session/Gate.h"

namespace tolvar {

class Game;

// What the player is told.
inline constexpr const char* NoSolutionFromHere =
    "No solution from here: take back some moves or start the level again.";
inline constexpr const char* NoHintInTime = "No solution from here was found within 10 seconds.";
inline constexpr const char* LevelUnsolvable = "This level cannot be solved: no solution exists.";
inline constexpr const char* NoSolutionInTime = "No solution of this level was found within 10 seconds.";
/// How long one search may take, in seconds.
inline constexpr double HelpSeconds = 10.0;

class SolverHelp {
public:
    /// Moves of a hint are handed to `play`, which makes them one at a time as ordinary moves.
    /// The answers pass `gate`, which drops one asked for a level that has been replaced since.
    SolverHelp(Game& game, GuiThreadPort& gui, Gate& gate, std::function<void(const std::string&)> play);

    /// The key handler moves the man: hints can be asked.
    bool CanHint() const;
    /// The level has a stored form that a replay plays on, and the player is not editing or tracing.
    bool CanShowSolution() const;
    void Hint();
    void ShowSolution();
    /// Stops a search: its answer is dropped and nothing moves.
    void Cancel() { worker_.Cancel(); }
    bool Searching() const { return worker_.Busy(); }

private:
    Position Here() const;
    void HintFound(const Position& here, const solver::SolveResult& result);
    void SolutionFound(const std::string& levelCells, const solver::SolveResult& result);

    /// Starts a search of `level` whose answer goes to `found` through the gate.
    void Search(const solver::Level& level, std::function<void(const solver::SolveResult&)> found);

    Game& game_;
    Gate& gate_;
    std::function<void(const std::string&)> play_;
    HintBook book_;
    SolverWorker worker_;
};

}  // namespace tolvar
