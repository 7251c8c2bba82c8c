#pragma once
// The game: its shared state, its pictures, and every procedure that acts on them.
// The procedures are grouped by subsystem in files of their own:
//   Game.cpp, MoveEngine.cpp, Completion.cpp, Undo.cpp, Mode.cpp, MenuDispatch.cpp, HelpMenu.cpp,
//   AnySizeLevel.cpp, CollectionPlay.cpp (the levels of the library, an object of its own),
//   Startup.cpp, LevelSet.cpp, LevelFiles.cpp, Replay.cpp, SolutionFile.cpp, Settings.cpp,
//   Editor.cpp, EditorFiles.cpp, Music.cpp, Drawing.cpp, Appearance.cpp, Animations.cpp.
// They forward: the level in play to the session (session/PlaySession.h), the drawing to the
// editor (editor/LevelDrawing.h), the files to levels/, the pictures to the view
// (view/BoardView.h), the music and the desktop to the services (core/Services.h).
// Nothing here knows a widget: the desktop is reached through `Services`.
#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "core/CollectionPlay.h"
#include "core/Effects.h"
#include "core/GameState.h"
#include "rules/Limits.h"
#include "core/MoveObserver.h"
#include "core/Services.h"
#include "editor/LevelDrawing.h"
#include "levels/KeptSolution.h"
#include "levels/LevelRecords.h"
#include "rules/Keys.h"
#include "session/PlaySession.h"
#include "view/BoardView.h"

namespace tolvar {

enum class LevelFileForm { Edit, Play };

// The system's own texts.
inline constexpr const char* AppTitle = "TOLVAR";
inline constexpr const char* LevelSetName = "tolvar.box";

class Game : public GameState {
public:
    explicit Game(const Services& services);

    // --- Start-up and shutdown (core/Startup.cpp) ---
    /// Runs start-up in its order. Returns false when the program must end at once
    /// (another instance runs, or the level set is missing).
    bool Form_Load(const std::string& currentDirectory);
    void Form_Unload();
    /// The window is about to close: false when the player keeps a changed drawing open.
    bool Form_QueryUnload();
    void mnu_Exit_Click();

    // --- The board's picture (view/BoardView.h): the client image, the sheets, the appearance, the marks ---
    BoardView view;

    // --- The levels of the collections in the library (core/CollectionPlay.h) ---
    CollectionPlay collection{*this};

    // --- Drawing (core/Drawing.cpp): the game's state handed to the view ---
    /// Sizes the client image and the buffers to the window's client size.
    void ResizeSurfaces(int clientWidth, int clientHeight);
    /// Every drawing into the client image goes through here (BoardView::Draw).
    void DrawOnClient(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop rop);
    /// The whole client image changed: the decoration and the next repaint cover all of it.
    void ClientChanged();
    /// Repaints on screen what was drawn since the last repaint, if anything was.
    void ShowChanges();
    void DrawCell(int code, int x, int y);
    void FillBackground();
    /// Lays the decoration over what was drawn since it was last laid, then the marks.
    void DrawOverlay();
    /// The man in his current frame at window cell (x, y).
    void DrawManFrame(int x, int y);
    void DrawGoalFrame(int frame, int x, int y);
    /// Draws a counter and has the window show it.
    void DrawNumber(Counter target, std::int32_t value, int style);
    /// Copies tile `code` of the current scenery's pic_Obj row into pic_SpriteSave.
    void SaveTileUnderMan(int code);
    /// Replaces the marks: the cells of marks that go are drawn again without them.
    void SetMarks(CellMarks marks);

