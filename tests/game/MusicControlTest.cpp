// The two pieces take turns; the switches, the watchdog and minimizing.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::TestGame;

struct Music : ::testing::Test {
    TestGame t{{Level({"11111", "16231", "11111"})}};
    void SetUp() override { t.desktop.mci.commands.clear(); }
    std::vector<std::string>& sent() { return t.desktop.mci.commands; }
};

TEST_F(Music, thePiecesAlternateWhenOneEnds)
{
    t->Form_Resize();  // the window's first appearance
    t.desktop.mci.status = "stopped";
    t->tmr_Icon_Timer();
    t->tmr_Icon_Timer();
    t.desktop.mci.status = "playing";
    t->tmr_Icon_Timer();
    EXPECT_EQ(sent(), (std::vector<std::string>{"PLAY SQ1 FROM 0", "STATUS SQ1 MODE", "PLAY SQ2 FROM 0", "STATUS SQ2 MODE",
                                                "PLAY SQ1 FROM 0", "STATUS SQ1 MODE"}));
    EXPECT_EQ(t->controls.tmr_Icon_Interval, 5000);
}

TEST_F(Music, minimizingStopsAndRestoringStartsTheNextPieceFromItsBeginning)
{
    t->Form_Resize();
    t.desktop.window.minimized = true;
    t->IconFrame = 5;
    t->Form_Resize();
    EXPECT_EQ(t->controls.tmr_Icon_Interval, 100);
    EXPECT_EQ(t->IconFrame, 0);
    EXPECT_FALSE(t->MusicPlaying);
    t->tmr_Icon_Timer();  // nothing while minimized
    t.desktop.window.minimized = false;
    t->Form_Resize();
    EXPECT_EQ(sent(), (std::vector<std::string>{"PLAY SQ1 FROM 0", "STOP SQ1", "PLAY SQ2 FROM 0"}));
}

TEST_F(Music, switchingMusicOffAndOnStartsTheOtherPiece)
{
    t->Form_Resize();
    t->MenuCommand(MenuId::mnu_Music);
    EXPECT_FALSE(t->menus.Checked(MenuId::mnu_Music));
    t->tmr_Icon_Timer();  // the watchdog leaves stopped music alone
    t->MenuCommand(MenuId::mnu_Music);
    EXPECT_EQ(sent(), (std::vector<std::string>{"PLAY SQ1 FROM 0", "STOP SQ1", "PLAY SQ2 FROM 0"}));
}

TEST_F(Music, aFailedStopLeavesTheMusicMarkedPlaying)
{
    t->Form_Resize();
    t.desktop.mci.results["STOP SQ1"] = 263;
    t->PlayMusic(false);
    EXPECT_TRUE(t->MusicPlaying);
}

TEST_F(Music, withTheMusicSwitchedOffTheWindowStartsNothing)
{
    t->menus.Uncheck(MenuId::mnu_Music);
    t->Form_Resize();
    EXPECT_TRUE(sent().empty());
}

TEST(Sound, withSoundOffNoEffectIsRequestedNotEvenTheWarning)
{
    TestGame t({Level({"1111111", "1642231", "1111111"})});
    t->MenuCommand(MenuId::mnu_Sound);
    t.Play("9");
    t->MenuCommand(MenuId::mnu_Undo);
    t->Warn("Invalid position!");
    EXPECT_TRUE(t.desktop.sound.played.empty());
}


TEST_F(Music, aStatusThatFailsLeavesTheSpacesAndRestartsNothing)
{
    t->Form_Resize();
    t.desktop.mci.status = "stopped";
    t.desktop.mci.results["STATUS SQ1 MODE"] = 263;
    t->tmr_Icon_Timer();
    t->tmr_Icon_Timer();
    EXPECT_EQ(sent(), (std::vector<std::string>{"PLAY SQ1 FROM 0", "STATUS SQ1 MODE", "STATUS SQ1 MODE"}));
}

}  // namespace
}  // namespace tolvar
