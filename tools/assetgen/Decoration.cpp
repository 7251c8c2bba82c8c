#include "Decoration.h"

#include "PixelArt.h"

#include <cmath>
#include <vector>

namespace assetgen {
namespace {

const QColor Outline(36, 22, 6);
const QColor Dark(112, 74, 22);
const QColor Mid(198, 150, 58);
const QColor Light(246, 214, 124);
const QColor Ruby(214, 36, 58);
const QColor RubyLight(255, 140, 150);

class Frame {
public:
    Frame()
        : covered(DecorationWidth * DecorationHeight, false)
        , picture(newImage(DecorationWidth, DecorationHeight, Qt::black))
    {
    }

    // The frame may only lie on the outer ring of cells, clear of the counters.
    static bool allowed(int x, int y)
    {
        if (x < 0 || y < 0 || x >= DecorationWidth || y >= ClientHeight)
            return false;
        const bool ring = x < 32 || x >= 608 || y < 32 || y >= 416;
        if (!ring)
            return false;
        for (const QRect& r : CounterRects)
            if (r.adjusted(-2, -2, 2, 2).contains(x, y))
                return false;
        return true;
    }

    void paint(int x, int y, const QColor& c)
    {
        if (!allowed(x, y))
            return;
        covered[y * DecorationWidth + x] = true;
        // Pure black would let the board show through on a colour screen; keep it just above.
        picture.setPixel(x, y, (c.red() + c.green() + c.blue() == 0 ? QColor(1, 1, 1) : c).rgb());
    }

    Decoration result() const
    {
        QImage mask = newImage(DecorationWidth, DecorationHeight, Qt::white);
        QImage pic = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < DecorationHeight; ++y)
            for (int x = 0; x < DecorationWidth; ++x)
                if (covered[y * DecorationWidth + x])
                    mask.setPixel(x, y, qRgb(0, 0, 0));
                else
                    pic.setPixel(x, y, qRgb(0, 0, 0));
        return {pic, mask.convertToFormat(QImage::Format_RGB32)};
    }

private:
    std::vector<bool> covered;
    QImage picture;
};

// A gold bar five pixels thick along every edge, with a soft shimmer along its length.
void border(Frame& f)
{
    const int right = DecorationWidth - 1;
    const int bottom = ClientHeight - 1;
    const QColor layers[5] = {Outline, Mid, Light, Mid, Outline};
    for (int k = 0; k < 5; ++k) {
        for (int x = k; x <= right - k; ++x) {
            const double shimmer = 0.9 + 0.1 * std::sin(x * 0.09);
            f.paint(x, k, scaled(layers[k], shimmer));
            f.paint(x, bottom - k, scaled(layers[k], shimmer * 0.92));
        }
        for (int y = k; y <= bottom - k; ++y) {
            const double shimmer = 0.9 + 0.1 * std::sin(y * 0.09);
            f.paint(k, y, scaled(layers[k], shimmer));
            f.paint(right - k, y, scaled(layers[k], shimmer * 0.92));
        }
    }
}

// A quarter ring and a jewel in each corner; (u, v) count inwards from the
// corner. Both stay small enough to clear the counters in the top corners.
void corner(Frame& f, int cornerX, int cornerY, int dirX, int dirY)
{
    for (int v = 0; v < 24; ++v)
        for (int u = 0; u < 24; ++u) {
            const int x = cornerX + dirX * u;
            const int y = cornerY + dirY * v;
            const double r = std::hypot(u + 0.5, v + 0.5);
            if (u >= 4 && v >= 4 && r >= 12.5 && r < 17.5) {
                QColor c = Outline;
                if (r >= 13.5 && r < 16.5)
                    c = r < 14.5 ? Light : (r < 15.5 ? Mid : Dark);
                f.paint(x, y, c);
            }
            const int d = std::abs(u - 7) + std::abs(v - 7);
            if (d <= 5) {
                QColor c = Outline;
                if (d == 0 || (d == 1 && u <= 7 && v <= 7))
                    c = (u == 6 || v == 6) ? RubyLight : Ruby;
                else if (d == 1)
                    c = Ruby;
                else if (d <= 4)
                    c = (u + v < 14) ? Light : Mid;
                f.paint(x, y, c);
            }
        }
}

// A small hanging lens of gold in the middle of each edge.
void edgeJewel(Frame& f, int cx, int cy, bool alongX, int inward)
{
    for (int a = -16; a <= 16; ++a) {
        const double t = a / 16.0;
        const int depth = int(std::lround(6 * (1 - t * t)));
        for (int b = 5; b <= 5 + depth; ++b) {
            const bool edge = b == 5 + depth || std::abs(a) == 16;
            QColor c = edge ? Outline : (b < 5 + depth / 2 ? Light : Mid);
            if (std::abs(a) <= 1 && b >= 6 && b <= 8)
                c = (a == -1 && b == 6) ? RubyLight : Ruby;
            const int x = alongX ? cx + a : cx + inward * b;
            const int y = alongX ? cy + inward * b : cy + a;
            f.paint(x, y, c);
        }
    }
}

} // namespace

Decoration decoration()
{
    Frame f;
    border(f);
    const int right = DecorationWidth - 1;
    const int bottom = ClientHeight - 1;
    corner(f, 0, 0, 1, 1);
    corner(f, right, 0, -1, 1);
    corner(f, 0, bottom, 1, -1);
    corner(f, right, bottom, -1, -1);
    edgeJewel(f, DecorationWidth / 2, 0, true, 1);
    edgeJewel(f, DecorationWidth / 2, bottom, true, -1);
    edgeJewel(f, 0, ClientHeight / 2, false, 1);
    edgeJewel(f, right, ClientHeight / 2, false, -1);
    return f.result();
}

} // namespace assetgen
