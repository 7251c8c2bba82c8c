// Undo takes back the last push, and only while the man has done nothing else since.
#include <gtest/gtest.h>

#include <functional>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::Row1;
using testing::TestGame;

struct UndoCase {
    const char* name;
    const char* row;
    const char* moves;     // played before the undos
    int undos;
    const char* rowAfter;
    int manXAfter;
    int steps;
    const char* history;
};

class Undo : public ::testing::TestWithParam<UndoCase> {};

TEST_P(Undo, takesBackExactlyTheLastPush)
{
    const UndoCase& c = GetParam();
    TestGame t({Level({"1111111111", c.row, "1311111111", "1111111111"})});
    t.Play(c.moves);
    for (int i = 0; i < c.undos; ++i)
        t->MenuCommand(MenuId::mnu_Undo);
    EXPECT_EQ(Row1(*t), c.rowAfter);
    EXPECT_EQ(t->ManX(), c.manXAfter);
    EXPECT_EQ(t->StepCount(), c.steps);
    EXPECT_EQ(t->MoveHistory(), c.history);
    EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_Undo));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Undo,
    ::testing::Values(
        UndoCase{"pushFromGoalOntoFloor", "1652222221", "9", 1, "1252222221", 1, 0, ""},
        UndoCase{"pushOntoGoal", "1643222221", "9", 1, "1243222221", 1, 0, ""},
        UndoCase{"pushThenWalkCannotBeUndone", "1642222221", "97", 1, "1224222221", 1, 2, "97"},
        UndoCase{"onlyTheSecondOfTwoPushes", "1642222221", "99", 2, "1224222221", 2, 1, "9"},
        UndoCase{"afterABlockedAttempt", "1642222221", "98", 1, "1242222221", 1, 0, ""}),
    [](const ::testing::TestParamInfo<UndoCase>& info) { return std::string(info.param.name); });

TEST(UndoTest, theManKeepsTheFacingOfABlockedAttempt)
{
    TestGame t({Level({"1111111111", "1642222221", "1311111111", "1111111111"})});
    t.Play("98");
    t->MenuCommand(MenuId::mnu_Undo);
    EXPECT_EQ(t->ManFrame, 4);
    EXPECT_EQ(t.CellPixel(1, 1), testing::SheetColour(testing::SpriteId, 4, 0));
    EXPECT_EQ(t.CellPixel(3, 1), testing::SheetColour(testing::ObjId, Floor, 0));
    EXPECT_EQ(t.desktop.sound.played.back(), "BOXUNDO.WAV");
}

TEST(UndoTest, lowersAStepCountHeldAtItsLimit)
{
    TestGame t({Level({"1111111111", "1642222221", "1311111111", "1111111111"})});
    t->ShowStepCount(9999);
    t.Play("9");
    t->MenuCommand(MenuId::mnu_Undo);
    EXPECT_EQ(t->StepCount(), 9998);
}

TEST(UndoTest, aBoxPutBackOnAGoalTurnsIntoABoxOnAGoalAtTheNextGoalFrame)
{
    TestGame t({Level({"1111111111", "1652222221", "1311111111", "1111111111"})});
    t.Play("9");
    t->MenuCommand(MenuId::mnu_Undo);
    EXPECT_EQ(t.CellPixel(2, 1), testing::SheetColour(testing::ObjId, Box, 0));
    t->tmr_Goal_Timer();
    EXPECT_EQ(t.CellPixel(2, 1), testing::SheetColour(testing::GoalId, t->GoalFrame - 1, 0));
}


// A push that could be undone, then something that puts another board in its place.
TEST(UndoTest, everyReplacementOfTheBoardEndsTheUndo)
{
    const std::string level = Level({"1111111111", "1642222221", "1311111111", "1111111111"});
    const std::pair<const char*, MenuId> replacements[] = {
        {"a self-edited level", MenuId::mnu_LoadSelf},
        {"an other level", MenuId::mnu_LoadOther},
        {"the editor", MenuId::mnu_Edit},
        {"a solution", MenuId::mnu_LoadOriginalSol},
    };
    for (const auto& [name, command] : replacements) {
        TestGame t({level});
        for (const char* file : {"self.1", "other.1"})
            testing::WriteFile(t.dir.file(file), level);
        testing::WriteFile(t.dir.file("boxsol.1"), "9");
        t.desktop.settings.values["SelfLevel"] = "1";
        t.Play("9");
        ASSERT_TRUE(t->menus.Enabled(MenuId::mnu_Undo)) << name;
        t.desktop.dialogs.typed = {"1"};
        t->MenuCommand(command);
        EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_Undo)) << name;
        const Grid before = t->Board();
        t->mnu_Undo_Click();
        EXPECT_EQ(t->Board(), before) << name;
    }
}

// The winning push of a test play or of an other level stays made.
TEST(UndoTest, theWinningPushCannotBeUndone)
{
    const std::string won = Level({"11111", "16431", "11111"});
    struct Case {
        const char* message;
        std::function<void(TestGame&)> start;
    };
    const Case cases[] = {
        {"Congratulations!",
         [&](TestGame& t) {
             testing::WriteFile(t.dir.file("other.1"), won);
             t.desktop.dialogs.typed = {"1"};
             t->MenuCommand(MenuId::mnu_LoadOther);
         }},
        {"Test over!",
         [&](TestGame& t) {
             testing::WriteFile(t.dir.file("self.1"), won);
             t.desktop.settings.values["SelfLevel"] = "1";
             t.desktop.dialogs.typed = {"1"};
             t->MenuCommand(MenuId::mnu_LoadSelf);
             t->btn_Test_Click();
         }},
    };
    for (const Case& c : cases) {
        TestGame t({won});
        c.start(t);
        t.Play("9");
        ASSERT_EQ(t.desktop.dialogs.messages.back().text, c.message);
        EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_Undo)) << c.message;
        const Grid before = t->Board();
        t->mnu_Undo_Click();
        EXPECT_EQ(t->Board(), before) << c.message;
    }
}

}  // namespace
}  // namespace tolvar
