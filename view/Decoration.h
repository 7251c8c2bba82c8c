#pragma once
// The decoration laid over the board: a picture (back.png) over its mask (backmask.png), each
// pixel laid as board = (board AND mask) OR picture. Most of it leaves the board as it is (a
// white mask under a black picture); only the runs of pixels that change something are kept,
// a few per cent of the whole.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

namespace tolvar {

class Decoration {
public:
    Decoration() = default;
    /// From a picture and its mask, of the same size.
    Decoration(const QImage& picture, const QImage& mask);

    /// Lays the decoration on the rectangle `area` of the RGB32 image `dst`; what lies outside
    /// either is left alone.
    void Lay(QImage& dst, const QRect& area) const;

private:
    struct Run {
        int x;
        int length;
        std::uint32_t first;  // its first pixel in pixels_
    };
    struct Pixel {
        QRgb mask;
        QRgb picture;
    };
    std::vector<std::uint32_t> rowRuns_;  // the first run of each row in runs_, and one past the last
    std::vector<Run> runs_;
    std::vector<Pixel> pixels_;
};

}  // namespace tolvar
