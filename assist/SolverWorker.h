#pragma once
// The solver on a worker thread: one search at a time, cancellable at any moment, its answer
// handed to the game's thread only once it is finished. The window, its animations and the
// music go on meanwhile.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "assist/GuiThread.h"
#include "solver/Solver.h"

namespace tolvar {

/// How the game asks the solver for help: the first solution found, at once, proven the
/// fewest pushes or not.
inline solver::SolveOptions HelpOptions()
{
    solver::SolveOptions options;
    options.proveWhereCheap = false;
    return options;
}

class SolverWorker {
public:
    using Done = std::function<void(const solver::SolveResult&)>;

    explicit SolverWorker(GuiThreadPort& gui) : gui_(gui) {}
    /// Cancels a search still running and waits for its thread.
    ~SolverWorker();
    SolverWorker(const SolverWorker&) = delete;
    SolverWorker& operator=(const SolverWorker&) = delete;

    /// Solves `level` within `seconds` as HelpOptions() says (a search still running is
    /// cancelled first); `done` then runs on the game's thread with the answer, unless the
    /// search is cancelled before.
    void Start(const solver::Level& level, double seconds, Done done);
    /// Stops the search: its answer is dropped and `done` never runs.
    void Cancel();
    /// A search runs whose answer has not been handed over yet.
    bool Busy() const { return busy_; }

private:
    /// Hands over the answer of search `generation` unless a later start or a cancel overtook it.
    void Finish(std::uint64_t generation, const solver::SolveResult& result);

    GuiThreadPort& gui_;
    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::shared_ptr<SolverWorker*> self_ = std::make_shared<SolverWorker*>(this);  // answers check it is alive
    std::uint64_t generation_ = 0;
    Done done_;
    bool busy_ = false;
};

}  // namespace tolvar
