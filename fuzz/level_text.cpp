// The level tool's text format: the input is a collection as "tolvar-levels import" reads
// it, split into levels, each placed on the board; its first 280 bytes are also read as a
// level text of the tool's own files.
#include "FuzzGame.h"
#include "levels/LevelRules.h"
#include "levels/LevelText.h"

using namespace tolvar;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzing::AsText(data, size);
    for (const TextLevel& source : SplitCollection(text)) {
        Require(!source.rows.empty() && source.firstLine >= 1, "a level has rows and a line");
        std::string error;
        const std::optional<Level> level = LevelFromRows(source.rows, &error);
        Require(level.has_value() == error.empty(), "a refused level says why, an accepted one does not");
        if (!level)
            continue;
        Require(CheckLevel(*level).empty(), "an accepted level is fair");
        Require(Level::FromText(level->ToText()) == level, "an imported level reads back from its file");
        const std::vector<std::string> rows = LevelToRows(*level);
        const std::optional<Level> again = LevelFromRows(rows, &error);
        Require(again && LevelToRows(*again) == rows, "an exported level imports as the same level");
    }

    const std::optional<Level> record = Level::FromText(text.substr(0, CellCount));
    if (record)
        Require(record->ToText() == text.substr(0, CellCount), "a level text reads and writes the same");
    return 0;
}
