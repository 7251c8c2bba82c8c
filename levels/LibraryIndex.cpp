#include "levels/LibraryIndex.h"

#include <charconv>
#include <cstdint>
#include <set>

#include "levels/CleanText.h"

namespace tolvar {

namespace {

constexpr std::string_view Heading =
    "# TOLVAR collections: id, levels, solved, title, author (made again from the files when damaged)\n";

/// The fields of a line, split at tabs.
std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;;) {
        const std::size_t end = line.find('\t', at);
        fields.push_back(line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos)
            return fields;
        at = end + 1;
    }
}

std::optional<int> CountOf(std::string_view field)
{
    int value = -1;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc{} || end != field.data() + field.size() || value < 0 || value > MaxCollectionLevels)
        return std::nullopt;
    return value;
}

}  // namespace

bool IsLibraryId(std::string_view id)
{
    const auto isHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    if (id.size() < 16 || id.size() > 20)
        return false;
    for (std::size_t i = 0; i < 16; ++i)
        if (!isHex(id[i]))
            return false;
    if (id.size() == 16)
        return true;
    if (id[16] != '-' || id.size() == 17)
        return false;
    for (std::size_t i = 17; i < id.size(); ++i)
        if (id[i] < '0' || id[i] > '9')
            return false;
    return id[17] != '0';
}

std::string LibraryIdOf(std::string_view content, int attempt)
{
    // 64-bit FNV-1a: quick, and a clash only costs a second name (the contents are compared).
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : content) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char Hex[] = "0123456789abcdef";
    std::string id(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        id[static_cast<std::size_t>(i)] = Hex[hash & 15];
    return attempt == 0 ? id : id + "-" + std::to_string(attempt);
}

std::optional<std::vector<CollectionSummary>> ParseIndex(std::string_view text)
{
    std::vector<CollectionSummary> collections;
    std::set<std::string, std::less<>> seen;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        const auto fields = Fields(line);
        if (fields.size() != 5 || !IsLibraryId(fields[0]) || !seen.emplace(fields[0]).second)
            return std::nullopt;
        const auto levels = CountOf(fields[1]), solved = CountOf(fields[2]);
        if (!levels || !solved || *solved > *levels)
            return std::nullopt;
        collections.push_back({std::string(fields[0]), CleanText(fields[3]), CleanText(fields[4]), *levels, *solved});
    }
    return collections;
}

std::string WriteIndex(const std::vector<CollectionSummary>& collections)
{
    std::string text(Heading);
    for (const CollectionSummary& c : collections)
        text += c.id + '\t' + std::to_string(c.levels) + '\t' + std::to_string(c.solved) + '\t' + c.title + '\t' +
                c.author + '\n';
    return text;
}

}  // namespace tolvar
