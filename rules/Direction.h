#pragma once
// The four directions a man moves in: their key, their offset, the character a move history
// and a solution file write for them, the letter of the common notation, and the man's picture
// facing that way.
#include <array>
#include <cstdint>

#include "rules/Keys.h"

namespace tolvar {

struct Direction {
    int key;
    int dx, dy;
    char digit;          // "7" left, "8" up, "9" right, "0" down: the last digit of the key code
    std::int16_t frame;  // column of the man's sprite row
    char letter;         // "l", "u", "r", "d": the common notation of other games; upper case for a push
};

/// Indexes into `Directions`, in the order of the key codes.
enum DirectionIndex : int { Left = 0, Up = 1, Right = 2, Down = 3 };

inline constexpr std::array<Direction, 4> Directions{{
    {VK_LEFT, -1, 0, '7', 2, 'l'},
    {VK_UP, 0, -1, '8', 4, 'u'},
    {VK_RIGHT, 1, 0, '9', 6, 'r'},
    {VK_DOWN, 0, 1, '0', 0, 'd'},
}};

constexpr int Opposite(int d) { return (d + 2) & 3; }

/// The direction of a key code, or -1 for any other key.
constexpr int DirectionOfKey(int key) { return key >= VK_LEFT && key <= VK_DOWN ? key - VK_LEFT : -1; }

/// The direction of a move character, or -1 for anything else.
constexpr int DirectionOfDigit(char c)
{
    for (int d = 0; d < 4; ++d)
        if (Directions[static_cast<std::size_t>(d)].digit == c)
            return d;
    return -1;
}

/// The direction of a letter of the common notation, in either case, or -1 for anything else.
constexpr int DirectionOfLetter(char c)
{
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    for (int d = 0; d < 4; ++d)
        if (Directions[static_cast<std::size_t>(d)].letter == lower)
            return d;
    return -1;
}

/// The letter of the common notation for a move in `dir`: upper case when it pushed.
constexpr char LetterOf(int dir, bool pushed)
{
    const char letter = Directions[static_cast<std::size_t>(dir)].letter;
    return pushed ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace tolvar
