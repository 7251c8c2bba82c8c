// The end of a level: what a win does in each mode.
#include "core/Game.h"

namespace tolvar {

void Game::CheckFinish(bool skip)
{
    const bool ends = LevelWon() || (GameMode == ModePlaySet && skip);
    if (!ends)
        return;
    PlayEffect(EffectWin);

    if (GameMode == ModeTracing) {
        // A replay writes nothing and keeps the keyboard locked until another level is loaded.
        svc_.dialogs->MsgBox("Tracing over!", MsgStyle::OkExclamation, AppTitle);
        controls.btn_Trace_Visible = false;
        return;
    }

    if (!skip && LevelKind >= KindSet && LevelKind <= KindNew && !SaveSolution()) {
        // The win still counts; only the record of the moves is lost, and the player is told.
        svc_.dialogs->MsgBox("The solution could not be saved as \"" + CurrentSolutionFile() +
                                 "\". Please check that the game directory can be written.",
                             MsgStyle::OkCritical, AppTitle);
    }
    if (!skip)
        RecordBestWin();

    if (GameMode == ModeTestPlay) {
        svc_.dialogs->MsgBox("Test over!", MsgStyle::OkExclamation, AppTitle);
        GameMode = ModeTestOver;
        ForbidUndo();
        return;
    }
    if (LevelKind == KindCollection) {
        GameMode = ModeOtherWon;
        ForbidUndo();
        collection.Won();
        return;
    }
    if (GameMode == ModePlayOther) {
        svc_.dialogs->MsgBox("Congratulations!", MsgStyle::OkExclamation, AppTitle);
        GameMode = ModeOtherWon;
        ForbidUndo();
        return;
    }

    // A level of the set: on to the next one.
    LevelNo += 1;
    svc_.dialogs->ShowAboutBox(LevelNo <= NumLevels ? AboutRole::NextLevel : AboutRole::AllCompleted, AboutActions());
    if (LevelNo > NumLevels)
        RememberSetCompleted();
    const std::int32_t reached = ReadSetting(LevelKey, 1);
    if (LevelNo > reached) {
        if (LevelNo > NumLevels)
            LevelNo = 1;
        WriteSetting(LevelKey, LevelNo);
    } else if (LevelNo > NumLevels) {
        // Replaying the last level below the progress: there is no level beyond the set.
        LevelNo = 1;
    }
    NextScenery();
    mnu_NewGame_Click();
}

}  // namespace tolvar
