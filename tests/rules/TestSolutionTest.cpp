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
enum class End { Save };

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
    t.desktop.dialogs.answers = {MsgAnswer::Yes};
    t->btn_Exit_Click();
    EXPECT_EQ(SolutionFile(t, "selfsol.1"), c.after ? std::optional<std::string>(c.after) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredLevelEdit,
    ::testing::Values(
        StoredCase{"savedChangedDropsTheSolutionThatNoLongerWins", "99", Change::GoalOn, None, End::Save, None},
        StoredCase{"savedHarmlessChangeKeepsTheSolution", "99", Change::Harmless, None, End::Save, "99"},
        StoredCase{"savedAfterItsTestKeepsTheTestsSolution", "99", Change::GoalBack, "9", End::Save, "9"}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvar
