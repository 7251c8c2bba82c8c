#include <cstdio>
#include <iostream>
#include <map>
#include <optional>

#include "Commands.h"
#include "LevelSetFile.h"
#include "levels/LevelRules.h"
#include "solver/Replay.h"
#include "solver/Solver.h"

namespace tolvar::levels {

int Complain(int code, const std::string& message) {
    std::cerr << "tolvar-levels: " << message << "\n";
    return code;
}

namespace {

/// What is wrong with a level as read, as the set's checks see it; empty when nothing is.
std::vector<std::string> LevelProblems(const ReadLevelEntry& entry, std::size_t n, bool shipped,
                                       std::map<std::string, std::size_t>& shapes) {
    if (!entry.level) return {entry.problem};
    const Level* level = &*entry.level;
    auto problems = CheckLevel(*level);
    if (shipped) {
        for (auto& p : CheckScreenFit(*level)) problems.push_back(p);
        const auto [it, fresh] = shapes.emplace(CanonicalShape(*level), n + 1);
        if (!fresh) problems.push_back("the same as level " + std::to_string(it->second) + ", turned or mirrored");
    }
    return problems;
}

/// Solves a sound level and prints the outcome; true when the solution replays to a win.
bool SolveAndReport(const Level& level, const solver::SolveLimits& limits) {
    const auto result = solver::Solve(level, limits);
    char stats[160];
    std::snprintf(stats, sizeof stats, " (%llu positions, %.2f s)", static_cast<unsigned long long>(result.nodes), result.seconds);
    if (result.status != solver::SolveStatus::Solved) {
        std::cout << ", FAILED: " << (result.status == solver::SolveStatus::Unsolvable ? "unsolvable: " : "not solved: ")
                  << result.reason << stats << "\n";
        return false;
    }
    if (!solver::Replay(level, result.moves).won) {
        std::cout << ", FAILED: the solver's solution does not win when replayed\n";
        return false;
    }
    std::cout << ", solved in " << result.pushes << " pushes, " << result.moves.size() << " moves" << stats << "\n";
    return true;
}

}  // namespace

int RunVerify(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::Parse(args, {"--time"}, {"--no-solve", "--shipped"}, &error);
    if (!parsed) return Complain(ExitUsage, error);
    if (parsed->positional().size() != 1) return Complain(ExitUsage, "verify takes one FILE");
    solver::SolveLimits limits;
    if (parsed->has("--time")) {
        const auto seconds = ParseSeconds(parsed->value("--time"));
        if (!seconds) return Complain(ExitUsage, "--time needs a positive number of seconds");
        limits.seconds = *seconds;
    }
    const auto file = ReadLevels(parsed->positional().front(), &error);
    if (!file) return Complain(ExitFileError, error);

    int failed = 0;
    std::map<std::string, std::size_t> shapes;
    for (std::size_t n = 0; n < file->levels.size(); ++n) {
        std::cout << "level " << n + 1 << ": ";
        const auto& level = file->levels[n].level;
        const auto problems = LevelProblems(file->levels[n], n, parsed->has("--shipped"), shapes);
        if (!problems.empty()) {
            ++failed;
            std::cout << "FAILED: " << problems.front();
            for (std::size_t i = 1; i < problems.size(); ++i) std::cout << "; " << problems[i];
            std::cout << "\n";
            continue;
        }
        std::cout << "ok, " << level->boxCount() << (level->boxCount() == 1 ? " box" : " boxes");
        if (parsed->has("--no-solve"))
            std::cout << "\n";
        else if (!SolveAndReport(*level, limits))
            ++failed;
    }
    if (file->strayBytes != 0) {
        ++failed;
        std::cout << "FAILED: " << file->strayBytes << " stray bytes after level " << file->levels.size()
                  << " do not make a whole level\n";
    }
    std::cout << file->levels.size() << " levels, " << failed << (failed == 1 ? " problem" : " problems") << "\n";
    return failed == 0 ? ExitOk : ExitFailed;
}

}  // namespace tolvar::levels
