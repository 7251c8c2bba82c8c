// The library of collections: the input is a collection file, then (after a line "%%") a records
// file for it, which is also written over the library's index. The collection is added twice,
// its records read, a win recorded from the records' first line of moves, and the library listed.
#include "FuzzGame.h"
#include "levels/CleanText.h"
#include "levels/CollectionLibrary.h"
#include "levels/LevelRules.h"

using namespace tolvar;
using fuzzing::Require;

namespace {

/// What an opened collection must hold, whatever the files said.
void CheckOpened(const LibraryCollection& collection, int count)
{
    int last = 0;
    for (const CollectionLevel& level : collection.levels) {
        Require(level.number > last && level.number <= count, "levels keep their numbers, ascending");
        last = level.number;
        Require(CheckRules(level.level).empty(), "an opened level keeps the rules");
        Require(CleanText(level.title) == level.title, "a title is clean text");
    }
    for (const LevelRefusal& refusal : collection.refused)
        Require(!refusal.reason.empty() && refusal.number >= 1 && refusal.number <= count, "a refusal says why");
    Require(collection.summary.solved == static_cast<int>(collection.records.size()), "the solved count is the records'");
    for (const auto& [number, record] : collection.records) {
        const CollectionLevel* level = collection.Find(number);
        Require(level != nullptr, "a record belongs to a level");
        for (const Solution* solution : {&record.byMoves, &record.byPushes})
            Require(CheckSolution(level->level, solution->moves) == *solution, "a record replays to its own win");
        Require(!FewerMoves(record.byPushes, record.byMoves) && !FewerPushes(record.byMoves, record.byPushes),
                "each record is the best of its kind");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = fuzzing::AsText(data, size);
    const std::size_t split = input.find("\n%%\n");
    const std::string text = input.substr(0, split);
    const std::string records = split == std::string::npos ? std::string() : input.substr(split + 4);
    auto& dir = fuzzing::GameDirectory::Get();
    dir.Clear();
    CollectionLibrary library(dir.Path());
    const AddedCollection added = library.AddText(text, "fuzz.txt");
    Require(added.summary.has_value() == added.problem.empty(), "an added file says nothing, a refused one why");
    if (!added.summary)
        return 0;
    const std::string id = added.summary->id;
    const int count = added.summary->levels + static_cast<int>(added.refused.size());
    dir.Write(std::string(LibraryFolder) + "/" + id + ".records", records);
    dir.Write(std::string(LibraryFolder) + "/index", records);
    Require(library.List().size() == 1, "a damaged index is made again");

    auto collection = library.Open(id, nullptr);
    Require(collection.has_value(), "an added collection opens");
    CheckOpened(*collection, count);
    const std::string moves = records.substr(0, records.find('\n'));
    const int number = collection->levels.front().number;
    const RecordedWin win = library.RecordWin(*collection, number, moves);
    Require(win.improvement.any() || !win.problem.empty() || collection->Record(number), "a win is recorded or answered");
    const auto again = library.Open(id, nullptr);
    Require(again && again->records == collection->records, "what was recorded reads back");
    Require(library.AddText(text, "again.txt").alreadyThere, "the same content is the same collection");
    return 0;
}
