// Solution files: one digit per move, named after the level they solve.
#include "core/Game.h"
#include "levels/AtomicFile.h"
#include "levels/TypedNumber.h"

namespace tolvar {

std::string Game::SolutionFileName()
{
    switch (LevelKind) {
    case KindSet:
        return "boxsol." + NumberText(LevelNo);
    case KindSelf:
        return "selfsol." + TrimSpaces(SelfLevelNumber);
    case KindOther:
        return "othersol." + TrimSpaces(OtherLevelNumber);
    default:
        // A new level records its solution under the number saving will give it.
        return "selfsol." + NumberText(SelfLevelCount() + 1);
    }
}

bool Game::SaveSolution()
{
    // The file holds exactly MoveHistory, whatever it held before.
    return WriteFileAtomically(FullPath(SolutionFileName()), MoveHistory);
}

}  // namespace tolvar
