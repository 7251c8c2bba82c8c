// The level set: counting, reading a level, restarting and choosing one.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::TestGame;

const std::string Small = Level({"11111", "16231", "11111"});

TEST(LevelSet, theLevelCountIsTheFileLengthOver280RoundedDown)
{
    for (const auto& [bytes, levels] : std::vector<std::pair<int, int>>{{3080, 11}, {3359, 11}, {3360, 12}, {280, 1}}) {
        TestGame t({}, false);
        std::string set;
        while (static_cast<int>(set.size()) + 280 <= bytes)
            set += Small;
        set += std::string(static_cast<std::size_t>(bytes) - set.size(), '1');
        testing::WriteFile(t.dir.file("tolvar.box"), set);
        ASSERT_TRUE(t.Start());
        EXPECT_EQ(t->NumLevels, levels) << bytes << " bytes";
    }
}

TEST(LevelSet, aMissingOrTooShortSetEndsStartUpWithTheMessage)
{
    for (int bytes : {-1, 0, 279}) {
        TestGame t({}, false);
        std::filesystem::remove(t.dir.file("tolvar.box"));
        if (bytes >= 0)
            testing::WriteFile(t.dir.file("tolvar.box"), std::string(static_cast<std::size_t>(bytes), '1'));
        EXPECT_FALSE(t.Start());
        ASSERT_EQ(t.desktop.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.desktop.dialogs.messages[0].text, "No related file!");
        EXPECT_EQ(t.desktop.dialogs.messages[0].title, "TOLVAR");
        EXPECT_TRUE(t.desktop.sound.played.empty());
        EXPECT_TRUE(t.desktop.mci.commands.empty());
        EXPECT_EQ(t.desktop.settings.writes, 0);
        EXPECT_TRUE(t.desktop.dialogs.aboutBoxes.empty());
    }
}

TEST(LevelSet, theMansStartIsFloorAndGoalsAreCounted)
{
    std::string level(280, '1');
    level[45] = '6';  // column 5, row 2
    level[46] = '3';
    level[47] = '5';
    level[48] = '4';
    level[50] = 'x';  // not a digit: outside
    level[51] = '8';  // no meaning on the board: outside
    TestGame t({Small, level});
    t->LevelNo = 2;
    t->ShowLevel();
    EXPECT_EQ(t->Board()(5, 2), Floor);
    EXPECT_EQ(t->ManX(), 5);
    EXPECT_EQ(t->ManY(), 2);
    EXPECT_EQ(t->GoalCount, 2);
    EXPECT_EQ(t->Board()(10, 2), Outside);
    EXPECT_EQ(t->Board()(11, 2), Outside);
    EXPECT_EQ(t->CellAtWindow(7, 2), BoxOnGoal);
    EXPECT_EQ(t->CellAtWindow(25, 2), Outside);
}

TEST(LevelSet, boardOffsetsFollowTheClientSize)
{
    struct Case {
        int w, h, left, top;
    };
    for (const Case c : {Case{640, 442, 0, 0}, Case{640, 470, 0, 0}, Case{768, 598, 2, 2}, Case{700, 500, 0, 0}}) {
        TestGame t({Small});
        t.desktop.window.width = c.w;
        t.desktop.window.height = c.h;
        t->ResizeSurfaces(c.w, c.h);
        t->ShowLevel();
        EXPECT_EQ(t->BoardLeft, c.left) << c.w << "x" << c.h;
        EXPECT_EQ(t->BoardTop, c.top) << c.w << "x" << c.h;
        EXPECT_EQ(t->ManX(), 1 + c.left);
    }
}

TEST(LevelSet, newPutsTheLevelBackAsStored)
{
    TestGame t({Level({"111111", "164231", "111111"})});
    t.Play("9");
    t->MenuCommand(MenuId::mnu_NewGame);
    EXPECT_EQ(t->Board()(2, 1), Box);
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_EQ(t->MoveHistory(), "");
    EXPECT_EQ(t->ManX(), 1);
}

struct ChoiceCase {
    std::vector<std::string> answers;
    int levelAfter;
    int prompts;
};

