// Every level we ship can be won: the solver's moves, pressed as arrow keys in the game
// itself, win each level, store its solution and lead on to the next one.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes/TestGame.h"
#include "solver/Solver.h"

namespace tolvar {
namespace {

std::vector<std::string> ShippedLevels()
{
    const std::string set = testing::ReadFile(std::string(TOLVAR_ASSETS_DIR) + "/tolvar.box");
    std::vector<std::string> levels;
    for (std::size_t at = 0; at + CellCount <= set.size(); at += CellCount)
        levels.push_back(set.substr(at, CellCount));
    return levels;
}

/// The stored solution of each shipped level (tests/crosscheck/solutions.txt), found by the
/// level tool's solver; make-solutions.sh writes it again when the set changes.
std::vector<std::string> StoredSolutions(const std::vector<std::string>& levels)
{
    std::ifstream in(TOLVAR_SOLUTIONS_FILE);
    std::vector<std::string> solutions(levels.size());
    std::size_t n = 0;
    std::string text, moves;
    while (in >> n >> text >> moves) {
        if (n >= 1 && n <= levels.size() && text == levels[n - 1])
            solutions[n - 1] = moves;
    }
    return solutions;
}

TEST(ShippedLevels, thereAreEnoughAndEachIsWonByItsSolutionThroughTheKeys)
{
    const std::vector<std::string> levels = ShippedLevels();
    ASSERT_GE(levels.size(), 60u);
    const std::vector<std::string> solutions = StoredSolutions(levels);
    testing::TestGame t(levels);
    ASSERT_EQ(t->NumLevels, static_cast<int>(levels.size()));
    for (std::size_t n = 1; n <= levels.size(); ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        const std::string& moves = solutions[n - 1];
        ASSERT_FALSE(moves.empty()) << "no stored solution for this level: run tests/crosscheck/make-solutions.sh";
        ASSERT_EQ(t->LevelNo, static_cast<int>(n));
        const std::size_t wonWindows = t.desktop.dialogs.aboutBoxes.size();
        t.Play(moves);
        EXPECT_EQ(testing::ReadFile(t.dir.file("boxsol." + std::to_string(n))), moves);
        ASSERT_EQ(t.desktop.dialogs.aboutBoxes.size(), wonWindows + 1);
        EXPECT_EQ(t.desktop.dialogs.aboutBoxes.back(),
                  n < levels.size() ? AboutRole::NextLevel : AboutRole::AllCompleted);
    }
    EXPECT_EQ(t->LevelNo, 1);
    EXPECT_EQ(t.desktop.settings.values["Level"], "1");
}

TEST(ShippedLevels, theStoredSolutionOfTheFirstLevelReplaysToTracingOver)
{
    const std::vector<std::string> levels = ShippedLevels();
    testing::TestGame t(levels);
    const auto level = solver::Level::FromText(levels[0]);
    ASSERT_TRUE(level);
    const solver::SolveResult result = solver::Solve(*level);
    ASSERT_EQ(result.status, solver::SolveStatus::Solved);
    testing::WriteFile(t.dir.file("boxsol.1"), result.moves);
    t->MenuCommand(MenuId::mnu_LoadOriginalSol);
    std::size_t presses = 0;
    while (t->controls.btn_Trace_Visible && presses < result.moves.size() + 5) {
        t->btn_Trace_Click();
        ++presses;
    }
    EXPECT_EQ(presses, result.moves.size());
    EXPECT_EQ(t.desktop.dialogs.texts().back(), "Tracing over!");
}

}  // namespace
}  // namespace tolvar
