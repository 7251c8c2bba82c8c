#pragma once
// A set of board cells as 280 bits: the boxes of one search position.
#include <array>
#include <bit>
#include <cstdint>

#include "solver/Level.h"

namespace tolvar::solver {

struct BoxSet {
    static constexpr int Words = (CellCount + 63) / 64;
    std::array<std::uint64_t, Words> w{};

    bool test(int i) const { return (w[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1u; }
    void set(int i) { w[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
    void reset(int i) { w[static_cast<std::size_t>(i >> 6)] &= ~(std::uint64_t{1} << (i & 63)); }
    int count() const {
        int n = 0;
        for (auto x : w) n += std::popcount(x);
        return n;
    }
    /// Calls f(cell) for every member, in increasing cell order.
    template <typename F>
    void forEach(F&& f) const {
        for (int k = 0; k < Words; ++k)
            for (std::uint64_t x = w[static_cast<std::size_t>(k)]; x; x &= x - 1) f(k * 64 + std::countr_zero(x));
    }
    bool operator==(const BoxSet&) const = default;
};

}  // namespace tolvar::solver
