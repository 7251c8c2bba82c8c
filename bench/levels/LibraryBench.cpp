// The library of collections at the size of the largest collections players bring: reading and
// opening one of 20,000 levels (target: well under a second, records checked included), adding
// it, and listing a library of many collections. The collections are made here, never shipped.
//   BUILD/bin/tolvar_library_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "levels/CollectionLibrary.h"

namespace {

namespace fs = std::filesystem;
using namespace tolvar;

constexpr int LevelCount = 20000;

/// Level n: a room of its own size, the man beside a box that `Pushes(n)` pushes right onto a
/// goal, and some boxes already on goals along the bottom.
int Width(int n) { return 8 + n % 23; }
int Height(int n) { return 3 + n % 8; }
int Pushes(int n) { return Width(n) - 4; }

std::string Collection()
{
    std::string text = "Title: Twenty Thousand Rooms\nAuthor: The Bench\n\n";
    for (int n = 1; n <= LevelCount; ++n) {
        const int w = Width(n), h = Height(n);
        text += "; Room " + std::to_string(n) + "\n" + std::string(static_cast<std::size_t>(w), '#') + "\n";
        for (int y = 1; y < h - 1; ++y) {
            std::string row = "#" + std::string(static_cast<std::size_t>(w - 2), ' ') + "#";
            if (y == 1)
                row.replace(1, 2, "@$"), row[static_cast<std::size_t>(w - 2)] = '.';
            if (y == h - 2 && h > 3)
                for (int x = 2; x < w - 2; x += 3) row[static_cast<std::size_t>(x)] = '*';
            text += row + "\n";
        }
        text += std::string(static_cast<std::size_t>(w), '#') + "\n\n";
    }
    return text;
}

/// Every level solved, by moves and by pushes: what a player who finished it all has.
std::string AllSolved()
{
    RecordMap records;
    for (int n = 1; n <= LevelCount; ++n) {
        const Solution win{std::string(static_cast<std::size_t>(Pushes(n)), 'R'), Pushes(n), Pushes(n)};
        KeepBetter(records, n, win);
    }
    return WriteRecords(records);
}

/// A game directory of its own, removed at the end.
struct GameDir {
    fs::path path = fs::temp_directory_path() / ("tolvar-library-bench-" + std::to_string(::getpid()));
    GameDir() { fs::create_directories(path); }
    ~GameDir() { fs::remove_all(path); }
};

void ReadText(benchmark::State& state)
{
    const std::string text = Collection();
    for (auto _ : state) {
        const auto read = ReadCollectionText(text, "rooms.txt", nullptr);
        benchmark::DoNotOptimize(read->levels.data());
    }
    state.counters["levels"] = LevelCount;
    state.counters["MB"] = static_cast<double>(text.size()) / (1 << 20);
}

/// Opening from the library: the file read, every level read, every record replayed.
void Open(benchmark::State& state)
{
    GameDir dir;
    CollectionLibrary library(dir.path.string());
    const auto added = library.AddText(Collection(), "rooms.txt");
    const bool solved = state.range(0) != 0;
    if (solved)
        std::ofstream(fs::path(library.Folder()) / (added.summary->id + ".records")) << AllSolved();
    for (auto _ : state) {
        const auto collection = library.Open(added.summary->id, nullptr);
        if (!collection || collection->summary.solved != (solved ? LevelCount : 0))
            state.SkipWithError("the collection did not open as made");
    }
    state.counters["solved"] = solved ? LevelCount : 0;
}

/// Adding the same collection again: read, found by its content, opened.
void AddAgain(benchmark::State& state)
{
    GameDir dir;
    CollectionLibrary library(dir.path.string());
    const std::string text = Collection();
    library.AddText(text, "rooms.txt");
    for (auto _ : state)
        if (!library.AddText(text, "rooms.txt").alreadyThere)
            state.SkipWithError("added twice");
}

/// Listing a library of many collections from its index.
void List(benchmark::State& state)
{
    GameDir dir;
    CollectionLibrary library(dir.path.string());
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i)
        library.AddText("Title: Room " + std::to_string(i) + "\n#####\n#@$.#\n#####\n", "room.txt");
    for (auto _ : state)
        if (library.List().size() != static_cast<std::size_t>(count))
            state.SkipWithError("not every collection listed");
    state.counters["collections"] = count;
}

}  // namespace

BENCHMARK(ReadText)->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(AddAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(List)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
