#pragma once
// The four block transfers the board is drawn with, on RGB32 images.
#include <QImage>

namespace tolvar {

enum class Rop {
    SrcCopy,    // destination = source
    Blackness,  // destination = black (the source is not read)
    SrcAnd,     // destination = source AND destination
    SrcPaint,   // destination = source OR destination
};

/// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst with the raster
/// operation; parts outside either image are clipped away.
void BitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop);

/// A black RGB32 image of the given size.
QImage BlankImage(int w, int h);

}  // namespace tolvar
