#include "view/Sheets.h"

namespace tolvar {

bool LoadPicture(const std::string& dir, const SheetFile& file, QImage& image, std::string& error)
{
    const QString path = QString::fromStdString(dir) + '/' + QString::fromLatin1(file.name);
    QImage loaded(path);
    if (loaded.isNull()) {
        error = std::string("The picture \"") + file.name + "\" is missing or cannot be read.";
        return false;
    }
    if (loaded.width() != file.width || loaded.height() != file.height) {
        error = std::string("The picture \"") + file.name + "\" should be " + std::to_string(file.width) + " x " +
                std::to_string(file.height) + " pixels but is " + std::to_string(loaded.width()) + " x " +
                std::to_string(loaded.height()) + ".";
        return false;
    }
    image = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

namespace {

/// A picture of black and white pixels only, such as the decoration's mask, one bit a pixel:
/// a thirty-second of its size, drawn the same. Any other picture stays as it is.
QImage OneBitWhereBlackAndWhite(const QImage& picture)
{
    QImage bits(picture.size(), QImage::Format_Mono);
    bits.setColorTable({qRgb(0, 0, 0), qRgb(0xFF, 0xFF, 0xFF)});
    bits.fill(0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = row[x] & 0xFFFFFF;
            if (colour == 0xFFFFFF)
                bits.setPixel(x, y, 1);
            else if (colour != 0)
                return picture;
        }
    }
    return bits;
}

}  // namespace

bool LoadSheets(const std::string& dir, Sheets& sheets, std::string& error)
{
    if (!(LoadPicture(dir, ObjSheet, sheets.pic_Obj, error) && LoadPicture(dir, SpriteSheet, sheets.pic_Sprite, error) &&
          LoadPicture(dir, GoalSheet, sheets.pic_Goal, error) && LoadPicture(dir, NumberSheet, sheets.pic_Number, error) &&
          LoadPicture(dir, BackPicture, sheets.pic_Back[0], error) && LoadPicture(dir, BackMask, sheets.pic_Back[1], error)))
        return false;
    sheets.pic_Back[1] = OneBitWhereBlackAndWhite(sheets.pic_Back[1]);
    return true;
}

}  // namespace tolvar
