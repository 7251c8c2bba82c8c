// Snapshots: the position of an unfinished level kept in its group's records and brought back.
#include <gtest/gtest.h>

#include "assist/Assist.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::ReadFile;
using testing::TestGame;
using testing::WriteFile;

// Man (1, 1), a box (2, 1) three cells from its goal (5, 1), and a row of floor below.
const std::string Corridor = testing::Level({"1111111", "1642231", "1222221", "1111111"});

TEST(Snapshot, IsKeptBesideTheRecordAndBroughtBackAsMovesThatCountAndUndo)
{
    TestGame t({Corridor});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t.Play("09");  // down, right: no push yet
    assist.MenuCommand(MenuId::mnu_KeepSnapshot);
    EXPECT_NE(ReadFile(t.dir.file("records/set.records")).find("1 snapshot 2 0 dr\n"), std::string::npos);
    t.Play("7");
    assist.MenuCommand(MenuId::mnu_NewGame);
    ASSERT_EQ(t->StepCount(), 0);
    assist.MenuCommand(MenuId::mnu_BackToSnapshot);
    EXPECT_EQ(t->MoveHistory(), "09");
    EXPECT_EQ(t->StepCount(), 2);
    assist.MenuCommand(MenuId::mnu_TakeBack);
    EXPECT_EQ(t->MoveHistory(), "0");
}

TEST(Snapshot, ThatNoLongerReplaysIsDroppedAndSaid)
{
    TestGame t({Corridor});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    std::filesystem::create_directories(t.dir.file("records"));
    WriteFile(t.dir.file("records/set.records"), "1 snapshot 2 0 uu\n");  // into the wall
    assist.MenuCommand(MenuId::mnu_BackToSnapshot);
    EXPECT_EQ(t.desktop.dialogs.texts(), std::vector<std::string>{"This level has no snapshot kept."});
    EXPECT_EQ(t->StepCount(), 0);
}

}  // namespace
}  // namespace tolvar
