#include "view/Raster.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace tolvar {

QImage BlankImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The operations work on 32-bit pixels row by row, exactly like their GDI namesakes: a
// bitwise AND or OR of source and destination. Written out rather than through QPainter,
// whose composition of a full-window picture costs more than a whole move may take.
void BitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop)
{
    if (dst.format() != QImage::Format_RGB32)
        dst = dst.convertToFormat(QImage::Format_RGB32);
    // Clip against the destination, then (unless the source is not read) against the source.
    if (dx < 0) { w += dx; sx -= dx; dx = 0; }
    if (dy < 0) { h += dy; sy -= dy; dy = 0; }
    w = std::min(w, dst.width() - dx);
    h = std::min(h, dst.height() - dy);
    if (rop != Rop::Blackness) {
        if (sx < 0) { w += sx; dx -= sx; sx = 0; }
        if (sy < 0) { h += sy; dy -= sy; sy = 0; }
        w = std::min(w, src.width() - sx);
        h = std::min(h, src.height() - sy);
    }
    if (w <= 0 || h <= 0)
        return;
    // What is left lies inside both pictures.
    assert(dx >= 0 && dy >= 0 && dx + w <= dst.width() && dy + h <= dst.height());
    assert(rop == Rop::Blackness || (sx >= 0 && sy >= 0 && sx + w <= src.width() && sy + h <= src.height()));

    // The rows are reached from the first one: asking the image for every row would check
    // each time whether its pixels are shared.
    const qsizetype dstStride = dst.bytesPerLine();
    if (rop == Rop::Blackness) {
        uchar* const dstRow0 = dst.bits() + dy * dstStride;
        for (int y = 0; y < h; ++y) {
            auto* d = reinterpret_cast<QRgb*>(dstRow0 + y * dstStride) + dx;
            std::fill(d, d + w, QRgb{0xFF000000});
        }
        return;
    }
    const QImage source = (src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32)
                              ? src
                              : src.convertToFormat(QImage::Format_RGB32);
    const uchar* const srcRow0 = source.constBits() + sy * source.bytesPerLine();
    uchar* const dstRow0 = dst.bits() + dy * dstStride;  // after the source: a picture copied onto itself is copied first
    const qsizetype srcStride = source.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        const QRgb* __restrict s = reinterpret_cast<const QRgb*>(srcRow0 + y * srcStride) + sx;
        QRgb* __restrict d = reinterpret_cast<QRgb*>(dstRow0 + y * dstStride) + dx;
        switch (rop) {
        case Rop::SrcCopy:
            for (int x = 0; x < w; ++x)
                d[x] = s[x] | 0xFF000000;
            break;
        case Rop::SrcAnd:
            for (int x = 0; x < w; ++x)
                d[x] = (s[x] & d[x]) | 0xFF000000;
            break;
        case Rop::SrcPaint:
            for (int x = 0; x < w; ++x)
                d[x] = s[x] | d[x] | 0xFF000000;
            break;
        case Rop::Blackness:
            break;
        }
    }
}

}  // namespace tolvar
