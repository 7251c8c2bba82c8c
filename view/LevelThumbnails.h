#pragma once
// Small pictures of whole levels, for the window that lists them: the board's own pictures
// shrunk to a few pixels a cell, each size made once.
#include <QImage>
#include <QSize>
#include <array>
#include <map>
#include <optional>

#include "rules/Grid.h"

namespace tolvar {

class BoardView;

class LevelThumbnails {
public:
    /// The pictures of the cell codes as `view` draws them now (scenery, character, background).
    explicit LevelThumbnails(const BoardView& view);

    /// `grid` fitted whole into `box` and centred on black: its cells, and the man on `man` (or
    /// on a ManStart cell of the grid).
    QImage Draw(const Grid& grid, std::optional<Cell> man, QSize box);

private:
    using Pictures = std::array<QImage, CellCodeCount>;
    const Pictures& PicturesAt(int cellSize);

    Pictures pictures_;
    std::map<int, Pictures> scaled_;
};

}  // namespace tolvar
