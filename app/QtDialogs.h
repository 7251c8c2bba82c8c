#pragma once
// Message boxes, input boxes and the about box, modal, over the main window once it shows.
#include <functional>

#include "core/Services.h"

class QWidget;

namespace tolvar {

class Game;

class QtDialogs : public Dialogs {
public:
    /// The game the about box turns its man with; set once the game exists.
    void AttachGame(Game* game) { game_ = game; }
    /// The window the boxes are modal to; a hidden one is not used as parent.
    void AttachWindow(QWidget* window) { window_ = window; }
    /// Called after the about box's links, so the main window follows the game's state.
    void SetAfterCall(std::function<void()> afterCall) { afterCall_ = std::move(afterCall); }

    MsgAnswer MsgBox(const std::string& text, MsgStyle style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer) override;
    void ShowAboutBox(AboutRole role) override;

private:
    QWidget* Owner() const;

    Game* game_ = nullptr;
    QWidget* window_ = nullptr;
    std::function<void()> afterCall_;
};

}  // namespace tolvar
