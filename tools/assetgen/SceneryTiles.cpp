#include "SceneryTiles.h"

#include "PixelArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace assetgen {
namespace {

constexpr int N = 32;
using Regions = std::array<std::array<int, N>, N>; // region id per pixel, -1 for a joint

int wrap(int v)
{
    return ((v % N) + N) % N;
}

const std::array<SceneryLook, SceneryCount> Looks{{
    {"Brick", QColor(255, 226, 60), QColor(96, 58, 30), QColor(96, 58, 30), QColor(255, 240, 140)},
    {"Stone", QColor(84, 228, 255), QColor(90, 56, 30), QColor(88, 88, 96), QColor(170, 240, 255)},
    {"Wood", QColor(120, 250, 110), QColor(150, 46, 38), QColor(200, 200, 190), QColor(170, 255, 150)},
    {"Ice", QColor(255, 86, 176), QColor(118, 72, 36), QColor(96, 58, 30), QColor(255, 200, 232)},
    {"Sand", QColor(40, 120, 255), QColor(94, 60, 34), QColor(68, 42, 24), QColor(160, 200, 255)},
    {"Metal", QColor(255, 152, 36), QColor(46, 56, 32), QColor(40, 46, 36), QColor(255, 210, 140)},
    {"Jungle", QColor(214, 120, 255), QColor(64, 44, 22), QColor(72, 98, 38), QColor(244, 212, 255)},
}};

// Shades every region of a map like a raised block: the upper-left rim catches
// the light, the lower-right rim falls into shadow, the joints stay dark.
QImage shadeRegions(const Regions& r, const std::function<QColor(int, int, int)>& tone,
                    const std::function<QColor(int, int)>& joint, int bevel, double light, double dark)
{
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int id = r[y][x];
            if (id < 0) {
                put(img, x, y, joint(x, y));
                continue;
            }
            QColor c = tone(id, x, y);
            int litAt = 0;
            int darkAt = 0;
            for (int k = bevel; k >= 1; --k) {
                if (r[wrap(y - k)][x] != id || r[y][wrap(x - k)] != id)
                    litAt = k;
                if (r[wrap(y + k)][x] != id || r[y][wrap(x + k)] != id)
                    darkAt = k;
            }
            if (litAt && (!darkAt || litAt <= darkAt))
                c = scaled(c, 1.0 + (light - 1.0) * (bevel - litAt + 1) / bevel);
            else if (darkAt)
                c = scaled(c, 1.0 - (1.0 - dark) * (bevel - darkAt + 1) / bevel);
            put(img, x, y, c);
        }
    return img;
}

Regions voronoi(const std::vector<QPoint>& seeds, double jointWidth)
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double best = 1e9;
            double second = 1e9;
            int bestId = 0;
            for (int i = 0; i < int(seeds.size()); ++i) {
                double dx = std::abs(x + 0.5 - seeds[i].x());
                double dy = std::abs(y + 0.5 - seeds[i].y());
                dx = std::min(dx, N - dx);
                dy = std::min(dy, N - dy);
                // A slightly squashed distance makes the stones wider than tall.
                const double d = std::sqrt(dx * dx * 0.8 + dy * dy * 1.2);
                if (d < best) {
                    second = best;
                    best = d;
                    bestId = i;
                } else if (d < second) {
                    second = d;
                }
            }
            r[y][x] = (second - best < jointWidth) ? -1 : bestId;
        }
    return r;
}

QColor vary(const QColor& base, int id, int seed, double amount)
{
    return scaled(base, 1.0 + (noise01(id, 0, seed) - 0.5) * 2 * amount);
}

// The average colour of a picture: smooth scaling to one pixel averages its area.
QColor meanOf(const QImage& img)
{
    return QColor::fromRgb(img.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
}

QColor grain(const QColor& c, int x, int y, int seed, double amount)
{
    return scaled(c, 1.0 + (noise01(x, y, seed) - 0.5) * 2 * amount);
}

// Two octaves of wrapping noise whose lattice stays off the cell's edges, so
// the clouding shows no line where cells meet.
double mottle(int x, int y, int seed)
{
    return 0.62 * smoothNoise(x + 3.5, y + 5.5, 8, N, seed) + 0.38 * smoothNoise(x + 1.5, y + 2.5, 4, N, seed + 1);
}

QImage brickWall()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int row = y / 8;
            const int xx = (x + (row % 2) * 8) % N;
            r[y][x] = (y % 8 == 7 || xx % 16 == 15) ? -1 : row * 2 + xx / 16;
        }
    const QColor brick(170, 68, 44);
    return shadeRegions(
        r, [&](int id, int x, int y) { return grain(vary(brick, id, 11, 0.12), x, y, 12, 0.06); },
        [](int x, int y) { return grain(QColor(150, 140, 124), x, y, 13, 0.08); }, 1, 1.3, 0.72);
}

