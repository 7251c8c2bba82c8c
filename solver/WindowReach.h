#pragma once
// The man's reach in a trial of DeadlockPatterns: boxes stand only in a small window, so
// the floor outside it is open. Of that floor only which cells beside the window are joined
// to each other matters; it is worked out once per window, and a flood then stays within
// the window and the cells beside it (a few dozen cells, not the whole board).
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class WindowReach {
public:
    explicit WindowReach(const Board& board);

    /// Makes `window` (the window round `centre`) the one the floods that follow look at.
    void setWindow(int centre, const BoxSet& window);
    /// Floods from `man` (a cell of the window) round `boxes`, which all stand in the window.
    void flood(const BoxSet& boxes, int man);
    bool reached(int cell) const { return seen_[static_cast<std::size_t>(cell)] == stamp_; }
    std::size_t bytes() const;

private:
    struct Beside {
        int cell;
        int part;  // the same for cells joined by the floor outside the window
    };
    void findParts(int centre);
    void reachPart(int part, int& top);
    std::uint32_t nextStamp(std::vector<std::uint32_t>& marks, std::uint32_t& stamp);

    const Board& board_;
    const BoxSet* window_ = nullptr;
    std::vector<std::vector<Beside>> beside_;  // by centre, ordered by part; found at its first use
    std::vector<char> found_;                  // by centre
    std::vector<std::uint32_t> seen_, partOf_;  // by cell
    std::vector<std::uint32_t> besideMark_;     // by cell: besideStamp_ for cells beside the window
    std::uint32_t stamp_ = 0, besideStamp_ = 0;
    std::vector<int> stack_;
    const std::vector<Beside>* parts_ = nullptr;
};

}  // namespace tolvar::solver
