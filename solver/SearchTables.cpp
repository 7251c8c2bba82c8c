#include "solver/SearchTables.h"

namespace tolvar::solver {

std::uint32_t NodeStore::add(const SearchNode& node) {
    if ((size_ & (ChunkSize - 1)) == 0 && (size_ >> ChunkBits) == chunks_.size())
        chunks_.emplace_back(ChunkSize);
    const std::uint32_t id = size_++;
    (*this)[id] = node;
    if (static_cast<std::size_t>(size_) * 4 > index_.size() * 3) growIndex();
    else place(slotOf(node, id), node.hash());
    return id;
}

std::uint32_t NodeStore::find(const SearchNode& node) {
    if (index_.empty()) return None;
    const std::size_t mask = index_.size() - 1;
    for (std::size_t slot = node.hash() & mask; index_[slot] != FreeSlot; slot = (slot + 1) & mask) {
        if (static_cast<std::uint32_t>(index_[slot] >> 32) != node.hashHigh) continue;
        const auto id = static_cast<std::uint32_t>(index_[slot]);
        const SearchNode& other = (*this)[id];
        if (other.hashLow == node.hashLow && other.checkHash() == node.checkHash()) return id;
    }
    return None;
}

void NodeStore::place(std::uint64_t slotValue, std::uint64_t hash) {
    const std::size_t mask = index_.size() - 1;
    std::size_t slot = hash & mask;
    while (index_[slot] != FreeSlot) slot = (slot + 1) & mask;
    index_[slot] = slotValue;
}

void NodeStore::growIndex() {
    index_.assign(index_.empty() ? std::size_t{1} << 12 : index_.size() * 2, FreeSlot);
    for (std::uint32_t id = 0; id < size_; ++id) place(slotOf((*this)[id], id), (*this)[id].hash());
}

}  // namespace tolvar::solver
