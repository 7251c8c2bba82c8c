#include "levels/LevelRules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "rules/Direction.h"
#include "rules/Floorplan.h"

namespace tolvar {

namespace {

/// The first floor cell, in reading order, beside the outside or the grid's edge.
std::optional<std::pair<int, int>> OpenCell(const Level& level) {
    for (int y = 0; y < level.height; ++y)
        for (int x = 0; x < level.width; ++x) {
            if (level(x, y) < Floor) continue;
            for (int d = 0; d < 4; ++d)
                if (level.at(x + Directions[d].dx, y + Directions[d].dy) == Outside) return std::pair{x, y};
        }
    return std::nullopt;
}

/// The problems with the level's men, boxes and goals.
std::vector<std::string> CountProblems(const Level& level) {
    std::vector<std::string> problems;
    const int men = (level.man >= 0) + level.count(ManStart);  // a ManStart in the grid is a second man
    if (men != 1) problems.push_back(men == 0 ? "there is no man" : "there are " + std::to_string(men) + " men, not one");
    const int boxes = level.boxCount(), goals = level.goalCount();
    if (goals == 0) problems.push_back("there is no goal");
    if (boxes != goals)
        problems.push_back(std::to_string(boxes) + " boxes but " + std::to_string(goals) + " goals");
    return problems;
}

/// The first cell the man could reach, walking through boxes, that is outside or on the grid's edge.
std::optional<std::pair<int, int>> WayOut(const Level& level) {
    std::vector<char> seen(static_cast<std::size_t>(level.size()), 0);
    std::vector<int> stack{level.man};
    seen[static_cast<std::size_t>(level.man)] = 1;
    while (!stack.empty()) {
        const int x = stack.back() % level.width, y = stack.back() / level.width;
        stack.pop_back();
        if (level(x, y) == Outside || x == 0 || y == 0 || x == level.width - 1 || y == level.height - 1)
            return std::pair{x, y};
        for (int d = 0; d < 4; ++d) {
            const int next = level.index(x + Directions[d].dx, y + Directions[d].dy);
            if (level.cells[static_cast<std::size_t>(next)] == Wall || seen[static_cast<std::size_t>(next)]) continue;
            seen[static_cast<std::size_t>(next)] = 1;
            stack.push_back(next);
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> CheckRules(const Level& level) {
    std::vector<std::string> problems = CountProblems(level);
    if (level.man < 0 || level.man >= level.size()) return problems;
    if (const auto out = WayOut(level))
        problems.push_back("not closed by walls: the man can walk off the level at " + CellName(out->first, out->second));
    return problems;
}

std::string CellName(int x, int y) { return "column " + std::to_string(x) + ", row " + std::to_string(y); }

Bounds LevelBounds(const Level& level) {
    Bounds b{level.width, level.height, -1, -1};
    for (int y = 0; y < level.height; ++y)
        for (int x = 0; x < level.width; ++x)
            if (level.at(x, y) != Outside) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    if (b.right < 0) return Bounds{};
    return b;
}

std::vector<std::string> CheckLevel(const Level& level) {
    std::vector<std::string> problems = CountProblems(level);
    if (const auto open = OpenCell(level))
        problems.push_back("not closed by walls: the cell at " + CellName(open->first, open->second) + " opens to the outside");
    if (!problems.empty() || level.boxCount() == 0) return problems;
    // A box off a goal that is frozen already or can reach no goal makes the level unwinnable.
    for (const LostBox& box : LostBoxes(level))
        problems.push_back("the box at " + CellName(box.x, box.y) +
                           (box.onDeadSquare ? " can never reach a goal" : " can never be moved"));
    return problems;
}

std::vector<std::string> CheckScreenFit(const Level& level) {
    if (level.width != BoardWidth || level.height != BoardHeight)
        return {"the level is " + std::to_string(level.width) + " x " + std::to_string(level.height) + " cells, not the game's " +
                std::to_string(BoardWidth) + " x " + std::to_string(BoardHeight)};
    std::vector<std::string> problems;
    // The level counter at the top left, the step counter at the top right, the trace button at the bottom right.
    constexpr int W = BoardWidth, Bottom = BoardHeight - 2;
    constexpr std::array<int, 4> covered{1 + W * 1, (W - 2) + W * 1, (W - 3) + W * Bottom, (W - 2) + W * Bottom};
    for (int i = 0; i < CellCount; ++i) {
        const auto c = level.cells[static_cast<std::size_t>(i)];
        const int x = i % BoardWidth, y = i / BoardWidth;
        const bool ring = x == 0 || y == 0 || x == BoardWidth - 1 || y == BoardHeight - 1;
        if (ring && c != Outside) {
            problems.push_back("the cell at " + CellName(x, y) + " lies under the border decoration");
            break;
        }
        if (c >= Floor && std::find(covered.begin(), covered.end(), i) != covered.end())
            problems.push_back("the cell at " + CellName(x, y) + " lies under a counter or the trace button");
    }
    const Bounds b = LevelBounds(level);
    if (b.right >= 0) {
        const int leftGap = b.left, rightGap = BoardWidth - 1 - b.right, topGap = b.top, bottomGap = BoardHeight - 1 - b.bottom;
        if (std::abs(leftGap - rightGap) > 1 || std::abs(topGap - bottomGap) > 1)
            problems.push_back("not centred on the board");
    }
    return problems;
}

std::string CanonicalShape(const Level& level) {
    const Bounds b = LevelBounds(level);
    if (b.right < 0) return {};
    auto cell = [&](int x, int y) {
        const auto c = level.at(b.left + x, b.top + y);
        return static_cast<char>('0' + (c == ManStart ? std::int16_t{Floor} : c));
    };
    std::string best;
    for (int t = 0; t < 8; ++t) {
        const bool swap = t & 4;
        const int w = swap ? b.height() : b.width(), h = swap ? b.width() : b.height();
        std::string text;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sx = swap ? y : x, sy = swap ? x : y;
                if (t & 1) sx = b.width() - 1 - sx;
                if (t & 2) sy = b.height() - 1 - sy;
                text.push_back(cell(sx, sy));
            }
            text.push_back('/');
        }
        if (best.empty() || text < best) best = text;
    }
    return best;
}

}  // namespace tolvar