QImage stoneWall()
{
    const auto r = voronoi({{5, 5}, {18, 3}, {28, 11}, {10, 15}, {21, 18}, {3, 25}, {15, 28}, {27, 26}}, 1.3);
    const QColor stone(158, 146, 126);
    return shadeRegions(
        r, [&](int id, int x, int y) { return grain(vary(stone, id, 21, 0.10), x, y, 22, 0.07); },
        [](int x, int y) { return grain(QColor(58, 52, 46), x, y, 23, 0.1); }, 2, 1.35, 0.7);
}

QImage woodWall()
{
    // Upright logs, rounded by a cosine shade, held by an iron band.
    QImage img = newCell();
    const QColor wood(112, 66, 36);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int log = x / 8;
            const int u = x % 8;
            QColor c;
            if (u == 7) {
                c = QColor(40, 22, 12);
            } else {
                const double round = std::cos((u - 2.5) / 4.5 * std::numbers::pi / 2);
                c = scaled(vary(wood, log, 31, 0.1), 0.62 + 0.55 * round);
                const double g = smoothNoise(x * 3.0, y * 0.5, 4, 32, 32 + log);
                if (g > 0.62)
                    c = scaled(c, 0.82);
            }
            if (y >= 11 && y <= 14) {
                c = y == 11 ? QColor(150, 150, 156) : y == 14 ? QColor(40, 40, 46) : QColor(96, 96, 104);
                if ((x % 8 == 3) && (y == 12 || y == 13))
                    c = y == 12 ? QColor(200, 200, 206) : QColor(60, 60, 66);
            }
            put(img, x, y, c);
        }
    return img;
}

QImage iceWall()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int row = y / 16;
            const int xx = (x + (row % 2) * 8) % N;
            r[y][x] = (y % 16 == 15 || xx % 16 == 15) ? -1 : row * 2 + xx / 16;
        }
    QImage img = shadeRegions(
        r,
        [](int id, int x, int y) {
            // The light runs across each block from its own upper left corner, also in the
            // rows laid half a block over.
            const int along = (x + (y / 16 % 2) * 8) % 16;
            const double t = (along + (y % 16)) / 30.0;
            QColor c = mix(QColor(232, 250, 255), QColor(120, 190, 232), t);
            c = scaled(c, 1.0 + (noise01(id, 1, 41) - 0.5) * 0.1);
            // Frozen bubbles.
            if (noise01(x, y, 42) > 0.975)
                c = QColor(250, 255, 255);
            return c;
        },
        [](int, int) { return QColor(70, 130, 180); }, 2, 1.15, 0.72);
    // Glints across two of the blocks.
    for (int i = 0; i < 5; ++i) {
        put(img, 4 + i, 9 - i, QColor(255, 255, 255));
        put(img, 12 + i, 25 - i, QColor(255, 255, 255));
    }
    return img;
}

QImage sandWall()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int row = y / 16;
            const int xx = (x + (row % 2) * 8) % N;
            r[y][x] = (y % 16 == 15 || xx % 16 == 15) ? -1 : row * 2 + xx / 16;
        }
    const QColor stone(204, 160, 88);
    QImage img = shadeRegions(
        r,
        [&](int id, int x, int y) {
            QColor c = vary(stone, id, 51, 0.06);
            // Sandstone is speckled with darker and paler grains.
            const double n = noise01(x, y, 55);
            if (n > 0.92)
                c = scaled(c, 0.82);
            else if (n < 0.05)
                c = mix(c, QColor(250, 214, 160), 0.5);
            return grain(c, x, y, 53, 0.04);
        },
        [](int x, int y) { return grain(QColor(92, 60, 28), x, y, 54, 0.1); }, 2, 1.2, 0.66);
    // A carved sun glyph on one block.
    const QColor carve(140, 96, 44);
    for (const QPoint p : {QPoint(22, 21), QPoint(23, 21), QPoint(21, 22), QPoint(24, 22), QPoint(21, 23),
                           QPoint(24, 23), QPoint(22, 24), QPoint(23, 24), QPoint(22, 19), QPoint(19, 22),
                           QPoint(26, 23), QPoint(23, 26)})
        put(img, p.x(), p.y(), carve);
    return img;
}

