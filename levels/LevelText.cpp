#include "levels/LevelText.h"

#include <algorithm>
#include <optional>

#include "levels/LevelRules.h"
#include "rules/Direction.h"

namespace tolvar {

namespace {

bool IsLevelChar(char c) {
    return c == '#' || c == '@' || c == '+' || c == '$' || c == '*' || c == '.' || c == ' ' || c == '-' || c == '_';
}

bool IsLevelRow(std::string_view line) {
    if (line.find('#') == std::string_view::npos) return false;
    return std::all_of(line.begin(), line.end(), IsLevelChar);
}

}  // namespace

namespace {

/// The value of a line "Key: value" (also written as a comment, "; Key: value"), the key in any case.
std::optional<std::string> ValueOf(std::string_view line, std::string_view key) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at != std::string_view::npos && line[at] == ';') at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string_view::npos || line.size() < at + key.size() + 1 || line[at + key.size()] != ':')
        return std::nullopt;
    for (std::size_t i = 0; i < key.size(); ++i)
        if ((line[at + i] | 0x20) != (key[i] | 0x20)) return std::nullopt;
    const std::size_t start = line.find_first_not_of(" \t", at + key.size() + 1);
    if (start == std::string_view::npos) return std::string();
    return std::string(line.substr(start, line.find_last_not_of(" \t") - start + 1));
}

/// What the lines read so far say of the levels to come.
struct Between {
    std::string lastComment;  // the title for the next level: a comment line or an early "Title:" line
    bool justAfterRows = false;  // only "Title:" and "Author:" lines since the last level's rows
};

/// A line between levels. A "Title:" or "Author:" line right after a level's rows (no blank line
/// between) names that level; before the first level it names the collection; elsewhere a
/// "Title:" line names the level after it, as a comment line does.
void ReadBetween(std::string_view line, std::vector<TextLevel>& levels, CollectionHeader* header, Between& between) {
    const auto title = ValueOf(line, "Title"), author = ValueOf(line, "Author");
    if (title || author) {
        const std::string& value = title ? *title : *author;
        if (between.justAfterRows)
            (title ? levels.back().title : levels.back().author) = value;
        else if (levels.empty() && header)
            (title ? header->title : header->author) = value;
        else if (title)
            between.lastComment = value;
        return;
    }
    between.justAfterRows = false;
    const auto start = line.find_first_not_of(" \t");
    if (start != std::string_view::npos && line[start] == ';') {
        const auto nameStart = line.find_first_not_of(" \t", start + 1);
        between.lastComment = nameStart == std::string_view::npos ? "" : std::string(line.substr(nameStart));
    }
}

}  // namespace

std::vector<TextLevel> SplitCollection(std::string_view text, CollectionHeader* header, std::size_t maxLevels) {
    std::vector<TextLevel> levels;
    TextLevel current;
    Between between;
    int lineNo = 0;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsLevelRow(line)) {
            if (current.rows.empty()) {
                current.firstLine = lineNo;
                current.title = between.lastComment;
            }
            if (current.rows.size() <= static_cast<std::size_t>(MaxGridSide)) current.rows.emplace_back(line);
            ++current.height;
            continue;
        }
        if (!current.rows.empty()) {
            levels.push_back(std::move(current));
            if (levels.size() >= maxLevels) return levels;
            current = TextLevel{};
            between = {{}, true};
        }
        ReadBetween(line, levels, header, between);
    }
    if (!current.rows.empty() && levels.size() < maxLevels) levels.push_back(std::move(current));
    return levels;
}

namespace {

using Rows = std::vector<std::string>;

bool IsBlank(char c) { return c == ' ' || c == '-' || c == '_'; }

/// The width and height of the rows with trailing blanks and empty last rows dropped, found
/// without a copy: a level far too big is refused before its rows are padded to its width.
std::pair<int, int> TrimmedSize(const Rows& rows) {
    std::size_t w = 0, h = 0;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::size_t length = rows[y].size();
        while (length > 0 && IsBlank(rows[y][length - 1])) --length;
        if (length > 0) h = y + 1;
        w = std::max(w, length);
    }
    const auto clamp = [](std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, 1u << 30)); };
    return {clamp(w), clamp(h)};
}

