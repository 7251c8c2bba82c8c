#pragma once
// Small helpers for drawing crisp pixel art straight into QImages.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace assetgen {

/// A hash of integer coordinates: the only source of "randomness" in the
/// generators, so every run paints the same pixels.
std::uint32_t hashOf(int x, int y, int seed);

/// hashOf mapped to [0, 1).
double noise01(int x, int y, int seed);

/// Smooth value noise with the given cell size that wraps every `period`
/// pixels, so tiles built from it join without seams.
double smoothNoise(double x, double y, int cell, int period, int seed);

QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);

/// A fresh opaque 32 x 32 cell.
QImage newCell(const QColor& fill = Qt::black);
QImage newImage(int width, int height, const QColor& fill);

void put(QImage& img, int x, int y, const QColor& c);
void fill(QImage& img, const QRect& r, const QColor& c);

/// Draws src over dst at (x, y), respecting src's alpha (0 or 255 in practice).
void blitOver(QImage& dst, const QImage& src, int x, int y);
void copyInto(QImage& dst, const QImage& src, int x, int y);

/// Darkens the pixels of img by the soft oval shadow a figure or box casts.
void castShadow(QImage& img, int cx, int cy, int rx, int ry, double strength);

/// Builds a transparent image from rows of palette letters ('.' is clear).
QImage fromRows(const std::vector<std::string>& rows, const std::map<char, QColor>& palette);

/// Nearest-neighbour enlargement for previews.
QImage enlarged(const QImage& img, int factor);

} // namespace assetgen
