#pragma once
// Whole boards drawn as the game draws them, for the previews and the help.

#include "Decoration.h"

#include <QImage>

#include <string>
#include <vector>

namespace assetgen {

/// A level in the game's cell codes ('0'..'5'), '6' marking the man.
using LevelRows = std::vector<std::string>;

/// A level of 20 x 14 cells that shows every kind of cell.
const LevelRows& sampleLevel();

/// Draws the rows from the window's origin over the chosen background,
/// filling width x height like the game's background fill.
QImage drawBoard(const LevelRows& rows, int width, int height, int scenery, int character, int background);

/// Lays the decoration as the game does: mask AND, then picture OR.
void layDecoration(QImage& target, const Decoration& deco);

/// Draws the level and step counters, four digits each, in a digit style 0..2.
void drawCounters(QImage& target, int level, int steps, int style);

/// Level `number` (from 1) of the shipped level set, as the game lays it on the board.
LevelRows shippedLevel(int number);

/// A level of the shipped set as the player sees it when it opens: board, decoration and counters.
QImage gameScreen(int scenery, int character, int background);

} // namespace assetgen
