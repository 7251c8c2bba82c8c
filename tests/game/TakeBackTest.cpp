// Taking back any move and redoing it, judged on row 1 of a small level: the cells, the man,
// his facing and picture, the counter, the history and the sounds.
#include <gtest/gtest.h>

#include <algorithm>

#include "assist/Assist.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::Row1;
using testing::SheetColour;
using testing::TestGame;

// Box (3, 1), goal (5, 1), box on goal (7, 1); row 2 to walk round; the goal at (1, 3) keeps it unwon.
const std::string Row = Level({"1111111111", "1624232521", "1222222221", "1311111111", "1111111111"});

struct Played {
    TestGame t{{Row, Row}};
    Assist assist{*t, t.desktop.assistSettings, t.desktop.gui};

    /// Digits are arrow keys; B takes back, R redoes, U is "&Undo", N is "&New".
    void Run(const std::string& script)
    {
        for (char c : script) {
            switch (c) {
            case 'B': assist.MenuCommand(MenuId::mnu_TakeBack); break;
            case 'R': assist.MenuCommand(MenuId::mnu_Redo); break;
            case 'U': assist.MenuCommand(MenuId::mnu_Undo); break;
            case 'N': assist.MenuCommand(MenuId::mnu_NewGame); break;
            default: t.Play(std::string(1, c));
            }
        }
    }
    int Sounded(const std::string& sound) const
    {
        const auto& p = t.desktop.sound.played;
        return static_cast<int>(std::count(p.begin(), p.end(), sound));
    }
};

struct TakeBackCase {
    const char* name;
    const char* script;
    const char* row;
    int manX;
    int steps;
    const char* history;
    int facing;
    bool canTakeBack, canRedo, undo;
    int undoSounds;
};

class TakeBack : public ::testing::TestWithParam<TakeBackCase> {};

TEST_P(TakeBack, leavesTheLevelAsBeforeTheMovesThatNoLongerStand)
{
    const TakeBackCase& c = GetParam();
    Played p;
    p.Run(c.script);
    Game& g = *p.t;
    EXPECT_EQ(Row1(g), c.row);
    EXPECT_EQ(g.ManX(), c.manX);
    EXPECT_EQ(g.StepCount(), c.steps);
    EXPECT_EQ(g.MoveHistory(), c.history);
    EXPECT_EQ(g.ManFrame, c.facing);
    EXPECT_EQ(p.assist.CanTakeBack(), c.canTakeBack);
    EXPECT_EQ(p.assist.CanRedo(), c.canRedo);
    EXPECT_EQ(g.menus.Enabled(MenuId::mnu_Undo), c.undo);
    EXPECT_EQ(p.Sounded("BOXUNDO.WAV"), c.undoSounds);
    // Drawn as it stands: every cell of the row its tile, and a picture of the man on his cell
    // (his start picture, or one of his sprites: a blocked turn shows at the next animation frame).
    for (int x = 0; x < 10; ++x) {
        const QRgb seen = p.t.CellPixel(x, 1);
        if (x != g.ManX() || g.ManY() != 1)
            EXPECT_EQ(seen, SheetColour(testing::ObjId, g.Board()(x, 1), 0)) << "cell " << x;
        else
            EXPECT_TRUE(seen == SheetColour(testing::ObjId, ManStart, 0) || seen == SheetColour(testing::SpriteId, 0, 0) ||
                        seen == SheetColour(testing::SpriteId, 4, 0) || seen == SheetColour(testing::SpriteId, 6, 0))
                << "man on cell " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Assist, TakeBack,
    ::testing::Values(
        TakeBackCase{"walk", "9B", "1224232521", 1, 0, "", 0, false, true, false, 0},
        TakeBackCase{"pushOntoFloor", "99B", "1224232521", 2, 1, "9", 6, true, true, false, 1},
        TakeBackCase{"pushOntoGoal", "999B", "1222432521", 3, 2, "99", 6, true, true, false, 1},
        TakeBackCase{"pushFromGoal", "09999989B", "1224232521", 6, 7, "0999998", 4, true, true, false, 1},
        TakeBackCase{"toTheStartAndForwardAgain", "999BBBRRR", "1222252521", 4, 3, "999", 6, true, false, true, 2},
        TakeBackCase{"atTheStartDoesNothing", "B", "1224232521", 1, 0, "", 0, false, false, false, 0},
        TakeBackCase{"facingOfABlockedAttemptIsTakenBackToo", "98B", "1224232521", 1, 0, "", 0, false, true, false, 0},
        TakeBackCase{"blockedAttemptKeepsRedo", "99B8", "1224232521", 2, 1, "9", 4, true, true, false, 1},
        TakeBackCase{"newMoveEmptiesRedo", "99B0", "1224232521", 2, 2, "90", 0, true, false, false, 1},
        TakeBackCase{"newLevelEmptiesBoth", "99BN", "1224232521", 1, 0, "", 6, false, false, false, 1},
        TakeBackCase{"undoThenTakeBack", "99UB", "1224232521", 1, 0, "", 0, false, true, false, 1},
        TakeBackCase{"pushUndoneJoinsRedo", "99UBRR", "1222432521", 3, 2, "99", 6, true, false, true, 1}),
    [](const ::testing::TestParamInfo<TakeBackCase>& info) { return std::string(info.param.name); });

// The history keeps only the moves that stand, so the solution saved on a win replays to it.
TEST(TakeBackAndRedo, theSolutionSavedHoldsTheMovesThatStand)
{
    const std::string level = Level({"111111", "162431", "111111"});
    TestGame t({level, level});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t.Play("97");
    assist.MenuCommand(MenuId::mnu_TakeBack);
    t.Play("9");
    EXPECT_EQ(t->LevelNo, 2);
    EXPECT_EQ(testing::ReadFile(t.dir.file("boxsol.1")), "99");
}

// In a replay Take Back steps back and Redo forward, like the trace button; a blocked step
// still uses up its position.
TEST(TakeBackAndRedo, stepTheReplayBackAndForth)
{
    Played p;
    testing::WriteFile(p.t.dir.file("boxsol.1"), "989");
    p.assist.MenuCommand(MenuId::mnu_LoadOriginalSol);
    for (int i = 0; i < 3; ++i)
        p.t->btn_Trace_Click();
    Game& g = *p.t;
    ASSERT_EQ(Row1(g), "1222432521");
    p.Run("B");
    EXPECT_EQ(g.TraceIndex, 2);
    EXPECT_EQ(Row1(g), "1224232521");
    EXPECT_EQ(g.ManX(), 2);
    EXPECT_EQ(g.MoveHistory(), "9899");
    p.Run("BB");
    EXPECT_EQ(g.TraceIndex, 0);
    EXPECT_EQ(g.ManX(), 1);
    EXPECT_FALSE(p.assist.CanTakeBack());
    p.Run("RRR");
    EXPECT_EQ(g.TraceIndex, 3);
    EXPECT_EQ(Row1(g), "1222432521");
    EXPECT_EQ(g.StepCount(), 2);
    EXPECT_FALSE(g.menus.Enabled(MenuId::mnu_Undo));
}

}  // namespace
}  // namespace tolvar
