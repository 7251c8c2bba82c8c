#pragma once
// One level of the game as the solver and the level tool see it: the game's own grid, the
// man's start kept in it as in a level text.
#include <optional>
#include <string>
#include <string_view>

#include "rules/Direction.h"
#include "rules/Grid.h"

namespace tolvar::solver {

struct Level : Grid {
    /// Reads a 280-character level text; on failure returns nothing and says why in *error.
    static std::optional<Level> FromText(std::string_view text, std::string* error = nullptr);
    std::string ToText() const { return GridText(*this); }

    /// The cell index of the first man's start, or -1.
    int ManIndex() const;

    bool operator==(const Level&) const = default;
};

}  // namespace tolvar::solver
