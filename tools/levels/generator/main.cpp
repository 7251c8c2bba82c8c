// tolvar-levelgen: designs candidate levels for the game's level set and puts
// a collection in order of measured difficulty.
//
//   tolvar-levelgen make --seed S --count K --rooms 3x2,4x2 --boxes 2-3
//                        [--min-pushes P] [--beam W] [--solve-time T] -o OUT
//   tolvar-levelgen order IN... -o OUT [--time T]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ReversePlay.h"
#include "RoomBuilder.h"
#include "levels/LevelRules.h"
#include "levels/LevelText.h"
#include "solver/Solver.h"

namespace {

using namespace tolvar;

std::map<std::string, std::string> Options(int argc, char** argv, int first, std::vector<std::string>& positional) {
    std::map<std::string, std::string> options;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--collection") options[arg] = "";
        else if (arg.rfind("-", 0) == 0 && i + 1 < argc) options[arg] = argv[++i];
        else positional.push_back(arg);
    }
    return options;
}

std::string Describe(const Level& level, const solver::SolveResult& r) {
    char text[200];
    std::snprintf(text, sizeof text, "boxes %d, pushes %d, moves %zu, expanded %llu", level.boxCount(), r.pushes,
                  r.moves.size(), static_cast<unsigned long long>(r.expanded));
    return text;
}

/// Fills single outside notches in the outline: an outside cell between two
/// walls becomes wall, so the level's edge reads as one line.
void TidyOutline(Level& level) {
    const Level before = level;
    for (int y = 1; y < BoardHeight - 1; ++y)
        for (int x = 1; x < BoardWidth - 1; ++x)
            if (before.at(x, y) == Outside &&
                ((before.at(x - 1, y) == Wall && before.at(x + 1, y) == Wall) ||
                 (before.at(x, y - 1) == Wall && before.at(x, y + 1) == Wall)))
                level(x, y) = Wall;
}

/// How hard a level plays: its pushes and walking, the search it took, and its boxes.
double Difficulty(const Level& level, const solver::SolveResult& r) {
    return r.pushes + static_cast<double>(r.moves.size()) / 8.0 + 6 * std::log10(1.0 + static_cast<double>(r.expanded)) +
           3 * level.boxCount();
}

/// Puzzles on drawn boards of any size (a level file whose boxes all stand on their goals):
/// `--count` of them per board, each as hard as the pulling found.
int MakeOnBoards(const std::map<std::string, std::string>& o, levelgen::PuzzleRequest request, std::mt19937& random) {
    auto get = [&](const std::string& k, const std::string& d) { auto it = o.find(k); return it == o.end() ? d : it->second; };
    std::ifstream in(get("--boards", ""));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A number of boxes, or a share of each board's goals ("30%").
    const std::string onGoals = get("--on-goals", "2");
    const bool share = !onGoals.empty() && onGoals.back() == '%';
    std::ofstream out(get("-o", "/dev/stdout"), std::ios::app);
    for (const auto& source : SplitCollection(text)) {
        std::string error;
        const auto board = ReadLevel(source.rows, &error);
        if (!board) {
            std::cerr << "line " << source.firstLine << ": refused: " << error << "\n";
            return 1;
        }
        request.onGoalsAllowed = share ? board->goalCount() * std::stoi(onGoals) / 100 : std::stoi(onGoals);
        for (int n = 0; n < std::stoi(get("--count", "1")); ++n) {
            const auto puzzle = levelgen::PullFromGoals(*board, request, random);
            if (!puzzle) continue;
            out << "; " << source.title << ": " << Describe(puzzle->level, puzzle->solution) << "\n";
            for (const auto& row : LevelToRows(puzzle->level)) out << row << "\n";
            out << "\n";
            out.flush();
            std::cerr << source.title << ": " << Describe(puzzle->level, puzzle->solution) << "\n";
        }
    }
    return 0;
}

