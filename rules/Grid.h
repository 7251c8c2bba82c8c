#pragma once
// The board: its size, the cell codes of the grids and of the level text, and the grid itself.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

/// The game's own board, the size of every level file and of the window's playing area.
constexpr int BoardWidth = 20;
constexpr int BoardHeight = 14;
constexpr int CellCount = BoardWidth * BoardHeight;  // 280, also the length of a level text
/// The smallest and the largest board a level may have in any form.
constexpr int MinGridSide = 3;
constexpr int MaxGridSide = 64;
constexpr int MaxGridCells = MaxGridSide * MaxGridSide;
/// Where the man of a new level starts: the middle of the board (9, 6).
constexpr int NewLevelManX = (BoardWidth - 1) / 2;
constexpr int NewLevelManY = BoardHeight / 2 - 1;

enum CellCode : std::int16_t {
    Outside = 0,
    Wall = 1,
    Floor = 2,
    Goal = 3,
    Box = 4,
    BoxOnGoal = 5,
    ManStart = 6,  // only in a level text and in a level as loaded or drawn
};
constexpr int CellCodeCount = ManStart + 1;

constexpr bool HoldsBox(std::int16_t code) { return code == Box || code == BoxOnGoal; }
constexpr bool IsGoal(std::int16_t code) { return code == Goal || code == BoxOnGoal; }
/// Floor or goal with nothing on it: the man may step there and a box may be pushed there.
constexpr bool IsFree(std::int16_t code) { return code == Floor || code == Goal; }

/// A cell of a grid, (column, row).
struct Cell {
    int x = 0, y = 0;
    bool operator==(const Cell&) const = default;
};

/// A grid of cell codes, indexed (column, row); element (x, y) sits at x + width * y. A grid
/// is the game's 20 x 14 unless it is made another size (up to 64 x 64).
struct Grid {
    int width = BoardWidth;
    int height = BoardHeight;
    std::vector<std::int16_t> cells = std::vector<std::int16_t>(CellCount, Outside);

    Grid() = default;
    /// A grid of `w` x `h` cells, all outside; sides are clamped to 1..64.
    Grid(int w, int h)
        : width(std::clamp(w, 1, MaxGridSide)), height(std::clamp(h, 1, MaxGridSide)),
          cells(static_cast<std::size_t>(width * height), Outside)
    {
    }

    int size() const { return width * height; }
    bool inside(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    int index(int x, int y) const { return x + width * y; }
    std::int16_t& operator()(int x, int y) { return cells[static_cast<std::size_t>(x + width * y)]; }
    std::int16_t operator()(int x, int y) const { return cells[static_cast<std::size_t>(x + width * y)]; }
    /// The code at (x, y), or Outside for a cell beyond the grid's edge.
    std::int16_t at(int x, int y) const { return inside(x, y) ? (*this)(x, y) : std::int16_t{Outside}; }
    std::int16_t at(Cell c) const { return at(c.x, c.y); }
    bool inside(Cell c) const { return inside(c.x, c.y); }
    void fill(std::int16_t code) { std::fill(cells.begin(), cells.end(), code); }
    /// How many cells hold `code`.
    int count(std::int16_t code) const { return static_cast<int>(std::count(cells.begin(), cells.end(), code)); }
    int goalCount() const { return count(Goal) + count(BoxOnGoal); }
    int boxCount() const { return count(Box) + count(BoxOnGoal); }
    bool operator==(const Grid&) const = default;
};

/// The cell code of one character of a level text: a digit "0".."6" gives its value; anything
/// else, the digits 7, 8 and 9 included, has no meaning on the board and reads as 0 (outside).
constexpr std::int16_t CodeOfChar(char c) { return (c >= '0' && c <= '6') ? static_cast<std::int16_t>(c - '0') : std::int16_t{0}; }

/// The 20 x 14 grid of a level's bytes, row by row; bytes beyond the 280th are ignored and
/// missing ones read as outside.
Grid ReadGrid(std::string_view bytes);

/// The level text of a grid: one digit per cell, row by row (a code beyond 0..6 is clamped).
std::string GridText(const Grid& grid);

/// Every goal holds a box, and there is at least one goal.
bool AllGoalsFilled(const Grid& grid);

}  // namespace tolvar