QImage metalWall()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            r[y][x] = (x == 31 || y == 31) ? -1 : 0;
    QImage img = shadeRegions(
        r,
        [](int, int x, int y) {
            QColor c(112, 140, 178);
            // A broad diagonal sheen across the plate.
            const int band = (x + y) % 64;
            if (band >= 14 && band < 22)
                c = scaled(c, 1.14);
            else if (band >= 24 && band < 27)
                c = scaled(c, 1.08);
            return grain(c, x, y, 61, 0.03);
        },
        [](int, int) { return QColor(30, 34, 40); }, 2, 1.35, 0.6);
    for (const QPoint p : {QPoint(4, 4), QPoint(26, 4), QPoint(4, 26), QPoint(26, 26)}) {
        put(img, p.x(), p.y(), QColor(230, 236, 244));
        put(img, p.x() + 1, p.y(), QColor(170, 182, 196));
        put(img, p.x(), p.y() + 1, QColor(170, 182, 196));
        put(img, p.x() + 1, p.y() + 1, QColor(60, 66, 76));
    }
    return img;
}

QImage jungleWall()
{
    const auto r = voronoi({{6, 6}, {20, 4}, {29, 14}, {12, 17}, {24, 22}, {4, 27}, {16, 29}}, 1.3);
    const QColor stone(138, 142, 126);
    QImage img = shadeRegions(
        r,
        [&](int id, int x, int y) { return grain(vary(stone, id, 71, 0.1), x, y, 72, 0.07); },
        [](int x, int y) { return grain(QColor(36, 46, 30), x, y, 75, 0.1); }, 2, 1.3, 0.68);
    // Moss grows out of the joints onto the rim of every stone alike, in small tufts, so no
    // one patch repeats from wall to wall.
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            if (r[y][x] < 0)
                continue;
            int nearJoint = 3;
            for (int k = 2; k >= 1; --k)
                for (const QPoint d : {QPoint(k, 0), QPoint(-k, 0), QPoint(0, k), QPoint(0, -k)})
                    if (r[wrap(y + d.y())][wrap(x + d.x())] < 0)
                        nearJoint = k;
            const double tuft = smoothNoise(x + 0.5, y + 0.5, 4, N, 73) + (noise01(x, y, 74) - 0.5) * 0.3;
            if (nearJoint == 1 && tuft > 0.45)
                put(img, x, y, mix(QColor::fromRgba(img.pixel(x, y)), QColor(70, 140, 44), 0.8));
            else if (nearJoint == 2 && tuft > 0.62)
                put(img, x, y, mix(QColor::fromRgba(img.pixel(x, y)), QColor(92, 130, 60), 0.55));
        }
    // A hanging vine with a few leaves.
    const QColor vine(40, 110, 30);
    const QColor leaf(90, 180, 60);
    for (int y = 0; y < 20; ++y) {
        const int x = 24 + int(std::lround(std::sin(y * 0.5) * 1.2));
        put(img, x, y, vine);
        if (y % 6 == 3) {
            put(img, x - 1, y, leaf);
            put(img, x - 2, y + 1, leaf);
            put(img, x - 1, y + 1, scaled(leaf, 0.8));
        } else if (y % 6 == 0) {
            put(img, x + 1, y, leaf);
            put(img, x + 2, y + 1, leaf);
            put(img, x + 1, y + 1, scaled(leaf, 0.8));
        }
    }
    return img;
}

QImage brickFloor()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            r[y][x] = (x % 16 == 15 || y % 16 == 15) ? -1 : (y / 16) * 2 + x / 16;
    const QColor tile(136, 70, 50);
    return shadeRegions(
        r, [&](int id, int x, int y) { return grain(vary(tile, id, 81, 0.05), x, y, 82, 0.05); },
        [](int, int) { return QColor(66, 36, 28); }, 1, 1.15, 0.85);
}

QImage stoneFloor()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            if (y < 16)
                r[y][x] = (y == 15 || x == 23) ? -1 : 0;
            else
                r[y][x] = (y == 31 || (x + 8) % 16 == 15) ? -1 : 1 + ((x + 8) % N) / 16;
        }
    const QColor slab(100, 94, 87);
    return shadeRegions(
        r,
        [&](int id, int x, int y) {
            QColor c = grain(vary(slab, id, 91, 0.06), x, y, 92, 0.06);
            if (smoothNoise(x, y, 8, 32, 93 + id) > 0.7)
                c = scaled(c, 0.9);
            return c;
        },
        [](int, int) { return QColor(48, 44, 40); }, 1, 1.14, 0.86);
}

