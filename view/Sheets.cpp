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

bool LoadSheets(const std::string& dir, Sheets& sheets, std::string& error)
{
    QImage picture, mask;
    if (!(LoadPicture(dir, ObjSheet, sheets.pic_Obj, error) && LoadPicture(dir, SpriteSheet, sheets.pic_Sprite, error) &&
          LoadPicture(dir, GoalSheet, sheets.pic_Goal, error) && LoadPicture(dir, NumberSheet, sheets.pic_Number, error) &&
          LoadPicture(dir, BackPicture, picture, error) && LoadPicture(dir, BackMask, mask, error)))
        return false;
    sheets.pic_Back = Decoration(picture, mask);
    return true;
}

}  // namespace tolvar
