// Times the solver on every shipped level and on our benchmark collection,
// one solve per level with a 10-second budget, then sums up:
// levels solved, the slowest level, positions per second and peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "solver/LevelText.h"
#include "solver/Solver.h"

namespace {

using namespace tolvar::solver;

struct Outcome {
    SolveStatus status;
    double seconds;
    double cpuSeconds;
    std::uint64_t nodes;
    std::size_t peakBytes;
};

std::map<std::string, std::vector<Outcome>> outcomes;  // by group

std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Register(const std::string& group, int number, const Level& level, double weight = 1.0) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/%02d", group.c_str(), number);
    benchmark::RegisterBenchmark(name, [group, level, weight](benchmark::State& state) {
        SolveResult result;
        SolveOptions options;
        options.weight = weight;
        options.pruneCorrals = weight > 1.0;
        const std::clock_t cpuStart = std::clock();
        for (auto _ : state) result = Solve(level, SolveLimits{}, options);
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        state.counters["solved"] = result.status == SolveStatus::Solved;
        state.counters["boxes"] = level.BoxCount();
        state.counters["pushes"] = result.pushes;
        state.counters["positions"] = static_cast<double>(result.nodes);
        state.counters["positions/s"] = result.seconds > 0 ? static_cast<double>(result.nodes) / result.seconds : 0;
        state.counters["peakMB"] = static_cast<double>(result.peakBytes) / 1e6;
        outcomes[group].push_back({result.status, result.seconds, cpu, result.nodes, result.peakBytes});
    })->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void Summarise() {
    for (const auto& [group, list] : outcomes) {
        int solved = 0;
        double slowest = 0, slowestCpu = 0, seconds = 0, cpuSeconds = 0;
        std::uint64_t nodes = 0;
        std::size_t peak = 0;
        for (const auto& o : list) {
            if (o.status == SolveStatus::Solved) {
                ++solved;
                slowest = std::max(slowest, o.seconds);
                slowestCpu = std::max(slowestCpu, o.cpuSeconds);
            }
            seconds += o.seconds;
            cpuSeconds += o.cpuSeconds;
            nodes += o.nodes;
            peak = std::max(peak, o.peakBytes);
        }
        std::printf("%-13s %d of %zu solved within 10 s; slowest solved %.2f s (%.2f s CPU); "
                    "%.0f positions/s (%.0f per CPU second); peak %.1f MB\n",
                    group.c_str(), solved, list.size(), slowest, slowestCpu,
                    seconds > 0 ? static_cast<double>(nodes) / seconds : 0.0,
                    cpuSeconds > 0 ? static_cast<double>(nodes) / cpuSeconds : 0.0, static_cast<double>(peak) / 1e6);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string set = ReadAll(TOLVAR_SHIPPED_SET);
    for (std::size_t n = 0; n < set.size() / CellCount; ++n)
        if (const auto level = Level::FromText(set.substr(n * CellCount, CellCount)))
            Register("shipped", static_cast<int>(n + 1), *level);
    // The collection twice: searching for the fewest pushes, and trading that for speed
    // (with corral pruning, which pays off only there).
    for (const double weight : {1.0, 3.0}) {
        int number = 0;
        for (const auto& source : SplitCollection(ReadAll(TOLVAR_BENCH_COLLECTION))) {
            ++number;
            std::string error;
            if (const auto level = LevelFromRows(source.rows, &error))
                Register(weight == 1.0 ? "collection" : "collection-w3", number, *level, weight);
            else if (weight == 1.0)
                std::fprintf(stderr, "collection level %d refused: %s\n", number, error.c_str());
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Summarise();
    return 0;
}
