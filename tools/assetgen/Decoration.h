#pragma once
// The decoration laid over the board, and its mask.

#include <QImage>
#include <QRect>

#include <array>

namespace assetgen {

constexpr int DecorationWidth = 640;
constexpr int DecorationHeight = 445;
/// The visible part of the window below the menu bar.
constexpr int ClientHeight = 442;

/// The counters sit in the top corners and must never be covered.
constexpr std::array<QRect, 2> CounterRects{QRect(8, 16, 52, 23), QRect(576, 16, 52, 23)};

struct Decoration {
    QImage picture; // gold on black
    QImage mask;    // white where the board shows through, black where the picture covers it
};

Decoration decoration();

} // namespace assetgen
