#include "levels/Level.h"

#include <algorithm>

namespace tolvar {

std::optional<Level> Level::FromText(std::string_view text, std::string* error)
{
    auto fail = [&](std::string why) -> std::optional<Level> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    if (text.size() != CellCount)
        return fail("a level holds " + std::to_string(CellCount) + " cells, this one " + std::to_string(text.size()));
    for (int i = 0; i < CellCount; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c < '0' || c > '6') {
            const unsigned byte = static_cast<unsigned char>(c);
            return fail("byte " + std::to_string(i + 1) + " (column " + std::to_string(i % BoardWidth) + ", row " +
                        std::to_string(i / BoardWidth) + ") is " + std::to_string(byte) + ", not a cell digit 0..6");
        }
    }
    return FromGrid(ReadGrid(text));
}

Level Level::FromGrid(const Grid& grid)
{
    Level level;
    static_cast<Grid&>(level) = grid;
    const auto it = std::find(level.cells.begin(), level.cells.end(), std::int16_t{ManStart});
    if (it != level.cells.end()) {
        level.man = static_cast<int>(it - level.cells.begin());
        *it = Floor;
    }
    return level;
}

std::string Level::GameFileProblem() const
{
    if (width != BoardWidth || height != BoardHeight)
        return "the level is " + std::to_string(width) + " x " + std::to_string(height) + " cells; the game's files hold " +
               std::to_string(BoardWidth) + " x " + std::to_string(BoardHeight);
    if (manOnGoal()) return "the man stands on a goal; the game has no cell for a man on a goal";
    return {};
}

std::string Level::ToText() const
{
    if (!GameFileProblem().empty()) return {};
    std::string text = GridText(*this);
    if (man >= 0) text[static_cast<std::size_t>(man)] = static_cast<char>('0' + ManStart);
    return text;
}

}  // namespace tolvar