    // --- Board model (core/Game.cpp) ---
    /// The level in play: the board, the man, the counts and the moves made.
    const PlaySession& session() const { return session_; }
    /// The board in play (codes 0..5 in play; the man's start coded 6 while drawing), the man.
    const Grid& Board() const { return session_.board(); }
    /// The man's window cell.
    int ManX() const { return session_.man().x + BoardLeft; }
    int ManY() const { return session_.man().y + BoardTop; }
    std::int32_t StepCount() const { return session_.moves(); }
    /// The moves made, as a solution file holds them; during a replay, the solution replayed
    /// followed by the moves the replay made.
    std::string MoveHistory() const { return Replayed + session_.History(); }
    /// The board cell under client pixel (x, y).
    Cell BoardCellAt(int x, int y) const
    {
        const QPoint cell = view.CellAt(x, y);
        return {cell.x() - BoardLeft, cell.y() - BoardTop};
    }
    /// Board at a window cell (column - BoardLeft, row - BoardTop); Outside beyond the grid.
    std::int16_t CellAtWindow(int windowX, int windowY) const;
    /// Every goal holds a box, and there is a goal.
    bool LevelWon() const;
    /// Draws the cells of `level` row by row (the outside ones only when `outsideToo`); the
    /// board cell of the last start of the man, if there is one.
    std::optional<Cell> DrawLevelCells(const Grid& level, bool outsideToo);
    /// Plays `board` with the man on `man` (kept where he was when there is none): the moves and
    /// the counts start again.
    void StartPlay(Grid board, std::optional<Cell> man);
    /// Counts the moves from `count` on and shows the count.
    void ShowStepCount(std::int32_t count);

    // --- Keys and moves (core/MoveEngine.cpp) ---
    void Form_KeyDown(int KeyCode, int Shift);
    void pic_Level_KeyDown(int KeyCode, int Shift);
    void pic_Step_KeyDown(int KeyCode, int Shift);
    void HandleKey(int KeyCode, int Shift);
    /// Every way of moving comes here: the man moves one cell in direction `dir` (an index of
    /// `Directions`) as a typed move does: it is drawn, sounded, counted and may win the level.
    void MoveMan(int dir);
    /// Makes the last move taken back again, as MoveMan makes a move.
    void RedoMove();
    /// Takes back the last move (a push sounds as "&Undo"); false when there is none.
    bool TakeBackMove();
    /// Sets the man's facing column and copies his picture for it into pic_SpriteMove.
    void TurnMan(std::int16_t frame);

    // --- Completion and undo (core/Completion.cpp, core/Undo.cpp) ---
    void CheckFinish(bool skip);
    void mnu_Undo_Click();
    /// The last push may no longer be undone: "&Undo" is greyed.
    void ForbidUndo();
    /// Every replacement of the board ends both "&Undo" and the longer memory of the moves.
    void BoardReplaced();
    /// The one who hears of every move; nobody when null.
    void SetMoveObserver(MoveObserver* observer) { observer_ = observer; }

    // --- Level set (core/LevelSet.cpp) ---
    /// Opens "tolvar.box" and counts its levels; false (after the message) when it is missing.
    bool OpenLevelSet();
    void ShowLevel();
    /// New Game: the level of a collection in play from its start again, else the level of the set.
    void mnu_NewGame_Click();
    void mnu_Level_Click();
    /// The highest level of the set that may be chosen: the one reached, every one once the set is completed.
    std::int32_t ReachedLevel();
    /// Plays level `number` of the set as "&Replay Original Level" does; false when it may not be chosen.
    bool PlaySetLevel(std::int32_t number);
    /// Record `number` (from 1) of the level set, as its 280 digits.
    std::string LevelSetRecord(std::int32_t number) { return SetRecord(number); }

    // --- A level of any size (core/AnySizeLevel.cpp) ---
    /// Shows `level` (up to 64 x 64, the man not in it) with the man on `man` (maybe a goal)
    /// whole and centred as a collection level numbered `number`, in `mode`, and plays it from its start.
    void ShowLevelOfAnySize(Grid level, std::optional<Cell> man, GameModeValue mode, std::int32_t number);
    /// The board in its own place at its own cell size again: every other level is drawn there.
    void UseOwnBoardLayout();

    // --- Level files (core/LevelFiles.cpp) ---
    void mnu_LoadSelf_Click();
    void mnu_LoadOther_Click();
    /// Plays the level file "other." + `answer` as Load Other Level does with a typed answer.
    void LoadOtherLevel(const std::string& answer);
    /// Adds a collection of levels in the text format to the library and opens the window
    /// "Collections" on it (CollectionPlay::Open). Only while CanOpenLevelCollection(); otherwise nothing.
    void OpenLevelCollection(const std::string& path);
    /// Load Other Level may be chosen, and no drawing of the editor or its test play would be lost.
    bool CanOpenLevelCollection() const;
    /// The drawing held differs from the one opened or last saved.
    bool DrawingChanged() const;
    /// "Open Level &Collection...": a file dialog on collection files, then OpenLevelCollection.
    void mnu_OpenCollection_Click();
    /// Reads the 280 cells of `bytes` (the opened level file) into the board and the drawing.
    void ReadLevelFile(const std::string& bytes, LevelFileForm form);

