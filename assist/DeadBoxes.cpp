#include "assist/DeadBoxes.h"

#include "solver/Solver.h"

namespace tolvar {

std::vector<int> DeadBoxes(const Grid& board)
{
    solver::Level level;
    static_cast<Grid&>(level) = board;  // where the man stands changes nothing
    return solver::StuckBoxes(level);
}

}  // namespace tolvar
