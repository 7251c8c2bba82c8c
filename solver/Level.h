#pragma once
// One level of the game as the solver and the level tool see it: 20 x 14 cell
// codes, the same digits as the level files and the level set.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvar::solver {

constexpr int Width = 20;
constexpr int Height = 14;
constexpr int CellCount = Width * Height;  // also the length of one level text

// Cell codes, the digits of a level text.
constexpr std::uint8_t Outside = 0;
constexpr std::uint8_t Wall = 1;
constexpr std::uint8_t Floor = 2;
constexpr std::uint8_t Goal = 3;
constexpr std::uint8_t Box = 4;
constexpr std::uint8_t BoxOnGoal = 5;
constexpr std::uint8_t Man = 6;

/// The four directions in the order of the game's move characters.
enum Direction : std::uint8_t { Left = 0, Up = 1, Right = 2, Down = 3 };
constexpr std::array<int, 4> DirDx{-1, 0, 1, 0};
constexpr std::array<int, 4> DirDy{0, -1, 0, 1};
/// "7" left, "8" up, "9" right, "0" down: the characters of a solution file.
constexpr std::array<char, 4> DirChar{'7', '8', '9', '0'};
/// The direction of a move character, or -1 for anything else.
int DirectionOfChar(char c);

struct Level {
    std::array<std::uint8_t, CellCount> cells{};  // codes 0..6, element (x, y) at x + 20 * y

    static constexpr bool Inside(int x, int y) { return x >= 0 && x < Width && y >= 0 && y < Height; }
    std::uint8_t at(int x, int y) const { return Inside(x, y) ? cells[static_cast<std::size_t>(x + Width * y)] : Outside; }
    std::uint8_t& operator()(int x, int y) { return cells[static_cast<std::size_t>(x + Width * y)]; }

    /// Reads a 280-character level text; on failure returns nothing and says why in *error.
    static std::optional<Level> FromText(std::string_view text, std::string* error = nullptr);
    std::string ToText() const;

    int Count(std::uint8_t code) const;
    int BoxCount() const { return Count(Box) + Count(BoxOnGoal); }
    int GoalCount() const { return Count(Goal) + Count(BoxOnGoal); }
    /// The cell index of the first man's start, or -1.
    int ManIndex() const;

    bool operator==(const Level&) const = default;
};

}  // namespace tolvar::solver
