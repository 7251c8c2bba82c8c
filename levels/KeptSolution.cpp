#include "levels/KeptSolution.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "rules/Limits.h"
#include "levels/AtomicFile.h"
#include "rules/Step.h"

namespace tolvar {

namespace {

std::optional<std::string> ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

/// Puts `content` back as the whole file, or removes the file when there is no content.
void PutBack(const std::string& path, const std::optional<std::string>& content)
{
    if (content)
        WriteFileAtomically(path, *content);
    else
        std::remove(path.c_str());
}

}  // namespace

bool SolvesLevel(const std::string& levelCells, const std::string& moves)
{
    Grid board = ReadGrid(levelCells);
    const auto man = std::find(board.cells.begin(), board.cells.end(), ManStart);
    if (man == board.cells.end())
        return false;
    const int at = static_cast<int>(man - board.cells.begin());
    int x = at % BoardWidth, y = at / BoardWidth;
    *man = Floor;
    // A replay reads no further than its 16-bit position reaches.
    for (std::size_t i = 0; i < moves.size() && i < static_cast<std::size_t>(MaxShort); ++i) {
        const int dir = DirectionOfDigit(moves[i]);
        const Step step = dir < 0 ? Step{} : TakeStep(board, x, y, dir);
        if (!step.moved())
            continue;
        x = step.toX;
        y = step.toY;
        if (AllGoalsFilled(board))
            return true;
    }
    return false;
}

void KeptSolution::Keep(const std::string& path)
{
    if (path_ == path)
        return;
    if (path_)
        Discarded(std::nullopt);  // another file was kept: it cannot belong to this drawing
    path_ = path;
    before_ = ReadWhole(path);
}

void KeptSolution::Saved(const std::string& path, const std::string& levelCells)
{
    if (path_ && *path_ != path)
        Discarded(std::nullopt);
    const std::optional<std::string> now = ReadWhole(path);
    const bool kept = path_.has_value();
    path_.reset();
    if (!now || SolvesLevel(levelCells, *now))
        return;
    PutBack(path, kept && before_ && SolvesLevel(levelCells, *before_) ? before_ : std::nullopt);
}

void KeptSolution::Discarded(const std::optional<std::string>& storedLevel)
{
    if (!path_)
        return;  // test play wrote nothing: nothing to put back
    const std::string path = *path_;
    path_.reset();
    const std::optional<std::string> now = ReadWhole(path);
    if (storedLevel && now && SolvesLevel(*storedLevel, *now))
        return;
    PutBack(path, before_);
}

}  // namespace tolvar
