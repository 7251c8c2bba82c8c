#include "solver/Level.h"

#include <algorithm>

namespace tolvar::solver {

int DirectionOfChar(char c) {
    switch (c) {
    case '7': return Left;
    case '8': return Up;
    case '9': return Right;
    case '0': return Down;
    default: return -1;
    }
}

std::optional<Level> Level::FromText(std::string_view text, std::string* error) {
    auto fail = [&](std::string why) -> std::optional<Level> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    if (text.size() != CellCount)
        return fail("a level holds 280 cells, this one " + std::to_string(text.size()));
    Level level;
    for (int i = 0; i < CellCount; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c < '0' || c > '6') {
            const unsigned byte = static_cast<unsigned char>(c);
            return fail("byte " + std::to_string(i + 1) + " (column " + std::to_string(i % Width) + ", row " +
                        std::to_string(i / Width) + ") is " + std::to_string(byte) + ", not a cell digit 0..6");
        }
        level.cells[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c - '0');
    }
    return level;
}

std::string Level::ToText() const {
    std::string text(CellCount, '0');
    for (int i = 0; i < CellCount; ++i) text[static_cast<std::size_t>(i)] = static_cast<char>('0' + cells[static_cast<std::size_t>(i)]);
    return text;
}

int Level::Count(std::uint8_t code) const {
    return static_cast<int>(std::count(cells.begin(), cells.end(), code));
}

int Level::ManIndex() const {
    const auto it = std::find(cells.begin(), cells.end(), std::uint8_t{Man});
    return it == cells.end() ? -1 : static_cast<int>(it - cells.begin());
}

}  // namespace tolvar::solver
