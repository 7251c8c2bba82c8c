#include "assist/Snapshots.h"

#include "core/Game.h"
#include "rules/Direction.h"

namespace tolvar {

bool Snapshots::CanUse() const { return game_.GameMode == ModePlaySet || game_.GameMode == ModePlayOther; }

void Snapshots::Keep()
{
    if (!CanUse())
        return;
    std::optional<GroupRecords> records = game_.RecordsOfLevelGroup();
    const std::string moves = game_.MoveHistory();
    if (!records || moves.empty()) {
        game_.Warn(records ? "There is no move to keep yet." : "This level has no number to keep a snapshot under.");
        return;
    }
    if (const std::string problem = records->KeepSnapshot(game_.RecordNumber(), moves); !problem.empty()) {
        game_.Warn("The snapshot was not kept: " + problem + ".");
        return;
    }
    game_.services().dialogs->MsgBox("The position after " + std::to_string(moves.size()) +
                                         " moves is kept as the snapshot of this level. Back to Snapshot brings it back.",
                                     MsgStyle::OkExclamation, AppTitle);
}

void Snapshots::Return()
{
    if (!CanUse())
        return;
    const std::optional<GroupRecords> records = game_.RecordsOfLevelGroup();
    const Solution* snapshot = records ? records->Snapshot(game_.RecordNumber()) : nullptr;
    if (!snapshot) {
        game_.Warn("This level has no snapshot kept.");
        return;
    }
    const std::string moves = snapshot->moves;
    const std::string number = game_.OtherLevelNumber;
    if (game_.LevelKind == KindSet)
        game_.mnu_NewGame_Click();
    else
        game_.LoadOtherLevel(number);
    for (char c : moves) {
        if (!CanUse())
            return;  // the level could not be started again
        game_.MoveMan(DirectionOfLetter(c));
    }
}

}  // namespace tolvar
