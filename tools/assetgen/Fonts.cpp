#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <stdexcept>

namespace assetgen {

namespace {
QString fileOf(Face face)
{
    switch (face) {
    case Face::Title: return "/usr/share/fonts/opentype/urw-base35/C059-Bold.otf";
    case Face::Serif: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
    case Face::Sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case Face::SansBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case Face::Narrow: return "/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Regular.otf";
    }
    return {};
}
} // namespace

QFont fontFor(Face face, int pixelSize)
{
    static QHash<int, QString> families;
    const int key = int(face);
    if (!families.contains(key)) {
        const QString file = fileOf(face);
        const int id = QFontDatabase::addApplicationFont(file);
        const QStringList names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (names.isEmpty())
            throw std::runtime_error("font file missing or unreadable: " + file.toStdString());
        families.insert(key, names.first());
    }
    QFont font(families.value(key));
    font.setPixelSize(pixelSize);
    font.setBold(face == Face::Title || face == Face::Serif || face == Face::SansBold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace assetgen
