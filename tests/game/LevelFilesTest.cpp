// Self-edited and other levels, and replaying solutions, through the menu commands.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;
using testing::WriteFile;

const std::string Small = Level({"11111", "16231", "11111"});
// Right twice wins it: a walk, then a push onto the goal.
const std::string Room = Level({"", "0111111", "0162431", "0111111"});

constexpr const char* OtherNotFound =
    "File of this level not found. You can download it from ADD-ONS on Quillon Studio website.";
constexpr const char* SelfNotFound = "File of this level not found. Please make sure you have edited it!";
constexpr const char* NoSolution =
    "File of the solutions not found. You can download it from ADD-ONS on Quillon Studio website.";

TEST(OtherLevels, loadByTheTypedTextAndPlayToCongratulations)
{
    TestGame t({Small});
    WriteFile(t.dir.file("other.07"), Room);
    t.desktop.dialogs.typed.push_back(" 07 ");
    t->MenuCommand(MenuId::mnu_LoadOther);
    EXPECT_EQ(t.desktop.dialogs.inputs[0].prompt, "Please select the level:");
    EXPECT_EQ(t.desktop.dialogs.inputs[0].defaultAnswer, "1");
    EXPECT_EQ(t->GameMode, ModePlayOther);
    EXPECT_EQ(t->OtherLevelNumber, " 07 ");
    EXPECT_EQ(t->Board()(2, 2), Floor);
    EXPECT_EQ(t->EditBoard()(2, 2), ManStart);
    EXPECT_TRUE(t->menus.Enabled(MenuId::mnu_LoadOtherSol));
    EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_SelectMan));
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(39 + 6, 11), testing::DigitColour(7, 1));
    t.Play("99");
    EXPECT_EQ(t.desktop.dialogs.messages.back().text, "Congratulations!");
    EXPECT_EQ(t->GameMode, ModeOtherWon);
    EXPECT_EQ(ReadFile(t.dir.file("othersol.07")), "99");
    EXPECT_EQ(t->LevelNo, 1);  // the set's level is untouched
}

TEST(OtherLevels, anyTextNamesAFileAndALevelWithoutANumberShowsZero)
{
    TestGame t({Small});
    WriteFile(t.dir.file("other.abc"), Room);
    t.desktop.dialogs.typed.push_back("abc");
    t->MenuCommand(MenuId::mnu_LoadOther);
    EXPECT_EQ(t->GameMode, ModePlayOther);
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(6, 11), testing::DigitColour(0, 1));
}

TEST(OtherLevels, missingOrUnsafeNamesAreLevelsThatDoNotExist)
{
    for (const char* answer : {"5", "../other.5", "sub/5", "..", "5\n"}) {
        TestGame t({Small});
        WriteFile(t.dir.file("other.5"), Room);
        std::filesystem::create_directory(t.dir.file("other.sub"));
        WriteFile(t.dir.file("other.sub/5"), Room);
        if (std::string(answer) == "5")
            std::filesystem::remove(t.dir.file("other.5"));
        t.Play("9");
        t.desktop.dialogs.typed.push_back(answer);
        t->MenuCommand(MenuId::mnu_LoadOther);
        EXPECT_EQ(t.desktop.dialogs.messages.back().text, OtherNotFound) << answer;
        EXPECT_EQ(t->GameMode, ModePlaySet) << answer;
        EXPECT_EQ(t->StepCount(), 1) << answer;  // nothing has changed
    }
}

TEST(OtherLevels, brokenFilesAreRefusedWithTheirReason)
{
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {std::string(280, '1'), "no starting position"},
        {std::string(100, '2'), "no starting position"},  // short: the rest reads as outside
        {Level({"1661"}), "more than one"},
    };
    for (const Case& c : cases) {
        TestGame t({Small});
        WriteFile(t.dir.file("other.1"), c.bytes);
        t.desktop.dialogs.typed.push_back("1");
        t->MenuCommand(MenuId::mnu_LoadOther);
        EXPECT_NE(t.desktop.dialogs.messages.back().text.find(c.reason), std::string::npos);
        EXPECT_EQ(t->GameMode, ModePlaySet);
    }
}

TEST(OtherLevels, aShortFileWithAManReadsTheMissingCellsAsOutside)
{
    TestGame t({Small});
    WriteFile(t.dir.file("other.2"), Room.substr(0, 50));
    t.desktop.dialogs.typed.push_back("2");
    t->MenuCommand(MenuId::mnu_LoadOther);
    EXPECT_EQ(t->GameMode, ModePlayOther);
    EXPECT_EQ(t->Board()(3, 3), Outside);
}

