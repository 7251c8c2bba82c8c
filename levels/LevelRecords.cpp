#include "levels/LevelRecords.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "levels/AtomicFile.h"

namespace tolvar {

namespace fs = std::filesystem;

std::string RecordsFilePath(const std::string& gameDir, RecordGroup group)
{
    const char* name = group == RecordGroup::Set ? "set.records" : group == RecordGroup::Self ? "self.records" : "other.records";
    return (fs::path(gameDir) / RecordsFolder / name).string();
}

namespace {

/// The text of the records file at `path`: empty when there is none; nothing (with the reason)
/// when it cannot be read or is too large to be.
std::optional<std::string> ReadRecordsText(const std::string& path, std::vector<std::string>& problems)
{
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec)
        return std::string();
    const auto size = fs::file_size(path, ec);
    if (ec || size > MaxRecordsBytes) {
        problems.push_back(ec ? "the records file cannot be read" : "the records file is too large to be read");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        problems.push_back("the records file cannot be read");
        return std::nullopt;
    }
    return text;
}

}  // namespace

GroupRecords::GroupRecords(std::string path, LevelLookup levelOf) : path_(std::move(path)), levelOf_(std::move(levelOf))
{
    const std::optional<std::string> text = ReadRecordsText(path_, problems_);
    if (!text)
        return;
    RecordsRead read = ParseRecords(*text);
    std::map<int, std::optional<Level>> levels;  // each level read once
    const auto levelAt = [&](int number) -> const Level* {
        auto [it, added] = levels.try_emplace(number);
        if (added)
            it->second = levelOf_(number);
        return it->second ? &*it->second : nullptr;
    };
    records_ = CheckRecords(read, levelAt);
    for (const auto& [number, stated] : read.snapshots) {
        const Level* level = levelAt(number);
        if (const auto position = level ? CheckPosition(*level, stated.moves) : std::nullopt)
            snapshots_[number] = *position;
        else
            read.problems.push_back("the snapshot of level " + std::to_string(number) + " was dropped: its moves do not replay on the level");
    }
    problems_.insert(problems_.end(), read.problems.begin(), read.problems.end());
}

const LevelRecord* GroupRecords::Find(int number) const
{
    const auto it = records_.find(number);
    return it == records_.end() ? nullptr : &it->second;
}

KeptWin GroupRecords::RecordWin(int number, std::string_view moves)
{
    KeptWin result;
    const std::optional<Level> level = levelOf_(number);
    const auto win = level ? CheckSolution(*level, moves) : std::nullopt;
    result.solves = win.has_value();
    if (!win)
        return result;
    RecordMap records = records_;
    result.improvement = KeepBetter(records, number, *win);
    if (!result.improvement.any())
        return result;
    if (!Write(records, snapshots_)) {
        result.improvement = {};
        result.problem = "the records cannot be written as " + path_;
    }
    return result;
}

const Solution* GroupRecords::Snapshot(int number) const
{
    const auto it = snapshots_.find(number);
    return it == snapshots_.end() ? nullptr : &it->second;
}

std::string GroupRecords::KeepSnapshot(int number, std::string_view moves)
{
    const std::optional<Level> level = levelOf_(number);
    const auto position = level ? CheckPosition(*level, moves) : std::nullopt;
    if (!position)
        return "the moves made do not replay on level " + std::to_string(number) + " as it is stored";
    SnapshotMap snapshots = snapshots_;
    snapshots[number] = *position;
    return Write(records_, snapshots) ? std::string() : "the records cannot be written as " + path_;
}

bool GroupRecords::Write(const RecordMap& records, const SnapshotMap& snapshots)
{
    std::error_code ec;
    fs::create_directories(fs::path(path_).parent_path(), ec);
    if (!problems_.empty() && fs::exists(path_, ec))
        fs::copy_file(path_, path_ + ".bad", fs::copy_options::overwrite_existing, ec);
    if (ec || !WriteFileAtomically(path_, WriteRecords(records, snapshots)))
        return false;
    records_ = records;
    snapshots_ = snapshots;
    problems_.clear();
    return true;
}

}  // namespace tolvar
