#pragma once
// Opening a collection of levels in the common text format: every level that fits is
// written as the next free "other.N" of the game directory, so that Load Other Level
// plays it. Nothing in the game directory is ever replaced.
#include <string>
#include <vector>

#include "rules/Limits.h"

namespace tolvar {

struct CollectionImport {
    std::string problem;             // why nothing could be read or written; empty when the file was read
    std::vector<int> numbers;        // the "other." numbers written, in the order of the collection
    std::vector<std::string> notes;  // "level 3 (line 20, Name): turned a quarter turn ..."
    std::vector<std::string> refusals;  // "level 4 (line 31): the man stands on a goal ..."
};

/// The endings of the collection files the game opens, as a file dialog would filter them.
inline constexpr const char* CollectionSuffixes[] = {".xsb", ".sok", ".txt"};

/// True when the file name ends in one of CollectionSuffixes, in any case.
bool IsCollectionFileName(const std::string& name);

/// The highest "other." number a collection is given: the level counter shows four digits.
constexpr int LastOtherNumber = MaxCount;

/// Imports the levels of the collection `text` into `gameDir`. A number is free when
/// neither "other.N" nor "othersol.N" is there (an old solution must not replay on a new
/// level); numbers are taken from 1 upwards.
CollectionImport ImportCollectionText(const std::string& text, const std::string& gameDir);

/// The same for a collection file; a file that cannot be read, or is not a text collection
/// of a sane size, is a problem.
CollectionImport ImportCollectionFile(const std::string& path, const std::string& gameDir);

/// What the player is told: how many were imported, their numbers and why any were refused.
std::string DescribeImport(const CollectionImport& result);

}  // namespace tolvar
