// Records: a win is kept only where it beats the record, and a records file is believed only as
// far as its moves replay to a win.
#include <gtest/gtest.h>

#include "levels/LevelText.h"
#include "levels/Records.h"

namespace tolvar {
namespace {

/// A box two cells from its goal: "RRR" wins.
Level Corridor()
{
    std::string error;
    return *ReadLevel({"#######", "#     #", "#@$  .#", "#     #", "#######"}, &error);
}

TEST(Records, AWinIsKeptOnlyWhereItBeatsTheRecord)
{
    RecordMap records;
    struct Case {
        Solution win;
        bool first, byMoves, byPushes;
    };
    const std::vector<Case> wins = {
        {{"a", 40, 10}, true, false, false},
        {{"b", 30, 12}, false, true, false},  // fewer moves, more pushes
        {{"c", 50, 8}, false, false, true},   // fewer pushes, more moves
        {{"d", 30, 11}, false, true, false},  // as few moves, fewer pushes
        {{"e", 45, 8}, false, false, true},   // as few pushes, fewer moves
        {{"f", 30, 11}, false, false, false}, // as good: the record stays
        {{"g", 60, 20}, false, false, false}, // worse both ways
    };
    for (const Case& c : wins) {
        const Improvement got = KeepBetter(records, 7, c.win);
        EXPECT_EQ(got.first, c.first) << c.win.moves;
        EXPECT_EQ(got.moves, c.byMoves) << c.win.moves;
        EXPECT_EQ(got.pushes, c.byPushes) << c.win.moves;
    }
    EXPECT_EQ(records.at(7).byMoves.moves, "d");
    EXPECT_EQ(records.at(7).byPushes.moves, "e");
}

TEST(Records, ASolutionIsReadInEitherNotationAndItsCaseComesFromTheReplay)
{
    const Level level = Corridor();
    const std::vector<std::pair<std::string, std::optional<Solution>>> cases = {
        {"999", Solution{"RRR", 3, 3}},
        {"rrr", Solution{"RRR", 3, 3}},
        {"8999Ddd", std::nullopt},   // blocked
        {"RR", std::nullopt},        // not won
        {"RRRl", std::nullopt},      // won, then a move more: the last move does not win
        {"RxR", std::nullopt},       // no move
        {"", std::nullopt},
    };
    for (const auto& [moves, expected] : cases) EXPECT_EQ(CheckSolution(level, moves), expected) << moves;
}

TEST(Records, ADamagedOrHandEditedFileIsBelievedOnlyAsFarAsItReplays)
{
    const Level level = Corridor();
    RecordMap written;
    KeepBetter(written, 1, *CheckSolution(level, "RRlrR"));
    KeepBetter(written, 1, *CheckSolution(level, "RRR"));
    const std::string text = WriteRecords(written);
    RecordsRead roundTrip = ParseRecords(text);
    EXPECT_EQ(CheckRecords(roundTrip, [&](int) { return &level; }), written);
    EXPECT_TRUE(roundTrip.problems.empty());

    const std::string edited = "1 moves 2 0 rrr\n"      // counts and case wrong: corrected
                               "1 pushes 3 3 RRRR\n"    // blocked: dropped
                               "2 moves 3 3 RRR\n"      // no such level: dropped
                               "3 moves three 3 RRR\n"  // unreadable
                               "# a comment\n\n"
                               "4 pushes 3 3 R";        // truncated: does not win
    RecordsRead read = ParseRecords(edited);
    const RecordMap kept = CheckRecords(read, [&](int n) { return n == 2 ? nullptr : &level; });
    EXPECT_EQ(kept, (RecordMap{{1, {{"RRR", 3, 3}, {"RRR", 3, 3}}}}));
    const std::vector<std::string> said = {
        "line 4 of the records was not read: a number in it is not a count",
        "the record of level 1 was corrected: its counts or its pushes were not those of its moves",
        "the record of level 1 was dropped: its moves do not solve the level",
        "the record of level 2 was dropped: there is no such level",
        "the record of level 4 was dropped: its moves do not solve the level",
    };
    EXPECT_EQ(read.problems, said);
}

}  // namespace
}  // namespace tolvar
