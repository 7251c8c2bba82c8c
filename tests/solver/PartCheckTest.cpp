#include <gtest/gtest.h>

#include "TestLevels.h"
#include "solver/Board.h"
#include "solver/PartCheck.h"

namespace tolvar::solver {
namespace {

using testing::LevelOf;

struct PartCase {
    const char* name;
    const char* gapRow;    // the row of goals between the man's room and the part below
    const char* partRow;   // the part's upper row; the lower one runs along the wall
    bool fails;
};

void PrintTo(const PartCase& c, std::ostream* out) { *out << c.name; }

class PartCheckTest : public ::testing::TestWithParam<PartCase> {};

// The boxes on goals stand as walls; a box off a goal in the part must leave through the gap
// (or fill a goal of the part) with the man outside at the end.
TEST_P(PartCheckTest, TellsWhetherThePartBelowTheGoalsCanBeCleared) {
    const Level level = LevelOf({"#########", "#       #", "#       #", "#   @   #", "#       #", "#       #",
                                 GetParam().gapRow, GetParam().partRow, "#       #", "#########"});
    const Board board(level);
    const BoxSet boxes = board.boxesOf(level);
    BoxSet placed = boxes;
    for (int k = 0; k < placed.words(); ++k) placed.word(k) &= board.goalMask().word(k);
    PartCheck check(board);
    EXPECT_EQ(check.fails(boxes, placed, board.manStart()), GetParam().fails);
    EXPECT_EQ(check.fails(boxes, placed, board.manStart()), GetParam().fails) << "from the cache";
}

INSTANTIATE_TEST_SUITE_P(Parts, PartCheckTest, ::testing::ValuesIn(std::vector<PartCase>{
    {"SpareBesideTheGapLeaves", "##**.**##", "# $     #", false},
    {"SpareUnderTheGapShutsItForGood", "##**.**##", "#   $   #", true},
    {"SpareUnderTheGapBlocksTheOther", "##**.**##", "#  $$   #", true},
    {"TwoSparesApartBothLeave", "##**.**##", "# $   $ #", false},
    // The man goes round through the second gap and pushes the box up from below.
    {"WideGapLetsTheManRound", "##**..*##", "#   $   #", false},
    // The box fills the part's goal; the man walks out through the gap.
    {"GoalOfThePartFilledFromInside", "##**.**##", "# $   . #", false},
    {"NoBoxInThePart", "##**.**##", "#       #", false},
}), [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvar::solver
