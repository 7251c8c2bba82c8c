#pragma once
// The window and desktop icon: a glowing crate in a gold-framed tile.

#include <QImage>

#include <array>

namespace assetgen {

constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

QImage iconImage(int size);

} // namespace assetgen
