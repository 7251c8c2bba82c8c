#pragma once
// The sizes of the window and of what is drawn in it, in pixels.

namespace tolvar {

constexpr int SheetCellSize = 32;  // one picture of every sheet
/// The board's cell of the game's own window: every sheet's picture pixel for pixel. The view's
/// cell size is its own (BoardView::CellSize); this is its default.
constexpr int DefaultCellSize = SheetCellSize;
/// The pixel reckoning of the move procedures that still draw the man themselves, at the default size.
constexpr int CellSize = DefaultCellSize;
constexpr int ClientWidthDesigned = 640;
constexpr int ClientHeightDesigned = 442;
constexpr int OverlayWidth = 640;
constexpr int OverlayHeight = 445;
constexpr int CounterWidth = 52;
constexpr int CounterHeight = 23;
/// The board is centred in the client area as if the area it fills were this large.
constexpr int CentringWidth = 640;
constexpr int CentringHeight = 470;

}  // namespace tolvar
