#include "solver/SearchTables.h"

namespace tolvar::solver {

std::uint32_t NodeStore::add(const SearchNode& node) {
    if ((size_ & (ChunkSize - 1)) == 0 && (size_ >> ChunkBits) == chunks_.size())
        chunks_.push_back(std::make_unique<SearchNode[]>(ChunkSize));
    const std::uint32_t id = size_++;
    (*this)[id] = node;
    if (static_cast<std::size_t>(size_) * 4 > index_.size() * 3) {
        growIndex();
    } else {
        const std::size_t mask = index_.size() - 1;
        std::size_t slot = node.hash() & mask;
        while (index_[slot] != None) slot = (slot + 1) & mask;
        index_[slot] = id;
    }
    return id;
}

std::uint32_t NodeStore::find(const SearchNode& node) {
    if (index_.empty()) return None;
    const std::size_t mask = index_.size() - 1;
    for (std::size_t slot = node.hash() & mask; index_[slot] != None; slot = (slot + 1) & mask) {
        const SearchNode& other = (*this)[index_[slot]];
        if (other.hashLow == node.hashLow && other.hashHigh == node.hashHigh && other.checkHash() == node.checkHash())
            return index_[slot];
    }
    return None;
}

void NodeStore::growIndex() {
    index_.assign(index_.empty() ? std::size_t{1} << 12 : index_.size() * 2, None);
    const std::size_t mask = index_.size() - 1;
    for (std::uint32_t id = 0; id < size_; ++id) {
        std::size_t slot = (*this)[id].hash() & mask;
        while (index_[slot] != None) slot = (slot + 1) & mask;
        index_[slot] = id;
    }
}

}  // namespace tolvar::solver
