#pragma once
// The level being drawn in the editor: its cells (the man's start coded ManStart), the object
// chosen on the palette, the pointer dragged over the board, the checks a drawing passes before
// it is tested or saved, and whether it differs from the drawing opened or last saved.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/Grid.h"

namespace tolvar {

/// What placing an object changed: the cell placed on, and the cell the man left when the
/// object placed was the man's start (it became floor).
struct Placement {
    Cell cell;
    std::int16_t code = Floor;
    bool overMan = false;           // the cell held the man's start before
    std::optional<Cell> manLeft;
};

class LevelDrawing {
public:
    /// The drawing is now `cells`; it counts as changed until KeepAsSaved().
    void Open(Grid cells) { cells_ = std::move(cells); }
    const Grid& cells() const { return cells_; }

    /// The palette's choice: a cell code; other indexes are ignored.
    void Choose(int code);
    std::int16_t object() const { return object_; }

    /// Places the chosen object on board cell `at`, the man standing on `man`; nothing when `at`
    /// lies off the drawing. A man's start placed elsewhere leaves floor where he stood.
    std::optional<Placement> Place(Cell at, Cell man);

    /// Why the drawing may not be tested or saved, one message each, in the order they are said.
    std::vector<std::string> Problems() const;

    void KeepAsSaved() { saved_ = cells_; }
    bool Changed() const { return !(cells_ == saved_); }

    /// The pointer: a press starts a drag, and every other cell it enters with a button held is
    /// placed too; after one warning the rest of the way off the drawing is passed over quietly.
    void Press(Cell windowCell) { drag_ = {true, windowCell, false}; }
    /// Whether `windowCell`, entered with a button held, is to be placed.
    bool Enter(Cell windowCell, bool onDrawing);
    void Release() { drag_.active = false; }
    /// The last placement of the drag was refused with a warning (or not).
    void Warned(bool warned) { drag_.warned = warned; }

private:
    Grid cells_;
    Grid saved_;
    std::int16_t object_ = 1;
    struct {
        bool active = false;
        Cell last;
        bool warned = false;
    } drag_;
};

}  // namespace tolvar
