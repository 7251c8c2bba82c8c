#include "view/Decoration.h"

#include <algorithm>
#include <cassert>

namespace tolvar {

namespace {

/// Laid on any pixel, a white mask under a black picture gives that pixel back.
bool ChangesNothing(QRgb mask, QRgb picture) { return (mask & 0xFFFFFF) == 0xFFFFFF && (picture & 0xFFFFFF) == 0; }

}  // namespace

Decoration::Decoration(const QImage& picture, const QImage& mask)
{
    const QImage p = picture.convertToFormat(QImage::Format_RGB32), m = mask.convertToFormat(QImage::Format_RGB32);
    const int height = std::min(p.height(), m.height()), width = std::min(p.width(), m.width());
    for (int y = 0; y < height; ++y) {
        rowRuns_.push_back(static_cast<std::uint32_t>(runs_.size()));
        const auto* pRow = reinterpret_cast<const QRgb*>(p.constScanLine(y));
        const auto* mRow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (ChangesNothing(mRow[x], pRow[x]))
                continue;
            if (runs_.size() == rowRuns_.back() || runs_.back().x + runs_.back().length != x)
                runs_.push_back(Run{x, 0, static_cast<std::uint32_t>(pixels_.size())});
            ++runs_.back().length;
            pixels_.push_back(Pixel{mRow[x], pRow[x]});
        }
    }
    rowRuns_.push_back(static_cast<std::uint32_t>(runs_.size()));
    runs_.shrink_to_fit();
    pixels_.shrink_to_fit();
}

void Decoration::Lay(QImage& dst, const QRect& area) const
{
    const QRect inside = area & dst.rect();
    const int rows = static_cast<int>(rowRuns_.size()) - 1;
    if (inside.isEmpty() || inside.top() >= rows)
        return;
    // The rows are reached from the first one: asking the image for every row would check each
    // time whether its pixels are shared.
    uchar* const row0 = dst.bits();
    const qsizetype stride = dst.bytesPerLine();
    for (int y = inside.top(); y <= inside.bottom() && y < rows; ++y) {
        auto* d = reinterpret_cast<QRgb*>(row0 + y * stride);
        for (std::uint32_t r = rowRuns_[static_cast<std::size_t>(y)]; r < rowRuns_[static_cast<std::size_t>(y) + 1]; ++r) {
            const Run& run = runs_[r];
            const int from = std::max(run.x, inside.left()), to = std::min(run.x + run.length, inside.right() + 1);
            assert(from >= 0 && (from >= to || to <= dst.width()));  // within the row
            for (int x = from; x < to; ++x) {
                const Pixel& p = pixels_[run.first + static_cast<std::uint32_t>(x - run.x)];
                d[x] = (d[x] & p.mask) | p.picture | 0xFF000000;
            }
        }
    }
}

}  // namespace tolvar
