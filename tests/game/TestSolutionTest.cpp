// A solution file never holds moves that do not solve its level as stored: saving a level
// removes one that no longer does, and a drawing thrown away takes back the solution its test
// play wrote.
#include <gtest/gtest.h>

#include <functional>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;
using testing::WriteFile;

// The man, a box, a floor cell, the goal and a floor cell: "99" wins it.
const std::string Corridor = Level({"1111111", "1642321", "1111111"});
constexpr const char* None = nullptr;

void Place(Game& g, int object, int x, int y)
{
    g.ssr_Object_Click(object);
    g.Form_MouseDown(1, 0, x * 32 + 16, y * 32 + 16);
}

std::optional<std::string> SolutionFile(TestGame& t, const char* name)
{
    if (!std::filesystem::exists(t.dir.file(name)))
        return std::nullopt;
    return ReadFile(t.dir.file(name));
}

enum class Change { None, Harmless, GoalOn, GoalBack };
enum class End { Save, ExitNo, LoadOther, ReplaySolution };

struct StoredCase {
    const char* name;
    const char* before;  // selfsol.1 before the edit
    Change change;
    const char* test;    // the moves of a test play won, or none
    End end;
    const char* after;   // selfsol.1 afterwards
};

class StoredLevelEdit : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredLevelEdit, leavesASolutionThatSolvesTheLevelAsStored)
{
    const StoredCase& c = GetParam();
    TestGame t({Corridor});
    WriteFile(t.dir.file("self.1"), Corridor);
    WriteFile(t.dir.file("other.1"), Corridor);
    if (c.before)
        WriteFile(t.dir.file("selfsol.1"), c.before);
    t.desktop.settings.values["SelfLevel"] = "1";
    t.desktop.dialogs.typed = {"1"};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    ASSERT_EQ(t->GameMode, ModeEditStored);
    if (c.change == Change::Harmless)
        Place(*t, Wall, 5, 1);
    if (c.change == Change::GoalOn || c.change == Change::GoalBack) {
        Place(*t, Floor, 4, 1);
        Place(*t, Goal, c.change == Change::GoalOn ? 5 : 3, 1);  // "999" or "9" wins it
    }
    if (c.test) {
        t->btn_Test_Click();
        t.Play(c.test);
        ASSERT_EQ(t->GameMode, ModeTestOver);
    }
    t.desktop.dialogs.typed = {"1"};
    t.desktop.dialogs.answers = {c.end == End::Save ? MsgAnswer::Yes : MsgAnswer::No};
    if (c.end == End::LoadOther || c.end == End::ReplaySolution)
        t->MenuCommand(c.end == End::LoadOther ? MenuId::mnu_LoadOther : MenuId::mnu_LoadSelfSol);
    else
        t->btn_Exit_Click();
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), c.after ? std::optional<std::string>(c.after) : std::nullopt);
    if (c.end == End::ReplaySolution) {
        EXPECT_EQ(t->MoveHistory(), c.after);  // the replay plays the file as it is put back
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredLevelEdit,
    ::testing::Values(
        StoredCase{"savedChangedDropsTheSolutionThatNoLongerWins", "99", Change::GoalOn, None, End::Save, None},
        StoredCase{"savedHarmlessChangeKeepsTheSolution", "99", Change::Harmless, None, End::Save, "99"},
        StoredCase{"savedAfterItsTestKeepsTheTestsSolution", "99", Change::GoalBack, "9", End::Save, "9"},
        StoredCase{"testedThenNotSavedPutsTheSolutionBack", "99", Change::GoalBack, "9", End::ExitNo, "99"},
        StoredCase{"testedThenLeftForAnotherLevelPutsTheSolutionBack", "99", Change::GoalBack, "9", End::LoadOther, "99"},
        StoredCase{"testedThenItsSolutionReplayedPlaysTheOneBefore", "99", Change::GoalBack, "9", End::ReplaySolution, "99"},
        StoredCase{"testedThenNotSavedLeavesNoneWhereThereWasNone", None, Change::GoalBack, "9", End::ExitNo, None},
        // The level as stored was tested: the new solution solves it too and is the player's.
        StoredCase{"unchangedTestedKeepsTheNewSolution", "799", Change::None, "99", End::ExitNo, "99"}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

// A new level tested and thrown away takes its solution with it, or puts back the file it
// replaced; the next new level, saved without a test, inherits no solution.
TEST(NewLevelEdit, aThrownAwayTestLeavesNoSolutionForTheNextLevel)
{
    TestGame t({Corridor});
    WriteFile(t.dir.file("selfsol.1"), "0000");  // left by an older game
    const auto drawAndTest = [&t] {
        t->MenuCommand(MenuId::mnu_Edit);
        for (int x = 8; x <= 12; ++x) {
            Place(*t, Wall, x, 5);
            Place(*t, Wall, x, 7);
        }
        Place(*t, Wall, 8, 6);
        Place(*t, Wall, 12, 6);
        Place(*t, Box, 10, 6);
        Place(*t, Goal, 11, 6);
        t->btn_Test_Click();
        t.Play("9");
    };
    drawAndTest();
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), "9");
    t.desktop.dialogs.answers = {MsgAnswer::No};
    t->btn_Exit_Click();
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), "0000");

    drawAndTest();
    t.desktop.dialogs.answers = {MsgAnswer::No};
    t->MenuCommand(MenuId::mnu_Edit);
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), "0000");
    Place(*t, Wall, 3, 3);
    t.desktop.dialogs.answers = {MsgAnswer::Yes};
    t->btn_Exit_Click();
    EXPECT_EQ(ReadFile(t.dir.file("self.1")).size(), 280u);
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), std::nullopt);
}

}  // namespace
}  // namespace tolvar
