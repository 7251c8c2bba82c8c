#include "PixelArt.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {

std::uint32_t hashOf(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u
        ^ static_cast<std::uint32_t>(y) * 0xd8163841u
        ^ static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double noise01(int x, int y, int seed)
{
    return (hashOf(x, y, seed) & 0xffffffu) / double(0x1000000);
}

double smoothNoise(double x, double y, int cell, int period, int seed)
{
    const int cells = std::max(1, period / cell);
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = int(std::floor(gx));
    const int y0 = int(std::floor(gy));
    const double fx = gx - x0;
    const double fy = gy - y0;
    auto corner = [&](int cx, int cy) {
        const int wx = ((cx % cells) + cells) % cells;
        const int wy = ((cy % cells) + cells) % cells;
        return noise01(wx, wy, seed);
    };
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = corner(x0, y0) * (1 - sx) + corner(x0 + 1, y0) * sx;
    const double bottom = corner(x0, y0 + 1) * (1 - sx) + corner(x0 + 1, y0 + 1) * sx;
    return top * (1 - sy) + bottom * sy;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int p, int q) { return int(std::lround(p + (q - p) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor scaled(const QColor& c, double factor)
{
    auto ch = [factor](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QImage newImage(int width, int height, const QColor& fill)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(fill);
    return img;
}

QImage newCell(const QColor& fill)
{
    return newImage(32, 32, fill);
}

void put(QImage& img, int x, int y, const QColor& c)
{
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
        img.setPixel(x, y, c.rgba());
}

void fill(QImage& img, const QRect& r, const QColor& c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            put(img, x, y, c);
}

void blitOver(QImage& dst, const QImage& src, int x, int y)
{
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) {
            const QRgb p = src.pixel(sx, sy);
            const int a = qAlpha(p);
            if (a == 0)
                continue;
            const int dx = x + sx;
            const int dy = y + sy;
            if (dx < 0 || dy < 0 || dx >= dst.width() || dy >= dst.height())
                continue;
            if (a == 255) {
                dst.setPixel(dx, dy, p);
            } else {
                const QColor under = QColor::fromRgba(dst.pixel(dx, dy));
                QColor over = QColor::fromRgba(p);
                over.setAlpha(255);
                QColor out = mix(under, over, a / 255.0);
                out.setAlpha(std::max(qAlpha(dst.pixel(dx, dy)), a));
                dst.setPixel(dx, dy, out.rgba());
            }
        }
}

void copyInto(QImage& dst, const QImage& src, int x, int y)
{
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            put(dst, x + sx, y + sy, QColor::fromRgba(src.pixel(sx, sy)));
}

void castShadow(QImage& img, int cx, int cy, int rx, int ry, double strength)
{
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
                continue;
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            const double d = dx * dx + dy * dy;
            if (d >= 1.0)
                continue;
            // Two steps of darkness keep the edge crisp rather than blurred.
            const double k = d < 0.55 ? strength : strength * 0.5;
            const QColor under = QColor::fromRgba(img.pixel(x, y));
            img.setPixel(x, y, scaled(under, 1.0 - k).rgba());
        }
}

QImage fromRows(const std::vector<std::string>& rows, const std::map<char, QColor>& palette)
{
    const int height = int(rows.size());
    const int width = height ? int(rows.front().size()) : 0;
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        if (int(rows[y].size()) != width)
            throw std::runtime_error("sprite row " + std::to_string(y) + " has "
                                     + std::to_string(rows[y].size()) + " letters, expected "
                                     + std::to_string(width) + ": " + rows[y]);
        for (int x = 0; x < width; ++x) {
            const char letter = rows[y][x];
            if (letter == '.')
                continue;
            const auto found = palette.find(letter);
            if (found == palette.end())
                throw std::runtime_error(std::string("sprite letter without colour: ") + letter);
            img.setPixel(x, y, found->second.rgba());
        }
    }
    return img;
}

QImage enlarged(const QImage& img, int factor)
{
    return img.scaled(img.width() * factor, img.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

} // namespace assetgen
