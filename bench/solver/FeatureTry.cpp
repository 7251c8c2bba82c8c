// Runs the feature search alone on one level of a collection: tolvar_feature_try FILE NUMBER [SECONDS]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "levels/LevelText.h"
#include "solver/Board.h"
#include "solver/FeatureSearch.h"
#include "solver/Replay.h"

int main(int argc, char** argv) {
    using namespace tolvar::solver;
    if (argc < 3) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto sources = tolvar::SplitCollection(text);
    const auto& source = sources.at(static_cast<std::size_t>(std::atoi(argv[2]) - 1));
    std::string error;
    const auto level = tolvar::ReadLevel(source.rows, &error);
    if (!level) return std::puts(error.c_str()), 1;
    const Board board(*level);
    FeatureSearch search(*level, board);
    {
        const auto f = search.features(board.boxesOf(*level), board.manStart());
        std::printf("start: packed %d areas %d shut in/spare %d out of plan %d\n", f.packed, f.areas, f.shutIn, f.outOfPlan);
    }
    const Stopwatch watch(true);
    SearchBudget budget;
    budget.watch = &watch;
    budget.deadline = argc > 3 ? std::atof(argv[3]) : 10.0;
    budget.memoryBytes = std::size_t{512} << 20;
    SolveResult result;
    const StopReason stop = search.run(result, budget);
    const auto replay = Replay(*level, result.moves);
    std::printf("%s stop %d: %.3f s, %llu positions, %llu expanded, %d pushes, replay won %d, %.1f MB, %s\n",
                ToString(result.status), static_cast<int>(stop), watch.seconds(), static_cast<unsigned long long>(result.nodes),
                static_cast<unsigned long long>(result.expanded), result.pushes, replay.won, result.peakBytes / 1e6,
                result.reason.c_str());
    std::printf("deepest packed %d, cells %zu, part searches %llu, failed %llu, unknown %llu, windows too large %llu\n", search.deepestPacked(), search.cellCount(),
                static_cast<unsigned long long>(search.partCheck().searches()), static_cast<unsigned long long>(search.partCheck().failures()),
                static_cast<unsigned long long>(search.partCheck().unknown()), static_cast<unsigned long long>(search.partCheck().tooLarge()));
    return 0;
}