QImage woodFloor()
{
    Regions r{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int row = y / 8;
            const int joint = (row * 13 + 5) % N;
            r[y][x] = (y % 8 == 7 || x == joint) ? -1 : row * 2 + (x > joint ? 1 : 0);
        }
    const QColor plank(170, 116, 62);
    return shadeRegions(
        r,
        [&](int id, int x, int y) {
            QColor c = vary(plank, id, 101, 0.07);
            const double g = std::sin(x * 0.55 + smoothNoise(x, y * 4.0, 8, 32, 102 + id) * 6.0);
            if (g > 0.75)
                c = scaled(c, 0.88);
            return grain(c, x, y, 103, 0.03);
        },
        [](int, int) { return QColor(82, 50, 26); }, 1, 1.12, 0.84);
}

QImage iceFloor()
{
    // Clear ice: soft clouding and a scatter of faint frost grains, none of
    // them bold enough to mark where one cell ends and the next begins.
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            QColor c = mix(QColor(104, 146, 187), QColor(122, 163, 201), mottle(x, y, 111));
            const double frost = noise01(x, y, 112);
            if (frost > 0.965)
                c = mix(c, QColor(236, 248, 255), 0.2 + (frost - 0.965) * 8);
            put(img, x, y, grain(c, x, y, 113, 0.02));
        }
    return img;
}

QImage sandFloor()
{
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // Ripples that repeat every tile: the wave completes whole periods across 32 pixels.
            const double phase = (x / 32.0 + y / 16.0) * 2 * std::numbers::pi * 2
                + smoothNoise(x, y, 8, 32, 121) * 2.5;
            const double w = std::sin(phase);
            QColor c(220, 190, 130);
            if (w > 0.8)
                c = QColor(236, 210, 156);
            else if (w < -0.75)
                c = QColor(196, 164, 106);
            put(img, x, y, grain(c, x, y, 122, 0.04));
        }
    return img;
}

QImage metalFloor()
{
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            QColor c = grain(QColor(66, 76, 98), x, y, 131, 0.04);
            // Raised diamond tread, one pair of bars per 8 x 8 square, turned alternately.
            const int u = x % 8;
            const int v = y % 8;
            const bool turned = ((x / 8) + (y / 8)) % 2 == 1;
            const int along = turned ? u - v : u + v - 7;
            if (u >= 2 && u <= 5 && v >= 2 && v <= 5) {
                if (along == 0)
                    c = QColor(118, 134, 162);
                else if (along == 1)
                    c = QColor(28, 32, 44);
            }
            put(img, x, y, c);
        }
    return img;
}

QImage jungleFloor()
{
    // Dark earth mottled with moss, strewn with small leaves of many shades.
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // Fine clouding only: a broad smear or patch would repeat on every cell and draw
            // the grid of the board.
            const double cloud = 0.35 * mottle(x, y, 141) + 0.65 * smoothNoise(x + 0.5, y + 1.5, 2, N, 145);
            QColor c = mix(QColor(80, 62, 41), QColor(104, 82, 53), cloud);
            const double moss = smoothNoise(x + 0.5, y + 0.5, 2, N, 142);
            c = mix(c, QColor(64, 86, 42), std::clamp((moss - 0.6) * 2.0, 0.0, 0.4));
            put(img, x, y, grain(c, x, y, 143, 0.06));
        }
    const QColor leaves[4] = {QColor(86, 124, 50), QColor(118, 106, 48), QColor(70, 100, 40), QColor(104, 74, 40)};
    for (int i = 0; i < 13; ++i) {
        const int x = int(hashOf(i, 0, 144) % 26) + 3;
        const int y = int(hashOf(i, 1, 144) % 26) + 3;
        const QColor leaf = leaves[hashOf(i, 2, 144) % 4];
        const int turn = int(hashOf(i, 3, 144) % 4);
        const int dx = turn % 2 == 0 ? 1 : -1;
        const int dy = turn < 2 ? 1 : -1;
        put(img, x, y, leaf);
        put(img, x + dx, y, scaled(leaf, 1.12));
        if (i % 3 != 0)
            put(img, x, y + dy, scaled(leaf, 0.82));
        if (i % 2 == 0)
            put(img, x - dx, y - dy, scaled(leaf, 0.7));
    }
    return img;
}

