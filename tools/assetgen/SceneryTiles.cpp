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
    {"Brick", QColor(255, 214, 64), QColor(216, 150, 74), QColor(120, 72, 36)},
    {"Stone", QColor(84, 228, 255), QColor(168, 112, 62), QColor(96, 96, 104)},
    {"Wood", QColor(120, 250, 110), QColor(178, 58, 48), QColor(200, 200, 190)},
    {"Ice", QColor(255, 86, 176), QColor(176, 108, 54), QColor(110, 66, 34)},
    {"Sand", QColor(40, 120, 255), QColor(120, 76, 44), QColor(70, 44, 26)},
    {"Metal", QColor(255, 152, 36), QColor(232, 184, 40), QColor(48, 44, 40)},
    {"Jungle", QColor(255, 226, 80), QColor(206, 164, 84), QColor(92, 120, 48)},
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

QColor grain(const QColor& c, int x, int y, int seed, double amount)
{
    return scaled(c, 1.0 + (noise01(x, y, seed) - 0.5) * 2 * amount);
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
            const double t = ((x % 16) + (y % 16)) / 30.0;
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
        put(img, 20 + i, 25 - i, QColor(255, 255, 255));
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
        [&](int id, int x, int y) {
            QColor c = grain(vary(stone, id, 71, 0.1), x, y, 72, 0.07);
            const double moss = smoothNoise(x, y, 6, 32, 73) + (noise01(x, y, 74) - 0.5) * 0.25;
            if (moss > 0.66)
                c = mix(c, QColor(70, 140, 44), 0.85);
            else if (moss > 0.58)
                c = mix(c, QColor(92, 130, 60), 0.5);
            return c;
        },
        [](int x, int y) { return grain(QColor(36, 46, 30), x, y, 75, 0.1); }, 2, 1.3, 0.68);
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
    const QColor tile(112, 56, 40);
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
    const QColor slab(88, 82, 76);
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
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double n = smoothNoise(x, y, 8, 32, 111);
            QColor c = mix(QColor(96, 136, 176), QColor(128, 170, 206), n);
            // Long faint streaks where skates have passed.
            if ((x * 2 + y * 5) % 37 == 0)
                c = scaled(c, 1.1);
            if (noise01(x, y, 112) > 0.985)
                c = QColor(236, 248, 255);
            put(img, x, y, c);
        }
    // A hairline crack.
    const QColor crack(72, 106, 144);
    for (int i = 0; i < 8; ++i)
        put(img, 6 + i, 20 + (i % 3 == 0 ? 1 : 0) + i / 3, crack);
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
            QColor c = grain(QColor(50, 58, 74), x, y, 131, 0.04);
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
    QImage img = newCell();
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double n = smoothNoise(x, y, 8, 32, 141);
            QColor c = mix(QColor(58, 44, 28), QColor(76, 60, 36), n);
            if (smoothNoise(x, y, 16, 32, 142) > 0.62)
                c = mix(c, QColor(40, 70, 30), 0.55); // patches of low growth
            put(img, x, y, grain(c, x, y, 143, 0.06));
        }
    // Fallen leaves and tufts of grass.
    const QColor leaves[3] = {QColor(92, 150, 52), QColor(150, 140, 48), QColor(70, 120, 40)};
    for (int i = 0; i < 7; ++i) {
        const int x = int(hashOf(i, 0, 144) % 28) + 2;
        const int y = int(hashOf(i, 1, 144) % 28) + 2;
        const QColor leaf = leaves[i % 3];
        put(img, x, y, leaf);
        put(img, x + 1, y, scaled(leaf, 1.15));
        put(img, x, y + 1, scaled(leaf, 0.8));
        put(img, x + 1, y - 1, scaled(leaf, 0.7));
    }
    for (int i = 0; i < 4; ++i) {
        const int x = int(hashOf(i, 2, 145) % 28) + 2;
        const int y = int(hashOf(i, 3, 145) % 26) + 4;
        const QColor blade(104, 160, 62);
        put(img, x, y, blade);
        put(img, x, y - 1, blade);
        put(img, x - 1, y - 2, scaled(blade, 1.15));
        put(img, x + 1, y - 1, scaled(blade, 0.9));
        put(img, x + 2, y - 2, scaled(blade, 1.1));
    }
    return img;
}

