#pragma once
// The game's thread for a worker: work posted from any thread runs in Qt's event loop, and
// after each piece the window follows the game's state.
#include <QObject>
#include <functional>

#include "assist/GuiThread.h"

namespace tolvar {

class QtGuiThread : public QObject, public GuiThreadPort {
    Q_OBJECT
public:
    /// `run` runs one posted task on the game's thread (for example through the main window,
    /// which then shows the state); by default the task is simply called.
    void SetRunner(std::function<void(const std::function<void()>&)> run) { run_ = std::move(run); }
    void Post(std::function<void()> task) override;

private:
    std::function<void(const std::function<void()>&)> run_;
};

}  // namespace tolvar
