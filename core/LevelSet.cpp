// The level set "tolvar.box": opening it, showing a level, restarting, choosing a level.
#include <algorithm>
#include <filesystem>

#include "core/Game.h"
#include "levels/TypedNumber.h"

namespace tolvar {

bool Game::OpenLevelSet()
{
    const std::string path = FullPath(LevelSetName);
    std::error_code error;
    const auto size = std::filesystem::is_regular_file(path, error) ? std::filesystem::file_size(path, error) : 0;
    levelSet_.close();
    if (!error && size >= CellCount)
        levelSet_.open(path, std::ios::binary);
    // A file shorter than one level holds nothing to play: it counts as missing.
    if (error || size < CellCount || !levelSet_) {
        levelSet_.close();
        svc_.dialogs->MsgBox("No related file!", MsgStyle::OkExclamation, AppTitle);
        return false;
    }
    NumLevels = static_cast<std::int16_t>(std::min<std::uintmax_t>(size / CellCount, MaxShort));
    return true;
}

void Game::ShowLevel()
{
    EnterMode(ModePlaySet, KindSet);
    GoalCount = 0;
    const QPoint origin = view.BoardOrigin(svc_.window->ClientWidth(), svc_.window->ClientHeight());
    BoardLeft = static_cast<std::int16_t>(origin.x());
    BoardTop = static_cast<std::int16_t>(origin.y());
    SaveTileUnderMan(Floor);
    FillBackground();

    // Never address records outside the set, whatever the stored progress says.
    if (LevelNo < 1 || LevelNo > NumLevels)
        LevelNo = 1;
    Grid level = ReadGrid(SetRecord(LevelNo));
    const std::optional<Cell> man = DrawLevelCells(level, false);
    std::replace(level.cells.begin(), level.cells.end(), std::int16_t{ManStart}, std::int16_t{Floor});
    GoalCount = static_cast<std::int16_t>(level.goalCount());
    StartPlay(std::move(level), man);
    DrawNumber(Counter::Level, LevelNo, view.appearance.DigitStyle);
    DrawNumber(Counter::Step, StepCount(), view.appearance.DigitStyle);

    if (!man) {
        // A broken level of a replaced level set: show it, but let nothing move an absent man.
        controls.tmr_Sprite_Enabled = false;
        GameMode = ModeEditorLeft;
        ShowChanges();
        Warn("Level " + NumberText(LevelNo) + " of \"" + LevelSetName +
             "\" has no starting position for the man and cannot be played.");
    }
}

std::string Game::SetRecord(std::int32_t number)
{
    std::string record(CellCount, '0');
    levelSet_.clear();
    levelSet_.seekg(static_cast<std::streamoff>(number - 1) * CellCount);
    levelSet_.read(record.data(), CellCount);  // bytes that cannot be read stay "0"
    return record;
}

void Game::mnu_NewGame_Click()
{
    if (LevelKind == KindCollection && collection.LevelInPlay()) {
        collection.Restart();
        return;
    }
    ShowSetLevelAgain();
}

void Game::ShowSetLevelAgain()
{
    if (!MayDiscardDrawing())
        return;
    ShowLevel();
    ShowChanges();
}

std::int32_t Game::ReachedLevel()
{
    // The highest level reached, and never beyond the end of the set; every level once the set is completed.
    const std::int32_t last = std::max<std::int32_t>(NumLevels, 1);
    return SetCompleted() ? last : std::clamp<std::int32_t>(ReadSetting(LevelKey, 1), 1, last);
}

bool Game::PlaySetLevel(std::int32_t number)
{
    if (number < 1 || number > ReachedLevel() || !MayDiscardDrawing())
        return false;
    LevelNo = number;
    NextScenery();
    ShowSetLevelAgain();
    return true;
}

void Game::mnu_Level_Click()
{
    const std::int32_t reached = ReachedLevel();
    const std::string prompt = "Please select the level: (1-" + NumberText(reached) + ")";
    double value = 0;
    for (;;) {
        const std::string answer = svc_.dialogs->InputBox(prompt, AppTitle, NumberText(LevelNo));
        if (answer.empty())
            return;
        value = LeadingNumber(answer);
        if (value >= 1 && value <= reached)
            break;
    }
    if (!MayDiscardDrawing())
        return;
    LevelNo = static_cast<std::int32_t>(RoundHalfEven(value));
    NextScenery();
    ShowSetLevelAgain();
}

}  // namespace tolvar
