// Replaying a stored solution, one move per press of "&Trace".
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Game.h"
#include "levels/LevelFile.h"
#include "levels/TypedNumber.h"

namespace tolvar {

namespace {
// The replay position is a 16-bit number, so longer solutions cannot be replayed.
constexpr std::uintmax_t LongestSolution = MaxShort;
}  // namespace

void Game::mnu_LoadOriginalSol_Click() { LoadSolution(); }
void Game::mnu_LoadSelfSol_Click() { LoadSolution(); }
void Game::mnu_LoadOtherSol_Click() { LoadSolution(); }

namespace {

/// The solution file `name` as a replay reads it; nothing (after the warning) when it cannot be.
std::optional<std::string> ReadSolution(Game& game, const std::string& name)
{
    const std::string path = game.AppPath + "/" + name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        game.Warn("File of the solutions not found. You can download it from ADD-ONS on Quillon Studio website.");
        return std::nullopt;
    }
    const std::uintmax_t length = std::filesystem::file_size(path, error);
    if (!error && length > LongestSolution) {
        game.Warn("The solution in \"" + name + "\" is too long to replay: it holds more than " + NumberText(MaxShort) + " moves.");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        game.Warn("The file \"" + name + "\" cannot be read.");
        return std::nullopt;
    }
    std::string solution((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (solution.size() > LongestSolution)
        solution.resize(LongestSolution);
    return solution;
}

}  // namespace

void Game::LoadSolution()
{
    if (LevelKind != KindSet && LevelKind != KindSelf && LevelKind != KindOther)
        return;  // a new level has no stored solution to replay
    // Everything that can fail is read before anything changes.
    const std::string name = CurrentSolutionFile();
    if (!ReadSolution(*this, name))
        return;
    // Saving the drawing first may rewrite the level file read below, and letting it go may
    // put back the solution file its test play wrote: both are read as they are then.
    if (!MayDiscardDrawing())
        return;
    if (const std::optional<std::string> solution = ReadSolution(*this, name))
        ReplayOnStoredLevel(*solution);
}

void Game::ReplaySolution(const std::string& solution)
{
    if (MayDiscardDrawing())
        ReplayOnStoredLevel(solution);
}

void Game::ReplayOnStoredLevel(const std::string& solution)
{
    if (const std::optional<std::string> levelCells = ReplayLevel())
        StartReplay(solution, *levelCells);
}

std::optional<Level> Game::StoredLevel()
{
    if (LevelKind != KindSet && LevelKind != KindSelf && LevelKind != KindOther)
        return std::nullopt;
    const std::optional<std::string> cells = ReplayLevel();
    return cells ? Level::FromText(*cells) : std::nullopt;
}

std::optional<std::string> Game::ReplayLevel()
{
    if (LevelKind == KindSet)
        return SetRecord(LevelNo);
    // The level file was there when the level was loaded; it may have gone since.
    const std::string levelName = LevelFileName(LevelKind, LevelNumber());
    const LevelFileRead read = ReadLevelBytes(FullPath(levelName));
    if (read.status != LevelFileStatus::Ok) {
        Warn(LevelFileProblem(read.status, levelName));
        return std::nullopt;
    }
    return read.cells;
}

void Game::StartReplay(const std::string& solution, const std::string& levelCells)
{
    SaveTileUnderMan(Floor);
    if (LevelKind == KindSet) {
        ShowLevel();
        if (GameMode != ModePlaySet)
            return;  // the level could not be shown for play (it has no man): nothing to replay on
    }
    if (LevelKind == KindCollection)
        collection.Restart(ModeTracing);  // the level of the collection drawn again, for the replay
    else
        EnterMode(ModeTracing, static_cast<LevelKindValue>(LevelKind));
    Replayed = solution;
    if (LevelKind == KindSelf || LevelKind == KindOther) {
        GoalCount = 0;
        FillBackground();
        ReadLevelFile(levelCells, LevelFileForm::Play);
        ShowStepCount(0);
    }
    controls.focus = FocusRequest::TraceButton;
    TraceIndex = 0;
}

void Game::TakeOverReplay()
{
    if (!Replaying())
        return;
    Replayed.clear();
    TraceIndex = 0;
    GameMode = LevelKind == KindSet ? ModePlaySet : ModePlayOther;
    controls.btn_Trace_Visible = false;
    controls.focus = FocusRequest::MainWindow;
    FollowUndo();
}

void Game::TraceBack()
{
    if (GameMode != ModeTracing || TraceIndex <= 0)
        return;
    // A step that was blocked or skipped made no move, but used up its position all the same.
    const MoveRecord* last = session_.LastMove();
    if (last && last->tracePosition == TraceIndex)
        TakeBackMove();
    TraceIndex -= 1;
    // Stepping back from the winning move makes the replay run again.
    controls.btn_Trace_Visible = true;
    controls.focus = FocusRequest::TraceButton;
}

void Game::btn_Trace_Click()
{
    if (GameMode != ModeTracing || TraceIndex >= MaxShort)
        return;  // no replay, or nothing lies beyond the longest replayable solution
    TraceIndex += 1;
    const std::size_t position = static_cast<std::size_t>(TraceIndex) - 1;
    // Past the solution, the moves this replay made are replayed in turn.
    const std::size_t length = Replayed.size() + session_.Standing();
    const char c = position >= length               ? ' '
                   : position < Replayed.size() ? Replayed[position]
                                                : session_.History()[position - Replayed.size()];
    const int dir = DirectionOfDigit(c);
    if (dir < 0)
        return;  // anything else uses up its position and moves nothing
    MoveMan(dir);
}

}  // namespace tolvar
