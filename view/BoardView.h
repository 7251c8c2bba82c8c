#pragma once
// The board's picture: the persistent image of the main window's client area, the small
// pictures of the man and of the counters, the sheets they are drawn from, the appearance the
// player chose, the marks over cells, and what was drawn since the decoration was laid and
// since the window was repainted. It draws what it is told at window cells; it knows no game.
// The cell size is the view's own; the game's board is its 32-pixel case, the sheets' size.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <array>
#include <cstdint>
#include <string>

#include "rules/Grid.h"
#include "view/ChangedArea.h"
#include "view/Counter.h"
#include "view/Marks.h"
#include "view/Raster.h"
#include "view/Screen.h"
#include "view/Sheets.h"

namespace tolvar {

/// What the player chose the board to look like.
struct Appearance {
    std::int16_t Scenery = 0;     // a row of every sheet
    std::int16_t Character = 0;   // a block of scenery rows of the sprite sheet
    std::int16_t Background = 0;  // 0 black, else the outside tile of that row of pic_Obj
    std::int16_t DigitStyle = 1;  // a row of the digit strip
};

/// One picture of a sheet, counted in pictures (not pixels), or a black square.
struct Tile {
    enum class Sheet { Obj, Sprite, Goal };
    Sheet sheet = Sheet::Obj;
    int column = 0, row = 0;
    bool black = false;
};

class BoardView {
public:
    explicit BoardView(int cellSize = DefaultCellSize);
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    // --- Cells and pixels: every conversion between them goes through these ---
    int CellSize() const { return cellSize_; }
    /// The cell size from now on: the sheets are drawn scaled to it and the man's buffers resized.
    void SetCellSize(int cellSize);
    /// The pixels `cell` cells span: the left or top pixel of window cell `cell` where the
    /// cells start at the window's corner (no shift), and a picture's place in a sheet.
    int CellToPixel(int cell) const { return cell * cellSize_; }
    /// The window cell holding pixel `pixel` where the cells start at the window's corner,
    /// rounded down (left of or above the window too).
    int PixelToCell(int pixel) const;
    /// Where window cell (0, 0) starts, in pixels: nothing for the game's own board; a board of
    /// another size is centred to the pixel by it.
    QPoint Shift() const { return shift_; }
    void SetShift(QPoint shift) { shift_ = shift; }
    /// The top left pixel of window cell (x, y), shift included.
    QPoint CellCorner(int x, int y) const { return QPoint(CellToPixel(x), CellToPixel(y)) + shift_; }
    /// The window cell holding client pixel (x, y), shift included.
    QPoint CellAt(int x, int y) const { return {PixelToCell(x - shift_.x()), PixelToCell(y - shift_.y())}; }
    /// The board's offset in window cells in a client area of this size: centred as if the area
    /// were CentringWidth x CentringHeight, each spare half counted in whole cells toward zero.
    QPoint BoardOrigin(int clientWidth, int clientHeight) const;

    // --- Pictures ---
    Appearance appearance;
    /// Loads the sheets from the game directory; false with the file and the fault in `error`.
    bool LoadPictures(const std::string& dir, std::string& error);
    void SetSheets(const Sheets& sheets);
    /// The sheets as loaded (also for the decoration); a change of their tiles needs SetSheets.
    Sheets& sheets() { return sheets_; }
    QImage& Client() { return client_; }
    const QImage& Client() const { return client_; }
    QImage& SpriteSave() { return spriteSave_; }  // one cell: what lies under the man
    QImage& SpriteMove() { return spriteMove_; }  // one cell: the man's current picture
    const QImage& CounterImage(Counter which) const { return which == Counter::Level ? level_ : step_; }
    /// The edit bar's pictures, one per cell code, at the sheets' size (ComposePalette).
    const std::array<QImage, CellCodeCount>& Palette() const { return palette_; }
    /// Sizes the client image to the window's client area and blanks every buffer.
    void Resize(int clientWidth, int clientHeight);

    // --- Which picture: written here once ---
    /// The picture of cell code `code`: the background square outside, the character on his start.
    Tile CellTile(int code) const;
    /// Frame 1..4 of a box glowing on its goal.
    Tile GoalTile(int frame) const;
    /// Column `frame` of the man's row for the character and the scenery.
    Tile ManTile(int frame) const;
    /// The picture of `tile` at the sheets' own size.
    QImage Picture(const Tile& tile) const;
    /// The edit bar's pictures: what a click draws, the box on a goal in a frame of its glow.
    void ComposePalette();

    // --- Drawing into the client image at window cells ---
    /// Every drawing into the client image goes through here: a block transfer whose rectangle
    /// is noted for the decoration and the next repaint.
    void Draw(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop);
    void DrawTile(const Tile& tile, int x, int y);
    void DrawCell(int code, int x, int y) { DrawTile(CellTile(code), x, y); }
    /// The background square on every window cell of a client area this size, both bounds included.
    void FillBackground(int clientWidth, int clientHeight);
    void DrawManFrame(int frame, int x, int y) { DrawTile(ManTile(frame), x, y); }
    void DrawGoalFrame(int frame, int x, int y) { DrawTile(GoalTile(frame), x, y); }
    /// Copies the man's picture of column `frame` into SpriteMove.
    void TurnMan(int frame);
    /// Copies the picture of cell code `code` into SpriteSave.
    void SaveTileUnderMan(int code);
    /// Draws SpriteMove (the man) or SpriteSave (what he stood on) at window cell (x, y).
    void DrawMan(int x, int y) { DrawBuffer(spriteMove_, x, y); }
    void DrawSavedTile(int x, int y) { DrawBuffer(spriteSave_, x, y); }
    /// Four digits with leading zeros in digit style `style`; beyond 0..9999 the nearest end.
    void DrawNumber(Counter target, std::int32_t value, int style);
    /// The whole client image changed: the decoration and the next repaint cover all of it.
    void ClientChanged();
    /// Lays the decoration over what was drawn since it was last laid (laid twice, it changes
    /// nothing), then the marks.
    void DrawOverlay();
    /// What was drawn since the last call, to be repainted on screen; empty when nothing was.
    QRegion TakeUnshown();

    // --- Marks over window cells, laid last ---
    const CellMarks& Marks() const { return marks_; }
    /// Replaces the marks and notes their cells for the repaint; the cells of marks that go
    /// are the caller's to draw again.
    void SetMarks(CellMarks marks);

private:
    void DrawBuffer(const QImage& buffer, int x, int y);
    void DrawMarks();
    void ScaleSheets();
    const QImage& TileSheet(Tile::Sheet sheet) const;

    int cellSize_;
    QPoint shift_;
    Sheets sheets_;
    Sheets scaled_;  // the tile sheets at the cell size, when it is not the sheets' own
    QImage client_;
    QImage spriteSave_, spriteMove_;
    QImage level_, step_;
    std::array<QImage, CellCodeCount> palette_;
    CellMarks marks_;
    ChangedArea unlaid_;   // drawn since the decoration was last laid
    ChangedArea unshown_;  // drawn since the last repaint
};

}  // namespace tolvar