/// Trailing blanks and empty last rows dropped, every row padded with blanks to the widest.
Rows TrimmedRows(const Rows& rows) {
    Rows lines = rows;
    for (auto& line : lines)
        while (!line.empty() && IsBlank(line.back())) line.pop_back();
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::size_t w = 0;
    for (const auto& line : lines) w = std::max(w, line.size());
    for (auto& line : lines) line.resize(w, ' ');
    return lines;
}

/// The rows turned a quarter turn clockwise: the first column, read upwards, becomes the first row.
Rows TurnedQuarter(const Rows& rows) {
    const std::size_t h = rows.size(), w = rows.front().size();
    Rows turned(w, std::string(h, ' '));
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = 0; x < w; ++x) turned[x][h - 1 - y] = rows[y][x];
    return turned;
}

std::string Where(int x, int y) { return "row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1); }

/// The man's cell, or a refusal: one man, only level characters, and no man on a goal unless `onGoal`.
std::optional<std::pair<int, int>> FindMan(const Rows& lines, bool onGoal, std::string* error) {
    std::optional<std::pair<int, int>> man;
    int men = 0;
    for (int y = 0; y < static_cast<int>(lines.size()); ++y)
        for (int x = 0; x < static_cast<int>(lines[static_cast<std::size_t>(y)].size()); ++x) {
            const char c = lines[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (!IsLevelChar(c)) return *error = "unknown character at " + Where(x, y), std::nullopt;
            if (c == '+' && !onGoal)
                return *error = "the man stands on a goal at " + Where(x, y) + "; the game has no cell for a man on a goal",
                       std::nullopt;
            if (c == '@' || c == '+') ++men, man.emplace(x, y);
        }
    if (men != 1) return *error = men == 0 ? "there is no man" : "there are " + std::to_string(men) + " men, not one", std::nullopt;
    return man;
}

/// The cells the man can reach without crossing a wall (boxes do not stop him here), or a
/// refusal when he can walk off the level.
std::optional<std::vector<char>> ManReach(const Rows& lines, std::pair<int, int> man, std::string* error) {
    const int h = static_cast<int>(lines.size()), w = static_cast<int>(lines.front().size());
    std::vector<char> inside(static_cast<std::size_t>(w * h), 0);
    std::vector<std::pair<int, int>> stack{man};
    inside[static_cast<std::size_t>(man.second * w + man.first)] = 1;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int nx = x + Directions[d].dx, ny = y + Directions[d].dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                return *error = "not closed by walls: the man can walk off the level at " + Where(x, y), std::nullopt;
            const auto cell = static_cast<std::size_t>(ny * w + nx);
            if (lines[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] == '#' || inside[cell]) continue;
            inside[cell] = 1;
            stack.emplace_back(nx, ny);
        }
    }
    return inside;
}

/// The code of a cell the man can reach.
std::int16_t InsideCode(char c) {
    return c == '.' || c == '+' ? Goal : c == '$' ? Box : c == '*' ? BoxOnGoal : Floor;
}

/// The rows placed on `level` with their top left corner at (x0, y0). A box on a goal out of
/// the man's reach is scenery: it stays where walls close it in and becomes wall where it
/// touches the outside; any other box or goal out of reach is refused when the check is Fair,
/// else kept where it is. *fixed counts the boxes kept as scenery.
bool PlaceOnBoard(const Rows& lines, const std::vector<char>& inside, Level& level, int x0, int y0, LevelCheck check,
                  int* fixed, std::string* error) {
    const int h = static_cast<int>(lines.size()), w = static_cast<int>(lines.front().size());
    std::vector<std::pair<int, int>> scenery;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = lines[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            auto& code = level(x0 + x, y0 + y);
            if (c == '#') {
                code = Wall;
            } else if (inside[static_cast<std::size_t>(y * w + x)]) {
                code = InsideCode(c);
                if (c == '@' || c == '+') level.man = level.index(x0 + x, y0 + y);
            } else if (c == '*') {
                code = BoxOnGoal;
                scenery.emplace_back(x0 + x, y0 + y);
            } else if (!IsBlank(c)) {
                if (check == LevelCheck::Fair)
                    return *error = "a box or goal at " + Where(x, y) + " lies where the man can never go", false;
                code = InsideCode(c);
            }
        }
    for (const auto& [x, y] : scenery)
        for (int d = 0; d < 4; ++d)
            if (level.at(x + Directions[d].dx, y + Directions[d].dy) == Outside) level(x, y) = Wall;
    *fixed = static_cast<int>(scenery.size());
    return true;
}

