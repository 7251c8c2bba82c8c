#pragma once
// A set of 64-bit hash keys by open addressing: one probe into a flat table where a node-based
// map chases pointers, which is what the feature search's check for positions seen costs most.
#include <cstdint>
#include <vector>

namespace tolvar::solver {

class KeySet {
public:
    /// Adds `key`; whether it was new.
    bool insert(std::uint64_t key) {
        if (key == 0) return zero_ ? false : (zero_ = true, ++size_, true);
        if ((size_ + 1) * 2 > slots_.size()) grow();
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = Slot(key, mask);; i = (i + 1) & mask) {
            if (slots_[i] == key) return false;
            if (slots_[i] == 0) return slots_[i] = key, ++size_, true;
        }
    }
    std::size_t size() const { return size_; }
    std::size_t bytes() const { return slots_.capacity() * sizeof(std::uint64_t); }

private:
    // The top bits of the key times the golden ratio: keys alike in their low bits spread too.
    static std::size_t Slot(std::uint64_t key, std::size_t mask) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 32) & mask;
    }
    void grow() {
        std::vector<std::uint64_t> old(slots_.empty() ? std::size_t{1} << 16 : slots_.size() * 2, 0);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const std::uint64_t key : old)
            for (std::size_t i = Slot(key, mask); key != 0; i = (i + 1) & mask)
                if (slots_[i] == 0) {
                    slots_[i] = key;
                    break;
                }
    }
    std::vector<std::uint64_t> slots_;  // 0 marks a free slot; key 0 is zero_
    std::size_t size_ = 0;
    bool zero_ = false;
};

}  // namespace tolvar::solver
