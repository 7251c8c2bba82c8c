// Every kind of write the game makes is killed with SIGKILL at hundreds of instants, cut off by a
// full disk and refused by a read-only folder. After each, the file holds exactly its old content
// or its new one, and no more than one temporary file is left beside it.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/IniSettings.h"
#include "levels/AtomicFile.h"
#include "levels/CollectionImport.h"
#include "levels/CollectionLibrary.h"
#include "levels/LevelRecords.h"
#include "levels/LevelText.h"

namespace tolvar {
namespace {

namespace fs = std::filesystem;

/// Two versions of a file, large enough that a kill often lands inside the write.
std::string Version(int round) { return std::string(static_cast<std::size_t>(300000 + round % 2 * 1000), round % 2 ? 'b' : 'a'); }

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Writer {
    const char* name;
    const char* file;
    /// Writes version `round` of the file; false when the write failed.
    std::function<bool(const fs::path& file, int round)> write;
    /// The version the file holds as it is read back: 0, 1, or -1 for anything else.
    std::function<int(const fs::path& file)> held;
};

void PrintTo(const Writer& writer, std::ostream* out) { *out << writer.name; }

int HeldAsIs(const fs::path& file)
{
    const std::string text = Read(file);
    return text == Version(0) ? 0 : text == Version(1) ? 1 : -1;
}

int HeldInSettings(const fs::path& file)
{
    const std::optional<std::string> value = ini::Find(Read(file), "Box", "Level");
    return value == Version(0) ? 0 : value == Version(1) ? 1 : -1;
}

// A level of the set whose snapshot is a long walk to and fro: version 0 starts to the right,
// version 1 to the left, each about as long as the other versions above.
std::optional<Level> Corridor(int)
{
    return LevelFromRows({"#######", "#  @  #", "#.$   #", "#######"}, nullptr);
}
std::string Walk(int round)
{
    std::string walk;
    for (int i = 0; i < 75000; ++i) walk += round % 2 ? "lr" : "rl";
    return walk;
}


int HeldAsSnapshot(const fs::path& file)
{
    const GroupRecords read(file.string(), Corridor);
    const Solution* kept = read.Snapshot(1);
    return !read.problems().empty() || !kept ? -1 : kept->moves == Walk(0) ? 0 : kept->moves == Walk(1) ? 1 : -1;
}

const Writer Writers[] = {
    {"levelAndSolutionFiles", "other.1", [](const fs::path& f, int r) { return WriteFileAtomically(f, Version(r)); }, HeldAsIs},
    {"settingsFile", "tolvar.ini",
     [](const fs::path& f, int r) { return IniSettings(QString::fromStdString(f.string())).SetValue("Level", Version(r)); },
     HeldInSettings},
    {"recordsAndSnapshots", "set.records",
     [](const fs::path& f, int r) { return GroupRecords(f.string(), Corridor).KeepSnapshot(1, Walk(r)).empty(); }, HeldAsSnapshot},
};

class Durability : public ::testing::TestWithParam<Writer> {
protected:
    fs::path dir = fs::temp_directory_path() / ("tolvar-durability-" + std::to_string(::getpid()));
    fs::path file;

    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / GetParam().file;
        ASSERT_TRUE(GetParam().write(file, 0));
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    /// Runs `child` in a process of its own; its exit status.
    static int InChild(const std::function<int()>& child)
    {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(child());
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    /// Only the file and at most its one temporary name are in the folder.
    void ExpectNothingElse()
    {
        int others = 0;
        for (const fs::directory_entry& e : fs::directory_iterator(dir))
            others += e.path() != file && e.path() != fs::path(file.string() + ".tmp") ? 1 : 0;
        EXPECT_EQ(others, 0);
    }
};

TEST_P(Durability, aKillAtAnyInstantLeavesTheOldContentOrTheNew)
{
    std::mt19937 random(12345);
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int round = 1;; ++round)
                GetParam().write(file, round);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ASSERT_NE(GetParam().held(file), -1) << "after kill " << kill;
    }
    ExpectNothingElse();
    EXPECT_TRUE(GetParam().write(file, 1));  // the next write takes over what a kill left behind
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));
}