// The goal marker: a ring and a centre stone in the scenery's goal colour,
// outlined dark so it reads over any floor.
void drawGoalMarker(QImage& img, const QColor& goal)
{
    const QColor outline = scaled(goal, 0.28);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double dx = x + 0.5 - 16;
            const double dy = y + 0.5 - 16;
            const double d = std::sqrt(dx * dx + dy * dy);
            const QColor under = QColor::fromRgba(img.pixel(x, y));
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

void drawCrate(QImage& img, const CrateColours& k, bool emblem, const QColor& emblemColour)
{
    const int x0 = 3;
    const int y0 = 2;
    const int x1 = 28;
    const int y1 = 27;
    // Drop shadow towards the lower right.
    for (int y = y0 + 3; y <= y1 + 2; ++y)
        for (int x = x0 + 3; x <= x1 + 2; ++x)
            if (x > x1 || y > y1)
                put(img, x, y, scaled(QColor::fromRgba(img.pixel(x, y)), 0.5));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            QColor c;
            const bool edge = x == x0 || x == x1 || y == y0 || y == y1;
            const int inX = std::min(x - x0, x1 - x);
            const int inY = std::min(y - y0, y1 - y);
            const int ring = std::min(inX, inY);
            if (edge) {
                c = k.outline;
            } else if (ring <= 3) {
                // The frame: lit along the top and left, shaded along the bottom and right.
                c = k.wood;
                if (ring == 1 && (y == y0 + 1 || x == x0 + 1))
                    c = mix(k.wood, Qt::white, 0.35);
                else if (ring == 1)
                    c = scaled(k.wood, 0.66);
                else if (ring == 3)
                    c = scaled(k.wood, 0.5);
                c = grain(c, x, y, 151, 0.04);
            } else {
                // The inner boards, a darker shade with joints between them.
                c = scaled(k.wood, 0.8);
                if ((y - y0 - 4) % 5 == 4)
                    c = scaled(k.wood, 0.55);
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
            }
            put(img, x, y, c);
        }
    for (const QPoint p : {QPoint(x0 + 2, y0 + 2), QPoint(x1 - 2, y0 + 2), QPoint(x0 + 2, y1 - 2), QPoint(x1 - 2, y1 - 2)}) {
        put(img, p.x(), p.y(), mix(k.band, Qt::white, 0.5));
        put(img, p.x() + 1, p.y() + 1, scaled(k.band, 0.45));
    }
    if (emblem) {
        // A faceted gem: the mark of a box that stands where it belongs.
        const int cx = 15;
        const int cy = 14;
        for (int y = cy - 6; y <= cy + 6; ++y)
            for (int x = cx - 6; x <= cx + 7; ++x) {
                const int d = std::abs(x - cx - (x > cx ? 1 : 0)) + std::abs(y - cy);
                if (d > 6)
                    continue;
                QColor c;
                if (d == 6)
                    c = scaled(emblemColour, 0.3);
                else if (y < cy && x <= cx)
                    c = mix(emblemColour, Qt::white, 0.6);
                else if (y < cy)
                    c = mix(emblemColour, Qt::white, 0.3);
                else if (x <= cx)
                    c = emblemColour;
                else
                    c = scaled(emblemColour, 0.7);
                put(img, x, y, c);
            }
    }
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
    QImage img = floorTile(scenery);
    // A halo of the goal colour around the box, breathing with the frame.
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int outX = std::max({2 - x, x - 29, 0});
            const int outY = std::max({1 - y, y - 28, 0});
            const int out = std::max(outX, outY);
            if (out >= 1 && out <= 2) {
                const QColor under = QColor::fromRgba(img.pixel(x, y));
                put(img, x, y, mix(under, look.goal, glow * (out == 1 ? 1.0 : 0.55)));
            }
        }
    const QColor wood = mix(mix(look.crate, look.goal, 0.6), Qt::white, 0.05 + glow * 0.2);
    drawCrate(img, {wood, mix(look.goal, Qt::white, 0.3), scaled(look.goal, 0.22)}, true,
              mix(scaled(look.goal, 0.7 + glow * 0.3), Qt::white, glow * 0.3));
    // A twinkle on the upper right corner at the height of the pulse.
    const QColor star = mix(look.goal, Qt::white, 0.75);
    const int sx = 26;
    const int sy = 5;
    if (frame == 1 || frame == 3) {
        put(img, sx, sy, star);
        put(img, sx - 1, sy, scaled(star, 0.85));
        put(img, sx + 1, sy, scaled(star, 0.85));
        put(img, sx, sy - 1, scaled(star, 0.85));
        put(img, sx, sy + 1, scaled(star, 0.85));
    } else if (frame == 2) {
        put(img, sx, sy, Qt::white);
        for (int k = 1; k <= 3; ++k) {
            const QColor c = mix(star, look.goal, (k - 1) / 3.0);
            put(img, sx - k, sy, c);
            put(img, sx + k, sy, c);
            put(img, sx, sy - k, c);
            put(img, sx, sy + k, c);
        }
        put(img, sx - 1, sy - 1, star);
        put(img, sx + 1, sy + 1, star);
        put(img, sx + 1, sy - 1, star);
        put(img, sx - 1, sy + 1, star);
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