    // --- Replay (core/Replay.cpp) ---
    void mnu_LoadOriginalSol_Click();
    void mnu_LoadSelfSol_Click();
    void mnu_LoadOtherSol_Click();
    void LoadSolution();
    void btn_Trace_Click();
    /// Steps a replay back by one press of "&Trace": the move that press made is taken back.
    void TraceBack();
    /// The level text a replay of the current level plays on: the record of the set, or the
    /// level file read again; nothing (after the warning) when that file cannot be read.
    std::optional<std::string> ReplayLevel();
    /// Starts a replay of `solution` as a stored solution is replayed, on `levelCells` for a
    /// self-edited or other level (a level of the set is shown again from the set).
    void StartReplay(const std::string& solution, const std::string& levelCells);
    /// Replays `solution` (the game's digits) on the level on the board as its stored solution
    /// is replayed: a changed drawing is offered for saving first, the level read again.
    void ReplaySolution(const std::string& solution);
    /// The level on the board as stored (see ReplayLevel); nothing for a new level, or (after the
    /// warning) when its file cannot be read.
    std::optional<Level> StoredLevel();
    /// A replay runs: "&Trace" is shown and has moves left to make.
    bool Replaying() const { return GameMode == ModeTracing && controls.btn_Trace_Visible; }
    /// The player takes over a running replay: the moves replayed so far stand as if typed, the
    /// rest of the solution is dropped, and the level is played on as usual (counted, undone,
    /// its solution written when it is won). Nothing when no replay runs.
    void TakeOverReplay();

    // --- Solution files and settings (core/SolutionFile.cpp, core/Settings.cpp) ---
    /// Writes MoveHistory to the current level's solution file; false when it could not.
    bool SaveSolution();
    std::int32_t ReadSetting(const std::string& key, std::int32_t defaultValue);
    bool WriteSetting(const std::string& key, std::int32_t value);
    /// "SelfLevel" as the 16-bit count it is: a stored number beyond 32767 counts as 32767.
    std::int32_t SelfLevelCount();
    /// The player has completed the whole set once: every level of it may be chosen since.
    bool SetCompleted();
    void RememberSetCompleted();

    // --- Best records (core/BestRecords.cpp, levels/LevelRecords.h) ---
    /// The number of the level on the board in its group's records; 0 when it has none (a new
    /// level, or a file not named by a plain number).
    int RecordNumber();
    /// The records of the group of the level on board (the set, the self-edited or the other
    /// levels), read and each replayed on its level as stored; nothing when it has no number.
    std::optional<GroupRecords> RecordsOfLevelGroup();
    /// A win of the level on the board is kept in its group's records where it beats them; the
    /// player hears only of records that could not be written or were dropped as damaged.
    void RecordBestWin();

    // --- Appearance (core/Appearance.cpp) ---
    void mnu_Man_Click(int Index);
    void mnu_Back_Click(int Index);
    void mnu_Scenery_Click(int Index);
    std::int16_t RandomInt(std::int16_t n);
    void SeedRandom(std::uint32_t seed);
    /// The next-scenery rule, applied before another level of the set is drawn.
    void NextScenery();

    // --- Animations (core/Animations.cpp) ---
    void tmr_Goal_Timer();
    void tmr_Sprite_Timer();

    // --- Editor (core/Editor.cpp, core/EditorFiles.cpp) ---
    /// The level as loaded or drawn, the man's start coded ManStart; the palette's choice.
    const Grid& EditBoard() const { return drawing_.cells(); }
    std::int16_t EditObject() const { return drawing_.object(); }
    void mnu_Edit_Click();
    void mnu_DisBanner_Click();
    void frm_Edit_Form_Load();
    void frm_Edit_Form_Unload();  // the edit bar was closed (by the player or by the game)
    void ssr_Object_Click(int Index);
    void Form_MouseDown(int Button, int Shift, int X, int Y);
    /// The pointer moved over the main window; `Button` holds the buttons held (0 for none).
    void Form_MouseMove(int Button, int Shift, int X, int Y);
    void Form_MouseUp(int Button, int Shift, int X, int Y);
    bool ValidateLevel();
    void btn_Test_Click();
    void btn_Edit_Click();
    void btn_Exit_Click();

