#include "solver/FloorAreas.h"

#include <algorithm>

namespace tolvar::solver {

void FloorAreas::label(const BoxSet& boxes) {
    constexpr std::uint32_t Unlabelled = 0xFFFFFFFFu;
    std::fill(label_.begin(), label_.end(), Unlabelled);
    size_.clear();
    least_.clear();
    for (int start = 0; start < board_.size(); ++start) {
        if (boxes.test(start) || label_[static_cast<std::size_t>(start)] != Unlabelled) continue;
        const auto area = static_cast<std::uint32_t>(size_.size());
        int top = 0, cells = 0;
        stack_[static_cast<std::size_t>(top++)] = start;
        label_[static_cast<std::size_t>(start)] = area;
        while (top > 0) {
            const int c = stack_[static_cast<std::size_t>(--top)];
            ++cells;
            for (int d = 0; d < 4; ++d) {
                const int n = board_.step(c, d);
                if (n < 0 || boxes.test(n) || label_[static_cast<std::size_t>(n)] != Unlabelled) continue;
                label_[static_cast<std::size_t>(n)] = area;
                stack_[static_cast<std::size_t>(top++)] = n;
            }
        }
        size_.push_back(cells);
        least_.push_back(start);  // cells are tried in order: the first of an area is its least
    }
}

int FloorAreas::count(int smallest) const {
    return static_cast<int>(std::count_if(size_.begin(), size_.end(), [&](int cells) { return cells >= smallest; }));
}

}  // namespace tolvar::solver