TEST_P(Durability, aFullDiskOrAReadOnlyFolderKeepsTheOldContent)
{
    const int fullDisk = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100000, 100000};  // writes past 100 kB fail as on a full disk
        ::setrlimit(RLIMIT_FSIZE, &small);
        return GetParam().write(file, 1) ? 1 : 0;
    });
    EXPECT_EQ(fullDisk, 0);
    EXPECT_EQ(GetParam().held(file), 0);
    ExpectNothingElse();
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));

    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::others_read |
                             fs::perms::others_exec);
    const int readOnly = InChild([&] {
        if (::geteuid() == 0 && ::setuid(65534) != 0)  // the superuser writes anywhere: write as nobody
            return 2;
        return GetParam().write(file, 1) ? 1 : 0;
    });
    EXPECT_EQ(readOnly, 0);
    EXPECT_EQ(GetParam().held(file), 0);
}

// The library's writes (a collection's copy, its records, the index) killed while wins are
// recorded and a second collection is added and removed: the next start lists and opens every
// collection without a complaint, and no file but the library's own is left in its folder.
TEST(LibraryDurability, aKillWhileRecordingOrAddingLeavesALibraryThatOpensCleanly)
{
    const fs::path dir = fs::temp_directory_path() / ("tolvar-library-kill-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    std::string text;
    for (int i = 1; i <= 1500; ++i)
        text += "; " + std::to_string(i) + "\n#####\n#@$.#\n#####\n\n";
    const std::string id = CollectionLibrary(dir.string()).AddText(text, "big.txt").summary->id;
    const std::string small = text.substr(0, text.size() / 3) + "; another\n";
    std::mt19937 random(54321);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            CollectionLibrary library(dir.string());
            std::optional<LibraryCollection> opened = library.Open(id, nullptr);
            for (int n = 1 + kill * 7 % 1500;; n = n % 1500 + 1) {
                library.RecordWin(*opened, n, n % 2 ? "R" : "r");
                const std::optional<CollectionSummary> added = library.AddText(small + "#####\n#@$.#\n#####\n", "small.txt").summary;
                if (added)
                    library.Remove(added->id, nullptr);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        std::string problem;
        const std::vector<CollectionSummary> listed = CollectionLibrary(dir.string()).List(&problem);
        ASSERT_EQ(problem, "") << "after kill " << kill;
        for (const CollectionSummary& c : listed) {
            const std::optional<LibraryCollection> opened = CollectionLibrary(dir.string()).Open(c.id, &problem);
            ASSERT_TRUE(opened) << problem << " after kill " << kill;
            ASSERT_EQ(opened->recordProblems, std::vector<std::string>{}) << "after kill " << kill;
        }
    }
    // What the kills left behind goes once it has lain a minute: nothing is left to grow.
    for (const fs::directory_entry& e : fs::directory_iterator(dir / LibraryFolder))
        fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    std::set<std::string> files{"index"};
    for (const CollectionSummary& c : CollectionLibrary(dir.string()).List())
        for (const char* ending : {".txt", ".name", ".records"})
            files.insert(c.id + ending);
    for (const fs::directory_entry& e : fs::directory_iterator(dir / LibraryFolder))
        EXPECT_EQ(files.count(e.path().filename().string()), 1u) << e.path();
    fs::remove_all(dir);
}

// The level tool's import killed part-way through a collection: every level file it made is a
// whole level of the collection, and what the kills left goes with the next import once stale.
TEST(ImportDurability, aKillDuringAnImportLeavesWholeLevelsAndNothingToGrow)
{
    const fs::path dir = fs::temp_directory_path() / ("tolvar-import-kill-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string text;
    std::set<std::string> levels;
    for (int i = 1; i <= 14; ++i) {  // as wide as the board allows
        const std::string row = "#" + std::string(static_cast<std::size_t>(i), ' ') + "@$.#";
        text += std::string(row.size(), '#') + "\n" + row + "\n" + std::string(row.size(), '#') + "\n\n";
        levels.insert(LevelFromRows({std::string(row.size(), '#'), row, std::string(row.size(), '#')}, nullptr)->ToText());
    }
    std::mt19937 random(777);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t pid = ::fork();
        if (pid == 0)
            for (;;)
                ImportCollectionText(text, dir.string());
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
            const std::string name = e.path().filename().string();
            if (!name.starts_with(".other.import."))
                ASSERT_EQ(levels.count(Read(e.path())), 1u) << name << " after kill " << kill;
        }
    }
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    EXPECT_EQ(ImportCollectionText(text, dir.string()).numbers.size(), 14u);
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        EXPECT_FALSE(e.path().filename().string().starts_with(".other.import.")) << e.path();
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, Durability, ::testing::ValuesIn(Writers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvar
