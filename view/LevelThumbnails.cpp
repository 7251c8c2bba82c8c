#include "view/LevelThumbnails.h"

#include <algorithm>

#include "view/BoardView.h"

namespace tolvar {

namespace {
/// The cells of `grid` that are not outside, as a rectangle; the whole grid when all are.
QRect UsedCells(const Grid& grid)
{
    QRect used;
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (grid(x, y) != Outside)
                used |= QRect(x, y, 1, 1);
    return used.isEmpty() ? QRect(0, 0, grid.width, grid.height) : used;
}
}  // namespace

LevelThumbnails::LevelThumbnails(const BoardView& view)
{
    for (int code = 0; code < CellCodeCount; ++code)
        pictures_[static_cast<std::size_t>(code)] = view.Picture(view.CellTile(code));
}

const LevelThumbnails::Pictures& LevelThumbnails::PicturesAt(int cellSize)
{
    auto found = scaled_.find(cellSize);
    if (found != scaled_.end())
        return found->second;
    Pictures scaled;
    for (std::size_t i = 0; i < scaled.size(); ++i)
        scaled[i] = pictures_[i]
                        .scaled(cellSize, cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    return scaled_.emplace(cellSize, std::move(scaled)).first->second;
}

QImage LevelThumbnails::Draw(const Grid& grid, std::optional<Cell> man, QSize box)
{
    QImage image(box, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRect used = UsedCells(grid);
    const int cell = std::max(1, std::min(box.width() / used.width(), box.height() / used.height()));
    const Pictures& pictures = PicturesAt(cell);
    const QPoint origin = QPoint((box.width() - used.width() * cell) / 2, (box.height() - used.height() * cell) / 2) -
                          used.topLeft() * cell;
    // Copied row by row: a list scrolls through thousands of these.
    const auto put = [&](int x, int y, const QImage& picture) {
        const QPoint at = origin + QPoint(x * cell, y * cell);
        const QRect inside = QRect(at, QSize(cell, cell)) & image.rect();
        for (int row = inside.top(); row <= inside.bottom(); ++row) {
            const QRgb* from = reinterpret_cast<const QRgb*>(picture.constScanLine(row - at.y())) + (inside.left() - at.x());
            std::copy(from, from + inside.width(), reinterpret_cast<QRgb*>(image.scanLine(row)) + inside.left());
        }
    };
    for (int y = used.top(); y <= used.bottom(); ++y) {
        for (int x = used.left(); x <= used.right(); ++x) {
            const std::int16_t code = grid(x, y);
            if (code > Outside && code < CellCodeCount)
                put(x, y, pictures[static_cast<std::size_t>(code)]);
        }
    }
    if (man && grid.inside(*man))
        put(man->x, man->y, pictures[ManStart]);
    return image;
}

}  // namespace tolvar
