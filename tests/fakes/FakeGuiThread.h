#pragma once
// The game's thread as a test drives it: work posted from a worker waits until the test runs it.
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "assist/GuiThread.h"

namespace tolvar::fakes {

class FakeGuiThread : public GuiThreadPort {
public:
    void Post(std::function<void()> task) override
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    /// Runs the tasks posted so far; false when there were none.
    bool RunPosted()
    {
        std::deque<std::function<void()>> tasks;
        {
            const std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks)
            task();
        return !tasks.empty();
    }
    /// Waits (up to `seconds`) for a task and runs what was posted.
    bool RunWhenPosted(double seconds = 20)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            if (RunPosted())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace tolvar::fakes
