// tolvar-levels collections: the player's library of collections, listed and added to as the
// game does.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "levels/CollectionLibrary.h"
#include "levels/GameDirectory.h"

namespace tolvar::levels {

namespace {

/// The game directory: --dir, else the player's.
std::optional<std::string> GameDir(const Arguments& parsed, std::string* error) {
    if (parsed.has("--dir")) return parsed.value("--dir");
    return PlayerGameDirectory(error);
}

/// "  12  11 x 9  solved  97 moves  31 pushes  Title": the best by moves, then the best by pushes.
void PrintLevel(const LibraryCollection& collection, const CollectionLevel& level) {
    std::cout << "  " << level.number << "  " << level.level.width << " x " << level.level.height;
    if (const LevelRecord* record = collection.Record(level.number))
        std::cout << "  solved  " << record->byMoves.moveCount << " moves  " << record->byPushes.pushCount << " pushes";
    else
        std::cout << "  unsolved";
    std::cout << (level.title.empty() ? "" : "  " + level.title) << "\n";
}

void PrintCollection(const CollectionSummary& c) {
    std::cout << c.title << (c.author.empty() ? "" : ", by " + c.author) << ": " << c.levels
              << (c.levels == 1 ? " level, " : " levels, ") << c.solved << " solved (" << c.id << ")\n";
}

int List(const CollectionLibrary& library, bool levels) {
    std::string problem;
    const auto list = library.List(&problem);
    if (!problem.empty()) Complain(ExitFileError, problem);
    int code = problem.empty() ? ExitOk : ExitFileError;
    for (const CollectionSummary& summary : list) {
        if (!levels) {
            PrintCollection(summary);
            continue;
        }
        const auto collection = library.Open(summary.id, &problem);
        if (!collection) {
            code = Complain(ExitFileError, summary.title + ": " + problem);
            continue;
        }
        PrintCollection(collection->summary);
        for (const std::string& note : collection->recordProblems)
            std::cerr << "tolvar-levels: " << collection->summary.title << ": " << note << "\n";
        for (const CollectionLevel& level : collection->levels) PrintLevel(*collection, level);
    }
    if (list.empty()) std::cout << "No collection in " << library.Folder() << "\n";
    return code;
}

int Add(CollectionLibrary& library, const std::string& path) {
    const AddedCollection added = library.Add(path);
    for (const LevelRefusal& refusal : added.refused) std::cout << "refused: " << DescribeRefusal(refusal) << "\n";
    if (!added.summary) return Complain(ExitFileError, added.problem);
    std::cout << (added.alreadyThere ? "already in the library: " : "added: ");
    PrintCollection(*added.summary);
    if (!added.problem.empty()) Complain(ExitFileError, added.problem);
    return !added.problem.empty() ? ExitFileError : added.refused.empty() ? ExitOk : ExitFailed;
}

}  // namespace

int RunCollections(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::Parse(args, {"--dir"}, {"--levels"}, &error);
    if (!parsed) return Complain(ExitUsage, error);
    const auto& pos = parsed->positional();
    const bool adding = !pos.empty() && pos.front() == "add";
    if (adding ? pos.size() != 2 || parsed->has("--levels") : !pos.empty())
        return Complain(ExitUsage, "use: collections [--levels] [--dir DIR], or collections add FILE [--dir DIR]");
    const auto dir = GameDir(*parsed, &error);
    if (!dir) return Complain(ExitFileError, error);
    std::error_code ec;
    if (!std::filesystem::is_directory(*dir, ec))
        return Complain(ExitFileError, *dir + ": no such directory" +
                                           (parsed->has("--dir") ? "" : " (the game makes it when it first starts)"));
    CollectionLibrary library(*dir);
    return adding ? Add(library, pos[1]) : List(library, parsed->has("--levels"));
}

}  // namespace tolvar::levels