TEST(SelfLevels, withNoneSavedOnlyTheMessageAppears)
{
    TestGame t({Small});
    WriteFile(t.dir.file("self.1"), Room);
    t->MenuCommand(MenuId::mnu_LoadSelf);
    EXPECT_EQ(t.desktop.dialogs.texts().back(), "File of self-edited levels not found. Please edit a new one!");
    EXPECT_TRUE(t.desktop.dialogs.inputs.empty());
}

TEST(SelfLevels, theNumberIsCheckedAgainstTheSavedCount)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "3";
    WriteFile(t.dir.file("self.2"), Room);
    t.desktop.dialogs.typed = {"4", "0", " 2 "};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    ASSERT_EQ(t.desktop.dialogs.inputs.size(), 3u);
    EXPECT_EQ(t.desktop.dialogs.inputs[0].prompt, "Please select the level: (1-3)");
    EXPECT_EQ(t.desktop.dialogs.inputs[0].defaultAnswer, "3");
    EXPECT_EQ(t->GameMode, ModeEditStored);
    EXPECT_EQ(t->Board()(2, 2), ManStart);  // the editor keeps the man in the board
    EXPECT_TRUE(t->controls.frm_Edit_Open);
    EXPECT_FALSE(t->controls.btn_Edit_Enabled);
    EXPECT_TRUE(t->controls.btn_Test_Enabled);
    EXPECT_TRUE(t->menus.Enabled(MenuId::mnu_LoadSelfSol));
    EXPECT_EQ(t->StepCount(), 0);
}

TEST(SelfLevels, aNumberWithLeadingZerosNamesAFileTheEditorNeverWrites)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "3";
    WriteFile(t.dir.file("self.2"), Room);
    t.desktop.dialogs.typed = {"02"};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    EXPECT_EQ(t.desktop.dialogs.texts().back(), SelfNotFound);
    EXPECT_EQ(t->GameMode, ModePlaySet);
}

TEST(Replay, aMissingSolutionLeavesTheGameInProgressUntouched)
{
    TestGame t({Room});
    t.Play("9");
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    EXPECT_EQ(t.desktop.dialogs.texts().back(), NoSolution);
    EXPECT_EQ(t.desktop.sound.played.back(), "BOXUNDO.WAV");
    EXPECT_EQ(t->StepCount(), 1);
    EXPECT_EQ(t->MoveHistory(), "9");
    EXPECT_EQ(t->GameMode, ModePlaySet);
}

TEST(Replay, traceStepsThroughTheSolutionToTracingOver)
{
    TestGame t({Room});
    WriteFile(t.dir.file("boxsol.1"), "x9 9");
    t.Play("9");
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    EXPECT_EQ(t->GameMode, ModeTracing);
    EXPECT_TRUE(t->controls.btn_Trace_Visible);
    EXPECT_EQ(t->controls.focus, FocusRequest::TraceButton);
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_EQ(t->MoveHistory(), "x9 9");
    t.Play("9");  // arrows do nothing during a replay
    EXPECT_EQ(t->StepCount(), 0);
    std::vector<int> steps;
    for (int i = 0; i < 4; ++i) {
        t->btn_Trace_Click();
        steps.push_back(t->StepCount());
        EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_Undo));
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 1, 2}));  // junk and spaces use up their press
    EXPECT_EQ(t.desktop.dialogs.texts().back(), "Tracing over!");
    EXPECT_FALSE(t->controls.btn_Trace_Visible);
    EXPECT_EQ(t->GameMode, ModeTracing);
    EXPECT_EQ(ReadFile(t.dir.file("boxsol.1")), "x9 9");  // a replay writes nothing
}

TEST(Replay, anUnfinishedSolutionGoesOnWithTheMovesOfThisReplay)
{
    TestGame t({Level({"", "01111111", "01622431", "01111111"})});
    WriteFile(t.dir.file("boxsol.1"), "97");
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    for (int i = 0; i < 4; ++i)
        t->btn_Trace_Click();
    // "9", "7", then the moves this replay made: "9", "7".
    EXPECT_EQ(t->StepCount(), 4);
    EXPECT_EQ(t->MoveHistory(), "979797");
}

