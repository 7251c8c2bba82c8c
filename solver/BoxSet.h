#pragma once
// The boxes of one search position: a set of the board's floor cells.
#include "rules/CellSet.h"

namespace tolvar::solver {

using BoxSet = CellSet;

}  // namespace tolvar::solver
