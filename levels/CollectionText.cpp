#include "levels/CollectionText.h"

#include <filesystem>
#include <fstream>

#include "levels/CleanText.h"
#include "levels/LevelText.h"

namespace tolvar {

namespace {

/// The file name without its folders and its last ending: "Boxes.xsb" gives "Boxes".
std::string NameOfFile(std::string_view fileName)
{
    const auto slash = fileName.find_last_of('/');
    if (slash != std::string_view::npos)
        fileName.remove_prefix(slash + 1);
    const auto dot = fileName.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0)
        fileName = fileName.substr(0, dot);
    return CleanText(fileName);
}

/// Reads one level of the file at its own size, keeping the rules only; a refusal says why.
void ReadOne(TextLevel& source, int number, CollectionText& collection)
{
    std::string error;
    std::string title = CleanText(source.title);
    std::optional<Level> level;
    if (source.height > static_cast<int>(source.rows.size()))  // too high for its rows to be kept
        error = "the level has " + std::to_string(source.height) + " rows; a level has at most " +
                std::to_string(MaxGridSide) + " x " + std::to_string(MaxGridSide);
    else
        level = ReadLevel(source.rows, &error, nullptr, LevelCheck::Rules);
    if (!level) {
        collection.refused.push_back({number, std::move(title), source.firstLine, error});
        return;
    }
    collection.levels.push_back({number, std::move(title), source.firstLine, CleanText(source.author), std::move(*level)});
}

}  // namespace

std::optional<CollectionText> ReadCollectionText(std::string_view text, std::string_view fileName, std::string* error)
{
    const auto fail = [error](std::string why) -> std::optional<CollectionText> {
        if (error)
            *error = std::move(why);
        return std::nullopt;
    };
    if (text.size() > MaxCollectionBytes)
        return fail("the file is larger than a collection of levels can be (" + std::to_string(MaxCollectionBytes >> 20) +
                    " MB)");
    CollectionHeader header;
    std::vector<TextLevel> sources = SplitCollection(text, &header, MaxCollectionLevels + 1u);
    if (sources.empty())
        return fail("the file holds no level in the common text format");
    if (sources.size() > static_cast<std::size_t>(MaxCollectionLevels))
        return fail("the file holds more than " + std::to_string(MaxCollectionLevels) + " levels");
    CollectionText collection;
    collection.title = CleanText(header.title);
    if (collection.title.empty())
        collection.title = NameOfFile(fileName);
    collection.author = CleanText(header.author);
    collection.levels.reserve(sources.size());
    std::size_t cells = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        ReadOne(sources[i], static_cast<int>(i + 1), collection);
        sources[i] = TextLevel{};  // its rows are read: give back their memory at once
        if (!collection.levels.empty() && collection.levels.back().number == static_cast<int>(i + 1) &&
            (cells += static_cast<std::size_t>(collection.levels.back().level.size())) > MaxCollectionCells)
            return fail("the levels of the file are too large together (more than " + std::to_string(MaxCollectionCells) +
                        " cells)");
    }
    return collection;
}

std::optional<std::string> ReadCollectionBytes(const std::string& path, std::string* error)
{
    const auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (error)
            *error = path + ": " + why;
        return std::nullopt;
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return fail("not a file that can be read");
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return fail("cannot be read");
    if (size > MaxCollectionBytes)
        return fail("too large for a collection of levels (" + std::to_string(size >> 20) + " MB; at most " +
                    std::to_string(MaxCollectionBytes >> 20) + " MB)");
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (!in || in.gcount() != static_cast<std::streamsize>(size))
        return fail("cannot be read");
    return bytes;
}

std::string DescribeRefusal(const LevelRefusal& refusal)
{
    return "level " + std::to_string(refusal.number) + " (line " + std::to_string(refusal.firstLine) +
           (refusal.title.empty() ? "" : ", " + refusal.title) + "): " + refusal.reason;
}

}  // namespace tolvar
