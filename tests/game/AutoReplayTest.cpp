// A replay that plays by itself, and the player taking it over.
#include <gtest/gtest.h>

#include "assist/Assist.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;
using testing::WriteFile;

// Man (1, 1), a walk of three to the box at (4, 1), pushed twice onto the goal at (6, 1).
const std::string Long = Level({"111111111", "162224231", "111111111"});

struct Replay {
    TestGame t{{Long, Long}};
    Assist assist{*t, t.desktop.assistSettings, t.desktop.gui};

    Replay()
    {
        WriteFile(t.dir.file("boxsol.1"), "99999");
        assist.MenuCommand(MenuId::mnu_LoadOriginalSol);
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            assist.tmr_Replay_Timer();
    }
};

TEST(AutoReplay, playsToTheEndAtTheChosenSpeedAndStops)
{
    Replay r;
    r.assist.MenuCommand(MenuId::mnu_Speed3);
    EXPECT_EQ(r.t.desktop.assistSettings.values[ReplaySpeedKey], "60");
    EXPECT_EQ(r.assist.ReplayInterval(), 1000 / 60);
    r.assist.MenuCommand(MenuId::mnu_PlayReplay);
    EXPECT_TRUE(r.assist.ReplayTimerEnabled());
    r.Ticks(8);
    EXPECT_EQ(r.t->StepCount(), 5);
    EXPECT_EQ(r.t.desktop.dialogs.texts(), std::vector<std::string>{"Tracing over!"});
    EXPECT_FALSE(r.assist.ReplayTimerEnabled());
    EXPECT_FALSE(r.t->menus.Enabled(MenuId::mnu_PlayReplay));
}

TEST(AutoReplay, pausesAndArrowKeysMoveNothingInAReplayNotPlayedByItself)
{
    Replay r;
    r.t.Play("9");  // the keys stay locked in a replay stepped by "&Trace"
    EXPECT_EQ(r.t->StepCount(), 0);
    r.assist.MenuCommand(MenuId::mnu_PlayReplay);
    r.Ticks(2);
    r.assist.MenuCommand(MenuId::mnu_PlayReplay);
    r.Ticks(2);
    EXPECT_EQ(r.t->StepCount(), 2);
    EXPECT_EQ(r.t->GameMode, ModeTracing);
}

TEST(AutoReplay, anArrowKeyTakesOverAndThePlayerWinsAndRecordsAsUsual)
{
    Replay r;
    r.assist.MenuCommand(MenuId::mnu_PlayReplay);
    r.Ticks(3);
    r.assist.KeyDown(VK_RIGHT, 0);  // the player goes on from the third move
    EXPECT_EQ(r.t->GameMode, ModePlaySet);
    EXPECT_FALSE(r.t->controls.btn_Trace_Visible);
    EXPECT_FALSE(r.assist.ReplayTimerEnabled());
    EXPECT_EQ(r.t->MoveHistory(), "9999");
    r.assist.MenuCommand(MenuId::mnu_Undo);  // his own push may be undone
    EXPECT_EQ(r.t->MoveHistory(), "999");
    r.assist.KeyDown(VK_RIGHT, 0);
    r.assist.KeyDown(VK_RIGHT, 0);
    EXPECT_EQ(ReadFile(r.t.dir.file("boxsol.1")), "99999");
    EXPECT_EQ(r.t->LevelNo, 2);
}

}  // namespace
}  // namespace tolvar
