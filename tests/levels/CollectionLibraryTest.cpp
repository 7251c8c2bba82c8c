// The library in a game directory: a collection added twice is one collection, wins are kept
// across openings, damaged files are answered, and removing takes its records too.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "levels/CollectionLibrary.h"

namespace tolvar {
namespace {

namespace fs = std::filesystem;

class Library : public ::testing::Test {
protected:
    Library() : dir(fs::temp_directory_path() / ("tolvar-library-" + std::to_string(::getpid()))), library(dir.string())
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Library() override { fs::remove_all(dir); }

    static void Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    /// The names of the files in the library's folder.
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(library.Folder())) names.insert(entry.path().filename().string());
        return names;
    }
    std::string Add(const std::string& text, const std::string& name = "rooms.txt")
    {
        const auto added = library.AddText(text, name);
        EXPECT_TRUE(added.summary) << added.problem;
        return added.summary ? added.summary->id : "";
    }

    fs::path dir;
    CollectionLibrary library;
    // Four levels, each won by "RRR" (3 moves, 3 pushes) but the second, which is refused.
    const std::string three = "Title: Rooms\n#######\n#@$  .#\n#######\n\n#####\n#@$$.#\n#####\n\n"
                              "#######\n#@$  .#\n#######\n\n#######\n#@$  .#\n#######\n";
};

TEST_F(Library, TheSameContentAddedAgainIsTheSameCollection)
{
    const auto first = library.AddText(three, "/tmp/a.txt");
    const auto again = library.AddText(three, "/elsewhere/b.xsb");
    ASSERT_TRUE(first.summary && again.summary);
    EXPECT_FALSE(first.alreadyThere);
    EXPECT_TRUE(Files().count("index")) << "a new library is indexed from its first collection on";
    EXPECT_TRUE(again.alreadyThere);
    EXPECT_EQ(*again.summary, *first.summary);
    EXPECT_EQ(first.summary->levels, 3);
    ASSERT_EQ(first.refused.size(), 1u);
    EXPECT_EQ(first.refused[0].number, 2);
    const std::string other = Add("#####\n#@$.#\n#####\n", "/x/Other One.sok");
    const auto list = library.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].title, "Rooms");
    EXPECT_EQ(list[1].title, "Other One");
    EXPECT_EQ(Files().size(), 5u) << "two copies, two names and the index";
}

TEST_F(Library, WinsAreKeptAcrossOpeningsAndCountedInTheList)
{
    const std::string id = Add(three);
    auto collection = library.Open(id, nullptr);
    ASSERT_TRUE(collection);
    EXPECT_EQ(NextUnsolved(*collection, 0), 1);
    EXPECT_TRUE(library.RecordWin(*collection, 3, "999").improvement.first);
    EXPECT_FALSE(library.RecordWin(*collection, 3, "RRlrR").improvement.any()) << "a worse win changes nothing";
    EXPECT_NE(library.RecordWin(*collection, 4, "RR").problem, "") << "no win";
    EXPECT_NE(library.RecordWin(*collection, 2, "RRR").problem, "") << "a refused level has no record";

    const auto again = library.Open(id, nullptr);
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->Record(3));
    EXPECT_EQ(again->Record(3)->byMoves, (Solution{"RRR", 3, 3}));
    EXPECT_EQ(library.List().at(0).solved, 1);
    const std::vector<std::pair<int, int>> next = {{0, 1}, {1, 4}, {3, 4}, {4, 1}, {99, 1}};
    for (const auto& [after, expected] : next) EXPECT_EQ(NextUnsolved(*again, after), expected) << after;
}

TEST_F(Library, NextUnsolvedGoesRoundAndEndsWhenAllAreSolved)
{
    auto collection = library.Open(Add(three), nullptr);
    ASSERT_TRUE(collection);
    for (int n : {1, 4}) library.RecordWin(*collection, n, "RRR");
    EXPECT_EQ(NextUnsolved(*collection, 3), 3) << "the level itself, last";
    library.RecordWin(*collection, 3, "RRR");
    EXPECT_EQ(NextUnsolved(*collection, 3), 0);
}

