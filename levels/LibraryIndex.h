#pragma once
// The index of the collection library: one line per collection with what the library lists, so
// that listing reads one small file. The collection files themselves always decide: an index
// that cannot be read is made again from them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/CollectionLibrary.h"

namespace tolvar {

/// The collections the index lists, in its order; nothing when it is damaged (a line that cannot
/// be read, an id that is no library name, an id twice).
std::optional<std::vector<CollectionSummary>> ParseIndex(std::string_view text);

/// The text of the index.
std::string WriteIndex(const std::vector<CollectionSummary>& collections);

/// An id the library may have given: 16 lower-case hex digits, maybe "-" and 1 to 3 digits.
bool IsLibraryId(std::string_view id);

/// The library's id of a collection's content, the `attempt`-th when others with the same hash
/// hold other content: the hash, then the hash with "-1", "-2", ...
std::string LibraryIdOf(std::string_view content, int attempt);

}  // namespace tolvar
