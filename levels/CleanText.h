#pragma once
// Texts from files the player brings (titles, authors): made safe to show and to store in one
// line, whatever bytes the file held.
#include <cstddef>
#include <string>
#include <string_view>

namespace tolvar {

/// The longest text kept, in bytes; a longer one is cut at a character and ends in "...".
/// Cleaning a clean text changes nothing.
constexpr std::size_t MaxCleanTextBytes = 200;

/// `text` as valid UTF-8 (a byte that starts no valid character becomes U+FFFD), control
/// characters (tabs and line breaks included) as spaces, outer spaces trimmed, at most
/// MaxCleanTextBytes long.
std::string CleanText(std::string_view text);

}  // namespace tolvar
