#pragma once
// How the game reads numbers the player types, and which typed texts may name a file.
#include <string>

namespace tolvar {

/// The leading number of a text, as a typed answer is read: leading blanks skipped,
/// an optional sign, digits with an optional fraction and exponent; 0 when there is none.
double LeadingNumber(const std::string& text);

/// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

/// The text with leading and trailing spaces removed.
std::string TrimSpaces(const std::string& text);

/// True when `numberText` can follow a prefix such as "other." as a plain file name in the
/// game directory: no path separator, no "..", no control character, not too long.
bool SafeNumberText(const std::string& numberText);

/// The decimal text of a number: plain digits, a minus sign when negative.
std::string NumberText(long long value);

}  // namespace tolvar
