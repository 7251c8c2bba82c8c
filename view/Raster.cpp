#include "view/Raster.h"

#include <QPainter>

namespace tolvar {

QImage BlankImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void BitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop)
{
    QPainter painter(&dst);
    const QRect target(dx, dy, w, h);
    switch (rop) {
    case Rop::Blackness:
        painter.fillRect(target, Qt::black);
        return;
    case Rop::SrcCopy:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case Rop::SrcAnd:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case Rop::SrcPaint:
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    }
    painter.drawImage(target, src, QRect(sx, sy, w, h));
}

}  // namespace tolvar
