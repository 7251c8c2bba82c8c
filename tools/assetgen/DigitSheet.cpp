#include "DigitSheet.h"

#include "PixelArt.h"

#include <array>
#include <cstdlib>

namespace assetgen {
namespace {

// Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<unsigned, 10> SegmentsOf{
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

struct Style {
    QColor lit;
    QColor core;
    QColor unlit;
};

constexpr int Left = 2;   // centre column of the left segments
constexpr int Right = 10; // centre column of the right segments
constexpr int Top = 2;
constexpr int Middle = 11;
constexpr int Bottom = 20;

// Which segment (0..6) covers a pixel, and whether it is on its centre line.
int segmentAt(int x, int y, bool& centre)
{
    auto horizontal = [&](int row) {
        const int dy = std::abs(y - row);
        if (dy > 1)
            return false;
        centre = dy == 0;
        return x >= Left + 1 + dy && x <= Right - 1 - dy;
    };
    auto vertical = [&](int column, int from, int to) {
        const int dx = std::abs(x - column);
        if (dx > 1)
            return false;
        centre = dx == 0;
        return y >= from + 1 + dx && y <= to - 1 - dx;
    };
    if (horizontal(Top)) return 0;
    if (vertical(Right, Top, Middle)) return 1;
    if (vertical(Right, Middle, Bottom)) return 2;
    if (horizontal(Bottom)) return 3;
    if (vertical(Left, Middle, Bottom)) return 4;
    if (vertical(Left, Top, Middle)) return 5;
    if (horizontal(Middle)) return 6;
    return -1;
}

QImage digit(int value, const Style& style)
{
    QImage img = newImage(DigitWidth, DigitHeight, Qt::black);
    for (int y = 0; y < DigitHeight; ++y)
        for (int x = 0; x < DigitWidth; ++x) {
            bool centre = false;
            const int seg = segmentAt(x, y, centre);
            if (seg < 0)
                continue;
            const bool on = (SegmentsOf[value] >> seg) & 1u;
            put(img, x, y, on ? (centre ? style.core : style.lit) : style.unlit);
        }
    return img;
}

} // namespace

QImage digitSheet()
{
    const std::array<Style, 3> styles{{
        {QColor(236, 36, 28), QColor(255, 150, 120), QColor(46, 10, 10)},
        {QColor(36, 220, 70), QColor(170, 255, 170), QColor(8, 40, 16)},
        {QColor(214, 218, 226), QColor(255, 255, 255), QColor(36, 38, 42)},
    }};
    QImage sheet = newImage(10 * DigitWidth, 3 * DigitHeight, Qt::black);
    for (int row = 0; row < 3; ++row)
        for (int d = 0; d < 10; ++d)
            copyInto(sheet, digit(d, styles[row]), d * DigitWidth, row * DigitHeight);
    return sheet;
}

} // namespace assetgen