// The goal marker: a ring and a centre stone in the scenery's goal colour,
// outlined dark so it reads over any floor.
void drawGoalMarker(QImage& img, const QColor& goal)
{
    const QColor outline = scaled(goal, 0.28);
    // Inside the outer glow the floor's own specks and leaves would show
    // through the ring, so the marker lies on the floor's even tone.
    const QColor even = meanOf(img);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double dx = x + 0.5 - 16;
            const double dy = y + 0.5 - 16;
            const double d = std::sqrt(dx * dx + dy * dy);
            const QColor under = d < 13.5 ? even : QColor::fromRgba(img.pixel(x, y));
            const bool upperLeft = dx + dy < 0;
            QColor c = under;
            if (d < 2.3)
                c = mix(goal, Qt::white, 0.55);
            else if (d < 3.4)
                c = goal;
            else if (d < 4.4)
                c = outline;
            else if (d < 6.6)
                c = mix(under, goal, 0.18);
            else if (d < 7.6)
                c = outline;
            else if (d < 10.4)
                c = upperLeft ? mix(goal, Qt::white, d < 8.6 ? 0.45 : 0.2) : (d > 9.4 ? scaled(goal, 0.75) : goal);
            else if (d < 11.4)
                c = outline;
            else if (d < 13.5)
                c = mix(under, goal, 0.22);
            put(img, x, y, c);
        }
}

struct CrateColours {
    QColor wood;
    QColor band;
    QColor outline;
};

namespace crate {
constexpr int x0 = 3;
constexpr int y0 = 2;
constexpr int x1 = 28;
constexpr int y1 = 27;
}  // namespace crate

// The colour of the crate's body at (x, y): outline, frame, or inner boards (with a band
// across them unless an emblem goes there).
QColor crateColour(const CrateColours& k, bool emblem, int x, int y)
{
    using namespace crate;
    const int inX = std::min(x - x0, x1 - x);
    const int inY = std::min(y - y0, y1 - y);
    const int ring = std::min(inX, inY);
    if (x == x0 || x == x1 || y == y0 || y == y1)
        return k.outline;
    QColor c;
    if (ring <= 3) {
        // The frame: lit along the top and left, shaded along the bottom and right.
        c = k.wood;
        if (ring == 1 && (y == y0 + 1 || x == x0 + 1))
            c = mix(k.wood, Qt::white, 0.35);
        else if (ring == 1)
            c = scaled(k.wood, 0.66);
        else if (ring == 3)
            c = scaled(k.wood, 0.5);
        return grain(c, x, y, 151, 0.04);
    }
    // The inner boards, a darker shade with joints between them, sunk deeper in a box still
    // to be pushed so that it reads darker than the floor it stands on.
    c = scaled(k.wood, emblem ? 0.8 : 0.64);
    if ((y - y0 - 4) % 5 == 4)
        c = scaled(k.wood, emblem ? 0.55 : 0.46);
    if (y == y0 + 4 || x == x0 + 4)
        c = scaled(k.wood, 0.58);
    c = grain(c, x, y, 152, 0.05);
    if (!emblem) {
        const int diag = x - (x0 + x1 - y);
        if (std::abs(diag) <= 1)
            c = diag == -1 ? mix(k.band, Qt::white, 0.25) : k.band;
        else if (std::abs(diag) == 2)
            c = scaled(k.band, 0.5);
    }
    return c;
}

// A faceted gem: the mark of a box that stands where it belongs.
void drawGem(QImage& img, const QColor& colour)
{
    const int cx = 15;
    const int cy = 14;
    for (int y = cy - 6; y <= cy + 6; ++y)
        for (int x = cx - 6; x <= cx + 7; ++x) {
            const int d = std::abs(x - cx - (x > cx ? 1 : 0)) + std::abs(y - cy);
            if (d > 6)
                continue;
            QColor c;
            if (d == 6)
                c = scaled(colour, 0.3);
            else if (y < cy && x <= cx)
                c = mix(colour, Qt::white, 0.6);
            else if (y < cy)
                c = mix(colour, Qt::white, 0.3);
            else if (x <= cx)
                c = colour;
            else
                c = scaled(colour, 0.7);
            put(img, x, y, c);
        }
}

