#pragma once
// The thread that owns the game, as a worker thread reaches it: work handed over from any
// thread runs there in its turn, after whatever the game is doing.
#include <functional>

namespace tolvar {

class GuiThreadPort {
public:
    virtual ~GuiThreadPort() = default;
    /// Runs `task` on the game's thread soon; may be called from any thread.
    virtual void Post(std::function<void()> task) = 0;
};

}  // namespace tolvar
