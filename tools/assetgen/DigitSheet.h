#pragma once
// The counter digits: seven-segment LED figures, 13 x 23 each.

#include <QImage>

namespace assetgen {

constexpr int DigitWidth = 13;
constexpr int DigitHeight = 23;

/// 130 x 69: digits 0..9 across, rows red, green, white.
QImage digitSheet();

} // namespace assetgen
