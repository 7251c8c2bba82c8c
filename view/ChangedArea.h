#pragma once
// The part of a picture drawn since some moment, so that what follows a drawing (the
// decoration laid over it, the repaint on screen) covers that part and not the whole
// window. Kept as a few rectangles, or as the one rectangle round them once there are many.
#include <QRect>
#include <QRegion>
#include <vector>

namespace tolvar {

class ChangedArea {
public:
    /// Notes `area` as drawn; an empty rectangle changes nothing.
    void Add(const QRect& area);
    void Clear() { rects_.clear(); }
    bool Empty() const { return rects_.empty(); }
    /// The rectangles, possibly overlapping; together they cover all that was drawn.
    const std::vector<QRect>& Rects() const { return rects_; }
    QRegion Region() const;

    /// More rectangles than this become the one round them all.
    static constexpr std::size_t MaxRects = 32;

private:
    std::vector<QRect> rects_;
};

}  // namespace tolvar
