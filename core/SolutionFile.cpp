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
    // The file holds exactly the moves made, whatever it held before. A test's solution may be
    // of a drawing that is never saved: the file it replaces is kept until then.
    const std::string path = FullPath(CurrentSolutionFile());
    if (GameMode == ModeTestPlay)
        testSolution_.Keep(path);
    return WriteFileAtomically(path, MoveHistory());
}

}  // namespace tolvar
