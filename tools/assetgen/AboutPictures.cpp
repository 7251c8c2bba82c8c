#include "AboutPictures.h"

#include "Fonts.h"
#include "PixelArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace assetgen {
namespace {

constexpr int Width = 497;
constexpr int Height = 255;

const QRect TitleRect(96, 8, 384, 72);
const QRect NoticeRects[2] = {QRect(16, 92, 465, 36), QRect(16, 132, 465, 36)};
const QRect EmailRects[2] = {QRect(16, 184, 170, 22), QRect(16, 214, 170, 22)};
const QRect HttpRects[2] = {QRect(196, 184, 170, 22), QRect(196, 214, 170, 22)};
const QRect ManRect(40, 28, 32, 32);
const QRect ButtonRect(385, 210, 96, 30);

const QColor Gold(232, 190, 92);
const QColor GoldDark(120, 80, 24);

QImage background()
{
    QImage img = newImage(Width, Height, Qt::black);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            QColor c = mix(QColor(18, 26, 58), QColor(34, 20, 54), double(y) / Height);
            // A faint lattice, like the board's blue background, kept away from the
            // man and the button.
            const bool plain = ManRect.adjusted(-6, -6, 6, 6).contains(x, y)
                || ButtonRect.adjusted(-4, -4, 4, 4).contains(x, y);
            if (!plain && ((x + y) % 24 == 0 || (x - y + 480) % 24 == 0))
                c = scaled(c, 1.22);
            put(img, x, y, c);
        }
    // A thin gold frame around the box.
    for (int k = 0; k < 3; ++k) {
        const QColor c = k == 1 ? Gold : GoldDark;
        for (int x = 3 + k; x < Width - 3 - k; ++x) {
            put(img, x, 3 + k, c);
            put(img, x, Height - 4 - k, c);
        }
        for (int y = 3 + k; y < Height - 3 - k; ++y) {
            put(img, 3 + k, y, c);
            put(img, Width - 4 - k, y, c);
        }
    }
    // A plaque for the little man.
    const QRect plaque = ManRect.adjusted(-4, -4, 4, 4);
    fill(img, plaque, QColor(10, 12, 24));
    for (int x = plaque.left(); x <= plaque.right(); ++x) {
        put(img, x, plaque.top(), Gold);
        put(img, x, plaque.bottom(), GoldDark);
    }
    for (int y = plaque.top(); y <= plaque.bottom(); ++y) {
        put(img, plaque.left(), y, Gold);
        put(img, plaque.right(), y, GoldDark);
    }
    // A rule between the notices and the addresses.
    for (int x = 24; x < Width - 24; ++x) {
        const double t = std::abs(x - Width / 2.0) / (Width / 2.0 - 24);
        put(img, x, 176, mix(Gold, QColor(34, 22, 56), t * t));
    }
    return img;
}

QImage pieceOf(const QImage& back, const QRect& r)
{
    return back.copy(r);
}

