#pragma once
// One big picture of every sheet and every combination, to judge the art by eye.

#include <QImage>

namespace assetgen {

QImage contactSheet();

} // namespace assetgen
