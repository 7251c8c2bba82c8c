#include "levels/CollectionLibrary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "levels/AtomicFile.h"
#include "levels/CleanText.h"
#include "levels/LibraryIndex.h"

namespace tolvar {

namespace {

namespace fs = std::filesystem;

/// The endings of a collection's files in the library: its copy, the name of the file it was
/// added from, its records, and its records as they were before a damaged file was replaced.
constexpr const char* CopyEnding = ".txt";
constexpr const char* NameEnding = ".name";
constexpr const char* RecordsEnding = ".records";
constexpr const char* BadRecordsEnding = ".records.bad";
constexpr const char* IndexName = "index";

/// The whole of a small file, or nothing when it is missing, unreadable or larger than `limit`.
std::optional<std::string> ReadSmallFile(const fs::path& path, std::uintmax_t limit)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > limit || !fs::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

/// The ids of the collection copies in the folder.
std::set<std::string> StoredIds(const fs::path& folder)
{
    std::set<std::string> ids;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (path.extension() == CopyEnding && IsLibraryId(path.stem().string()))
            ids.insert(path.stem().string());
    }
    return ids;
}

/// Removes what an add or a remove cut short by a kill left behind: the files of a collection
/// whose copy is gone, and temporary files, once they are stale.
void SweepLeftovers(const fs::path& folder, const std::set<std::string>& ids)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string id = name.substr(0, name.find('.'));
        if (IsLibraryId(id) && (ids.count(id) == 0 || name.ends_with(".tmp")))
            RemoveWhenStale(it->path());
    }
}

/// The paths of a collection's files.
fs::path PathOf(const fs::path& folder, const std::string& id, const char* ending) { return folder / (id + ending); }

/// The records of `collection` from its records file, those that replay to a win.
void LoadRecords(const fs::path& folder, LibraryCollection& collection)
{
    const fs::path path = PathOf(folder, collection.summary.id, RecordsEnding);
    std::error_code ec;
    if (!fs::exists(path, ec))
        return;
    const auto text = ReadSmallFile(path, MaxRecordsBytes);
    if (!text) {
        collection.recordProblems.push_back("the records file cannot be read or is too large");
        return;
    }
    RecordsRead read = ParseRecords(*text);
    collection.records = CheckRecords(read, [&](int number) -> const Level* {
        const CollectionLevel* level = collection.Find(number);
        return level ? &level->level : nullptr;
    });
    collection.recordProblems = std::move(read.problems);
}

/// The collection `id` read from its files, records checked; the index is not asked.
std::optional<LibraryCollection> Load(const fs::path& folder, const std::string& id, std::string* problem)
{
    const auto fail = [problem](std::string why) -> std::optional<LibraryCollection> {
        if (problem)
            *problem = std::move(why);
        return std::nullopt;
    };
    if (!IsLibraryId(id))
        return fail("there is no collection \"" + id + "\" in the library");
    std::string error;
    const auto bytes = ReadCollectionBytes(PathOf(folder, id, CopyEnding).string(), &error);
    if (!bytes)
        return fail("the collection cannot be read: " + error);
    const std::string name = ReadSmallFile(PathOf(folder, id, NameEnding), 4096).value_or(id);
    auto text = ReadCollectionText(*bytes, name, &error);
    if (!text)
        return fail("the collection cannot be read: " + error);
    LibraryCollection collection;
    collection.summary = {id, std::move(text->title), std::move(text->author), static_cast<int>(text->levels.size()), 0};
    collection.levels = std::move(text->levels);
    collection.refused = std::move(text->refused);
    LoadRecords(folder, collection);
    collection.summary.solved = static_cast<int>(collection.records.size());
    return collection;
}

/// The index as stored, or nothing when it is missing or damaged.
std::optional<std::vector<CollectionSummary>> ReadIndex(const fs::path& folder)
{
    const auto text = ReadSmallFile(folder / IndexName, MaxCollectionBytes);
    return text ? ParseIndex(*text) : std::nullopt;
}

