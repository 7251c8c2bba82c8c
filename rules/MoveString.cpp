#include "rules/MoveString.h"

#include "rules/Step.h"

namespace tolvar {

PlayedMoves PlayMoveString(Grid& board, Cell& man, std::string_view moves, bool untilPush)
{
    PlayedMoves played;
    for (char c : moves) {
        const int d = DirectionOfDigit(c);
        const Step step = d < 0 ? Step{} : TakeStep(board, man.x, man.y, d);
        if (!step.moved()) {
            played.blocked = true;
            break;
        }
        man = {step.toX, step.toY};
        ++played.made;
        played.pushes += step.pushed();
        if (untilPush && step.pushed())
            break;
    }
    return played;
}

}  // namespace tolvar