/// The trimmed rows read onto `level` at (x0, y0) and checked; *said gains the note on scenery.
std::optional<Level> Place(const Rows& lines, Level level, int x0, int y0, bool onGoal, LevelCheck check, std::string* why,
                           std::string* said) {
    const auto man = FindMan(lines, onGoal, why);
    if (!man) return std::nullopt;
    const auto inside = ManReach(lines, *man, why);
    if (!inside) return std::nullopt;
    int fixed = 0;
    if (!PlaceOnBoard(lines, *inside, level, x0, y0, check, &fixed, why)) return std::nullopt;
    const auto problems = check == LevelCheck::Fair ? CheckLevel(level) : CheckRules(level);
    if (!problems.empty()) return *why = problems.front(), std::nullopt;
    if (fixed > 0)
        *said += std::string(said->empty() ? "" : "; ") +
                 (fixed == 1 ? "a box on a goal" : std::to_string(fixed) + " boxes on goals") +
                 " out of the man's reach kept as scenery";
    return level;
}

/// Says the result: the reason on a refusal, the note on success.
std::optional<Level> Tell(std::optional<Level> level, const std::string& why, const std::string& said,
                          std::string* error, std::string* note) {
    if (!level && error) *error = why;
    if (level && note) *note = said;
    return level;
}

/// "the level is W x H cells; " for a refusal by size.
std::string SizeOf(int w, int h) { return "the level is " + std::to_string(w) + " x " + std::to_string(h) + " cells; "; }

}  // namespace

std::optional<Level> ReadLevel(const std::vector<std::string>& rows, std::string* error, std::string* note, LevelCheck check) {
    std::string why, said;
    const auto [w, h] = TrimmedSize(rows);
    if (h == 0 || w == 0) return Tell(std::nullopt, "the level is empty", said, error, note);
    if (w > MaxGridSide || h > MaxGridSide)
        return Tell(std::nullopt,
                    SizeOf(w, h) + "a level has at most " + std::to_string(MaxGridSide) + " x " + std::to_string(MaxGridSide),
                    said, error, note);
    auto level = Place(TrimmedRows(rows), Level(w, h), 0, 0, true, check, &why, &said);
    return Tell(std::move(level), why, said, error, note);
}

std::optional<Level> LevelFromRows(const std::vector<std::string>& rows, std::string* error, std::string* note) {
    std::string why, said;
    const auto [w, h] = TrimmedSize(rows);
    if (h == 0 || w == 0) return Tell(std::nullopt, "the level is empty", said, error, note);
    if ((w > BoardWidth || h > BoardHeight) && (h > BoardWidth || w > BoardHeight))
        return Tell(std::nullopt,
                    SizeOf(w, h) + "the board holds " + std::to_string(BoardWidth) + " x " + std::to_string(BoardHeight) +
                        " (or " + std::to_string(BoardHeight) + " x " + std::to_string(BoardWidth) + " turned)",
                    said, error, note);
    Rows lines = TrimmedRows(rows);
    if (w > BoardWidth || h > BoardHeight) {
        lines = TurnedQuarter(lines);
        said = "turned a quarter turn to fit the board";
    }
    const int placedW = static_cast<int>(lines.front().size()), placedH = static_cast<int>(lines.size());
    auto level = Place(lines, Level(), (BoardWidth - placedW) / 2, (BoardHeight - placedH) / 2, false, LevelCheck::Fair,
                       &why, &said);
    return Tell(std::move(level), why, said, error, note);
}

std::vector<std::string> LevelToRows(const Level& level) {
    const Bounds b = LevelBounds(level);
    std::vector<std::string> rows;
    for (int y = b.top; y <= b.bottom; ++y) {
        std::string row;
        for (int x = b.left; x <= b.right; ++x) {
            static constexpr char Chars[] = {' ', '#', ' ', '.', '$', '*', '@'};
            const auto c = level.at(x, y);
            if (level.man == level.index(x, y))
                row.push_back(c == Goal ? '+' : '@');
            else
                row.push_back(c <= ManStart ? Chars[c] : '?');
        }
        while (!row.empty() && row.back() == ' ') row.pop_back();
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tolvar
