// The records of the game's own groups of levels: only a better win replaces a record, and a
// damaged file is believed only as far as it replays, kept beside before it is replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "levels/LevelRecords.h"
#include "levels/LevelText.h"

namespace tolvar {
namespace {

namespace fs = std::filesystem;

/// Level 1: a box three cells from its goal: "RRR" wins, and so does "RRlrR" or "RlrRR".
std::optional<Level> Corridor(int number)
{
    std::string error;
    if (number != 1)
        return std::nullopt;
    return ReadLevel({"#######", "#     #", "#@$  .#", "#     #", "#######"}, &error);
}

struct Folder {
    fs::path dir = fs::temp_directory_path() / ("tolvar-records-" + std::to_string(::getpid()));
    Folder() { fs::remove_all(dir); }
    ~Folder() { fs::remove_all(dir); }
    std::string path() const { return RecordsFilePath(dir.string(), RecordGroup::Set); }
    void Write(const std::string& text) const
    {
        fs::create_directories(fs::path(path()).parent_path());
        std::ofstream(path(), std::ios::binary) << text;
    }
    std::string Read(const std::string& p) const
    {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST(LevelRecords, OnlyABetterWinReplacesTheRecordAndTheFileKeepsIt)
{
    Folder f;
    EXPECT_EQ(RecordsFilePath("/g", RecordGroup::Other), "/g/records/other.records");
    const std::vector<std::pair<std::string, bool>> wins = {
        {"RRlrR", true},   // no record yet
        {"RlrRR", false},  // as good: the record stays
        {"RRR", true},     // better by moves and by pushes
        {"RRlrR", false},  // worse
    };
    for (const auto& [moves, better] : wins) {
        GroupRecords records(f.path(), Corridor);
        const KeptWin kept = records.RecordWin(1, moves);
        EXPECT_EQ(kept.improvement.any(), better) << moves;
        EXPECT_TRUE(kept.problem.empty());
    }
    const GroupRecords read(f.path(), Corridor);
    ASSERT_NE(read.Find(1), nullptr);
    EXPECT_EQ(read.Find(1)->byMoves, (Solution{"RRR", 3, 3}));
    EXPECT_TRUE(read.problems().empty());
    GroupRecords again(f.path(), Corridor);
    EXPECT_FALSE(again.RecordWin(1, "RR").solves);
    EXPECT_FALSE(again.RecordWin(2, "RRR").solves);  // no such level
}

TEST(LevelRecords, ADamagedFileIsRefusedRecordByRecordAndKeptBesideWhenReplaced)
{
    Folder f;
    const std::string damaged = "1 moves 2 2 RR\n1 pushes 3 3 RRR\n7 moves 3 3 RRR\n\x01\x02 garbage\n";
    f.Write(damaged);
    GroupRecords records(f.path(), Corridor);
    EXPECT_EQ(records.problems().size(), 3u);  // no win, no level 7, a line not read
    ASSERT_NE(records.Find(1), nullptr);
    EXPECT_EQ(records.Find(1)->byMoves.moves, "RRR");  // the one that replays serves both ways
    EXPECT_EQ(records.Find(7), nullptr);
    EXPECT_FALSE(records.RecordWin(1, "RRlrR").improvement.any());
    EXPECT_EQ(f.Read(f.path()), damaged);  // a worse win writes nothing
}

TEST(LevelRecords, ATooLargeOrUnwritableFileLosesNothing)
{
    Folder f;
    f.Write("1 moves 3 3 RRR\n");
    fs::resize_file(f.path(), MaxRecordsBytes + 1);
    GroupRecords tooLarge(f.path(), Corridor);
    EXPECT_EQ(tooLarge.problems(), std::vector<std::string>{"the records file is too large to be read"});
    EXPECT_TRUE(tooLarge.RecordWin(1, "RRR").improvement.first);
    EXPECT_EQ(fs::file_size(f.path() + ".bad"), MaxRecordsBytes + 1);
    fs::remove_all(f.dir);
    fs::create_directories(f.dir);
    std::ofstream(f.dir / RecordsFolder) << "a file where the folder should be";
    GroupRecords unwritable(f.path(), Corridor);
    const KeptWin kept = unwritable.RecordWin(1, "RRR");
    EXPECT_TRUE(kept.solves);
    EXPECT_FALSE(kept.improvement.any());
    EXPECT_FALSE(kept.problem.empty());
}

}  // namespace
}  // namespace tolvar
