// Times the solver on every shipped level and on our three benchmark collections,
// one solve per level with a 10-second budget, then sums up: levels solved,
// the median and slowest level, positions per second, peak memory and pushes.
// The budget is 10 s of processor time, so that a busy machine does not change
// the answers; --wall makes it 10 s on the wall clock. --weight=W fixes the
// search's weight instead of the default; --weight=1 gives the proven fewest
// pushes to compare with; --threads=N runs the default's searches on N threads
// (1: in turns on one; the default takes one a core, up to two). They go before
// the benchmark's own flags. With more than one thread, processor time counts
// every thread's; --each-thread has each thread count its own, what the wall
// would show on an idle machine with a core for each (--wall on a busy one is
// unfair to every figure).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "levels/LevelText.h"
#include "solver/Solver.h"

namespace {

using namespace tolvar::solver;
using tolvar::CellCount;
using tolvar::ReadLevel;
using tolvar::SplitCollection;

struct Outcome {
    SolveStatus status;
    double seconds;
    double firstSeconds;  // to the first solution
    double cpuSeconds;
    std::uint64_t nodes;
    std::size_t peakBytes;
    int pushes;
    bool provenFewest;
};

std::map<std::string, std::vector<Outcome>> outcomes;  // by group
bool wallClock = false;
bool eachThread = false;
int threads = 0;

std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Register(const std::string& group, int number, const Level& level, double weight) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/%02d", group.c_str(), number);
    benchmark::RegisterBenchmark(name, [group, level, weight](benchmark::State& state) {
        SolveResult result;
        SolveOptions options;
        options.weight = weight;
        options.pruneCorrals = weight > 1.0;
        const std::clock_t cpuStart = std::clock();
        SolveLimits limits;
        limits.processorTime = !wallClock;
        limits.eachThread = eachThread;
        limits.threads = threads;
        for (auto _ : state) result = Solve(level, limits, options);
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        state.counters["solved"] = result.status == SolveStatus::Solved;
        state.counters["boxes"] = level.boxCount();
        state.counters["pushes"] = result.pushes;
        state.counters["first"] = result.firstSeconds;
        state.counters["fewest"] = result.provenFewest;
        state.counters["positions"] = static_cast<double>(result.nodes);
        state.counters["positions/s"] = result.seconds > 0 ? static_cast<double>(result.nodes) / result.seconds : 0;
        state.counters["peakMB"] = static_cast<double>(result.peakBytes) / 1e6;
        outcomes[group].push_back({result.status, result.seconds, result.firstSeconds, cpu, result.nodes, result.peakBytes, result.pushes,
                                   result.provenFewest});
    })->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The query a hint asks after every move, on each shipped level (20 x 14 boards).
void StuckBoxesQuery(benchmark::State& state, std::vector<Level> levels) {
    std::size_t n = 0, stuck = 0;
    for (auto _ : state) stuck += StuckBoxes(levels[n++ % levels.size()]).size();
    benchmark::DoNotOptimize(stuck);
}

void Summarise() {
    for (const auto& [group, list] : outcomes) {
        int solved = 0, proven = 0;
        double slowest = 0, slowestCpu = 0, seconds = 0, cpuSeconds = 0;
        std::uint64_t nodes = 0;
        std::size_t peak = 0;
        std::vector<double> times, firsts;  // unsolved levels count as never
        for (const auto& o : list) {
            firsts.push_back(o.status == SolveStatus::Solved ? o.firstSeconds : 1e9);
            if (o.status == SolveStatus::Solved) {
                ++solved;
                proven += o.provenFewest;
                slowest = std::max(slowest, o.seconds);
                slowestCpu = std::max(slowestCpu, o.cpuSeconds);
            }
            times.push_back(o.status == SolveStatus::Solved ? o.seconds : 1e9);
            seconds += o.seconds;
            cpuSeconds += o.cpuSeconds;
            nodes += o.nodes;
            peak = std::max(peak, o.peakBytes);
        }
        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0 : times[times.size() / 2];
        std::sort(firsts.begin(), firsts.end());
        const std::size_t ninth = firsts.empty() ? 0 : (firsts.size() * 9 + 9) / 10 - 1;  // nine in ten take no longer
        if (!firsts.empty())
            std::printf("%-13s first solution: median %.3f s, nine in ten within %.3f s, slowest %.3f s\n", group.c_str(),
                        firsts[firsts.size() / 2], firsts[ninth], firsts.back());
        std::printf("%-13s %d of %zu solved within 10 s (%d proven fewest pushes); median %.3f s; slowest solved %.2f s "
                    "(%.2f s CPU); %.0f positions/s (%.0f per CPU second); peak %.1f MB\n",
                    group.c_str(), solved, list.size(), proven, median, slowest, slowestCpu,
                    seconds > 0 ? static_cast<double>(nodes) / seconds : 0.0,
                    cpuSeconds > 0 ? static_cast<double>(nodes) / cpuSeconds : 0.0, static_cast<double>(peak) / 1e6);
    }
}

void RegisterCollection(const std::string& group, const char* path, double weight) {
    int number = 0;
    for (const auto& source : SplitCollection(ReadAll(path))) {
        ++number;
        std::string error;
        if (const auto level = ReadLevel(source.rows, &error))
            Register(group, number, *level, weight);
        else
            std::fprintf(stderr, "%s level %d refused: %s\n", group.c_str(), number, error.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    double weight = 0;  // the solver's default
    for (bool ours = true; ours && argc > 1;) {
        if (std::strncmp(argv[1], "--weight=", 9) == 0) weight = std::atof(argv[1] + 9);
        else if (std::strcmp(argv[1], "--wall") == 0) wallClock = true;
        else if (std::strcmp(argv[1], "--each-thread") == 0) eachThread = true;
        else if (std::strncmp(argv[1], "--threads=", 10) == 0) threads = std::atoi(argv[1] + 10);
        else ours = false;
        if (ours) {
            argv[1] = argv[0];
            --argc;
            ++argv;
        }
    }
    const std::string set = ReadAll(TOLVAR_SHIPPED_SET);
    std::vector<Level> shipped;
    for (std::size_t n = 0; n < set.size() / CellCount; ++n)
        if (const auto level = Level::FromText(set.substr(n * CellCount, CellCount))) {
            Register("shipped", static_cast<int>(n + 1), *level, weight);
            shipped.push_back(*level);
        }
    if (!shipped.empty()) benchmark::RegisterBenchmark("stuck-boxes-query", StuckBoxesQuery, shipped)->Unit(benchmark::kMicrosecond);
    RegisterCollection("collection", TOLVAR_BENCH_COLLECTION, weight);
    RegisterCollection("hard", TOLVAR_BENCH_HARD, weight);
    RegisterCollection("big", TOLVAR_BENCH_BIG, weight);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Summarise();
    return 0;
}
