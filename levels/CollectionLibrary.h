#pragma once
// The player's library of level collections, in the folder "collections" of the game directory:
// a copy of each collection file added, named by its content (the same content added again is
// the same collection), its records file beside it, and an index that lists them all without
// reading them. Every write is atomic; nothing is written outside that folder, and no stored
// file is named from what the player typed or a file held.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/CollectionText.h"
#include "levels/Records.h"

namespace tolvar {

/// The folder of the library in the game directory.
inline constexpr const char* LibraryFolder = "collections";

/// A collection as the library lists it.
struct CollectionSummary {
    std::string id;      // the library's name for it, from a hash of the content: hex digits, maybe "-N"
    std::string title;   // see CollectionText
    std::string author;
    int levels = 0;      // the levels that open (refused ones are not counted)
    int solved = 0;      // of which solved (with a record that replays to a win)
    bool operator==(const CollectionSummary&) const = default;
};

/// A collection opened for play: its levels, and its records that replay to a win.
struct LibraryCollection {
    CollectionSummary summary;
    std::vector<CollectionLevel> levels;  // in the order of the file, numbers ascending
    std::vector<LevelRefusal> refused;
    RecordMap records;                    // by level number
    /// What of the records file was not kept or was corrected, one sentence each. The file stays
    /// as it is until the next win is recorded; then it is saved beside as "<id>.records.bad".
    std::vector<std::string> recordProblems;

    /// The level numbered `number`, or null.
    const CollectionLevel* Find(int number) const;
    /// The record of level `number`, or null when it is not solved.
    const LevelRecord* Record(int number) const;
};

/// What adding a file did.
struct AddedCollection {
    std::optional<CollectionSummary> summary;  // nothing when the file could not be added
    bool alreadyThere = false;                 // the same content was added before: nothing new was written
    std::vector<LevelRefusal> refused;         // levels of the file that do not open
    std::string problem;                       // why it could not be added; empty otherwise
};

/// What recording a win did.
struct RecordedWin {
    Improvement improvement;  // nothing when the moves do not win the level, or are worse
    std::string problem;      // why the records could not be written, or the moves are no win
};

class CollectionLibrary {
public:
    /// The library of the game directory `gameDir`; its folder is made at the first Add.
    explicit CollectionLibrary(std::string gameDir);

    /// Every collection in the order they were added, from the index. A damaged or missing index,
    /// or one that disagrees with the folder, is made again from the files (and written back); a
    /// collection that cannot be read is listed by its file's name with no level (Open says why).
    /// *problem (when given) says what could not be read or written.
    std::vector<CollectionSummary> List(std::string* problem = nullptr) const;

    /// Adds a copy of the collection file at `path` (its name gives the title when the file names
    /// none); the same content added again returns the collection added before.
    AddedCollection Add(const std::string& path);
    /// The same for a collection's text.
    AddedCollection AddText(std::string_view text, std::string_view fileName);

    /// Opens the collection `id` (one of List's); nothing, with the reason in *problem, when it is
    /// not there or cannot be read. The index learns the counts found.
    std::optional<LibraryCollection> Open(const std::string& id, std::string* problem) const;

    /// Removes the collection `id` with its records. False, with the reason, when it could not.
    bool Remove(const std::string& id, std::string* problem);

    /// Records a win of level `number` of the opened `collection` by `moves` (the game's digits or
    /// the common notation): replayed on the level, kept where it beats the record, and the
    /// records file and the index written atomically. A worse win changes nothing.
    RecordedWin RecordWin(LibraryCollection& collection, int number, std::string_view moves);

    /// The folder of the library.
    std::string Folder() const;

private:
    std::string gameDir_;
};

/// The number of the first level after `after` in `collection` that has no record, going round
/// to the first level (and to `after` itself last); 0 when every level is solved.
int NextUnsolved(const LibraryCollection& collection, int after);

}  // namespace tolvar