void shadowedText(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& colour)
{
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

QImage titlePicture(const QImage& back)
{
    QImage img = pieceOf(back, TitleRect);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont titleFont = fontFor(Face::Title, 50);
    QPainterPath path;
    path.addText(0, 0, titleFont, "TOLVAR");
    const QRectF box = path.boundingRect();
    path.translate((img.width() - box.width()) / 2 - box.left(), 46);
    p.fillPath(path.translated(3, 3), QColor(0, 0, 0, 150));
    QLinearGradient gold(0, 46 - box.height(), 0, 46);
    gold.setColorAt(0.0, QColor(255, 244, 190));
    gold.setColorAt(0.45, QColor(246, 200, 90));
    gold.setColorAt(0.55, QColor(210, 150, 50));
    gold.setColorAt(1.0, QColor(250, 214, 120));
    p.setPen(QPen(QColor(60, 34, 8), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(path);
    p.setFont(fontFor(Face::Sans, 13));
    shadowedText(p, QRect(0, 52, img.width(), 18), Qt::AlignCenter,
                 QString::fromUtf8("push  \u00b7  think  \u00b7  push again"), QColor(200, 210, 236));
    return img;
}

QImage captionPicture(const QImage& back, const QRect& where, const QString& text, int size, bool golden)
{
    QImage img = pieceOf(back, where);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(fontFor(golden ? Face::Serif : Face::Sans, size));
    shadowedText(p, img.rect(), Qt::AlignCenter, text, golden ? QColor(255, 214, 100) : QColor(228, 232, 244));
    return img;
}

const QString Links[4] = {"support@quillon-studio.example", "webmaster@quillon-studio.example",
                          "www.quillon-studio.example", "quillon-studio.example/tolvar"};

// The addresses are small print: vertical hinting keeps the baseline and
// the x-height on whole pixels, so the letters stay sharp at the size the
// box shows them, while their spacing stays even.
QFont linkFont(int size)
{
    QFont font = fontFor(Face::Narrow, size);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// One size for all four addresses: the largest at which the longest still fits.
int linkTextSize()
{
    int size = 15;
    auto fits = [&] {
        const QFontMetrics metrics(linkFont(size));
        for (const QString& text : Links)
            if (metrics.horizontalAdvance(text) > EmailRects[0].width() - 6)
                return false;
        return true;
    };
    while (size > 8 && !fits())
        --size;
    return size;
}

QImage linkPicture(const QImage& back, const QRect& where, const QString& text)
{
    QImage img = pieceOf(back, where);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = linkFont(linkTextSize());
    font.setUnderline(true);
    p.setFont(font);
    // A quiet plate hides the lattice behind the letters; no drop shadow, which
    // at this size would blur the letters it is meant to lift.
    const int width = QFontMetrics(font).horizontalAdvance(text) + 10;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 14, 34));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawRoundedRect(QRectF((img.width() - width) / 2.0, 2.5, width, img.height() - 5), 4, 4);
    p.setPen(QColor(176, 222, 255));
    p.drawText(img.rect(), Qt::AlignCenter, text);
    return img;
}

} // namespace

std::vector<NamedPicture> aboutPictures()
{
    const QImage back = background();
    std::vector<NamedPicture> out;
    out.push_back({"about_back.png", back});
    out.push_back({"about_title.png", titlePicture(back)});
    out.push_back({"about_notice0.png",
                   captionPicture(back, NoticeRects[0], "TOLVAR 1.0  \u2013  push every box onto its goal", 17, false)});
    out.push_back({"about_notice1.png",
                   captionPicture(back, NoticeRects[1],
                                  QString::fromUtf8("\u00a9 2026 Quillon Studio \u00b7 free software, GNU GPL 3 or later"), 15,
                                  false)});
    out.push_back({"win0.png", captionPicture(back, NoticeRects[0], "Well done !", 26, true)});
    out.push_back({"win1.png", captionPicture(back, NoticeRects[1], "Ready to enter next level ...", 18, false)});
    out.push_back({"win2.png", captionPicture(back, NoticeRects[0], "Congratulation !", 26, true)});
    out.push_back({"win3.png", captionPicture(back, NoticeRects[1], "You have completed all levels !", 18, false)});
    out.push_back({"email0.png", linkPicture(back, EmailRects[0], Links[0])});
    out.push_back({"email1.png", linkPicture(back, EmailRects[1], Links[1])});
    out.push_back({"http0.png", linkPicture(back, HttpRects[0], Links[2])});
    out.push_back({"http1.png", linkPicture(back, HttpRects[1], Links[3])});
    return out;
}

QImage aboutBoxPreview(const QImage& manCell, bool won)
{
    const std::vector<NamedPicture> pictures = aboutPictures();
    QImage box = pictures[0].image.copy();
    auto place = [&](int index, const QRect& r) { copyInto(box, pictures[index].image, r.x(), r.y()); };
    place(1, TitleRect);
    place(won ? 4 : 2, NoticeRects[0]);
    place(won ? 5 : 3, NoticeRects[1]);
    place(8, EmailRects[0]);
    place(9, EmailRects[1]);
    place(10, HttpRects[0]);
    place(11, HttpRects[1]);
    copyInto(box, manCell, ManRect.x(), ManRect.y());
    QPainter p(&box);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(224, 224, 224));
    p.drawRect(ButtonRect.adjusted(0, 0, -1, -1));
    p.setFont(fontFor(Face::Sans, 13));
    p.drawText(ButtonRect, Qt::AlignCenter, "Continue");
    return box;
}

} // namespace assetgen
