#pragma once
// Turns a room into a puzzle: boxes start on the goals and the man pulls them
// away (the reverse of pushing), so whatever position he reaches is solvable.
// The positions deepest in that pulling are then solved forwards, and the
// hardest one is kept.
#include <optional>
#include <random>

#include "RoomBuilder.h"
#include "levels/Level.h"
#include "solver/Solver.h"

namespace tolvar::levelgen {

struct PuzzleRequest {
    int boxes = 3;
    int beamWidth = 2000;     // positions kept per pull depth
    int maxDepth = 400;       // pulls at most
    int candidates = 6;       // deep positions solved forwards
    double solveSeconds = 3;  // per candidate
    bool keepUnsolved = false;  // give back a deep position even if no candidate was solved in time
    int onGoalsAllowed = 0;     // boxes that may still stand on their goals
};

struct Puzzle {
    Level level;
    solver::SolveResult solution;  // the forward solution of the level as placed
};

/// A puzzle in the room, or nothing when the room gave no solvable position with every box off its goal.
std::optional<Puzzle> MakePuzzle(const Rows& room, const PuzzleRequest& request, std::mt19937& random);

/// A puzzle on a drawn board: its walls and goals are kept, its boxes and man ignored.
std::optional<Puzzle> PullFromGoals(const Level& board, const PuzzleRequest& request, std::mt19937& random);

/// The room (rows of '#', ' ', '-') placed centred on the board as walls, floor and outside.
Level PlaceRoom(const Rows& room);

}  // namespace tolvar::levelgen
