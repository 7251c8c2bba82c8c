#pragma once
// Writing the generated files: fixed settings, so two runs give the same bytes.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assetgen {

/// Saves a PNG, opaque images as RGB and the rest with alpha. Throws on failure.
void savePng(const QImage& image, const QString& path);
void saveBytes(const QByteArray& bytes, const QString& path);

} // namespace assetgen
