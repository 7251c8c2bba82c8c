// The best records of the set's and the other levels: kept beside the solution file of the last
// win, replaced only by a better win.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"
#include "levels/LevelRecords.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;
using testing::WriteFile;

// Man (1, 2), the box (2, 2) three cells from its goal (5, 2): "999" wins in three moves.
const std::string Corridor = Level({"1111111", "1222221", "1642231", "1222221", "1111111"});

TEST(BestRecords, ALongerWinOfTheSetKeepsTheBetterRecordBesideTheLastSolution)
{
    TestGame t({Corridor, Corridor});
    t.Play("999");
    t->LevelNo = 1;
    t->mnu_NewGame_Click();
    t.Play("99799");  // five moves: the solution file keeps this last win
    EXPECT_EQ(ReadFile(t.dir.file("boxsol.1")), "99799");
    const std::string records = ReadFile(t.dir.file("records/set.records"));
    EXPECT_NE(records.find("1 moves 3 3 RRR\n"), std::string::npos) << records;
    EXPECT_EQ(records.find("RRlrR"), std::string::npos);
    EXPECT_TRUE(t.desktop.dialogs.messages.empty());
}

TEST(BestRecords, AnOtherLevelIsRecordedUnderItsNumberAndADamagedFileIsSaidAndKept)
{
    TestGame t({Corridor});
    WriteFile(t.dir.file("other.4"), Corridor);
    std::filesystem::create_directories(t.dir.file("records"));
    WriteFile(t.dir.file("records/other.records"), "4 moves 1 1 R\n");
    t->LoadOtherLevel("4");
    t.Play("999");
    EXPECT_NE(ReadFile(t.dir.file("records/other.records")).find("4 moves 3 3 RRR\n"), std::string::npos);
    EXPECT_EQ(ReadFile(t.dir.file("records/other.records.bad")), "4 moves 1 1 R\n");
    ASSERT_EQ(t.desktop.dialogs.messages.size(), 2u);  // the damaged records, then "Congratulations!"
    EXPECT_NE(t.desktop.dialogs.messages[0].text.find(".bad"), std::string::npos);
}

}  // namespace
}  // namespace tolvar
