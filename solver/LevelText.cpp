#include "solver/LevelText.h"

#include <algorithm>

#include "solver/LevelRules.h"

namespace tolvar::solver {

namespace {

bool IsLevelChar(char c) {
    return c == '#' || c == '@' || c == '+' || c == '$' || c == '*' || c == '.' || c == ' ' || c == '-' || c == '_';
}

bool IsLevelRow(std::string_view line) {
    if (line.find('#') == std::string_view::npos) return false;
    return std::all_of(line.begin(), line.end(), IsLevelChar);
}

}  // namespace

std::vector<TextLevel> SplitCollection(std::string_view text) {
    std::vector<TextLevel> levels;
    TextLevel current;
    std::string lastComment;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsLevelRow(line)) {
            if (current.rows.empty()) {
                current.firstLine = lineNo;
                current.title = lastComment;
            }
            current.rows.push_back(line);
            continue;
        }
        if (!current.rows.empty()) {
            levels.push_back(std::move(current));
            current = TextLevel{};
            lastComment.clear();
        }
        const auto start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line[start] == ';') {
            const auto nameStart = line.find_first_not_of(" \t", start + 1);
            lastComment = nameStart == std::string::npos ? "" : line.substr(nameStart);
        }
    }
    if (!current.rows.empty()) levels.push_back(std::move(current));
    return levels;
}

std::optional<Level> LevelFromRows(const std::vector<std::string>& rows, std::string* error) {
    auto fail = [&](std::string why) -> std::optional<Level> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    std::vector<std::string> lines = rows;
    for (auto& line : lines) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '-' || line.back() == '_')) line.pop_back();
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    const int h = static_cast<int>(lines.size());
    int w = 0;
    for (const auto& line : lines) w = std::max(w, static_cast<int>(line.size()));
    if (h == 0 || w == 0) return fail("the level is empty");
    if (w > Width || h > Height)
        return fail("the level is " + std::to_string(w) + " x " + std::to_string(h) + " cells; the board holds 20 x 14");
    int manX = -1, manY = -1, men = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < static_cast<int>(lines[static_cast<std::size_t>(y)].size()); ++x) {
            const char c = lines[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const std::string where = "row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1);
            if (!IsLevelChar(c)) return fail("unknown character at " + where);
            if (c == '+')
                return fail("the man stands on a goal at " + where + "; the game has no cell for a man on a goal");
            if (c == '@') {
                ++men;
                manX = x;
                manY = y;
            }
        }
    if (men != 1) return fail(men == 0 ? "there is no man" : "there are " + std::to_string(men) + " men, not one");

    auto charAt = [&](int x, int y) -> char {
        if (y < 0 || y >= h) return '\0';
        const auto& line = lines[static_cast<std::size_t>(y)];
        if (x < 0 || x >= static_cast<int>(line.size())) return y >= 0 && y < h && x >= 0 && x < w ? ' ' : '\0';
        return line[static_cast<std::size_t>(x)];
    };
    // Inside is what the man can reach without crossing a wall (boxes do not stop him here).
    std::vector<char> inside(static_cast<std::size_t>(w * h), 0);
    std::vector<std::pair<int, int>> stack{{manX, manY}};
    inside[static_cast<std::size_t>(manY * w + manX)] = 1;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int nx = x + DirDx[d], ny = y + DirDy[d];
            const char c = charAt(nx, ny);
            if (c == '\0') return fail("not closed by walls: the man can walk off the level at row " + std::to_string(y + 1) +
                                       ", column " + std::to_string(x + 1));
            if (c == '#' || inside[static_cast<std::size_t>(ny * w + nx)]) continue;
            inside[static_cast<std::size_t>(ny * w + nx)] = 1;
            stack.emplace_back(nx, ny);
        }
    }
    Level level;
    const int x0 = (Width - w) / 2, y0 = (Height - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = charAt(x, y);
            const bool in = inside[static_cast<std::size_t>(y * w + x)];
            std::uint8_t code = Outside;
            if (c == '#') {
                code = Wall;
            } else if (!in) {
                if (c != ' ' && c != '-' && c != '_')
                    return fail("a box or goal at row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1) +
                                " lies where the man can never go");
            } else {
                code = c == '.' ? Goal : c == '$' ? Box : c == '*' ? BoxOnGoal : c == '@' ? Man : Floor;
            }
            level(x0 + x, y0 + y) = code;
        }
    const auto problems = CheckLevel(level);
    if (!problems.empty()) return fail(problems.front());
    return level;
}

std::vector<std::string> LevelToRows(const Level& level) {
    const Bounds b = LevelBounds(level);
    std::vector<std::string> rows;
    for (int y = b.top; y <= b.bottom; ++y) {
        std::string row;
        for (int x = b.left; x <= b.right; ++x) {
            static constexpr char Chars[] = {' ', '#', ' ', '.', '$', '*', '@'};
            const auto c = level.at(x, y);
            row.push_back(c <= Man ? Chars[c] : '?');
        }
        while (!row.empty() && row.back() == ' ') row.pop_back();
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tolvar::solver
