// Solution files: one digit per move, named after the level they solve.
#include "core/Game.h"
#include "levels/AtomicFile.h"
#include "levels/TypedNumber.h"

namespace tolvar {

std::string Game::LevelNumber()
{
    switch (LevelKind) {
    case KindSet:
        return NumberText(LevelNo);
    case KindSelf:
        return TrimSpaces(SelfLevelNumber);
    case KindOther:
        return TrimSpaces(OtherLevelNumber);
    default:
        // A new level is known by the number saving will give it: the first free one.
        return NumberText(NewSelfLevelNumber());
    }
}

std::string Game::CurrentSolutionFile() { return SolutionFileName(LevelKind, LevelNumber()); }

bool Game::SaveSolution()
{
    // The file holds exactly the moves made, whatever it held before.
    return WriteFileAtomically(FullPath(CurrentSolutionFile()), MoveHistory());
}

}  // namespace tolvar