void drawCrate(QImage& img, const CrateColours& k, bool emblem, const QColor& emblemColour)
{
    using namespace crate;
    // Drop shadow towards the lower right.
    for (int y = y0 + 3; y <= y1 + 2; ++y)
        for (int x = x0 + 3; x <= x1 + 2; ++x)
            if (x > x1 || y > y1)
                put(img, x, y, scaled(QColor::fromRgba(img.pixel(x, y)), 0.5));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            put(img, x, y, crateColour(k, emblem, x, y));
    for (const QPoint p : {QPoint(x0 + 2, y0 + 2), QPoint(x1 - 2, y0 + 2), QPoint(x0 + 2, y1 - 2), QPoint(x1 - 2, y1 - 2)}) {
        put(img, p.x(), p.y(), mix(k.band, Qt::white, 0.5));
        put(img, p.x() + 1, p.y() + 1, scaled(k.band, 0.45));
    }
    if (emblem)
        drawGem(img, emblemColour);
}

} // namespace

const SceneryLook& sceneryLook(int scenery)
{
    return Looks.at(scenery);
}

QImage wallTile(int scenery)
{
    switch (scenery) {
    case 0: return brickWall();
    case 1: return stoneWall();
    case 2: return woodWall();
    case 3: return iceWall();
    case 4: return sandWall();
    case 5: return metalWall();
    default: return jungleWall();
    }
}

QImage floorTile(int scenery)
{
    switch (scenery) {
    case 0: return brickFloor();
    case 1: return stoneFloor();
    case 2: return woodFloor();
    case 3: return iceFloor();
    case 4: return sandFloor();
    case 5: return metalFloor();
    default: return jungleFloor();
    }
}

QImage goalTile(int scenery)
{
    QImage img = floorTile(scenery);
    drawGoalMarker(img, sceneryLook(scenery).goal);
    return img;
}

QImage boxTile(int scenery)
{
    const SceneryLook& look = sceneryLook(scenery);
    QImage img = floorTile(scenery);
    drawCrate(img, {look.crate, look.crateBand, scaled(look.crate, 0.28)}, false, {});
    return img;
}

QImage boxOnGoalTile(int scenery, int frame)
{
    static constexpr std::array<double, GoalFrameCount> Glow{0.2, 0.55, 1.0, 0.55};
    const SceneryLook& look = sceneryLook(scenery);
    const double glow = Glow.at(frame);
    // The same crate as a box, in the same place, painted in the pale goal
    // colour: it differs from a box in brightness as much as in hue.
    QImage img = floorTile(scenery);
    const QColor wood = mix(look.goalCrate, Qt::white, 0.04 + glow * 0.1);
    drawCrate(img, {wood, scaled(look.goal, 0.8), scaled(look.goal, 0.24)}, true,
              mix(scaled(look.goal, 0.75 + glow * 0.25), Qt::white, glow * 0.3));
    // A twinkle on the upper right of the lid at the height of the pulse.
    const QColor star = mix(look.goal, Qt::white, 0.75);
    const int sx = 24;
    const int sy = 6;
    if (frame == 1 || frame == 3) {
        put(img, sx, sy, star);
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            put(img, sx + d.x(), sy + d.y(), scaled(star, 0.85));
    } else if (frame == 2) {
        put(img, sx, sy, Qt::white);
        for (int k = 1; k <= 3; ++k) {
            const QColor c = mix(star, look.goal, (k - 1) / 3.0);
            put(img, sx - k, sy, c);
            put(img, sx + k, sy, c);
            put(img, sx, sy - k, c);
            put(img, sx, sy + k, c);
        }
        for (const QPoint d : {QPoint(-1, -1), QPoint(1, 1), QPoint(1, -1), QPoint(-1, 1)})
            put(img, sx + d.x(), sy + d.y(), star);
    }
    return img;
}

QImage backgroundTile(int background)
{
    const bool blue = background == 1;
    const QColor base = blue ? QColor(18, 26, 64) : QColor(16, 48, 28);
    const QColor line = blue ? QColor(30, 44, 96) : QColor(26, 68, 40);
    const QColor dot = blue ? QColor(50, 70, 132) : QColor(44, 96, 58);
    QImage img = newCell(base);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // A quiet lattice of diamonds with a stud where the lines cross.
            const int u = (x + y) % 16;
            const int v = (x - y + 32) % 16;
            QColor c = grain(base, x, y, blue ? 161 : 162, 0.04);
            if (u == 0 || v == 0)
                c = line;
            const int cx = x % 16;
            const int cy = y % 16;
            if ((cx == 8 && cy >= 7 && cy <= 9) || (cy == 8 && cx >= 7 && cx <= 9))
                c = dot;
            put(img, x, y, c);
        }
    return img;
}

} // namespace assetgen
