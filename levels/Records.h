#pragma once
// The records of solved levels: for each, its best solution by moves and its best by pushes, in
// the common notation (l u r d a walk, L U R D a push) with their counts. One records file holds
// the records of one group of levels, each level under its number in the group: a collection of
// the library now; the game's own set or the player's levels can have files of their own. A
// record is kept only when it replays to a win on its level.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"

namespace tolvar {

/// A records file larger than this is not read; a solution longer than this is no record.
constexpr std::size_t MaxRecordsBytes = 64u << 20;
constexpr std::size_t MaxSolutionMoves = 1000000;

struct Solution {
    std::string moves;  // the common notation, upper case where a move pushes
    int moveCount = 0;
    int pushCount = 0;
    bool operator==(const Solution&) const = default;
};

/// Better by moves: fewer moves, then fewer pushes. Better by pushes: fewer pushes, then fewer moves.
bool FewerMoves(const Solution& a, const Solution& b);
bool FewerPushes(const Solution& a, const Solution& b);

/// Plays `moves` (the common notation in either case, or the game's digits) from the start of
/// `level`: the solution as played, its case from the pushes made, when its last move wins the
/// level; nothing when a move is blocked or no move, or the level is not won by the last move
/// (not at all, or before it).
std::optional<Solution> CheckSolution(const Level& level, std::string_view moves);

struct LevelRecord {
    Solution byMoves;
    Solution byPushes;
    bool operator==(const LevelRecord&) const = default;
};

/// What a win changed in a record.
struct Improvement {
    bool first = false;   // the level had no record
    bool moves = false;   // a new best by moves
    bool pushes = false;  // a new best by pushes
    bool any() const { return first || moves || pushes; }
};

/// Records of one group of levels, by number.
using RecordMap = std::map<int, LevelRecord>;

/// Keeps `win` (a checked solution) in `records` for level `number` where it is better than what
/// is there; a worse win changes nothing.
Improvement KeepBetter(RecordMap& records, int number, const Solution& win);

/// A records file as read: what it says for each level, not yet replayed, and one sentence for
/// each line that could not be read.
struct RecordsRead {
    RecordMap records;
    std::vector<std::string> problems;
};

/// Reads the text of a records file. A line names a level, "moves" or "pushes", the counts and
/// the moves; lines starting with "#" and blank lines are comments.
RecordsRead ParseRecords(std::string_view text);

/// The text of a records file, readable, levels in order of their numbers.
std::string WriteRecords(const RecordMap& records);

/// Keeps of `read` only what replays to a win on its level (`levelOf` gives the level of a
/// number, or null when the group has none); counts and case come from the replay. A sentence
/// for everything dropped or corrected is added to read.problems.
template <typename LevelOf>
RecordMap CheckRecords(RecordsRead& read, LevelOf levelOf);

/// Checks one solution of a read record: the solution as replayed, or nothing with a problem
/// added (`what` names the record in the sentence).
std::optional<Solution> CheckRecordSolution(const Level* level, const Solution& stated, const std::string& what,
                                            std::vector<std::string>& problems);

template <typename LevelOf>
RecordMap CheckRecords(RecordsRead& read, LevelOf levelOf)
{
    RecordMap kept;
    for (const auto& [number, record] : read.records) {
        const Level* level = levelOf(number);
        const std::string name = "the record of level " + std::to_string(number);
        for (const Solution* stated : {&record.byMoves, &record.byPushes}) {
            if (stated->moves.empty())
                continue;
            if (const auto solution = CheckRecordSolution(level, *stated, name, read.problems))
                KeepBetter(kept, number, *solution);
        }
    }
    return kept;
}

}  // namespace tolvar
