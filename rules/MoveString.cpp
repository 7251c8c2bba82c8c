#include "rules/MoveString.h"

#include "rules/Step.h"

namespace tolvar {

namespace {

/// Plays the moves whose directions `directionOf` reads; `made` hears of every step made.
template <typename DirectionOf, typename Made>
PlayedMoves Play(Grid& board, Cell& man, std::string_view moves, bool untilPush, DirectionOf directionOf, Made made)
{
    PlayedMoves played;
    for (char c : moves) {
        const int d = directionOf(c);
        const Step step = d < 0 ? Step{} : TakeStep(board, man.x, man.y, d);
        if (!step.moved()) {
            played.blocked = true;
            break;
        }
        man = {step.toX, step.toY};
        ++played.made;
        played.pushes += step.pushed();
        made(step);
        if (untilPush && step.pushed())
            break;
    }
    return played;
}

}  // namespace

PlayedMoves PlayMoveString(Grid& board, Cell& man, std::string_view moves, bool untilPush)
{
    return Play(board, man, moves, untilPush, DirectionOfDigit, [](const Step&) {});
}

PlayedMoves PlayCommonMoves(Grid& board, Cell& man, std::string_view moves, std::string* letters)
{
    const auto directionOf = [](char c) {
        const int d = DirectionOfLetter(c);
        return d >= 0 ? d : DirectionOfDigit(c);
    };
    if (letters)
        letters->clear();
    return Play(board, man, moves, false, directionOf, [letters](const Step& step) {
        if (letters)
            letters->push_back(LetterOf(step.dir, step.pushed()));
    });
}

}  // namespace tolvar
