// Levels and solutions exchanged as text: checking a record of 1,001 moves by replaying it
// (target: well under a millisecond), and pasting a collection of 5,000 levels, whose reading
// on the game's thread must stay under 16 ms (the adding runs on a thread of its own: measured
// here too, for the record). The texts are made here.
//   BUILD/bin/tolvar_exchange_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "levels/CollectionLibrary.h"
#include "levels/LevelText.h"
#include "levels/PasteText.h"
#include "levels/Records.h"

namespace {

namespace fs = std::filesystem;
using namespace tolvar;

/// A room where the man walks to and fro 500 times before he pushes the box onto its goal.
void CheckRecordOf1001Moves(benchmark::State& state)
{
    std::string error;
    const Level level = *ReadLevel({"########", "#   @$.#", "#      #", "########"}, &error);
    std::string moves;
    for (int i = 0; i < 250; ++i)
        moves += "ldru";  // round a square of four cells, back where he started
    moves += "R";
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckSolution(level, moves));
    state.counters["moves"] = static_cast<double>(moves.size());
}
BENCHMARK(CheckRecordOf1001Moves)->Unit(benchmark::kMicrosecond);

/// A collection of `count` levels of 10 x 6 to 19 x 9, as players paste them.
std::string Collection(int count)
{
    std::string text = "Title: Pasted Rooms\n\n";
    for (int n = 1; n <= count; ++n) {
        const std::size_t w = 10 + n % 10, h = 6 + n % 4;
        text += "; " + std::to_string(n) + "\n" + std::string(w, '#') + "\n#@$" + std::string(w - 5, ' ') + ".#\n";
        for (std::size_t y = 2; y + 1 < h; ++y)
            text += "#" + std::string(w - 2, ' ') + "#\n";
        text += std::string(w, '#') + "\n\n";
    }
    return text;
}

/// What Paste does on the game's thread before the adding goes to its own thread.
void ReadPasteOf5000Levels(benchmark::State& state)
{
    const std::string text = Collection(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPaste(text));
    state.counters["MB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(ReadPasteOf5000Levels)->Unit(benchmark::kMillisecond);

/// The adding, on its own thread: read, checked, copied into a library made anew each time.
void AddPasteOf5000Levels(benchmark::State& state)
{
    const std::string text = Collection(5000);
    const fs::path dir = fs::temp_directory_path() / ("tolvar-exchange-bench-" + std::to_string(::getpid()));
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        fs::create_directories(dir);
        state.ResumeTiming();
        const AddedCollection added = CollectionLibrary(dir.string()).AddText(text, "Pasted 2026-12-08 07:10");
        if (!added.summary || added.summary->levels != 5000)
            state.SkipWithError(("not added: " + added.problem).c_str());
    }
    fs::remove_all(dir);
}
BENCHMARK(AddPasteOf5000Levels)->Unit(benchmark::kMillisecond);

/// Texts of 10 MB that are neither a level nor a solution, refused on the game's thread: dots,
/// and moves far too many, in lines.
void ReadPasteOf10MBOfText(benchmark::State& state)
{
    std::string text(10u << 20, state.range(0) ? 'r' : '.');
    for (std::size_t at = 79; at < text.size(); at += 80)
        text[at] = '\n';
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPaste(text));
}
BENCHMARK(ReadPasteOf10MBOfText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
