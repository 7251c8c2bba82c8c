// The rule of a move on its own: one row of a grid, the man at a column, one step; taking the
// step back gives the row it started from.
#include <gtest/gtest.h>

#include "rules/Step.h"

namespace tolvar {
namespace {

struct StepCase {
    const char* name;
    const char* row;  // row 0 of the grid, 20 cells at most; the rest is outside
    int manX;
    int dir;
    StepKind kind;
    const char* rowAfter;
    bool fromGoal, ontoGoal;
};

std::string RowOf(const Grid& g, std::size_t length)
{
    return GridText(g).substr(0, length);
}

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, changeOnlyWhatTheRuleSaysAndCanBeTakenBack)
{
    const StepCase& c = GetParam();
    const std::string row = c.row;
    Grid board = ReadGrid(row);
    const Step step = TakeStep(board, c.manX, 0, c.dir);
    EXPECT_EQ(step.kind, c.kind);
    EXPECT_EQ(RowOf(board, row.size()), c.rowAfter);
    EXPECT_EQ(step.fromGoal(), c.fromGoal);
    EXPECT_EQ(step.ontoGoal(), c.ontoGoal);
    if (step.moved()) {
        EXPECT_EQ(step.toX, c.manX + Directions[static_cast<std::size_t>(c.dir)].dx);
    }
    UndoStep(board, step);
    EXPECT_EQ(RowOf(board, row.size()), row);
}

const StepCase Cases[] = {
    {"walk", "1222", 1, Right, StepKind::Walk, "1222", false, false},
    {"walkOntoGoal", "1232", 1, Right, StepKind::Walk, "1232", false, false},
    {"push", "12421", 1, Right, StepKind::Push, "12241", false, false},
    {"pushOntoGoal", "12431", 1, Right, StepKind::Push, "12251", false, true},
    {"pushFromGoal", "12521", 1, Right, StepKind::Push, "12341", true, false},
    {"pushFromGoalOntoGoal", "12531", 1, Right, StepKind::Push, "12351", true, true},
    {"blockedByWall", "1221", 2, Right, StepKind::Blocked, "1221", false, false},
    {"blockedByOutside", "2202", 1, Right, StepKind::Blocked, "2202", false, false},
    {"boxBlockedByBox", "124421", 1, Right, StepKind::Blocked, "124421", false, false},
    {"boxBlockedByWall", "12411", 1, Right, StepKind::Blocked, "12411", false, false},
    {"blockedByTheGridsEdge", "2222", 0, Left, StepKind::Blocked, "2222", false, false},
    {"boxBlockedByTheGridsEdge", "4222", 1, Left, StepKind::Blocked, "4222", false, false},
    {"blockedUpByTheGridsEdge", "2222", 1, Up, StepKind::Blocked, "2222", false, false},
};
INSTANTIATE_TEST_SUITE_P(Rule, Steps, ::testing::ValuesIn(Cases), [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvar
