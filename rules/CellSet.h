#pragma once
// A set of the floor cells of one board, one bit per cell as a Floorplan numbers them. Its
// size is chosen per board: up to 320 cells (every board of the game's 20 x 14) the bits live
// in the set itself, so copying one costs no allocation; a larger board's sets hold theirs on
// the heap.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tolvar {

class CellSet {
public:
    static constexpr int InlineWords = 5;

    /// A set of no cells; give it a size by assigning a sized set to it.
    CellSet() = default;
    /// An empty set of `cells` cells.
    explicit CellSet(int cells) { allocate((cells + 63) / 64); }
    CellSet(const CellSet& other) { copyFrom(other); }
    CellSet(CellSet&& other) noexcept { takeFrom(other); }
    CellSet& operator=(const CellSet& other)
    {
        if (this != &other) {
            if (words_ == other.words_ && words_ > InlineWords)
                std::memcpy(w_, other.w_, static_cast<std::size_t>(words_) * sizeof(std::uint64_t));
            else {
                release();
                copyFrom(other);
            }
        }
        return *this;
    }
    CellSet& operator=(CellSet&& other) noexcept
    {
        if (this != &other) {
            release();
            takeFrom(other);
        }
        return *this;
    }
    ~CellSet() { release(); }

    bool test(int i) const { return (w_[i >> 6] >> (i & 63)) & 1u; }
    void set(int i) { w_[i >> 6] |= std::uint64_t{1} << (i & 63); }
    void reset(int i) { w_[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    int words() const { return words_; }
    std::uint64_t word(int k) const { return w_[k]; }
    std::uint64_t& word(int k) { return w_[k]; }
    int count() const
    {
        int n = 0;
        for (int k = 0; k < words_; ++k) n += std::popcount(w_[k]);
        return n;
    }
    /// Every member of this set is in `other` (a set of the same board).
    bool within(const CellSet& other) const
    {
        for (int k = 0; k < words_; ++k)
            if (w_[k] & ~other.w_[k]) return false;
        return true;
    }
    /// Calls f(cell) for every member, in increasing cell order.
    template <typename F>
    void forEach(F&& f) const
    {
        for (int k = 0; k < words_; ++k)
            for (std::uint64_t x = w_[k]; x; x &= x - 1) f(k * 64 + std::countr_zero(x));
    }
    bool operator==(const CellSet& other) const
    {
        return words_ == other.words_ &&
               std::memcmp(w_, other.w_, static_cast<std::size_t>(words_) * sizeof(std::uint64_t)) == 0;
    }

private:
    void allocate(int words)
    {
        words_ = words;
        w_ = words > InlineWords ? new std::uint64_t[static_cast<std::size_t>(words)]() : inline_.data();
    }
    void copyFrom(const CellSet& other)
    {
        if (other.words_ <= InlineWords) {
            words_ = other.words_;
            inline_ = other.inline_;
            w_ = inline_.data();
            return;
        }
        allocate(other.words_);
        std::memcpy(w_, other.w_, static_cast<std::size_t>(words_) * sizeof(std::uint64_t));
    }
    void takeFrom(CellSet& other)
    {
        if (other.words_ <= InlineWords) {
            copyFrom(other);
            return;
        }
        words_ = other.words_;
        w_ = other.w_;
        other.words_ = 0;
        other.w_ = other.inline_.data();
    }
    void release()
    {
        if (words_ > InlineWords) delete[] w_;
        words_ = 0;
        w_ = inline_.data();
    }

    std::uint64_t* w_ = inline_.data();
    int words_ = 0;
    std::array<std::uint64_t, InlineWords> inline_{};
};

}  // namespace tolvar