/// Puts `summary` into the index (in its place, or last), or takes the collection `id` out of it
/// (when `summary` is null). A missing or damaged index is left to List, which makes it again.
bool Reindex(const fs::path& folder, const std::string& id, const CollectionSummary* summary)
{
    auto index = ReadIndex(folder);
    std::error_code ec;
    if (!index && !fs::exists(folder / IndexName, ec) && StoredIds(folder).size() <= 1)
        index.emplace();  // the first collection of a new library: its index starts here
    if (!index)
        return true;  // a damaged index is made again from the files when the library is listed
    const auto it = std::find_if(index->begin(), index->end(), [&](const CollectionSummary& c) { return c.id == id; });
    if (!summary && it == index->end())
        return true;
    if (summary && it != index->end() && *it == *summary)
        return true;
    if (!summary)
        index->erase(it);
    else if (it != index->end())
        *it = *summary;
    else
        index->push_back(*summary);
    return WriteFileAtomically((folder / IndexName).string(), WriteIndex(*index));
}

/// The id of `text` in the library and whether it is there already: the first of its ids whose
/// copy holds the same content, else the first one free; an empty id when none is left.
std::pair<std::string, bool> PlaceFor(const fs::path& folder, std::string_view text)
{
    constexpr int Attempts = 100;  // other contents with the same hash: practically never one
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const std::string id = LibraryIdOf(text, attempt);
        const fs::path copy = PathOf(folder, id, CopyEnding);
        std::error_code ec;
        if (!fs::exists(copy, ec))
            return {id, false};
        if (ReadSmallFile(copy, MaxCollectionBytes) == text)
            return {id, true};
    }
    return {{}, false};
}

}  // namespace

const CollectionLevel* LibraryCollection::Find(int number) const
{
    const auto it = std::lower_bound(levels.begin(), levels.end(), number,
                                     [](const CollectionLevel& level, int n) { return level.number < n; });
    return it != levels.end() && it->number == number ? &*it : nullptr;
}

const LevelRecord* LibraryCollection::Record(int number) const
{
    const auto it = records.find(number);
    return it == records.end() ? nullptr : &it->second;
}

CollectionLibrary::CollectionLibrary(std::string gameDir) : gameDir_(std::move(gameDir)) {}

std::string CollectionLibrary::Folder() const { return (fs::path(gameDir_) / LibraryFolder).string(); }

std::vector<CollectionSummary> CollectionLibrary::List(std::string* problem) const
{
    const fs::path folder = Folder();
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return {};
    const std::set<std::string> ids = StoredIds(folder);
    SweepLeftovers(folder, ids);
    const auto index = ReadIndex(folder);
    std::vector<CollectionSummary> list;
    if (index)
        std::copy_if(index->begin(), index->end(), std::back_inserter(list),
                     [&](const CollectionSummary& c) { return ids.count(c.id) != 0; });
    if (index && list.size() == index->size() && list.size() == ids.size())
        return list;
    // Made again: the collections the index names, in its order, then the others found.
    for (const std::string& id : ids) {
        if (std::any_of(list.begin(), list.end(), [&](const CollectionSummary& c) { return c.id == id; }))
            continue;
        // One that cannot be read is listed all the same, by the name of its file, so that it can be removed.
        const auto collection = Load(folder, id, nullptr);
        const std::string name = ReadSmallFile(PathOf(folder, id, NameEnding), 4096).value_or(id);
        list.push_back(collection ? collection->summary : CollectionSummary{id, CleanText(name), {}, 0, 0});
    }
    if (!WriteFileAtomically((folder / IndexName).string(), WriteIndex(list)) && problem)
        *problem = "the library's index cannot be written in " + folder.string();
    return list;
}

AddedCollection CollectionLibrary::Add(const std::string& path)
{
    std::string error;
    const auto bytes = ReadCollectionBytes(path, &error);
    if (!bytes) {
        AddedCollection added;
        added.problem = error;
        return added;
    }
    return AddText(*bytes, path);
}

