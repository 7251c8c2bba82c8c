#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "Commands.h"
#include "LevelSetFile.h"
#include "solver/Replay.h"
#include "solver/Solver.h"

namespace tolvar::levels {

namespace {
// Solution files count their moves in 16 bits.
constexpr std::size_t MaxSolutionMoves = 32767;
}  // namespace

int RunSolve(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::Parse(args, {"-o", "--time", "--weight"}, {"--corrals"}, &error);
    if (!parsed) return Complain(ExitUsage, error);
    const auto& pos = parsed->positional();
    if (pos.empty() || pos.size() > 2) return Complain(ExitUsage, "solve takes FILE and an optional LEVEL");
    solver::SolveLimits limits;
    solver::SolveOptions options;
    if (parsed->has("--time")) {
        const auto seconds = ParseSeconds(parsed->value("--time"));
        if (!seconds) return Complain(ExitUsage, "--time needs a positive number of seconds");
        limits.seconds = *seconds;
    }
    if (parsed->has("--weight")) {
        const auto weight = ParseSeconds(parsed->value("--weight"));
        if (!weight || *weight < 1 || *weight > 100) return Complain(ExitUsage, "--weight needs a number from 1 to 100");
        options.weight = *weight;
    }
    options.pruneCorrals = parsed->has("--corrals");
    const auto file = ReadLevels(pos[0], &error);
    if (!file) return Complain(ExitFileError, error);
    long number = 1;
    if (pos.size() == 2) {
        const auto n = ParseNumber(pos[1], 1, static_cast<long>(file->levels.size()));
        if (!n) return Complain(ExitUsage, "LEVEL must be a number from 1 to " + std::to_string(file->levels.size()));
        number = *n;
    }
    const ReadLevelEntry& entry = file->levels[static_cast<std::size_t>(number - 1)];
    if (!entry.level) return Complain(ExitFileError, pos[0] + ": level " + std::to_string(number) + ": " + entry.problem);
    const auto& level = entry.level;

    const auto result = solver::Solve(*level, limits, options);
    char stats[200];
    std::snprintf(stats, sizeof stats, "level %ld: %s, %d pushes%s, %zu moves, %llu positions, %.2f s, %.1f MB", number,
                  solver::ToString(result.status), result.pushes, result.provenFewest ? " (the fewest)" : "",
                  result.moves.size(),
                  static_cast<unsigned long long>(result.nodes), result.seconds, static_cast<double>(result.peakBytes) / 1e6);
    std::cerr << stats << (result.reason.empty() ? "" : " (" + result.reason + ")") << "\n";
    if (result.status == solver::SolveStatus::Unsolvable) return ExitFailed;
    if (result.status == solver::SolveStatus::GaveUp) return ExitGaveUp;
    if (!solver::Replay(*level, result.moves).won)
        return Complain(ExitFailed, "internal error: the solution does not win when replayed");
    if (result.moves.size() > MaxSolutionMoves)
        return Complain(ExitFailed, "the solution has " + std::to_string(result.moves.size()) +
                                        " moves, more than the game can replay (32767)");
    if (parsed->has("-o")) {
        if (!WriteFileBytes(parsed->value("-o"), result.moves, &error)) return Complain(ExitFileError, error);
        return ExitOk;
    }
    std::cout << result.moves;
    // A solution file has no line end; add one only for a reader at a terminal.
    if (isatty(STDOUT_FILENO)) std::cout << "\n";
    return ExitOk;
}

}  // namespace tolvar::levels
