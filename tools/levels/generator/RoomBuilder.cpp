#include "RoomBuilder.h"

#include <algorithm>
#include <array>

namespace tolvar::levelgen {

namespace {

struct Piece {
    std::array<const char*, 3> rows;
    int weight;
};

// '#' wall, '.' floor. Open pieces dominate so rooms stay walkable; the rest
// give the corners, pillars and wall stubs that make a room look built.
constexpr std::array<Piece, 15> Pieces{{
    {{"...", "...", "..."}, 5},
    {{"#..", "...", "..."}, 4},
    {{"##.", "#..", "..."}, 3},
    {{"###", "...", "..."}, 2},
    {{"###", "###", "###"}, 1},
    {{"#..", "#..", "#.."}, 3},
    {{"...", ".#.", "..."}, 4},
    {{"##.", "##.", "..."}, 2},
    {{"#..", "#..", "##."}, 2},
    {{".#.", ".#.", "..."}, 3},
    {{"#.#", "...", "#.#"}, 1},
    {{"##.", "...", ".##"}, 1},
    {{".#.", "...", ".#."}, 2},
    {{"#..", "...", "..#"}, 2},
    {{"###", "#..", "#.."}, 2},
}};

char PieceCell(const Piece& piece, int transform, int x, int y) {
    if (transform & 4) std::swap(x, y);
    if (transform & 1) x = 2 - x;
    if (transform & 2) y = 2 - y;
    return piece.rows[static_cast<std::size_t>(y)][x];
}

int FloorNeighbours(const Rows& rows, int x, int y) {
    int n = 0;
    n += rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x - 1)] == ' ';
    n += rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x + 1)] == ' ';
    n += rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x)] == ' ';
    n += rows[static_cast<std::size_t>(y + 1)][static_cast<std::size_t>(x)] == ' ';
    return n;
}

char& At(Rows& rows, int x, int y) { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]; }
char At(const Rows& rows, int x, int y) { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]; }

/// Lays a randomly picked and turned piece into every 3 x 3 block inside the border.
void PlacePieces(Rows& rows, const RoomShape& shape, std::mt19937& random) {
    int totalWeight = 0;
    for (const auto& p : Pieces) totalWeight += p.weight;
    for (int by = 0; by < shape.blocksHigh; ++by)
        for (int bx = 0; bx < shape.blocksWide; ++bx) {
            int pick = std::uniform_int_distribution<int>(0, totalWeight - 1)(random);
            std::size_t index = 0;
            while (pick >= Pieces[index].weight) pick -= Pieces[index++].weight;
            const int transform = std::uniform_int_distribution<int>(0, 7)(random);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x)
                    At(rows, 1 + bx * 3 + x, 1 + by * 3 + y) = PieceCell(Pieces[index], transform, x, y) == '#' ? '#' : ' ';
        }
}

/// Dead ends only cost the player walking: fills them until none is left.
void FillDeadEnds(Rows& rows, int w, int h) {
    for (bool changed = true; changed;) {
        changed = false;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                if (At(rows, x, y) == ' ' && FloorNeighbours(rows, x, y) <= 1) {
                    At(rows, x, y) = '#';
                    changed = true;
                }
    }
}

/// Keeps the largest walkable area, walling up smaller pockets; returns its size.
int KeepLargestArea(Rows& rows, int w, int h) {
    std::vector<int> component(static_cast<std::size_t>(w * h), -1);
    int best = -1, bestSize = 0, count = 0;
    for (int start = 0; start < w * h; ++start) {
        if (At(rows, start % w, start / w) != ' ' || component[static_cast<std::size_t>(start)] >= 0) continue;
        std::vector<int> stack{start};
        component[static_cast<std::size_t>(start)] = count;
        int size = 0;
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            ++size;
            for (const int n : {c - 1, c + 1, c - w, c + w})
                if (At(rows, n % w, n / w) == ' ' && component[static_cast<std::size_t>(n)] < 0) {
                    component[static_cast<std::size_t>(n)] = count;
                    stack.push_back(n);
                }
        }
        if (size > bestSize) {
            bestSize = size;
            best = count;
        }
        ++count;
    }
    for (int c = 0; c < w * h; ++c)
        if (At(rows, c % w, c / w) == ' ' && component[static_cast<std::size_t>(c)] != best) At(rows, c % w, c / w) = '#';
    return bestSize;
}

/// Wide open halls make dull puzzles: true when a 4 x 4 block is all floor.
bool HasOpenHall(const Rows& rows, int w, int h) {
    for (int y = 1; y + 3 < h; ++y)
        for (int x = 1; x + 3 < w; ++x) {
            bool open = true;
            for (int dy = 0; dy < 4 && open; ++dy)
                for (int dx = 0; dx < 4 && open; ++dx) open = At(rows, x + dx, y + dy) == ' ';
            if (open) return true;
        }
    return false;
}

/// Walls that touch no floor, even at a corner, become outside; then the room is cropped to the rest.
Rows MarkOutsideAndCrop(const Rows& rows, int w, int h) {
    Rows shaped = rows;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (At(rows, x, y) != '#') continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h && At(rows, nx, ny) == ' ') touches = true;
                }
            if (!touches) At(shaped, x, y) = '-';
        }
    int top = h, bottom = -1, left = w, right = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (At(shaped, x, y) != '-') {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    Rows cropped;
    for (int y = top; y <= bottom; ++y)
        cropped.push_back(shaped[static_cast<std::size_t>(y)].substr(static_cast<std::size_t>(left),
                                                                     static_cast<std::size_t>(right - left + 1)));
    return cropped;
}

}  // namespace

Rows BuildRoom(const RoomShape& shape, std::mt19937& random) {
    const int w = shape.blocksWide * 3 + 2, h = shape.blocksHigh * 3 + 2;
    Rows rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '#'));
    PlacePieces(rows, shape, random);
    FillDeadEnds(rows, w, h);
    if (KeepLargestArea(rows, w, h) < shape.minFloor) return {};
    if (HasOpenHall(rows, w, h)) return {};
    return MarkOutsideAndCrop(rows, w, h);
}

}  // namespace tolvar::levelgen
