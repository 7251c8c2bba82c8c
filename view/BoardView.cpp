// The board's picture: its surfaces, which picture a cell shows, and the drawing into it.
#include "view/BoardView.h"

#include <QPainter>
#include <algorithm>

#include "rules/Limits.h"
#include "view/MarkPainting.h"

namespace tolvar {

namespace {
constexpr int DigitWidth = 13;
constexpr int DigitHeight = 23;
constexpr int DigitCount = 4;
/// Column of the first character standing in pic_Obj, after the cell codes 0..5.
constexpr int FirstCharacterColumn = 6;
/// The frame of the glow the palette shows for a box on a goal.
constexpr int PaletteGoalFrame = 3;
}  // namespace

BoardView::BoardView(int cellSize) : cellSize_(std::max(1, cellSize)) {}

void BoardView::SetCellSize(int cellSize)
{
    cellSize_ = std::max(1, cellSize);
    ScaleSheets();
    spriteSave_ = BlankImage(cellSize_, cellSize_);
    spriteMove_ = BlankImage(cellSize_, cellSize_);
}

int BoardView::PixelToCell(int pixel) const
{
    return pixel >= 0 ? pixel / cellSize_ : (pixel - cellSize_ + 1) / cellSize_;
}

QPoint BoardView::BoardOrigin(int clientWidth, int clientHeight) const
{
    return {((clientWidth - CentringWidth) / 2) / cellSize_, ((clientHeight - CentringHeight) / 2) / cellSize_};
}

bool BoardView::LoadPictures(const std::string& dir, std::string& error)
{
    if (!LoadSheets(dir, sheets_, error))
        return false;
    ScaleSheets();
    return true;
}

void BoardView::SetSheets(const Sheets& sheets)
{
    sheets_ = sheets;
    ScaleSheets();
}

void BoardView::ScaleSheets()
{
    scaled_ = Sheets{};
    if (cellSize_ == SheetCellSize)
        return;  // drawn from the sheets themselves
    const auto scale = [this](const QImage& sheet) {
        if (sheet.isNull())
            return QImage();
        const QSize size(sheet.width() / SheetCellSize * cellSize_, sheet.height() / SheetCellSize * cellSize_);
        return sheet.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    };
    scaled_.pic_Obj = scale(sheets_.pic_Obj);
    scaled_.pic_Sprite = scale(sheets_.pic_Sprite);
    scaled_.pic_Goal = scale(sheets_.pic_Goal);
}

const QImage& BoardView::TileSheet(Tile::Sheet sheet) const
{
    const Sheets& from = cellSize_ == SheetCellSize ? sheets_ : scaled_;
    switch (sheet) {
    case Tile::Sheet::Sprite: return from.pic_Sprite;
    case Tile::Sheet::Goal: return from.pic_Goal;
    case Tile::Sheet::Obj: break;
    }
    return from.pic_Obj;
}

void BoardView::Resize(int clientWidth, int clientHeight)
{
    // A client image of the right size is blanked where it is, not made again.
    if (client_.width() == clientWidth && client_.height() == clientHeight && client_.format() == QImage::Format_RGB32)
        client_.fill(Qt::black);
    else
        client_ = BlankImage(clientWidth, clientHeight);
    ClientChanged();
    spriteSave_ = BlankImage(cellSize_, cellSize_);
    spriteMove_ = BlankImage(cellSize_, cellSize_);
    level_ = BlankImage(CounterWidth, CounterHeight);
    step_ = BlankImage(CounterWidth, CounterHeight);
}

Tile BoardView::CellTile(int code) const
{
    if (code == Outside)  // the background square
        return appearance.Background == 0 ? Tile{Tile::Sheet::Obj, 0, 0, true} : Tile{Tile::Sheet::Obj, 0, appearance.Background};
    const int column = code == ManStart ? FirstCharacterColumn + appearance.Character : code;
    return {Tile::Sheet::Obj, column, appearance.Scenery};
}

Tile BoardView::GoalTile(int frame) const { return {Tile::Sheet::Goal, frame - 1, appearance.Scenery}; }

Tile BoardView::ManTile(int frame) const
{
    return {Tile::Sheet::Sprite, frame, appearance.Character * SceneryCount + appearance.Scenery};
}

QImage BoardView::Picture(const Tile& tile) const
{
    QImage picture = BlankImage(SheetCellSize, SheetCellSize);
    const QImage& sheet = tile.sheet == Tile::Sheet::Obj      ? sheets_.pic_Obj
                          : tile.sheet == Tile::Sheet::Sprite ? sheets_.pic_Sprite
                                                              : sheets_.pic_Goal;
    if (!tile.black)
        BitBlt(picture, 0, 0, SheetCellSize, SheetCellSize, sheet, tile.column * SheetCellSize,
               tile.row * SheetCellSize, Rop::SrcCopy);
    return picture;
}

void BoardView::ComposePalette()
{
    for (int code = 0; code < CellCodeCount; ++code)
        palette_[static_cast<std::size_t>(code)] = Picture(code == BoxOnGoal ? GoalTile(PaletteGoalFrame) : CellTile(code));
}

void BoardView::Draw(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop)
{
    BitBlt(client_, dx, dy, w, h, src, sx, sy, rop);
    const QRect drawn = QRect(dx, dy, w, h) & client_.rect();
    unlaid_.Add(drawn);
    unshown_.Add(drawn);
}

void BoardView::DrawTile(const Tile& tile, int x, int y)
{
    const QImage& sheet = TileSheet(tile.sheet);
    const QPoint at = CellCorner(x, y);
    if (tile.black)
        Draw(at.x(), at.y(), cellSize_, cellSize_, sheet, 0, 0, Rop::Blackness);
    else
        Draw(at.x(), at.y(), cellSize_, cellSize_, sheet, CellToPixel(tile.column), CellToPixel(tile.row), Rop::SrcCopy);
}

void BoardView::DrawBuffer(const QImage& buffer, int x, int y)
{
    const QPoint at = CellCorner(x, y);
    Draw(at.x(), at.y(), cellSize_, cellSize_, buffer, 0, 0, Rop::SrcCopy);
}

void BoardView::FillBackground(int clientWidth, int clientHeight)
{
    // Both bounds included: a 640 x 442 client area gets 21 x 14 squares; a shifted board's
    // squares begin left of and above the window.
    const QPoint first = CellAt(0, 0), last = CellAt(clientWidth, clientHeight);
    const Tile background = CellTile(Outside);
    for (int y = first.y(); y <= last.y(); ++y)
        for (int x = first.x(); x <= last.x(); ++x)
            DrawTile(background, x, y);
}

void BoardView::TurnMan(int frame)
{
    const Tile man = ManTile(frame);
    BitBlt(spriteMove_, 0, 0, cellSize_, cellSize_, TileSheet(man.sheet), CellToPixel(man.column), CellToPixel(man.row),
           Rop::SrcCopy);
}

void BoardView::SaveTileUnderMan(int code)
{
    // Column `code` of the scenery's row as it stands: only floor and goal ever lie under the man.
    BitBlt(spriteSave_, 0, 0, cellSize_, cellSize_, TileSheet(Tile::Sheet::Obj), CellToPixel(code),
           CellToPixel(appearance.Scenery), Rop::SrcCopy);
}

void BoardView::DrawNumber(Counter target, std::int32_t value, int style)
{
    QImage& box = target == Counter::Level ? level_ : step_;
    // A value beyond 9999 cannot be shown: the counter shows 9999 rather than reading outside the digit strip.
    value = std::clamp<std::int32_t>(value, 0, MaxCount);
    int digits[DigitCount];
    for (int i = DigitCount - 1; i >= 0; --i, value /= 10)
        digits[i] = value % 10;
    for (int i = 0; i < DigitCount; ++i)
        BitBlt(box, i * DigitWidth, 0, DigitWidth, DigitHeight, sheets_.pic_Number, digits[i] * DigitWidth,
               style * DigitHeight, Rop::SrcCopy);
}

void BoardView::ClientChanged()
{
    unlaid_.Clear();
    unlaid_.Add(client_.rect());
    unshown_.Clear();
    unshown_.Add(client_.rect());
}

void BoardView::DrawOverlay()
{
    for (const QRect& r : unlaid_.Rects()) {
        sheets_.pic_Back.Lay(client_, r);
        unshown_.Add(r);  // a repaint may have shown the drawing before the decoration was laid
    }
    unlaid_.Clear();
    DrawMarks();
}

QRegion BoardView::TakeUnshown()
{
    if (unshown_.Empty())
        return {};
    QRegion region = unshown_.Region();
    unshown_.Clear();
    return region;
}

void BoardView::DrawMarks()
{
    if (marks_.empty())
        return;
    QPainter painter(&client_);
    for (const CellMark& mark : marks_) {
        const QPoint at = CellCorner(mark.x, mark.y);
        if (mark.kind == MarkKind::Dead)
            PaintDeadMark(painter, at.x(), at.y(), cellSize_);
        else
            PaintSelectedMark(painter, at.x(), at.y(), cellSize_);
    }
}

void BoardView::SetMarks(CellMarks marks)
{
    marks_ = std::move(marks);
    for (const CellMark& mark : marks_)
        unshown_.Add(QRect(CellCorner(mark.x, mark.y), QSize(cellSize_, cellSize_)));
}

}  // namespace tolvar