TEST_F(Library, ADamagedRecordsFileIsAnsweredAndKeptBesideWhenReplaced)
{
    const std::string id = Add(three);
    const fs::path records = fs::path(library.Folder()) / (id + ".records");
    const std::string damaged = "1 moves 3 3 RRR\n3 moves 3 3 RRRRRRR\n4 pushes 3 3 RR";
    Write(records, damaged);
    auto collection = library.Open(id, nullptr);
    ASSERT_TRUE(collection);
    EXPECT_TRUE(collection->Record(1));
    EXPECT_FALSE(collection->Record(3));
    EXPECT_EQ(collection->recordProblems.size(), 2u);
    EXPECT_EQ(Read(records), damaged) << "opening changes nothing";
    library.RecordWin(*collection, 4, "RRR");
    EXPECT_EQ(Read(fs::path(library.Folder()) / (id + ".records.bad")), damaged);
    EXPECT_EQ(library.Open(id, nullptr)->records.size(), 2u);
}

TEST_F(Library, ADamagedIndexIsMadeAgainAndRemovingTakesTheRecords)
{
    const std::string a = Add(three, "a.txt"), b = Add("#####\n#@$.#\n#####\n", "b.txt");
    auto collection = library.Open(b, nullptr);
    library.RecordWin(*collection, 1, "r");
    const fs::path index = fs::path(library.Folder()) / "index";
    for (const char* damage : {"garbage\n", "", "x\t1\t0\tT\t\n"}) {
        Write(index, damage);
        const auto list = library.List();
        ASSERT_EQ(list.size(), 2u) << damage;
        EXPECT_EQ(list[0].id == b ? list[0].solved : list[1].solved, 1) << damage;
        EXPECT_EQ(list[0].id == a ? list[0].title : list[1].title, "Rooms") << damage;
    }
    const fs::path copyOfB = fs::path(library.Folder()) / (b + ".txt");
    Write(copyOfB, std::string(MaxCollectionBytes + 1, ' '));  // damaged: it no longer opens
    Write(index, "");
    const auto list = library.List();
    ASSERT_EQ(list.size(), 2u) << "a collection that no longer opens is listed, to be removed";
    EXPECT_EQ((list[0].id == b ? list[0] : list[1]).title, "b.txt");
    std::string problem;
    EXPECT_FALSE(library.Open(b, &problem));
    EXPECT_NE(problem.find("too large"), std::string::npos) << problem;
    EXPECT_TRUE(library.Remove(b, &problem)) << problem;
    collection->records.clear();  // as if not won yet when it was removed
    EXPECT_NE(library.RecordWin(*collection, 1, "r").problem, "") << "no records left behind";
    EXPECT_FALSE(library.Remove(b, &problem));
    EXPECT_FALSE(library.Remove("../../etc/passwd", &problem));
    ASSERT_EQ(library.List().size(), 1u);
    EXPECT_EQ(Files(), (std::set<std::string>{a + ".txt", a + ".name", "index"}));
}

TEST_F(Library, AFileThatCannotBeAddedLeavesNoTrace)
{
    for (const char* text : {"", "no levels here\n", "#####\n# $.#\n#####\n"}) {
        const auto added = library.AddText(text, "bad.txt");
        EXPECT_FALSE(added.summary);
        EXPECT_NE(added.problem, "");
    }
    EXPECT_FALSE(library.Add((dir / "missing.txt").string()).summary);
    const fs::path huge = dir / "huge.txt";
    Write(huge, "#####\n#@$.#\n#####\n");
    fs::resize_file(huge, 50u << 20);  // 50 MB, never read
    EXPECT_NE(library.Add(huge.string()).problem.find("too large for a collection of levels (50 MB"), std::string::npos);
    EXPECT_FALSE(fs::exists(library.Folder()));
}

}  // namespace
}  // namespace tolvar
