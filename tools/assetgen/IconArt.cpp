#include "IconArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "PixelArt.h"

#include <algorithm>

namespace assetgen {

namespace {

// At 16 pixels a drawing blurs into mud, so the smallest icon is pixel art: the
// same plate with its gold rim as the larger icons, the crate in its middle and the
// twinkle on the crate's upper right corner.
QImage tinyIcon()
{
    return fromRows(
        {
            "................", "..gggggggggggg..", ".gBBBBBBBBBBBBg.", ".gBBBBBBBBBYBBg.",
            ".gbbooooooYWYbg.", ".gbbohhhhhhYbbg.", ".gbbohdddlsobbg.", ".gbbohddldsobbg.",
            ".gbbohdlddsobbg.", ".gbbohldddsobbg.", ".gbbohsssssobbg.", ".gbboooooooobbg.",
            ".gbbbbbbbbbbbbg.", ".gnnnnnnnnnnnng.", "..gggggggggggg..", "................",
        },
        {{'g', QColor(232, 186, 84)},
         {'B', QColor(40, 60, 128)},
         {'b', QColor(28, 40, 96)},
         {'n', QColor(16, 22, 60)},
         {'o', QColor(60, 30, 8)},
         {'h', QColor(255, 226, 160)},
         {'d', QColor(196, 122, 44)},
         {'s', QColor(170, 100, 36)},
         {'l', QColor(250, 200, 110)},
         {'Y', QColor(255, 244, 190)},
         {'W', QColor(255, 255, 255)}});
}

// The crate standing on the glowing goal, drawn in the 256-unit square.
void drawCrate(QPainter& p, bool small, double line)
{
    const QRectF crate(52, 54, 152, 152);
    const QColor wood(236, 164, 66);
    const QColor outline(60, 30, 8);
    p.setPen(QPen(outline, line * 1.4));
    p.setBrush(wood);
    p.drawRoundedRect(crate, 10, 10);
    const QRectF panel = crate.adjusted(24, 24, -24, -24);
    p.setPen(QPen(outline, line));
    p.setBrush(QColor(196, 122, 44));
    p.drawRect(panel);
    if (!small) {
        p.setPen(QPen(QColor(150, 88, 30), 4));
        for (int k = 1; k < 4; ++k) {
            const double y = panel.top() + panel.height() * k / 4;
            p.drawLine(QPointF(panel.left() + 3, y), QPointF(panel.right() - 3, y));
        }
    }
    // The brace, lit along its upper edge.
    QPainterPath brace;
    brace.moveTo(panel.bottomLeft() + QPointF(0, -16));
    brace.lineTo(panel.topRight() + QPointF(-16, 0));
    brace.lineTo(panel.topRight());
    brace.lineTo(panel.topRight() + QPointF(0, 16));
    brace.lineTo(panel.bottomLeft() + QPointF(16, 0));
    brace.lineTo(panel.bottomLeft());
    brace.closeSubpath();
    p.setPen(QPen(outline, line));
    p.setBrush(QColor(250, 200, 110));
    p.drawPath(brace);
    // Highlight along the top and left of the frame.
    if (!small) {
        p.setPen(QPen(QColor(255, 226, 160), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(crate.left() + 10, crate.top() + 8), QPointF(crate.right() - 10, crate.top() + 8));
        p.drawLine(QPointF(crate.left() + 8, crate.top() + 10), QPointF(crate.left() + 8, crate.bottom() - 10));
    }
}

// A twinkle at the upper right.
void drawTwinkle(QPainter& p, bool small, double line)
{
    const QPointF star(206, 52);
    const double arm = small ? 30 : 34;
    QPainterPath twinkle;
    twinkle.moveTo(star + QPointF(0, -arm));
    twinkle.quadTo(star, star + QPointF(arm, 0));
    twinkle.quadTo(star, star + QPointF(0, arm));
    twinkle.quadTo(star, star + QPointF(-arm, 0));
    twinkle.quadTo(star, star + QPointF(0, -arm));
    p.setPen(QPen(QColor(120, 80, 10), small ? line * 0.6 : 3));
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(twinkle);
}

} // namespace

QImage iconImage(int size)
{
    if (size <= 16)
        return tinyIcon();

    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    // Small icons get bolder lines and fewer details so they still read.
    const bool small = size <= 48;
    const double line = small ? 256.0 / size * 1.2 : 8;

    // The tile: deep blue with a gold rim, whose outer edge keeps at least a pixel and a
    // half clear of the icon's edge at every size.
    const double rim = small ? line : 10;
    const double inset = std::max(11.0, 1.5 * 256.0 / size + rim / 2);
    const QRectF tile(inset, inset, 256 - 2 * inset, 256 - 2 * inset);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, QColor(40, 60, 128));
    sky.setColorAt(1, QColor(14, 18, 52));
    p.setPen(QPen(QColor(232, 186, 84), rim));
    p.setBrush(sky);
    p.drawRoundedRect(tile, 44, 44);

    // The goal glowing under the crate.
    QRadialGradient glow(QPointF(128, 136), 118);
    glow.setColorAt(0.0, QColor(255, 226, 90, 230));
    glow.setColorAt(0.55, QColor(255, 200, 60, 90));
    glow.setColorAt(1.0, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(128, 136), 112, 112);

    drawCrate(p, small, line);
    drawTwinkle(p, small, line);
    return img;
}

} // namespace assetgen
