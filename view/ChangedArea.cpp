#include "view/ChangedArea.h"

#include <algorithm>

namespace tolvar {

void ChangedArea::Add(const QRect& area)
{
    if (area.isEmpty())
        return;
    if (std::any_of(rects_.begin(), rects_.end(), [&](const QRect& r) { return r.contains(area); }))
        return;
    if (rects_.size() < MaxRects) {
        rects_.push_back(area);
        return;
    }
    QRect all = area;
    for (const QRect& r : rects_)
        all |= r;
    rects_.assign(1, all);
}

QRegion ChangedArea::Region() const
{
    QRegion region;
    for (const QRect& r : rects_)
        region += r;
    return region;
}

}  // namespace tolvar
