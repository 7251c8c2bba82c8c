#include "assist/ClipboardExchange.h"

#include <ctime>

#include "core/Game.h"
#include "levels/LevelText.h"
#include "levels/PasteText.h"
#include "rules/Direction.h"

namespace tolvar {

namespace {

std::string ClockPasteName()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "Pasted %Y-%m-%d %H:%M", &local);
    return text;
}

/// Moves in the common notation as the game's digits.
std::string Digits(const std::string& letters)
{
    std::string digits;
    for (char c : letters)
        digits += Directions[static_cast<std::size_t>(DirectionOfLetter(c))].digit;
    return digits;
}

}  // namespace

ClipboardExchange::~ClipboardExchange()
{
    *self_ = nullptr;
    if (thread_.joinable())
        thread_.join();
}

void ClipboardExchange::CopyLevel()
{
    const std::optional<Level> level = game_.StoredLevel();
    if (!level || !game_.services().clipboard)
        return;
    std::string text;
    for (const std::string& row : LevelToRows(*level))
        text += row + '\n';
    if (const std::optional<GroupRecords> records = game_.RecordsOfLevelGroup())
        if (const LevelRecord* record = records->Find(game_.RecordNumber()))
            text += record->byMoves.moves + '\n';
    game_.services().clipboard->SetText(text);
}

void ClipboardExchange::Paste()
{
    if (!game_.services().clipboard)
        return;
    if (adding_) {
        game_.Warn("Nothing was pasted: the levels pasted before are still being added to the library.");
        return;
    }
    std::string text = game_.services().clipboard->Text();
    PastedText pasted = ReadPaste(text);
    if (pasted.kind == PasteKind::Refused)
        game_.Warn("Nothing was pasted: " + pasted.problem + ".");
    else if (pasted.kind == PasteKind::Moves)
        ReplayPasted(pasted.moves);
    else
        AddPasted(std::move(text), std::move(pasted.moves));
}

void ClipboardExchange::ReplayPasted(const std::string& moves)
{
    const std::optional<Level> level = game_.StoredLevel();
    if (!level) {
        game_.Warn("The moves pasted were not replayed: they are replayed on a stored level (of the set, "
                   "self-edited or other), and the level on the board is none.");
        return;
    }
    if (const std::string why = WhyNoSolution(*level, moves); !why.empty()) {
        game_.Warn("The moves pasted do not solve this level: " + why + ".");
        return;
    }
    game_.ReplaySolution(Digits(moves));
}

void ClipboardExchange::AddPasted(std::string text, std::string moves)
{
    if (thread_.joinable())
        thread_.join();
    adding_ = true;
    const std::string name = pasteName ? pasteName() : ClockPasteName();
    thread_ = std::thread([&gui = gui_, text = std::move(text), moves = std::move(moves), name, gameDir = game_.AppPath,
                           self = std::weak_ptr<ClipboardExchange*>(self_)] {
        CollectionLibrary library(gameDir);
        AddedCollection result = library.AddText(text, name);
        bool solutionKept = false;
        int firstLevel = 0;
        if (auto collection = result.summary ? library.Open(result.summary->id, nullptr) : std::nullopt;
            collection && !collection->levels.empty()) {
            firstLevel = collection->levels.front().number;
            if (!moves.empty())
                solutionKept = library.RecordWin(*collection, firstLevel, moves).improvement.any();
        }
        gui.Post([self, result = std::move(result), firstLevel, solutionKept] {
            if (const auto alive = self.lock(); alive && *alive)
                (*alive)->Report(result, firstLevel, solutionKept);
        });
    });
}

void ClipboardExchange::Report(const AddedCollection& result, int firstLevel, bool solutionKept)
{
    adding_ = false;
    if (!result.summary) {
        game_.Warn("The levels pasted were not added to the library: " + result.problem + ".");
        return;
    }
    const CollectionSummary& summary = *result.summary;
    std::string text = result.alreadyThere ? "The levels pasted are in the library already, as \"" + summary.title + "\"."
                                           : "The levels pasted were added to the library as \"" + summary.title +
                                                 "\": " + std::to_string(summary.levels) + " level(s).";
    if (!result.refused.empty())
        text += " " + std::to_string(result.refused.size()) + " level(s) break the rules of play and were left out.";
    if (solutionKept)
        text += " The solution pasted with the level is kept as its record.";
    game_.services().dialogs->MsgBox(text, MsgStyle::OkExclamation, AppTitle);
    if (added && firstLevel > 0)
        added(summary.id, firstLevel);
}

}  // namespace tolvar
