#pragma once
// Everything the game's procedures share, under the names the rest of the code uses.
#include <cstdint>
#include <optional>
#include <string>

#include "core/MenuState.h"
#include "levels/LevelNames.h"
#include "rules/Grid.h"

namespace tolvar {

/// What the main window is doing; it decides which inputs are accepted.
enum GameModeValue : std::int16_t {
    ModePlaySet = 0,       // playing a level of the level set
    ModeEditStored = 1,    // a stored self-edited level is open in the editor
    ModePlayOther = 2,     // playing an other level
    ModeEditNew = 3,       // a new level is being drawn
    ModeTestPlay = 4,      // test play of the edited level
    ModeTestOver = 5,      // test play won
    ModeTracing = 6,       // replaying a stored solution
    ModeEditorLeft = 7,    // the editor was left; the board only shows the last picture
    ModeOtherWon = 8,      // an other level was won
};

/// The arrow keys move the man: live play of a level of the set or an other level, and test play.
constexpr bool KeysMoveTheMan(std::int16_t mode)
{
    return mode == ModePlaySet || mode == ModePlayOther || mode == ModeTestPlay;
}

/// The mode of the editor for a level of `kind`: a new level is drawn, a stored one edited.
constexpr GameModeValue EditModeOf(std::int16_t kind) { return kind == KindNew ? ModeEditNew : ModeEditStored; }

/// Who should hold the keyboard focus after the current handler.
enum class FocusRequest { None, MainWindow, TraceButton };

/// Controls of the windows whose state is program state: the Qt windows follow it.
struct Controls {
    bool btn_Trace_Visible = false;
    bool frm_Edit_Open = false;
    unsigned frm_Edit_Generation = 0;  // raised every time the edit bar is opened afresh
    bool btn_Edit_Enabled = false;
    bool btn_Test_Enabled = true;
    bool tmr_Goal_Enabled = true;
    int tmr_Goal_Interval = 100;
    bool tmr_Sprite_Enabled = false;
    int tmr_Sprite_Interval = 500;
    int tmr_Icon_Interval = 0;         // the music watchdog; 0 until the first resize
    FocusRequest focus = FocusRequest::None;
    bool exitRequested = false;        // the program should end (E&xit)
};

struct GameState {
    // Board model: the board in play, the man, the counts and the moves are the play session's
    std::int16_t BoardLeft = 0, BoardTop = 0;   // the board's offset in window cells
    std::int16_t GoalCount = 0;
    std::int16_t BoxCount = 0;

    // Mode and level origin
    std::int16_t GameMode = ModePlaySet;
    std::int16_t LevelKind = KindSet;
    std::int32_t LevelNo = 1;
    std::int16_t NumLevels = 0;
    std::string SelfLevelNumber;   // as typed; its file name is checked when it is loaded
    std::string OtherLevelNumber;  // as typed; its file name is checked when it is loaded

    // The game directory
    std::string AppPath;

    // Move bookkeeping and animation
    std::int16_t ManFrame = 0;
    bool MoveDone = false;
    std::int16_t GoalFrame = 0;

    // Replay
    std::string Replayed;  // the solution a replay plays, while it plays
    std::int16_t TraceIndex = 0;

    // Music and the about box
    std::int16_t MusicPiece = 0;
    bool MusicPlaying = false;
    std::int16_t IconFrame = 0;

    MenuState menus;
    Controls controls;
};

}  // namespace tolvar
