// The best records of the set's, the self-edited and the other levels (levels/LevelRecords.h).
#include "core/Game.h"
#include "levels/LevelFile.h"
#include "levels/LevelNames.h"
#include "levels/TypedNumber.h"

namespace tolvar {

int Game::RecordNumber()
{
    if (LevelKind == KindSet)
        return LevelNo;
    if (LevelKind != KindSelf && LevelKind != KindOther)
        return 0;  // a new level has no number yet
    // Only a level whose file is named by a plain number has a place in the records.
    const std::string text = LevelNumber();
    const long long number = RoundHalfEven(LeadingNumber(text));
    return number >= 1 && number <= MaxShort && NumberText(number) == text ? static_cast<int>(number) : 0;
}

std::optional<GroupRecords> Game::RecordsOfLevelGroup()
{
    if (RecordNumber() == 0)
        return std::nullopt;
    const std::int16_t kind = LevelKind;
    const RecordGroup group = kind == KindSet ? RecordGroup::Set : kind == KindSelf ? RecordGroup::Self : RecordGroup::Other;
    LevelLookup levelOf = [this, kind](int number) -> std::optional<Level> {
        if (kind == KindSet)
            return number <= NumLevels ? Level::FromText(SetRecord(number)) : std::nullopt;
        const LevelFileRead read = ReadLevelBytes(FullPath(LevelFileName(kind, NumberText(number))));
        return read.status == LevelFileStatus::Ok ? Level::FromText(read.cells) : std::nullopt;
    };
    return GroupRecords(RecordsFilePath(AppPath, group), std::move(levelOf));
}

void Game::RecordBestWin()
{
    std::optional<GroupRecords> records = RecordsOfLevelGroup();
    if (!records)
        return;
    const bool damaged = !records->problems().empty();
    const KeptWin recorded = records->RecordWin(RecordNumber(), MoveHistory());
    // A win of a drawing that differs from the level as stored is no record of it: nothing to say.
    if (!recorded.solves || (recorded.problem.empty() && !recorded.improvement.any()))
        return;
    if (!recorded.problem.empty())
        svc_.dialogs->MsgBox("The best solutions could not be kept: " + recorded.problem + ".", MsgStyle::OkCritical, AppTitle);
    else if (damaged)
        svc_.dialogs->MsgBox("The records file of these levels held records that do not solve their levels; they were "
                             "dropped, and the file as it was is kept beside it with the ending \".bad\".",
                             MsgStyle::OkExclamation, AppTitle);
}

}  // namespace tolvar
