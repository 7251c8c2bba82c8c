#pragma once
// The pictures of the about box, which also announces a won level.

#include <QImage>
#include <QString>

#include <vector>

namespace assetgen {

struct NamedPicture {
    QString fileName;
    QImage image;
};

/// about_back.png and every picture laid over it, each painted over the
/// matching piece of the background so it sits there without a seam.
std::vector<NamedPicture> aboutPictures();

/// The about box as the player sees it (or, with `won`, the window that
/// announces a won level), for the previews.
QImage aboutBoxPreview(const QImage& manCell, bool won);

} // namespace assetgen