AddedCollection CollectionLibrary::AddText(std::string_view text, std::string_view fileName)
{
    AddedCollection added;
    const fs::path folder = Folder();
    const auto [id, there] = PlaceFor(folder, text);
    if (there) {
        added.alreadyThere = true;
        const fs::path nameFile = PathOf(folder, id, NameEnding);
        std::error_code ec;
        if (!fs::exists(nameFile, ec))  // an add cut short before the name was written
            WriteFileAtomically(nameFile.string(), std::string(fileName.substr(std::min(fileName.size(), fileName.find_last_of('/') + 1))));
        if (auto collection = Open(id, &added.problem)) {
            added.summary = collection->summary;
            added.refused = std::move(collection->refused);
        }
        return added;
    }
    auto read = ReadCollectionText(text, fileName, &added.problem);
    if (!read)
        return added;
    added.refused = read->refused;
    if (read->levels.empty()) {
        added.problem = "no level of the file opens";
        return added;
    }
    if (id.empty()) {
        added.problem = "the library holds too many other collections like it";
        return added;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string name(fileName.substr(std::min(fileName.size(), fileName.find_last_of('/') + 1)));
    // The copy first: a collection is there once its copy is, and a kill before it leaves nothing.
    if (!WriteFileAtomically(PathOf(folder, id, CopyEnding).string(), std::string(text)) ||
        !WriteFileAtomically(PathOf(folder, id, NameEnding).string(), name)) {
        fs::remove(PathOf(folder, id, CopyEnding), ec);
        added.problem = "the collection cannot be written in " + folder.string();
        return added;
    }
    added.summary = CollectionSummary{id, read->title, read->author, static_cast<int>(read->levels.size()), 0};
    if (!Reindex(folder, id, &*added.summary))
        added.problem = "the library's index cannot be written in " + folder.string();
    return added;
}

std::optional<LibraryCollection> CollectionLibrary::Open(const std::string& id, std::string* problem) const
{
    auto collection = Load(Folder(), id, problem);
    if (collection)
        Reindex(Folder(), id, &collection->summary);
    return collection;
}

bool CollectionLibrary::Remove(const std::string& id, std::string* problem)
{
    const fs::path folder = Folder();
    std::error_code ec;
    if (!IsLibraryId(id) || !fs::exists(PathOf(folder, id, CopyEnding), ec)) {
        if (problem)
            *problem = "there is no collection \"" + id + "\" in the library";
        return false;
    }
    // The copy goes last: until it goes the collection is there, and a kill before leaves no
    // files of a collection that is not.
    for (const char* ending : {RecordsEnding, BadRecordsEnding, NameEnding, CopyEnding}) {
        fs::remove(PathOf(folder, id, ending), ec);
        if (ec && ending == CopyEnding) {
            if (problem)
                *problem = "the collection cannot be removed from " + folder.string();
            return false;
        }
    }
    Reindex(folder, id, nullptr);
    return true;
}

RecordedWin CollectionLibrary::RecordWin(LibraryCollection& collection, int number, std::string_view moves)
{
    RecordedWin result;
    const CollectionLevel* level = collection.Find(number);
    const auto win = level ? CheckSolution(level->level, moves) : std::nullopt;
    if (!win) {
        result.problem = "the moves do not solve level " + std::to_string(number);
        return result;
    }
    RecordMap records = collection.records;
    result.improvement = KeepBetter(records, number, *win);
    if (!result.improvement.any())
        return result;
    const fs::path folder = Folder();
    const fs::path path = PathOf(folder, collection.summary.id, RecordsEnding);
    std::error_code ec;
    if (!fs::exists(PathOf(folder, collection.summary.id, CopyEnding), ec)) {
        result.improvement = {};
        result.problem = "the collection is no longer in the library";
        return result;
    }
    // A records file that was not read whole is kept beside, as it was, before it is replaced.
    if (!collection.recordProblems.empty() && fs::exists(path, ec))
        fs::copy_file(path, PathOf(folder, collection.summary.id, BadRecordsEnding), fs::copy_options::overwrite_existing,
                      ec);
    if (ec || !WriteFileAtomically(path.string(), WriteRecords(records))) {
        result.improvement = {};
        result.problem = "the records cannot be written in " + folder.string();
        return result;
    }
    collection.records = std::move(records);
    collection.recordProblems.clear();
    collection.summary.solved = static_cast<int>(collection.records.size());
    Reindex(folder, collection.summary.id, &collection.summary);
    return result;
}

int NextUnsolved(const LibraryCollection& collection, int after)
{
    const auto& levels = collection.levels;
    const auto start = std::upper_bound(levels.begin(), levels.end(), after,
                                        [](int n, const CollectionLevel& level) { return n < level.number; });
    const auto unsolved = [&](const CollectionLevel& level) { return collection.records.count(level.number) == 0; };
    if (const auto it = std::find_if(start, levels.end(), unsolved); it != levels.end())
        return it->number;
    const auto it = std::find_if(levels.begin(), start, unsolved);
    return it != start ? it->number : 0;
}

}  // namespace tolvar
