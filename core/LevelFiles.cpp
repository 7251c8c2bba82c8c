// Self-edited and other levels: loading them from their files.
#include <algorithm>

#include "core/Game.h"
#include "levels/CollectionImport.h"
#include "levels/LevelFile.h"
#include "levels/TypedNumber.h"

namespace tolvar {

namespace {
constexpr const char* SelfNotFound = "File of this level not found. Please make sure you have edited it!";
constexpr const char* OtherNotFound =
    "File of this level not found. You can download it from ADD-ONS on Quillon Studio website.";

/// Reads the level file named by a typed number; on any problem tells the player and
/// returns nothing. A typed text that could name a file elsewhere is a level that does not exist.
std::optional<std::string> ReadTypedLevel(Game& game, LevelKindValue kind, const std::string& answer,
                                          const char* notFound)
{
    const std::string number = TrimSpaces(answer);
    if (!SafeNumberText(number)) {
        game.Warn(notFound);
        return std::nullopt;
    }
    const std::string name = LevelFileName(kind, number);
    const LevelFileRead read = ReadLevelBytes(game.AppPath + "/" + name);
    if (read.status == LevelFileStatus::Missing) {
        game.Warn(notFound);
        return std::nullopt;
    }
    if (read.status != LevelFileStatus::Ok) {
        game.Warn(LevelFileProblem(read.status, name));
        return std::nullopt;
    }
    return read.cells;
}
}  // namespace

void Game::ReadLevelFile(const std::string& bytes, LevelFileForm form)
{
    Grid level = ReadGrid(bytes);
    Grid drawing = level;
    const std::optional<Cell> man = DrawLevelCells(level, false);
    GoalCount = static_cast<std::int16_t>(GoalCount + level.goalCount());
    const Cell at = man.value_or(session_.man());
    if (level.inside(at) && form == LevelFileForm::Edit) {
        level(at.x, at.y) = ManStart;
        drawing(at.x, at.y) = ManStart;
    } else if (level.inside(at)) {
        level(at.x, at.y) = Floor;  // during play the man is the session's, not a cell's
    }
    drawing_.Open(std::move(drawing));
    StartPlay(std::move(level), man);
}

void Game::mnu_LoadSelf_Click()
{
    const std::int32_t saved = SelfLevelCount();
    if (saved == 0) {
        Warn("File of self-edited levels not found. Please edit a new one!");
        return;
    }
    const std::string prompt = "Please select the level: (1-" + NumberText(saved) + ")";
    std::string answer;
    double value = 0;
    for (;;) {
        answer = svc_.dialogs->InputBox(prompt, AppTitle, NumberText(saved));
        if (answer.empty())
            return;
        value = LeadingNumber(answer);
        if (value >= 1 && value <= saved)
            break;
    }
    if (!ReadTypedLevel(*this, KindSelf, answer, SelfNotFound) || !MayDiscardDrawing())
        return;
    // Saving the drawing may have rewritten the very file chosen: it is read as it is now.
    const std::optional<std::string> cells = ReadTypedLevel(*this, KindSelf, answer, SelfNotFound);
    if (!cells)
        return;

    SelfLevelNumber = answer;
    EnterMode(ModeEditStored, KindSelf);

    GoalCount = 0;
    FillBackground();
    ReadLevelFile(*cells, LevelFileForm::Edit);
    KeepDrawingAsSaved();
    DrawNumber(Counter::Level, static_cast<std::int32_t>(RoundHalfEven(value)), view.appearance.DigitStyle);
    ShowStepCount(0);
}

void Game::mnu_LoadOther_Click()
{
    const std::string answer = svc_.dialogs->InputBox("Please select the level:", AppTitle, "1");
    if (!answer.empty())
        LoadOtherLevel(answer);
}

bool Game::CanOpenLevelCollection() const
{
    return !HoldsDrawing() && menus.Enabled(MenuId::mnu_LoadOther) && menus.Enabled(MenuId::mnu_Game);
}

void Game::OpenLevelCollection(const std::string& path)
{
    if (!CanOpenLevelCollection())
        return;
    collection.Open(path);
}

void Game::mnu_OpenCollection_Click()
{
    if (!CanOpenLevelCollection())
        return;
    const std::string path = svc_.dialogs->ChooseFileToOpen(
        "Open Level Collection", "Level collections",
        std::vector<std::string>(std::begin(CollectionSuffixes), std::end(CollectionSuffixes)));
    if (!path.empty())
        OpenLevelCollection(path);
}

void Game::LoadOtherLevel(const std::string& answer)
{
    const std::optional<std::string> cells = ReadTypedLevel(*this, KindOther, answer, OtherNotFound);
    if (!cells || !MayDiscardDrawing())
        return;

    EnterMode(ModePlayOther, KindOther);
    OtherLevelNumber = answer;
    SaveTileUnderMan(Floor);

    GoalCount = 0;
    FillBackground();
    ReadLevelFile(*cells, LevelFileForm::Play);
    const long long shown = RoundHalfEven(LeadingNumber(answer));
    DrawNumber(Counter::Level, static_cast<std::int32_t>(std::clamp<long long>(shown, 0, MaxCount)), view.appearance.DigitStyle);
    ShowStepCount(0);
}

}  // namespace tolvar