int Make(const std::map<std::string, std::string>& o) {
    auto get = [&](const std::string& k, const std::string& d) { auto it = o.find(k); return it == o.end() ? d : it->second; };
    std::mt19937 random(static_cast<unsigned>(std::stoul(get("--seed", "1"))));
    const int count = std::stoi(get("--count", "10"));
    const int minPushes = std::stoi(get("--min-pushes", "0"));
    std::vector<levelgen::RoomShape> shapes;
    std::stringstream roomList(get("--rooms", "3x2"));
    for (std::string item; std::getline(roomList, item, ',');) {
        levelgen::RoomShape s;
        s.blocksWide = item[0] - '0';
        s.blocksHigh = item[2] - '0';
        shapes.push_back(s);
    }
    const std::string boxes = get("--boxes", "2-3");
    const int minBoxes = std::stoi(boxes.substr(0, boxes.find('-')));
    const int maxBoxes = std::stoi(boxes.substr(boxes.find('-') + 1));
    levelgen::PuzzleRequest request;
    request.beamWidth = std::stoi(get("--beam", "2000"));
    request.solveSeconds = std::stod(get("--solve-time", "3"));
    // A benchmark collection keeps levels the solver could not finish and may fill the whole board.
    const bool collection = o.count("--collection") != 0;
    request.keepUnsolved = collection;
    if (o.count("--boards")) return MakeOnBoards(o, request, random);
    std::ofstream out(get("-o", "/dev/stdout"));
    int made = 0;
    for (int attempt = 0; made < count && attempt < count * 200; ++attempt) {
        auto shape = shapes[static_cast<std::size_t>(attempt) % shapes.size()];
        request.boxes = std::uniform_int_distribution<int>(minBoxes, maxBoxes)(random);
        shape.minFloor = request.boxes * 4 + 6;
        const auto room = levelgen::BuildRoom(shape, random);
        if (room.empty()) continue;
        const auto puzzle = levelgen::MakePuzzle(room, request, random);
        if (!puzzle || puzzle->solution.pushes < minPushes) continue;
        if (!CheckLevel(puzzle->level).empty()) continue;
        if (!collection && !CheckScreenFit(puzzle->level).empty()) continue;
        ++made;
        out << "; " << Describe(puzzle->level, puzzle->solution) << "\n";
        for (const auto& row : LevelToRows(puzzle->level)) out << row << "\n";
        out << "\n";
        out.flush();
        std::cerr << "made " << made << "/" << count << ": " << Describe(puzzle->level, puzzle->solution) << "\n";
    }
    return made == count ? 0 : 1;
}

int Order(const std::map<std::string, std::string>& o, const std::vector<std::string>& inputs) {
    auto get = [&](const std::string& k, const std::string& d) { auto it = o.find(k); return it == o.end() ? d : it->second; };
    solver::SolveLimits limits;
    limits.seconds = std::stod(get("--time", "10"));
    struct Rated {
        double difficulty;
        Level level;
        std::string about;
    };
    std::vector<Rated> rated;
    std::map<std::string, std::string> shapes;
    for (const auto& path : inputs) {
        std::ifstream in(path);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const auto& source : SplitCollection(text)) {
            std::string error;
            auto level = LevelFromRows(source.rows, &error);
            const std::string where = path + ":" + std::to_string(source.firstLine);
            if (level) TidyOutline(*level);
            if (!level) {
                std::cerr << where << ": refused: " << error << "\n";
                continue;
            }
            const auto [it, fresh] = shapes.emplace(CanonicalShape(*level), where);
            if (!fresh) {
                std::cerr << where << ": the same as " << it->second << "\n";
                continue;
            }
            const auto r = solver::Solve(*level, limits);
            if (r.status != solver::SolveStatus::Solved) {
                std::cerr << where << ": " << solver::ToString(r.status) << "\n";
                continue;
            }
            rated.push_back({Difficulty(*level, r), *level, Describe(*level, r)});
        }
    }
    std::stable_sort(rated.begin(), rated.end(), [](const Rated& a, const Rated& b) { return a.difficulty < b.difficulty; });
    std::ofstream out(get("-o", "/dev/stdout"));
    for (std::size_t i = 0; i < rated.size(); ++i) {
        char head[64];
        std::snprintf(head, sizeof head, "; Level %zu, difficulty %.0f: ", i + 1, rated[i].difficulty);
        out << head << rated[i].about << "\n";
        for (const auto& row : LevelToRows(rated[i].level)) out << row << "\n";
        out << "\n";
    }
    std::cerr << rated.size() << " levels in order\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tolvar-levelgen make|order ...\n";
        return 2;
    }
    const std::string mode = argv[1];
    std::vector<std::string> positional;
    const auto options = Options(argc, argv, 2, positional);
    if (mode == "make") return Make(options);
    if (mode == "order") return Order(options, positional);
    std::cerr << "usage: tolvar-levelgen make|order ...\n";
    return 2;
}
