// Checking, test-playing and saving the level drawn in the editor (editor/LevelDrawing.h).
#include <algorithm>
#include <filesystem>

#include "core/Game.h"
#include "levels/AtomicFile.h"
#include "levels/LevelFile.h"
#include "levels/TypedNumber.h"

namespace tolvar {

bool Game::ValidateLevel()
{
    const std::vector<std::string> problems = drawing_.Problems();
    for (const std::string& problem : problems)
        Warn(problem);
    GoalCount = static_cast<std::int16_t>(Board().goalCount());
    BoxCount = static_cast<std::int16_t>(Board().boxCount());
    return problems.empty();
}

void Game::btn_Test_Click()
{
    if (!controls.btn_Test_Enabled || (GameMode != ModeEditNew && GameMode != ModeEditStored))
        return;
    if (!ValidateLevel())
        return;
    GameMode = ModeTestPlay;
    controls.btn_Edit_Enabled = true;
    controls.btn_Test_Enabled = false;
    BoardReplaced();
    Grid board = Board();
    const Cell man = session_.man();
    if (board.inside(man))
        board(man.x, man.y) = Floor;  // during play the man is the session's, not a cell's
    StartPlay(std::move(board), man);
    ShowStepCount(0);
    controls.focus = FocusRequest::MainWindow;
    SaveTileUnderMan(Floor);
}

void Game::btn_Edit_Click()
{
    if (!controls.btn_Edit_Enabled || (GameMode != ModeTestPlay && GameMode != ModeTestOver))
        return;
    GameMode = EditModeOf(LevelKind);
    controls.btn_Edit_Enabled = false;
    controls.btn_Test_Enabled = true;
    BoardReplaced();
    StartPlay(drawing_.cells(), DrawLevelCells(drawing_.cells(), true));
    ShowStepCount(0);
    ShowChanges();
}

bool Game::HoldsDrawing() const
{
    return GameMode == ModeEditNew || GameMode == ModeEditStored || GameMode == ModeTestPlay || GameMode == ModeTestOver;
}

void Game::btn_Exit_Click()
{
    if (!HoldsDrawing())
        return;
    // The moves of a test stay until the editor is left: a save refused keeps them.
    const MsgAnswer answer = svc_.dialogs->MsgBox("Save the edited level?", MsgStyle::YesNoQuestion, AppTitle);
    if (answer == MsgAnswer::Yes && !SaveDrawing())
        return;
    if (answer != MsgAnswer::Yes)
        LetDrawingGo();
    EnterMode(ModeEditorLeft, static_cast<LevelKindValue>(LevelKind));
}

bool Game::SaveDrawing()
{
    if (!ValidateLevel())
        return false;
    const std::int32_t saved = SelfLevelCount();
    const std::int32_t number = LevelKind == KindNew ? NewSelfLevelNumber() : 0;
    const std::string name = LevelFileName(LevelKind, LevelKind == KindNew ? NumberText(number) : LevelNumber());
    const std::string cells = GridText(drawing_.cells());

    // A failed save loses nothing: the editor stays open with the drawing, and the count of
    // self-edited levels never points at a level that was not written.
    const auto failed = [&] {
        svc_.dialogs->MsgBox("The level could not be saved as \"" + name +
                                 "\". Please check that the game directory can be written.",
                             MsgStyle::OkCritical, AppTitle);
        return false;
    };
    // A new level never takes the place of a file already there; the count rises to its number.
    if (LevelKind == KindNew && (number > MaxShort || !WriteSetting(SelfLevelKey, number)))
        return failed();
    if (!WriteFileAtomically(FullPath(name), cells)) {
        if (LevelKind == KindNew)
            WriteSetting(SelfLevelKey, saved);
        return failed();
    }
    KeepDrawingAsSaved();
    testSolution_.Saved(FullPath(SolutionFileName(LevelKind, LevelKind == KindNew ? NumberText(number) : LevelNumber())), cells);
    return true;
}

bool Game::DrawingChanged() const { return HoldsDrawing() && drawing_.Changed(); }

bool Game::MayDiscardDrawing(bool mayCancel)
{
    if (!DrawingChanged()) {
        LetDrawingGo();
        return true;
    }
    const MsgStyle question = mayCancel ? MsgStyle::YesNoCancelQuestion : MsgStyle::YesNoQuestion;
    const MsgAnswer answer = svc_.dialogs->MsgBox("Save the edited level?", question, AppTitle);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::Yes) {
        if (!SaveDrawing())
            return false;
        EnterMode(ModeEditorLeft, static_cast<LevelKindValue>(LevelKind));
        return true;
    }
    KeepDrawingAsSaved();  // let go: the command that follows is not to ask again
    LetDrawingGo();
    return true;
}

void Game::LetDrawingGo()
{
    if (!testSolution_.Holds())
        return;
    std::optional<std::string> stored;
    if (LevelKind == KindSelf) {
        const LevelFileRead read = ReadLevelBytes(FullPath(LevelFileName(KindSelf, LevelNumber())));
        if (read.status == LevelFileStatus::Ok)
            stored = read.cells;
    }
    testSolution_.Discarded(stored);
}

std::int32_t Game::NewSelfLevelNumber()
{
    std::int32_t number = SelfLevelCount() + 1;
    std::error_code error;
    while (number <= MaxShort && std::filesystem::exists(FullPath(LevelFileName(KindSelf, NumberText(number))), error))
        ++number;
    return number;
}

}  // namespace tolvar