    // --- Music and sound (core/Music.cpp) ---
    void PlayMusic(bool on);
    void tmr_Icon_Timer();
    void Form_Resize();
    void mnu_Music_Click();
    void mnu_Sound_Click();
    /// Plays an effect when "Soun&d" is checked.
    void PlayEffect(const char* fileName);

    // --- Help, web, about (core/HelpMenu.cpp) ---
    void mnu_Contents_Click();
    void mnu_Web_Click();
    void mnu_Faq_Click();
    void mnu_WorldRecord_Click();
    void mnu_About_Click();
    void img_Email_Click(int Index);
    void img_Http_Click(int Index);
    /// What the about box's man and links do: this game's handlers.
    AboutBoxActions AboutActions();
    /// The about box's timer: turns the little man into `pic_Icon` (32 x 32).
    void AboutBox_tmr_Icon_Timer(QImage& pic_Icon);

    /// Runs the handler of a menu item, if the item is enabled (a disabled item and its
    /// shortcut do nothing). Indexed groups pass their index.
    void MenuCommand(MenuId id);
    /// The rooms beside the game set the state of their own menu items through these.
    void EnableMenuItem(MenuId id, bool on) { menus.Enable(id, on); }
    void CheckMenuItem(MenuId id, bool on) { menus.Check(id, on); }

    /// Shows a warning message: the undo effect first when sound is on.
    void Warn(const std::string& text);

    /// Who should get the keyboard now, if anybody; asked once, the request is done.
    FocusRequest TakeFocusRequest() { return std::exchange(controls.focus, FocusRequest::None); }

    /// The desktop services, for the rooms beside the game that draw through it.
    const Services& services() const { return svc_; }

private:
    /// Enters `mode` for a level of `kind`: the menus and controls that go with them, no undo.
    void EnterMode(GameModeValue mode, LevelKindValue kind);
    /// Enables the one solution command that matches a level of this kind (none for a new level).
    void EnableSolutionCommandFor(LevelKindValue kind);
    /// The character, background and scenery submenus, usable only on a level of the set.
    void EnableAppearanceCommands(bool on);
    void OpenEditBarAfresh();
    /// The level of the set from its start, after a changed drawing was offered for saving.
    void ShowSetLevelAgain();
    /// Places the palette's choice at window cell (cx, cy); false (after the warning) off the board.
    bool PlaceEditObject(int cx, int cy);
    /// Before a command throws the drawing away: a changed one is offered for saving first.
    /// False when the player wants to save and the level cannot be (the editor stays open),
    /// or, where `mayCancel`, when the player cancels.
    bool MayDiscardDrawing(bool mayCancel = false);
    /// The drawing goes unsaved: a solution file its test play wrote returns to what it was,
    /// unless it solves the level as stored.
    void LetDrawingGo();
    /// Editing or test-playing: the drawing is still there.
    bool HoldsDrawing() const;
    /// Checks and writes the drawing as "E&xit" does; false (after the messages) when it is not saved.
    bool SaveDrawing();
    /// The drawing as it is now counts as unchanged.
    void KeepDrawingAsSaved() { drawing_.KeepAsSaved(); }
    /// The number a new level gets: the first above "SelfLevel" whose level file does not exist.
    std::int32_t NewSelfLevelNumber();
    void CloseEditBar();
    /// Record `number` (from 1) of the level set; bytes that cannot be read are "0".
    std::string SetRecord(std::int32_t number);
    /// Replays `solution` on the level on the board read again as stored (after the warning, not
    /// when it cannot be read).
    void ReplayOnStoredLevel(const std::string& solution);
    /// The number the files of the level on the board are named by ("3" for "self.3").
    std::string LevelNumber();
    std::string CurrentSolutionFile();
    std::string FullPath(const std::string& name) const { return AppPath + "/" + name; }

    /// Draws, sounds and counts what the session's last step did, then looks for the end.
    void ShowStep(const Step& step);
    /// "&Undo" is enabled exactly while the session can undo the last push.
    void FollowUndo();

    Services svc_;
    PlaySession session_;
    MoveObserver* observer_ = nullptr;
    std::ifstream levelSet_;  // file number 1: open from start-up to shutdown
    std::mt19937 rng_;
    LevelDrawing drawing_;
    KeptSolution testSolution_;  // the solution file test play replaced, as it was
};

}  // namespace tolvar
