// Walking, pushing and blocking, each judged on row 1 of a one-row level.
#include <gtest/gtest.h>

#include <cstring>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::Row1;
using testing::TestGame;

struct MoveCase {
    const char* name;
    const char* row;          // row 1 of the level; the extra goal in row 2 keeps it unwon
    const char* moves;
    const char* rowAfter;
    int manXAfter;
    std::vector<std::string> sounds;
    bool undoEnabled;
    int steps;
    const char* history;
};

class Moves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Moves, changeTheBoardAsTheRulesSay)
{
    const MoveCase& c = GetParam();
    TestGame t({Level({"1111111111", c.row, "1311111111", "1111111111"})});
    t.desktop.sound.played.clear();
    t.Play(c.moves);
    EXPECT_EQ(Row1(*t), c.rowAfter);
    EXPECT_EQ(t->ManX(), c.manXAfter);
    EXPECT_EQ(t.desktop.sound.played, c.sounds);
    EXPECT_EQ(t->menus.Enabled(MenuId::mnu_Undo), c.undoEnabled);
    EXPECT_EQ(t->StepCount(), c.steps);
    EXPECT_EQ(t->MoveHistory(), c.history);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Moves,
    ::testing::Values(
        MoveCase{"walkOntoFloor", "1622222221", "9", "1222222221", 2, {}, false, 1, "9"},
        MoveCase{"walkIntoWallIsBlocked", "1622222221", "7", "1222222221", 1, {}, false, 0, ""},
        MoveCase{"pushOntoFloor", "1642222221", "9", "1224222221", 2, {"BOXMOVE.WAV"}, true, 1, "9"},
        MoveCase{"pushOntoGoalPlaysTheGoalSoundOnly", "1643222221", "9", "1225222221", 2, {"BOXGOAL.WAV"}, true, 1, "9"},
        MoveCase{"pushFromGoalOntoFloorLeavesTheGoal", "1652222221", "9", "1234222221", 2, {"BOXMOVE.WAV"}, true, 1, "9"},
        MoveCase{"twoBoxesInARowAreBlocked", "1644222221", "9", "1244222221", 1, {}, false, 0, ""},
        MoveCase{"boxIntoWallIsBlocked", "1222222641", "9", "1222222241", 7, {}, false, 0, ""},
        MoveCase{"walkAfterPushDisablesUndo", "1642222221", "97", "1224222221", 1, {"BOXMOVE.WAV"}, false, 2, "97"},
        MoveCase{"blockedAttemptAfterPushKeepsUndo", "1642222221", "98", "1224222221", 2, {"BOXMOVE.WAV"}, true, 1, "9"}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(MoveEngine, aMoveRedrawsOnlyTheCellsItTouches)
{
    TestGame t({Level({"1111111111", "1642222221", "1311111111", "1111111111"})});
    t->DrawOverlay();  // as the animation timers leave it
    const QImage before = t->view.Client().copy();
    t.Play("9");
    // Compare everything but the three cells of the push (man's old and new cell, the box's new cell).
    int changedOutside = 0;
    for (int y = 0; y < 442; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool touched = y >= 32 && y < 64 && x >= 32 && x < 128;
            if (!touched && before.pixel(x, y) != t->view.Client().pixel(x, y))
                ++changedOutside;
        }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_EQ(t.CellPixel(3, 1), testing::SheetColour(testing::ObjId, Box, 0));
    EXPECT_EQ(t.CellPixel(1, 1), testing::SheetColour(testing::ObjId, Floor, 0));  // the floor under the man before
}

TEST(MoveEngine, theCellUnderTheManIsRestoredWhenHeLeavesAGoal)
{
    TestGame t({Level({"1111111111", "1632222221", "1311111111", "1111111111"})});
    t.Play("99");
    // He stood on the goal at column 2; its picture is back once he walks on.
    EXPECT_EQ(t.CellPixel(2, 1), testing::SheetColour(testing::ObjId, Goal, 0));
    EXPECT_EQ(t->ManX(), 3);
}

TEST(MoveEngine, pushingFromAGoalLeavesTheGoalTileUnderTheMan)
{
    TestGame t({Level({"1111111111", "1652222221", "1311111111", "1111111111"})});
    t.Play("9");
    EXPECT_EQ(t->view.SpriteSave().pixel(16, 16), testing::SheetColour(testing::ObjId, Goal, 0));
}

TEST(MoveEngine, stepCountStopsAt9999ButHistoryKeepsGrowing)
{
    TestGame t({Level({"1111111111", "1622222221", "1311111111", "1111111111"})});
    t->ShowStepCount(9999);
    t.Play("97");
    EXPECT_EQ(t->StepCount(), 9999);
    EXPECT_EQ(t->MoveHistory(), "97");
}

TEST(MoveEngine, theManTurnsEvenWhenTheMoveIsBlocked)
{
    TestGame t({Level({"1111111111", "1622222221", "1311111111", "1111111111"})});
    t.Play("8");
    EXPECT_EQ(t->ManFrame, 4);
    EXPECT_FALSE(t->MoveDone);
}

TEST(MoveEngine, keysMoveTheManOnlyInPlayModes)
{
    for (int mode = 0; mode <= 8; ++mode) {
        TestGame t({Level({"1111111111", "1622222221", "1311111111", "1111111111"})});
        t->GameMode = static_cast<std::int16_t>(mode);
        t->Form_KeyDown(VK_RIGHT, 0);
        t->pic_Level_KeyDown(VK_RIGHT, 0);
        t->pic_Step_KeyDown(VK_RIGHT, 0);
        const bool moves = mode == 0 || mode == 2 || mode == 4;
        EXPECT_EQ(t->StepCount(), moves ? 3 : 0) << "mode " << mode;
    }
}

TEST(MoveEngine, aStepBeyondTheGridBlocksInALevelThatIsNotClosed)
{
    TestGame t({Level({"62222"})});
    t.Play("78");
    EXPECT_EQ(t->ManX(), 0);
    EXPECT_EQ(t->ManY(), 0);
    EXPECT_EQ(t->StepCount(), 0);
}

TEST(MoveEngine, otherKeysChangeNothingAndSkipTheCompletionCheck)
{
    // An already won level: only keys that reach the completion check end it.
    TestGame t({Level({"1111111111", "1652222221", "1111111111"}), Level({"1111", "1651", "1111"})});
    t->Form_KeyDown(65, 0);  // "A"
    EXPECT_EQ(t->LevelNo, 1);
    EXPECT_TRUE(t.desktop.dialogs.aboutBoxes.size() == 1);  // only the one of start-up
    t->Form_KeyDown(VK_UP, 0);  // blocked, but the check runs and finds the level won
    EXPECT_EQ(t->LevelNo, 2);
}


struct VerticalCase {
    const char* name;
    std::initializer_list<const char*> rows;  // column 1 holds the man and the box
    const char* moves;
    int boxY, manY;
    const char* history;
};

TEST(MoveEngine, upAndDownMoveThroughTheBoardAndWriteTheirCharacters)
{
    const VerticalCase cases[] = {
        {"pushDown", {"1111", "1611", "1411", "1221", "1231", "1111"}, "0", 3, 2, "0"},
        {"pushDownThenWalkUp", {"1111", "1611", "1411", "1221", "1231", "1111"}, "08", 3, 1, "08"},
        {"upIntoAWall", {"1111", "1611", "1411", "1221", "1231", "1111"}, "8", 2, 1, ""},
        {"pushUp", {"1111", "1231", "1421", "1621", "1111"}, "8", 1, 2, "8"},
        {"pushUpThenWalkDown", {"1111", "1231", "1421", "1621", "1111"}, "80", 1, 3, "80"},
    };
    for (const VerticalCase& c : cases) {
        TestGame t({Level(c.rows)});
        t.Play(c.moves);
        EXPECT_EQ(t->Board()(1, c.boxY), Box) << c.name;
        EXPECT_EQ(t->ManY(), c.manY) << c.name;
        EXPECT_EQ(t->MoveHistory(), c.history) << c.name;
    }
}

TEST(MoveEngine, aMoveEndsWithTheDecorationLaidAndOneRefresh)
{
    for (const char* moves : {"9", "99"}) {  // a push, then a walk
        TestGame t({Level({"1111111111", "1642222221", "1311111111", "1111111111"})});
        t->DrawOverlay();
        t->DrawCell(Floor, 0, 0);  // drawn over the decoration's corner since it was laid
        const int refreshes = t.desktop.window.refreshes;
        const int counterRefreshes = t.desktop.window.counterRefreshes;
        t.Play(moves);
        EXPECT_EQ(t.desktop.window.refreshes, refreshes + static_cast<int>(std::strlen(moves))) << moves;
        EXPECT_EQ(t->view.Client().pixel(1, 1), testing::DecorationColour()) << moves;
        EXPECT_GT(t.desktop.window.counterRefreshes, counterRefreshes) << moves;
    }
}

}  // namespace
}  // namespace tolvar
