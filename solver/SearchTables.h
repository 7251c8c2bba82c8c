#pragma once
// The solver's memory: the positions found so far, a hash index over them and
// the queue of positions still to expand.
//
// A position is kept in 20 bytes: not its boxes but the push that led to it
// and its parent, so its boxes are found again by replaying the pushes from the
// start. Two positions count as one when two independent hashes agree on 93
// bits; a false match among the few million positions of one search is far
// less likely than a fault of the hardware.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <queue>
#include <type_traits>
#include <vector>

namespace tolvar::solver {

/// `count` values of T in memory that comes zeroed from the system: a large table costs no
/// time until its pages are first touched (a vector would clear all of it at once, and every
/// search of a run makes its tables before it finds anything). All-zero bytes must be a T.
template <class T>
class ZeroedArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    explicit ZeroedArray(std::size_t count) : data_(static_cast<T*>(std::calloc(count, sizeof(T)))) {
        if (!data_) throw std::bad_alloc();
    }
    T& operator[](std::size_t i) { return data_.get()[i]; }
    const T& operator[](std::size_t i) const { return data_.get()[i]; }

private:
    struct Free {
        void operator()(T* p) const { std::free(p); }
    };
    std::unique_ptr<T, Free> data_;
};

struct SearchNode {
    std::uint32_t hashLow = 0, hashHigh = 0;  // hash of the boxes and the man's region
    /// A second hash of the same in the low 29 bits (CheckBits); the top 3 bits are the high
    /// bits of the cell the box left, whose low 9 bits are in `move`.
    std::uint32_t check = 0;
    std::uint32_t parent = 0;
    std::uint16_t pushes = 0;  // pushes from the start
    std::uint16_t move = 0;    // the pushes that led here: the cell the box left, its direction, how far, and a flag

    static constexpr std::uint32_t CheckBits = (1u << 29) - 1;
    static constexpr std::uint16_t Expanded = 1u << 11;  // its pushes have been tried; never tried again
    std::uint64_t hash() const { return (std::uint64_t{hashHigh} << 32) | hashLow; }
    std::uint32_t checkHash() const { return check & CheckBits; }
    void setHash(std::uint64_t h, std::uint32_t c) {
        hashLow = static_cast<std::uint32_t>(h);
        hashHigh = static_cast<std::uint32_t>(h >> 32);
        check = (c & CheckBits) | (check & ~CheckBits);
    }
    /// The cell the box left (up to 4095, the floor of the largest board).
    int from() const { return (move & 0x1FF) | static_cast<int>(check >> 29) << 9; }
    int dir() const { return (move >> 9) & 3; }
    /// How many pushes the box went on the same way, 1 to MaxLength.
    int length() const { return 1 + (move >> 12); }
    bool expanded() const { return move & Expanded; }
    static constexpr int MaxLength = 16;
    void setPush(int fromCell, int d, int length = 1) {
        move = static_cast<std::uint16_t>((fromCell & 0x1FF) | (d << 9) | ((length - 1) << 12) | (move & Expanded));
        check = (check & CheckBits) | static_cast<std::uint32_t>(fromCell >> 9) << 29;
    }
};

/// Nodes in fixed chunks, so growing never copies them or doubles the memory for a moment.
class NodeStore {
public:
    static constexpr std::uint32_t None = 0xFFFFFFFFu;
    std::uint32_t size() const { return size_; }
    SearchNode& operator[](std::uint32_t i) { return chunks_[i >> ChunkBits][i & (ChunkSize - 1)]; }
    std::uint32_t add(const SearchNode& node);
    std::size_t bytes() const { return chunks_.size() * ChunkSize * sizeof(SearchNode) + index_.size() * sizeof(std::uint64_t); }
    /// The node with the same hashes as `node`, or None.
    std::uint32_t find(const SearchNode& node);
    /// Starts fetching the index slot find() first reads for a node of hash `hash`.
    void prefetch(std::uint64_t hash) const {
        if (!index_.empty()) __builtin_prefetch(&index_[hash & (index_.size() - 1)]);
    }

private:
    static constexpr int ChunkBits = 16;
    static constexpr std::uint32_t ChunkSize = 1u << ChunkBits;
    /// A slot of the index: the node's number in the low half, its hashHigh in the high half,
    /// so that a probe past another position seldom has to read that node.
    static std::uint64_t slotOf(const SearchNode& node, std::uint32_t id) { return std::uint64_t{node.hashHigh} << 32 | id; }
    static constexpr std::uint64_t FreeSlot = ~std::uint64_t{0};
    void place(std::uint64_t slotValue, std::uint64_t hash);
    void growIndex();
    std::vector<ZeroedArray<SearchNode>> chunks_;
    std::vector<std::uint64_t> index_;  // open addressing by the hash's low bits
    std::uint32_t size_ = 0;
};

/// Positions to expand, cheapest estimate first, deeper first among equals.
class OpenQueue {
public:
    void push(std::uint32_t estimate, std::uint16_t pushes, std::uint32_t node) {
        const std::uint64_t key = (std::uint64_t{std::min<std::uint32_t>(estimate, 0xFFFF)} << 48) |
                                  (std::uint64_t{static_cast<std::uint16_t>(0xFFFF - pushes)} << 32) | node;
        heap_.push(key);
    }
    bool empty() const { return heap_.empty(); }
    /// The estimate of the best entry (not empty).
    std::uint32_t least() const { return static_cast<std::uint32_t>(heap_.top() >> 48); }
    /// Takes the best entry: its node and the push count it was queued with.
    std::uint32_t pop(std::uint16_t& pushes) {
        const std::uint64_t key = heap_.top();
        heap_.pop();
        pushes = static_cast<std::uint16_t>(0xFFFF - ((key >> 32) & 0xFFFF));
        return static_cast<std::uint32_t>(key);
    }
    std::size_t bytes() const { return heap_.size() * sizeof(std::uint64_t) * 2; }

private:
    std::priority_queue<std::uint64_t, std::vector<std::uint64_t>, std::greater<>> heap_;
};

}  // namespace tolvar::solver
