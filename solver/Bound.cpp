#include "solver/Bound.h"

namespace tolvar::solver {

std::uint32_t Bound::of(const BoxSet& boxes) {
    const auto& goals = board_.goals();
    boxCells_.clear();
    boxes.forEach([&](int c) { boxCells_.push_back(c); });
    const int rows = static_cast<int>(goals.size()), cols = static_cast<int>(boxCells_.size());
    cost_.resize(static_cast<std::size_t>(rows * cols));
    for (int g = 0; g < rows; ++g)
        for (int b = 0; b < cols; ++b) {
            const auto d = board_.distance(g, boxCells_[static_cast<std::size_t>(b)]);
            cost_[static_cast<std::size_t>(g * cols + b)] = d == Unreachable ? Matching::Infinite : d;
        }
    const auto total = matching_.MinCost(cost_, rows, cols);
    return total >= Matching::Infinite ? None : static_cast<std::uint32_t>(total);
}

std::uint32_t Bound::child(int from, int to, std::uint64_t boxHash) {
    Cached& slot = cache_[boxHash & (cacheSlots_ - 1)];
    if (slot.boxHash == boxHash && boxHash != 0) return slot.bound;
    if (!parentMatched_) {
        of(parentBoxes_);
        for (std::size_t k = 0; k < boxCells_.size(); ++k) column_[static_cast<std::size_t>(boxCells_[k])] = static_cast<int>(k);
        parentMatched_ = true;
    }
    const int rows = static_cast<int>(board_.goals().size()), cols = static_cast<int>(boxCells_.size());
    const int col = column_[static_cast<std::size_t>(from)];
    for (int g = 0; g < rows; ++g) {
        const auto d = board_.distance(g, to);
        savedColumn_[static_cast<std::size_t>(g)] = cost_[static_cast<std::size_t>(g * cols + col)];
        cost_[static_cast<std::size_t>(g * cols + col)] = d == Unreachable ? Matching::Infinite : d;
    }
    const auto total = matching_.MinCostWithColumn(cost_, rows, cols, col);
    for (int g = 0; g < rows; ++g) cost_[static_cast<std::size_t>(g * cols + col)] = savedColumn_[static_cast<std::size_t>(g)];
    slot = {boxHash, total >= Matching::Infinite ? None : static_cast<std::uint32_t>(total)};
    const std::uint32_t bound = slot.bound;
    if (++misses_ > 2 * cacheSlots_ && cacheSlots_ < MostCacheSlots) growCache();
    return bound;
}

void Bound::growCache() {
    const std::size_t slots = cacheSlots_ * 4;
    ZeroedArray<Cached> larger(slots);
    for (std::size_t k = 0; k < cacheSlots_; ++k)
        if (cache_[k].boxHash != 0) larger[cache_[k].boxHash & (slots - 1)] = cache_[k];
    cache_ = std::move(larger);
    cacheSlots_ = slots;
    misses_ = 0;
}

}  // namespace tolvar::solver
