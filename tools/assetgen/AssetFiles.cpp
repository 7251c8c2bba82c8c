#include "AssetFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <stdexcept>

namespace assetgen {

namespace {
void makeParent(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
}
} // namespace

void savePng(const QImage& image, const QString& path)
{
    makeParent(path);
    bool translucent = false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height() && !translucent; ++y)
        for (int x = 0; x < argb.width() && !translucent; ++x)
            translucent = qAlpha(argb.pixel(x, y)) != 255;
    const QImage out = translucent ? argb : image.convertToFormat(QImage::Format_RGB32);
    QImageWriter writer(path, "png");
    writer.setQuality(0); // for PNG: the strongest compression, still lossless
    if (!writer.write(out))
        throw std::runtime_error("cannot write " + path.toStdString() + ": "
                                 + writer.errorString().toStdString());
}

void saveBytes(const QByteArray& bytes, const QString& path)
{
    makeParent(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace assetgen
