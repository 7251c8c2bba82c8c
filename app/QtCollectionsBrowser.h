#pragma once
// The window "Collections" as the game reaches it: shown modally over the main window.
#include <QPointer>
#include <QWidget>

#include "core/Services.h"

namespace tolvar {

class Game;

class QtCollectionsBrowser : public BrowserPort {
public:
    /// The game whose library and level set are shown, and the window to show it over.
    void Attach(Game* game, QWidget* window)
    {
        game_ = game;
        window_ = window;
    }
    std::optional<LevelChoice> Browse(const LevelChoice& start) override;

private:
    Game* game_ = nullptr;
    QPointer<QWidget> window_;
};

}  // namespace tolvar
