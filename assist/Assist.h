#pragma once
// The assist room: taking back any move and redoing it, walking and pushing with the mouse,
// help from the solver, and the gate every command passes. The moves and their history are the
// play session's; the assist room makes its moves through the game as any move is made.
#include <optional>
#include <string>
#include <vector>

#include "assist/AutoReplay.h"
#include "assist/ClipboardExchange.h"
#include "assist/Paths.h"
#include "assist/Snapshots.h"
#include "assist/Playback.h"
#include "assist/SolverHelp.h"
#include "core/MenuState.h"
#include "core/MoveObserver.h"
#include "core/Services.h"
#include "session/Gate.h"

namespace tolvar {

class Game;

/// The settings of section "Assist".
inline constexpr const char* MouseWalkingKey = "MouseWalking";
inline constexpr const char* MarkDeadBoxesKey = "MarkDeadBoxes";

class Assist : public MoveObserver {
public:
    /// Hears of `game`'s moves from now on; `settings` is section "Assist" of the settings file.
    /// The solver's answers come back to the game's thread through `gui`.
    Assist(Game& game, SettingsPort& settings, GuiThreadPort& gui);
    ~Assist() override;
    Assist(const Assist&) = delete;
    Assist& operator=(const Assist&) = delete;

    // --- What the app hands on (assist/Assist.cpp) ---
    /// Every command enters through the gate: what runs is finished or stopped first, and a
    /// command meant for a level that has since been replaced is dropped.
    Gate& gate() { return gate_; }
    /// What a menu command is meant for: the level on the board, or any level.
    Gate::Aim AimOf(MenuId id) const;
    /// Runs a menu command through the gate: the Assist menu's own here, every other by the game.
    void MenuCommand(MenuId id);
    /// A key through the gate: Esc drops the selection; the game has every other key.
    void KeyDown(int keyCode, int shift);
    /// A mouse press on the main window (button 1 left, 2 right), in client pixels, through the gate.
    void MouseDown(int button, int shift, int x, int y);
    /// Shows the next queued move; the walk timer calls it.
    void tmr_Walk_Timer();
    /// A collection file dropped onto the window: opened as "Open Level &Collection..." opens
    /// the file chosen in its dialog, through the gate.
    void OpenCollection(const std::string& path);
    /// The first level of a collection that was pasted is played, through the gate, unless a
    /// drawing of the editor would be lost.
    void PlayPasted(const std::string& id, int firstLevel);
    /// Writes the enabled and checked states of the Assist menu into the game's menu state.
    void UpdateMenus();
    const Playback& playback() const { return playback_; }

    // --- Take back and redo (assist/TakeBack.cpp) ---
    bool CanTakeBack() const;
    bool CanRedo() const;
    void TakeBack();
    void Redo();

    // --- Mouse walking (assist/MouseWalk.cpp) ---
    bool MouseWalking() const;
    void SetMouseWalking(bool on);
    std::optional<Cell> Selected() const { return selected_; }
    /// Shows every queued move at once.
    void FinishPlayback();

    // --- Replays that play by themselves (assist/Replaying.cpp) ---
    /// "&Play": plays the running replay by itself, or pauses it.
    void PlayReplay();
    /// "Take &Over", or an arrow key while a replay plays by itself: the player goes on from here.
    void TakeOver();
    void SetReplaySpeed(int index);
    /// Makes the replay's next step; the replay timer calls it.
    void tmr_Replay_Timer();
    bool ReplayTimerEnabled() const { return replay_.Playing(); }
    int ReplayInterval() const { return replay_.Interval(); }

    // --- The clipboard (assist/ClipboardExchange.h) ---
    ClipboardExchange& clipboard() { return clipboard_; }

    // --- Help from the solver (assist/SolverAssist.cpp) ---
    /// A search for a hint or a solution is running.
    bool Searching() const { return help_.Searching(); }
    bool MarkingDeadBoxes() const;
    void SetMarkingDeadBoxes(bool on);

    // MoveObserver
    void MoveMade() override;
    void PushUndone() override;
    void BoardReplaced() override;

private:
    /// Stops a search and shows the rest of a walk: a command, key or drop comes first.
    void Interrupt();
    /// The key handler moves the man in this mode (live play and test play).
    bool Playing() const;
    /// A menu command, past the gate.
    void RunMenuCommand(MenuId id);
    /// A mouse press, past the gate.
    void Click(int button, int x, int y);
    void Select(std::optional<Cell> box);
    /// Lays the marks: the picked box, and the boxes past saving when they are marked.
    void ShowMarks();
    /// Queues the moves of a hint to be shown one at a time.
    void PlayHint(const std::string& moves);
    void WalkTo(Cell target);
    void PushTo(Cell target);
    /// Shows one queued move; false when nothing is left or play has ended.
    bool ShowNextMove();

    Game& game_;
    SettingsPort& settings_;
    Gate gate_;
    bool showing_ = false;            // a queued move is being shown (a won level's window may be open)
    std::optional<Cell> selected_;    // the box picked by a click
    // The boxes past saving on the board last looked at: a walk moves no box, so the next
    // look usually finds the same board and keeps the answer.
    std::optional<Grid> deadBoxesOf_;
    std::vector<int> deadBoxes_;
    Playback playback_;
    SolverHelp help_;
    AutoReplay replay_;
    ClipboardExchange clipboard_;
    Snapshots snapshots_{game_};
    bool tracing_ = false;            // a step of the replay is being made (a window may be open)
};

}  // namespace tolvar