TEST(LevelSet, theChosenLevelIsReadFromItsLeadingNumberWithinTheReachedOnes)
{
    const std::vector<ChoiceCase> cases = {
        {{"3"}, 3, 1},
        {{"2.5"}, 2, 1},
        {{"4.5"}, 4, 1},
        {{"3.6"}, 4, 1},
        {{" 4 apples"}, 4, 1},
        {{"7", "0", "abc", "5.2", "5"}, 5, 5},
        {{""}, 1, 1},
        {{"7"}, 1, 2},  // then cancelled
    };
    for (const ChoiceCase& c : cases) {
        TestGame t(std::vector<std::string>(10, Small));
        t.desktop.settings.values["Level"] = "5";
        for (const std::string& a : c.answers)
            t.desktop.dialogs.typed.push_back(a);
        t->MenuCommand(MenuId::mnu_Level);
        EXPECT_EQ(t->LevelNo, c.levelAfter) << c.answers.front();
        ASSERT_EQ(static_cast<int>(t.desktop.dialogs.inputs.size()), c.prompts) << c.answers.front();
        EXPECT_EQ(t.desktop.dialogs.inputs[0].prompt, "Please select the level: (1-5)");
        EXPECT_EQ(t.desktop.dialogs.inputs[0].title, "TOLVAR");
        EXPECT_EQ(t.desktop.dialogs.inputs[0].defaultAnswer, "1");
    }
}

TEST(LevelSet, choosingALevelMovesTheOrderlySceneryOn)
{
    TestGame t(std::vector<std::string>(10, Small));
    t.desktop.settings.values["Level"] = "5";
    t->view.appearance.Scenery = 6;
    t.desktop.dialogs.typed.push_back("3");
    t->MenuCommand(MenuId::mnu_Level);
    EXPECT_EQ(t->view.appearance.Scenery, 0);
}

TEST(LevelSet, aCancelledChoiceLeavesTheGameInProgress)
{
    TestGame t({Level({"111111", "164231", "111111"})});
    t.Play("9");
    t->MenuCommand(MenuId::mnu_Level);
    EXPECT_EQ(t->StepCount(), 1);
    EXPECT_EQ(t->Board()(3, 1), Box);
}

TEST(LevelSet, theChoiceNeverReachesBeyondTheSetWhateverTheStoredProgress)
{
    TestGame t(std::vector<std::string>(3, Small));
    t.desktop.settings.values["Level"] = "99";
    t.desktop.dialogs.typed = {"50", "3"};
    t->MenuCommand(MenuId::mnu_Level);
    EXPECT_EQ(t.desktop.dialogs.inputs[0].prompt, "Please select the level: (1-3)");
    EXPECT_EQ(t->LevelNo, 3);
}

TEST(LevelSet, showingALevelSetsItsMenusAndHidesTheTraceButton)
{
    TestGame t({Small});
    t->controls.btn_Trace_Visible = true;
    t->ShowLevel();
    const MenuState& m = t->menus;
    EXPECT_FALSE(m.Enabled(MenuId::mnu_DisBanner));
    EXPECT_FALSE(m.Enabled(MenuId::mnu_Undo));
    EXPECT_TRUE(m.Enabled(MenuId::mnu_LoadOriginalSol));
    EXPECT_FALSE(m.Enabled(MenuId::mnu_LoadSelfSol));
    EXPECT_FALSE(m.Enabled(MenuId::mnu_LoadOtherSol));
    EXPECT_TRUE(m.Enabled(MenuId::mnu_SelectScenery));
    EXPECT_TRUE(t->controls.tmr_Sprite_Enabled);
    EXPECT_FALSE(t->controls.btn_Trace_Visible);
    EXPECT_EQ(t->GameMode, ModePlaySet);
}

TEST(LevelSet, aLevelWithoutAManIsShownButNothingMoves)
{
    TestGame t({Small, Level({"11111", "12231", "11111"})});
    t->LevelNo = 2;
    t->ShowLevel();
    EXPECT_FALSE(t.desktop.dialogs.messages.empty());
    t.Play("9");
    EXPECT_EQ(t->StepCount(), 0);
}


TEST(LevelSet, theChoiceOffersTheCurrentLevel)
{
    for (const char* stored : {"1", "4", "10"}) {
        TestGame t(std::vector<std::string>(10, Small), false);
        t.desktop.settings.values["Level"] = stored;
        ASSERT_TRUE(t.Start());
        t->MenuCommand(MenuId::mnu_Level);
        ASSERT_EQ(t.desktop.dialogs.inputs.size(), 1u);
        EXPECT_EQ(t.desktop.dialogs.inputs[0].defaultAnswer, stored);
    }
}

}  // namespace
}  // namespace tolvar
