#pragma once
// The best records of the game's own levels: the levels of the set, the self-edited levels and
// the other levels each have a records file of their own (levels/Records.h) in the folder
// "records" of the game directory, each level under its number, with the snapshot of the level
// when the player keeps one (the moves made so far in a level left unfinished). The solution file a win writes
// (the last win) stays beside them as it is. A record is shown or kept only when it replays to a
// win on its level as stored.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"
#include "levels/Records.h"

namespace tolvar {

enum class RecordGroup { Set, Self, Other };

inline constexpr const char* RecordsFolder = "records";

/// The records file of `group` in the game directory `gameDir`: "records/set.records",
/// "records/self.records" or "records/other.records".
std::string RecordsFilePath(const std::string& gameDir, RecordGroup group);

/// The level numbered `number` of a group as stored, or nothing when there is none.
using LevelLookup = std::function<std::optional<Level>(int number)>;

/// What recording a win did.
struct KeptWin {
    bool solves = false;      // the moves win the level as it is stored
    Improvement improvement;  // nothing when they do not, or are no better, or could not be written
    std::string problem;      // why the records could not be written; empty otherwise
};

/// One group's records file, read and checked: every record replayed on its level.
class GroupRecords {
public:
    /// Reads `path` (a missing file is an empty one); what could not be read or did not replay
    /// is dropped and said in problems().
    GroupRecords(std::string path, LevelLookup levelOf);

    const RecordMap& records() const { return records_; }
    const std::vector<std::string>& problems() const { return problems_; }
    /// The record of level `number`, or null.
    const LevelRecord* Find(int number) const;
    /// The snapshot of level `number` (moves that replay on it as stored), or null.
    const Solution* Snapshot(int number) const;
    /// Keeps `moves` as the snapshot of level `number` in place of the one before, and writes
    /// the file as RecordWin does; why not, in a sentence without a full stop, when it could not.
    std::string KeepSnapshot(int number, std::string_view moves);

    /// Keeps a win of level `number` by `moves` (the game's digits or the common notation) where
    /// it beats the record, and writes the file atomically; a worse win writes nothing. A file
    /// that had problems is first kept beside as "<path>.bad", as it was.
    KeptWin RecordWin(int number, std::string_view moves);

private:
    /// Writes `records` and `snapshots` over the file; false when it could not.
    bool Write(const RecordMap& records, const SnapshotMap& snapshots);

    std::string path_;
    LevelLookup levelOf_;
    RecordMap records_;
    SnapshotMap snapshots_;
    std::vector<std::string> problems_;
};

}  // namespace tolvar