TEST(Replay, aSolutionTooLongToReplayIsRefused)
{
    TestGame t({Room});
    WriteFile(t.dir.file("boxsol.1"), std::string(40000, '9'));
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    EXPECT_NE(t.desktop.dialogs.texts().back().find("too long"), std::string::npos);
    EXPECT_EQ(t->GameMode, ModePlaySet);
}

TEST(Replay, theLevelFileOfAnOtherLevelThatHasGoneIsReported)
{
    TestGame t({Small});
    WriteFile(t.dir.file("other.3"), Room);
    WriteFile(t.dir.file("othersol.3"), "99");
    t.desktop.dialogs.typed.push_back("3");
    t->MenuCommand(MenuId::mnu_LoadOther);
    t.Play("9");
    std::filesystem::remove(t.dir.file("other.3"));
    t->MenuCommand(MenuId::mnu_LoadOtherSol);
    EXPECT_NE(t.desktop.dialogs.texts().back().find("other.3"), std::string::npos);
    EXPECT_EQ(t->GameMode, ModePlayOther);
    EXPECT_EQ(t->StepCount(), 1);
}

TEST(Replay, duringAReplayOfTheSetTheAppearanceCommandsRestartTheLevel)
{
    TestGame t({Room});
    WriteFile(t.dir.file("boxsol.1"), "99");
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    EXPECT_TRUE(t->menus.Enabled(MenuId::mnu_SelectBack));
    t->MenuCommand(mnu_Back(2));
    EXPECT_EQ(t->GameMode, ModePlaySet);
    EXPECT_FALSE(t->controls.btn_Trace_Visible);
}

TEST(RoundTrip, drawTestSaveLoadAndReplayAnEditedLevel)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    for (int x = 7; x <= 12; ++x) {
        t->ssr_Object_Click(Wall);
        t->Form_MouseDown(1, 0, x * 32 + 5, 5 * 32 + 5);
        t->Form_MouseDown(2, 0, x * 32 + 5, 7 * 32 + 5);
    }
    t->Form_MouseDown(1, 0, 7 * 32, 6 * 32);
    t->Form_MouseDown(1, 0, 12 * 32 + 31, 6 * 32 + 31);
    t->ssr_Object_Click(Box);
    t->Form_MouseDown(1, 0, 10 * 32, 6 * 32);
    t->ssr_Object_Click(Goal);
    t->Form_MouseDown(4, 0, 11 * 32, 6 * 32);
    t->ssr_Object_Click(Floor);
    t->Form_MouseDown(1, 0, 8 * 32, 6 * 32);

    t->btn_Test_Click();
    t.Play("79");
    t.Play("9");
    EXPECT_EQ(t.desktop.dialogs.texts().back(), "Test over!");
    EXPECT_EQ(ReadFile(t.dir.file("selfsol.1")), "799");
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "1");
    const std::string saved = ReadFile(t.dir.file("self.1"));
    ASSERT_EQ(saved.size(), 280u);
    EXPECT_EQ(saved.substr(120, 20), "00000001264310000000");

    t.desktop.dialogs.typed.push_back("1");
    t->MenuCommand(MenuId::mnu_LoadSelf);
    EXPECT_EQ(t->GameMode, ModeEditStored);
    t->MenuCommand(MenuId::mnu_LoadSelfSol);
    EXPECT_EQ(t->GameMode, ModeTracing);
    EXPECT_FALSE(t->controls.frm_Edit_Open);
    int presses = 0;
    while (t->controls.btn_Trace_Visible && presses < 10) {
        t->btn_Trace_Click();
        ++presses;
    }
    EXPECT_EQ(presses, 3);
    EXPECT_EQ(t.desktop.dialogs.texts().back(), "Tracing over!");
}

}  // namespace
}  // namespace tolvar

namespace tolvar {
namespace {

TEST(Replay, noReplayStartsOnALevelOfTheSetWithoutAMan)
{
    testing::TestGame t({testing::Level({"22222", "13451", "11111"}), testing::Level({"11111", "16231", "11111"})});
    ASSERT_EQ(t->GameMode, ModeEditorLeft);
    testing::WriteFile(t.dir.file("boxsol.1"), "9999");
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    EXPECT_NE(t->GameMode, ModeTracing);
    EXPECT_FALSE(t->controls.btn_Trace_Visible);
    t->btn_Trace_Click();
    EXPECT_EQ(t->StepCount(), 0);
}

}  // namespace
}  // namespace tolvar
