#include "solver/FloorAreas.h"

#include <algorithm>

namespace tolvar::solver {

// Boxes are marked in the labels first, and walls through the board's neighbours, so one
// load tells a cell labelled, free or blocked.
void FloorAreas::label(const BoxSet& boxes) {
    const int cells = board_.size();
    std::uint32_t* const labels = label_.data();
    for (int c = 0; c < cells; ++c) labels[c] = boxes.test(c) ? Blocked : Unlabelled;
    const int* const next = board_.neighbours();
    int* const stack = stack_.data();
    size_.clear();
    least_.clear();
    for (int start = 0; start < cells; ++start) {
        if (labels[start] != Unlabelled) continue;
        const auto area = static_cast<std::uint32_t>(size_.size());
        int top = 0, count = 0;
        stack[top++] = start;
        labels[start] = area;
        while (top > 0) {
            const int c = stack[--top];
            ++count;
            for (int d = 0; d < 4; ++d) {
                const int n = next[c * 4 + d];
                if (labels[n] != Unlabelled) continue;
                labels[n] = area;
                stack[top++] = n;
            }
        }
        size_.push_back(count);
        least_.push_back(start);  // cells are tried in order: the first of an area is its least
    }
}

int FloorAreas::count(int smallest) const {
    return static_cast<int>(std::count_if(size_.begin(), size_.end(), [&](int cells) { return cells >= smallest; }));
}

}  // namespace tolvar::solver
