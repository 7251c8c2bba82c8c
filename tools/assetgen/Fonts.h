#pragma once
// The typefaces of the about box and the help pictures, loaded from the
// files of two Debian font packages so the output never depends on the
// desktop's font settings:
//   fonts-dejavu-core  DejaVuSans.ttf, DejaVuSans-Bold.ttf, DejaVuSerif-Bold.ttf
//   fonts-urw-base35   C059-Bold.otf, NimbusSansNarrow-Regular.otf

#include <QFont>

namespace assetgen {

enum class Face { Title, Serif, Sans, SansBold, Narrow };

/// The face at the given pixel size; throws if its font file is missing.
QFont fontFor(Face face, int pixelSize);

} // namespace assetgen
