#include "assist/SolverWorker.h"

namespace tolvar {

SolverWorker::~SolverWorker()
{
    Cancel();
    if (thread_.joinable())
        thread_.join();
}

void SolverWorker::Start(const solver::Level& level, double seconds, Done done)
{
    Cancel();
    if (thread_.joinable())
        thread_.join();  // a cancelled search stops within a few milliseconds
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    done_ = std::move(done);
    busy_ = true;
    const std::uint64_t generation = ++generation_;
    std::weak_ptr<SolverWorker*> alive = self_;
    thread_ = std::thread([this, level, seconds, generation, alive, cancel = cancel_] {
        solver::SolveLimits limits;
        limits.seconds = seconds;
        limits.cancel = cancel.get();
        const solver::SolveResult result = solver::Solve(level, limits, HelpOptions());
        if (cancel->load())
            return;
        // The worker joins this thread before it goes, so gui_ is still there; the answer
        // itself may arrive after the worker has gone, and then finds `alive` expired.
        gui_.Post([alive, generation, result] {
            if (const std::shared_ptr<SolverWorker*> worker = alive.lock())
                (*worker)->Finish(generation, result);
        });
    });
}

void SolverWorker::Cancel()
{
    if (cancel_)
        cancel_->store(true);
    ++generation_;
    busy_ = false;
    done_ = nullptr;
}

void SolverWorker::Finish(std::uint64_t generation, const solver::SolveResult& result)
{
    if (generation != generation_ || !busy_)
        return;
    busy_ = false;
    const Done done = std::move(done_);
    done_ = nullptr;
    done(result);
}

}  // namespace tolvar
