#include "solver/WindowReach.h"

#include <algorithm>

namespace tolvar::solver {

WindowReach::WindowReach(const Board& board)
    : board_(board), beside_(static_cast<std::size_t>(board.size())), found_(beside_.size(), 0),
      seen_(beside_.size(), 0), partOf_(beside_.size(), 0), besideMark_(beside_.size(), 0),
      stack_(beside_.size()) {}

std::uint32_t WindowReach::nextStamp(std::vector<std::uint32_t>& marks, std::uint32_t& stamp) {
    if (++stamp == 0) {
        std::fill(marks.begin(), marks.end(), 0u);
        stamp = 1;
    }
    return stamp;
}

void WindowReach::setWindow(int centre, const BoxSet& window) {
    window_ = &window;
    const auto c = static_cast<std::size_t>(centre);
    if (!found_[c]) {
        findParts(centre);
        found_[c] = 1;
    }
    parts_ = &beside_[c];
    const std::uint32_t mark = nextStamp(besideMark_, besideStamp_);
    for (std::size_t k = 0; k < parts_->size(); ++k) {
        const Beside& b = (*parts_)[k];
        besideMark_[static_cast<std::size_t>(b.cell)] = mark;
        partOf_[static_cast<std::size_t>(b.cell)] = static_cast<std::uint32_t>(k);  // a place in parts_
    }
}

// Labels the floor outside the window by the parts it falls into, and keeps the cells
// beside the window with their part.
void WindowReach::findParts(int centre) {
    const BoxSet& window = *window_;
    std::vector<Beside>& beside = beside_[static_cast<std::size_t>(centre)];
    const std::uint32_t mark = nextStamp(seen_, stamp_);
    std::vector<int> label(static_cast<std::size_t>(board_.size()), -1);
    int parts = 0;
    window.forEach([&](int w) {
        for (int d = 0; d < 4; ++d) {
            const int start = board_.step(w, d);
            if (start < 0 || window.test(start) || seen_[static_cast<std::size_t>(start)] == mark) continue;
            int top = 0;
            stack_[static_cast<std::size_t>(top++)] = start;
            seen_[static_cast<std::size_t>(start)] = mark;
            while (top > 0) {
                const int c = stack_[static_cast<std::size_t>(--top)];
                label[static_cast<std::size_t>(c)] = parts;
                for (int e = 0; e < 4; ++e) {
                    const int n = board_.step(c, e);
                    if (n < 0 || window.test(n) || seen_[static_cast<std::size_t>(n)] == mark) continue;
                    seen_[static_cast<std::size_t>(n)] = mark;
                    stack_[static_cast<std::size_t>(top++)] = n;
                }
            }
            ++parts;
        }
    });
    window.forEach([&](int w) {
        for (int d = 0; d < 4; ++d) {
            const int n = board_.step(w, d);
            if (n < 0 || window.test(n)) continue;
            const bool listed = std::any_of(beside.begin(), beside.end(), [&](const Beside& b) { return b.cell == n; });
            if (!listed) beside.push_back({n, label[static_cast<std::size_t>(n)]});
        }
    });
    std::stable_sort(beside.begin(), beside.end(), [](const Beside& a, const Beside& b) { return a.part < b.part; });
}

// Marks every cell beside the window in the part of parts_[first] and stacks them.
void WindowReach::reachPart(int first, int& top) {
    const auto& parts = *parts_;
    const int part = parts[static_cast<std::size_t>(first)].part;
    std::size_t k = static_cast<std::size_t>(first);
    while (k > 0 && parts[k - 1].part == part) --k;
    for (; k < parts.size() && parts[k].part == part; ++k) {
        const auto cell = static_cast<std::size_t>(parts[k].cell);
        if (seen_[cell] == stamp_) continue;
        seen_[cell] = stamp_;
        stack_[static_cast<std::size_t>(top++)] = parts[k].cell;
    }
}

void WindowReach::flood(const BoxSet& boxes, int man) {
    nextStamp(seen_, stamp_);
    int top = 0;
    stack_[static_cast<std::size_t>(top++)] = man;
    seen_[static_cast<std::size_t>(man)] = stamp_;
    while (top > 0) {
        const int c = stack_[static_cast<std::size_t>(--top)];
        for (int d = 0; d < 4; ++d) {
            const int n = board_.step(c, d);
            if (n < 0 || boxes.test(n) || seen_[static_cast<std::size_t>(n)] == stamp_) continue;
            if (window_->test(n)) {
                seen_[static_cast<std::size_t>(n)] = stamp_;
                stack_[static_cast<std::size_t>(top++)] = n;
            } else if (besideMark_[static_cast<std::size_t>(n)] == besideStamp_) {
                reachPart(static_cast<int>(partOf_[static_cast<std::size_t>(n)]), top);
            }
        }
    }
}

std::size_t WindowReach::bytes() const {
    std::size_t total = 0;
    for (const auto& b : beside_) total += b.capacity() * sizeof(Beside);
    return total;
}

}  // namespace tolvar::solver
