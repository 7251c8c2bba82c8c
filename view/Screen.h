#pragma once
// The sizes of the window and of what is drawn in it, in pixels.

namespace tolvar {

constexpr int CellSize = 32;  // one board cell, and one picture of every sheet
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
