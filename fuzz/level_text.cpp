// The level text format: the input is a collection as the level tool reads it, split into
// levels, each read at its own size (up to 64 x 64, as "tolvar-levels solve" reads it) and
// placed on the game's board (as "tolvar-levels import" does); its first 280 bytes are also
// read as a level text of the game's own files.
#include "FuzzGame.h"
#include "levels/LevelRules.h"
#include "levels/LevelText.h"

using namespace tolvar;
using fuzzing::Require;

namespace {

/// A level read at its own size: fair, within 64 x 64, and written out and read again the same.
void CheckOwnSize(const TextLevel& source)
{
    std::string error;
    const std::optional<Level> level = ReadLevel(source.rows, &error);
    Require(level.has_value() == error.empty(), "a refused level says why, an accepted one does not");
    if (!level)
        return;
    Require(level->width <= MaxGridSide && level->height <= MaxGridSide, "a level fits 64 x 64");
    Require(CheckLevel(*level).empty(), "an accepted level is fair");
    const std::vector<std::string> rows = LevelToRows(*level);
    const std::optional<Level> again = ReadLevel(rows, &error);
    Require(again && LevelToRows(*again) == rows, "a level written out reads as the same level");
}

/// A level placed on the game's board: fair, in its files, and exported and imported the same.
void CheckImport(const TextLevel& source)
{
    std::string error;
    const std::optional<Level> level = LevelFromRows(source.rows, &error);
    Require(level.has_value() == error.empty(), "a refused level says why, an accepted one does not");
    if (!level)
        return;
    Require(CheckLevel(*level).empty(), "an accepted level is fair");
    Require(!level->manOnGoal() && Level::FromText(level->ToText()) == level, "an imported level reads back from its file");
    const std::vector<std::string> rows = LevelToRows(*level);
    const std::optional<Level> again = LevelFromRows(rows, &error);
    Require(again && LevelToRows(*again) == rows, "an exported level imports as the same level");
    Require(ReadLevel(source.rows, &error).has_value(), "a level the game's board holds is read at its own size too");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzing::AsText(data, size);
    for (const TextLevel& source : SplitCollection(text)) {
        Require(!source.rows.empty() && source.firstLine >= 1, "a level has rows and a line");
        CheckOwnSize(source);
        CheckImport(source);
    }

    const std::optional<Level> record = Level::FromText(text.substr(0, CellCount));
    if (record)
        Require(record->ToText() == text.substr(0, CellCount), "a level text reads and writes the same");
    return 0;
}
