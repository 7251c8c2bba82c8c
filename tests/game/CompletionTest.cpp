// What winning does in each mode: solutions, the won window, progress and the next level.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;

// One push right wins it.
const std::string OnePush = Level({"111111", "162431", "111111"});
const std::string NoGoals = Level({"111111", "162221", "111111"});

std::vector<std::string> Set(int n)
{
    return std::vector<std::string>(static_cast<std::size_t>(n), OnePush);
}

TEST(Completion, winningWritesTheSolutionShowsTheWonWindowAndAdvances)
{
    TestGame t(Set(3));
    t.Play("99");
    EXPECT_EQ(ReadFile(t.dir.file("boxsol.1")), "99");
    ASSERT_EQ(t.desktop.dialogs.aboutBoxes.size(), 2u);
    EXPECT_EQ(t.desktop.dialogs.aboutBoxes[1], AboutRole::NextLevel);
    EXPECT_EQ(t.desktop.settings.values["Level"], "2");
    EXPECT_EQ(t->LevelNo, 2);
    EXPECT_EQ(t->view.appearance.Scenery, 1);  // "&Orderly" moves on
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_EQ(t.desktop.sound.played.back(), "BOXWIN.WAV");
}

TEST(Completion, theLastLevelWrapsToTheFirstAndStoresOne)
{
    TestGame t(Set(3));
    t.desktop.settings.values["Level"] = "3";
    t->LevelNo = 3;
    t->ShowLevel();
    t.Play("99");
    EXPECT_EQ(t.desktop.dialogs.aboutBoxes.back(), AboutRole::AllCompleted);
    EXPECT_EQ(t.desktop.settings.values["Level"], "1");
    EXPECT_EQ(t->LevelNo, 1);
}

// Completing the set is remembered beside the progress: from then on the chooser offers
// every level, while "Level" goes back to 1 as before.
TEST(Completion, aCompletedSetOpensEveryLevelToTheChooser)
{
    TestGame t(Set(3));
    t.desktop.dialogs.typed = {"", "3"};
    t->MenuCommand(MenuId::mnu_Level);  // cancelled
    t.desktop.settings.values["Level"] = "3";
    t->LevelNo = 3;
    t->ShowLevel();
    t.Play("99");
    EXPECT_EQ(t.desktop.settings.values["Level"], "1");
    EXPECT_EQ(t.desktop.progress.values["SetCompleted"], "1");
    t->MenuCommand(MenuId::mnu_Level);
    ASSERT_EQ(t.desktop.dialogs.inputs.size(), 2u);
    EXPECT_EQ(t.desktop.dialogs.inputs[0].prompt, "Please select the level: (1-1)");
    EXPECT_EQ(t.desktop.dialogs.inputs[1].prompt, "Please select the level: (1-3)");
    EXPECT_EQ(t->LevelNo, 3);
}

TEST(Completion, replayingALowerLevelLeavesTheProgressAlone)
{
    TestGame t(Set(5));
    t.desktop.settings.values["Level"] = "4";
    t->LevelNo = 2;
    t->ShowLevel();
    t.Play("99");
    EXPECT_EQ(t.desktop.dialogs.aboutBoxes.back(), AboutRole::NextLevel);
    EXPECT_EQ(t.desktop.settings.values["Level"], "4");
    EXPECT_EQ(t->LevelNo, 3);
}

TEST(Completion, winningTheSameLevelAgainReplacesTheSolution)
{
    TestGame t({Level({"1111111", "1642321", "1111111"}), OnePush});
    t.Play("9799");
    EXPECT_EQ(ReadFile(t.dir.file("boxsol.1")), "9799");
    t->LevelNo = 1;
    t->ShowLevel();
    t.Play("99");
    EXPECT_EQ(ReadFile(t.dir.file("boxsol.1")), "99");
}

struct SkipCase {
    int mode;
    bool advances;
};

TEST(Completion, theSkipChordAdvancesOnlyInThePlayOfTheSet)
{
    for (const SkipCase c : {SkipCase{ModePlaySet, true}, SkipCase{ModePlayOther, false}, SkipCase{ModeTestPlay, false}}) {
        TestGame t({NoGoals, NoGoals});
        t->GameMode = static_cast<std::int16_t>(c.mode);
        t->Form_KeyDown(VK_F9, CtrlKey | AltKey | ShiftKey);
        EXPECT_EQ(t->LevelNo, c.advances ? 2 : 1) << "mode " << c.mode;
        EXPECT_EQ(t->StepCount(), 0);
        EXPECT_EQ(t->MoveHistory(), "");
        EXPECT_FALSE(std::filesystem::exists(t.dir.file("boxsol.1")));
        if (c.advances) {
            EXPECT_EQ(t.desktop.settings.values["Level"], "2");
        }
    }
}

TEST(Completion, F9WithoutBothCtrlAndAltEndsNothing)
{
    for (int shift : {0, int{CtrlKey}, int{AltKey}, ShiftKey | AltKey}) {
        TestGame t({NoGoals, NoGoals});
        t->Form_KeyDown(VK_F9, shift);
        EXPECT_EQ(t->LevelNo, 1) << "shift " << shift;
    }
}

TEST(Completion, aLevelWithoutGoalsIsNeverWonByMoves)
{
    TestGame t({NoGoals, NoGoals});
    t.Play("9997");
    EXPECT_EQ(t->LevelNo, 1);
}

TEST(Completion, aLevelWonAtLoadEndsAtTheFirstKey)
{
    TestGame t({Level({"11111", "16521", "11111"}), OnePush});
    t->Form_KeyDown(VK_LEFT, 0);
    EXPECT_EQ(t->LevelNo, 2);
}

TEST(Completion, randomSceneryStaysWithinTheSevenAndAFixedOneStays)
{
    TestGame t(Set(30));
    t->MenuCommand(mnu_Scenery(1));
    for (int i = 0; i < 20; ++i) {
        t.Play("99");
        EXPECT_GE(t->view.appearance.Scenery, 0);
        EXPECT_LT(t->view.appearance.Scenery, 7);
    }
    t->MenuCommand(mnu_Scenery(4));  // "Scenery&3"
    EXPECT_EQ(t->view.appearance.Scenery, 2);
    EXPECT_FALSE(t->menus.Checked(mnu_Scenery(0)));
    t.Play("99");
    EXPECT_EQ(t->view.appearance.Scenery, 2);
}

TEST(Completion, orderlySceneryWrapsFromTheSeventhToTheFirst)
{
    TestGame t(Set(3));
    t->view.appearance.Scenery = 6;
    t.Play("99");
    EXPECT_EQ(t->view.appearance.Scenery, 0);
}

TEST(Completion, anUnwritableSolutionIsReportedAndTheGameGoesOn)
{
    TestGame t(Set(3));
    std::filesystem::create_directory(t.dir.file("boxsol.1"));  // a directory where the file should go
    t.Play("99");
    ASSERT_FALSE(t.desktop.dialogs.messages.empty());
    EXPECT_EQ(t.desktop.dialogs.messages.back().style, MsgStyle::OkCritical);
    EXPECT_EQ(t->LevelNo, 2);
}

TEST(RandomIntTest, staysBelowItsArgument)
{
    TestGame t(Set(1));
    std::array<int, 7> seen{};
    for (int i = 0; i < 5000; ++i) {
        const int r = t->RandomInt(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        ++seen[static_cast<std::size_t>(r)];
    }
    for (int count : seen)
        EXPECT_GT(count, 500);
}

}  // namespace
}  // namespace tolvar
