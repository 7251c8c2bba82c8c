#include "solver/BestFirst.h"

#include <algorithm>
#include <random>

namespace tolvar::solver {

Zobrist::Zobrist() {
    std::mt19937_64 random(0x746f6c766172ULL);
    for (auto* table : {&box, &man})
        for (auto& k : *table) {
            k.hash = random();
            k.check = static_cast<std::uint32_t>(random());
        }
}

const Zobrist& Keys() {
    static const Zobrist keys;
    return keys;
}

StopReason BestFirst::overLimit() {
    peakBytes_ = std::max(peakBytes_, bytes());
    if (budget_.cancel && budget_.cancel->load(std::memory_order_relaxed)) return StopReason::Cancelled;
    if (budget_.stop && budget_.stop->load(std::memory_order_relaxed)) return StopReason::Cancelled;
    // Every 16 expansions: on a large board one takes up to a tenth of a millisecond, and the
    // first slices of a run last about one.
    if ((expanded_ & 15) == 0 && budget_.watch->seconds() > budget_.deadline) return StopReason::Time;
    if (peakBytes_ > budget_.memoryBytes) return StopReason::Memory;
    if ((budget_.nodes != 0 && nodes_.size() >= budget_.nodes) || nodes_.size() >= NodeStore::None - 1)
        return StopReason::Nodes;
    return StopReason::None;
}

StopReason BestFirst::run(SolveResult& result, const SearchBudget& budget) {
    budget_ = budget;
    if (!begun_) {
        begun_ = true;
        begin();
    }
    StopReason stop = StopReason::None;
    while (!open_.empty() && goalNode_ == NodeStore::None) {
        if ((stop = overLimit()) != StopReason::None) break;
        std::uint16_t queuedPushes = 0;
        const std::uint32_t id = open_.pop(queuedPushes);
        const SearchNode& node = nodes_[id];
        if (node.pushes != queuedPushes || node.expanded()) continue;  // reached again by fewer pushes since
        if (node.pushes == MaxPushes) {
            depthCapped_ = true;  // a deeper search could not be trusted to be complete
            continue;
        }
        ++expanded_;
        nodes_[id].move |= SearchNode::Expanded;
        expand(id, node.pushes);
    }
    result.nodes += nodes_.size() - reportedNodes_;
    result.expanded += expanded_ - reportedExpanded_;
    reportedNodes_ = nodes_.size();
    reportedExpanded_ = expanded_;
    result.peakBytes = std::max({result.peakBytes, peakBytes_, bytes()});
    if (goalNode_ != NodeStore::None) {
        finish(result);
        result.status = SolveStatus::Solved;
        result.reason.clear();  // an earlier search's reason to give up no longer holds
        return StopReason::None;
    }
    if (stop == StopReason::None && depthCapped_) return StopReason::DepthCap;
    if (stop == StopReason::None) {
        result.status = SolveStatus::Unsolvable;
        result.reason = "no sequence of pushes fills every goal";
    }
    return stop;
}

}  // namespace tolvar::solver
