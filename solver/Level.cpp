#include "solver/Level.h"

#include <algorithm>

namespace tolvar::solver {

std::optional<Level> Level::FromText(std::string_view text, std::string* error) {
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
    Level level;
    static_cast<Grid&>(level) = ReadGrid(text);
    return level;
}

int Level::ManIndex() const {
    const auto it = std::find(cells.begin(), cells.end(), std::int16_t{ManStart});
    return it == cells.end() ? -1 : static_cast<int>(it - cells.begin());
}

}  // namespace tolvar::solver
