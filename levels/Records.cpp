#include "levels/Records.h"

#include <charconv>

#include "rules/MoveString.h"

namespace tolvar {

namespace {

constexpr std::string_view Heading =
    "# TOLVAR records: the best solution of each solved level, by moves and by pushes.\n"
    "# A line: the level's number, which it is best by (moves or pushes), its moves, its pushes,\n"
    "# and the moves themselves: l u r d walk left, up, right, down; L U R D push.\n";

/// The words of a line, split at spaces and tabs.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0; (at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos;) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

/// A whole number from 0 to `max`, or -1.
long long NumberOf(std::string_view word, long long max)
{
    long long value = -1;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc{} && end == word.data() + word.size() && value >= 0 && value <= max ? value : -1;
}

/// Reads one line into `read`; the reason when it cannot be read.
std::string ReadLine(std::string_view line, RecordsRead& read)
{
    const auto words = Words(line);
    if (words.size() != 5)
        return "it does not hold a number, moves or pushes, two counts and the moves";
    const long long number = NumberOf(words[0], 1LL << 30);
    const long long moves = NumberOf(words[2], MaxSolutionMoves), pushes = NumberOf(words[3], MaxSolutionMoves);
    if (number < 1 || moves < 0 || pushes < 0)
        return "a number in it is not a count";
    if (words[1] != "moves" && words[1] != "pushes")
        return "it says neither moves nor pushes";
    if (words[4].size() > MaxSolutionMoves)
        return "its moves are too long";
    LevelRecord& record = read.records[static_cast<int>(number)];
    Solution& slot = words[1] == "moves" ? record.byMoves : record.byPushes;
    if (!slot.moves.empty())
        return "level " + std::string(words[0]) + " has a record by " + std::string(words[1]) + " before it";
    slot = {std::string(words[4]), static_cast<int>(moves), static_cast<int>(pushes)};
    return {};
}

void WriteLine(std::string& text, int number, const char* by, const Solution& solution)
{
    text += std::to_string(number) + ' ' + by + ' ' + std::to_string(solution.moveCount) + ' ' +
            std::to_string(solution.pushCount) + ' ' + solution.moves + '\n';
}

}  // namespace

bool FewerMoves(const Solution& a, const Solution& b)
{
    return a.moveCount != b.moveCount ? a.moveCount < b.moveCount : a.pushCount < b.pushCount;
}

bool FewerPushes(const Solution& a, const Solution& b)
{
    return a.pushCount != b.pushCount ? a.pushCount < b.pushCount : a.moveCount < b.moveCount;
}

std::optional<Solution> CheckSolution(const Level& level, std::string_view moves)
{
    if (level.man < 0 || level.man >= level.size() || moves.empty() || moves.size() > MaxSolutionMoves)
        return std::nullopt;
    Grid board = level;
    Cell man{level.man % level.width, level.man / level.width};
    // The level is won by the last move, not before it (the game ends a level at its win).
    Solution solution, last;
    const PlayedMoves played = PlayCommonMoves(board, man, moves.substr(0, moves.size() - 1), &solution.moves);
    if (played.blocked || AllGoalsFilled(board))
        return std::nullopt;
    const PlayedMoves final = PlayCommonMoves(board, man, moves.substr(moves.size() - 1), &last.moves);
    if (final.blocked || !AllGoalsFilled(board))
        return std::nullopt;
    solution.moves += last.moves;
    solution.moveCount = static_cast<int>(played.made + 1);
    solution.pushCount = played.pushes + final.pushes;
    return solution;
}

Improvement KeepBetter(RecordMap& records, int number, const Solution& win)
{
    Improvement improvement;
    const auto [it, added] = records.try_emplace(number, LevelRecord{win, win});
    if (added) {
        improvement.first = true;
        return improvement;
    }
    LevelRecord& record = it->second;
    if (FewerMoves(win, record.byMoves)) {
        record.byMoves = win;
        improvement.moves = true;
    }
    if (FewerPushes(win, record.byPushes)) {
        record.byPushes = win;
        improvement.pushes = true;
    }
    return improvement;
}

RecordsRead ParseRecords(std::string_view text)
{
    RecordsRead read;
    if (text.size() > MaxRecordsBytes) {
        read.problems.push_back("the records file is too large to be read");
        return read;
    }
    int lineNo = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        if (const std::string why = ReadLine(line, read); !why.empty())
            read.problems.push_back("line " + std::to_string(lineNo) + " of the records was not read: " + why);
    }
    return read;
}

std::string WriteRecords(const RecordMap& records)
{
    std::string text(Heading);
    for (const auto& [number, record] : records) {
        WriteLine(text, number, "moves", record.byMoves);
        WriteLine(text, number, "pushes", record.byPushes);
    }
    return text;
}

std::optional<Solution> CheckRecordSolution(const Level* level, const Solution& stated, const std::string& what,
                                            std::vector<std::string>& problems)
{
    if (!level) {
        problems.push_back(what + " was dropped: there is no such level");
        return std::nullopt;
    }
    auto solution = CheckSolution(*level, stated.moves);
    if (!solution)
        problems.push_back(what + " was dropped: its moves do not solve the level");
    else if (!(*solution == stated))
        problems.push_back(what + " was corrected: its counts or its pushes were not those of its moves");
    return solution;
}

}  // namespace tolvar
