#pragma once
// frm_Main: the board, the two counters, the "&Trace" button, the menus and the
// timers. It holds no state of the game's: after every call into the game,
// SyncFromState() makes the widgets follow the game's menus and controls.
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "session/Gate.h"

class QLabel;
class QPushButton;

namespace tolvar {

class Assist;
class BoardWidget;
class CounterBox;
class EditBar;
class Game;
class GameMenus;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// The window of `game`; the Assist menu, the keys and the mouse go through `assist` first.
    MainWindow(Game& game, Assist& assist);
    ~MainWindow() override;

    /// Runs work handed over from a worker thread, then follows the game's state.
    void RunPosted(const std::function<void()>& task);
    /// Menus, trace button, edit bar, timers, focus and exit as the game's state says.
    void SyncFromState();
    /// The title and the moves and pushes as the game's state says.
    void FollowCounts();

    BoardWidget* Board() const { return board_; }
    CounterBox* LevelCounter() const { return level_; }
    CounterBox* StepCounter() const { return step_; }
    QPushButton* TraceButton() const { return trace_; }
    /// The moves and pushes of a collection level, at the right of the menu bar.
    QLabel* CountsLabel() const { return counts_; }
    GameMenus* Menus() const { return menus_; }
    EditBar* EditBarWindow() const;
    QTimer* GoalTimer() { return &goalTimer_; }
    QTimer* SpriteTimer() { return &spriteTimer_; }
    QTimer* IconTimer() { return &iconTimer_; }
    QTimer* WalkTimer() { return &walkTimer_; }
    /// True once the game's unload ran.
    bool Unloaded() const { return unloaded_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// A level collection file dropped onto the window is opened as a collection.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <typename Call>
    void Run(Call call);
    /// A command of the window's own controls, through the gate every command passes.
    void Command(Gate::Aim aim, const std::function<void()>& command);
    void FollowEditBar();
    void OpenEditBar();
    void CloseEditBarForGame();
    void FollowTimers();
    void FollowFocus();
    /// After a menu closed without a command: the keyboard back where it was before the menu bar took it.
    void ReturnKeyboardFromMenuBar();
    /// Keys and the mouse reach the game, a mouse walk still being shown finished first.
    void ConnectTimers();
    void ConnectInput();

    Game& game_;
    Assist& assist_;
    BoardWidget* board_ = nullptr;
    CounterBox* level_ = nullptr;
    CounterBox* step_ = nullptr;
    QPushButton* trace_ = nullptr;
    QLabel* counts_ = nullptr;
    GameMenus* menus_ = nullptr;
    QPointer<EditBar> editBar_;
    QPointer<QWidget> beforeMenuBar_;  // had the keyboard before the menu bar took it
    QMetaObject::Connection focusWatch_;
    QTimer goalTimer_;
    QTimer spriteTimer_;
    QTimer iconTimer_;
    QTimer walkTimer_;  // shows the moves of a mouse walk one at a time
    QTimer replayTimer_;  // steps a replay that plays by itself
    bool shown_ = false;
    bool minimized_ = false;
    bool closing_ = false;
    bool unloaded_ = false;
};

}  // namespace tolvar
