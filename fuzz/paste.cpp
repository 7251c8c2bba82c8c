// The paste reader: any text from the clipboard is moves, levels or refused with a reason; moves
// are letters only and, played on a level made from the text, either solve it or say why not.
#include "FuzzGame.h"
#include "levels/LevelText.h"
#include "levels/PasteText.h"
#include "levels/Records.h"
#include "rules/Direction.h"

using namespace tolvar;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzing::AsText(data, size);
    const PastedText pasted = ReadPaste(text);
    Require((pasted.kind == PasteKind::Refused) == !pasted.problem.empty(), "a refusal says why, nothing else does");
    Require(pasted.kind != PasteKind::Moves || !pasted.moves.empty(), "moves pasted are some");
    for (char c : pasted.moves)
        Require(DirectionOfLetter(c) >= 0, "moves pasted are l, u, r and d only");
    if (pasted.kind != PasteKind::Levels)
        return 0;
    // A single level with moves after it: the moves either solve it or say why they do not.
    const std::vector<TextLevel> levels = SplitCollection(text, nullptr, 1);
    Require(!levels.empty(), "levels pasted hold a level");
    std::string error;
    const std::optional<Level> level = ReadLevel(levels.front().rows, &error, nullptr, LevelCheck::Rules);
    if (level && !pasted.moves.empty())
        Require(CheckSolution(*level, pasted.moves).has_value() == WhyNoSolution(*level, pasted.moves).empty(),
                "moves that do not solve a level say why, and only those");
    return 0;
}
