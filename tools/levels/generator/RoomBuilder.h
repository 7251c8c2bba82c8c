#pragma once
// Builds the walls and floor of a level from 3 x 3 room pieces: open floor,
// pillars, wall corners and short wall runs, turned and mirrored at random.
#include <random>
#include <string>
#include <vector>

namespace tolvar::levelgen {

/// Rows of '#' (wall), ' ' (floor) and '-' (outside), framed by walls.
using Rows = std::vector<std::string>;

struct RoomShape {
    int blocksWide = 3;  // pieces across, each 3 cells
    int blocksHigh = 2;  // pieces down
    int minFloor = 12;   // fewer floor cells than this and the room is thrown away
};

/// A closed room of the given shape, or an empty result when the pieces came
/// out too cramped or too open to be a good puzzle room (the caller retries).
Rows BuildRoom(const RoomShape& shape, std::mt19937& random);

}  // namespace tolvar::levelgen
