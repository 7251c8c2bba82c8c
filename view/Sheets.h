#pragma once
// The picture sheets the board is drawn from, loaded once from the game directory.
#include <QImage>
#include <string>

#include "view/Decoration.h"
#include "view/SheetLayout.h"

namespace tolvar {

struct SheetFile {
    const char* name;  // file name in the game directory
    int width;
    int height;
};

// File names and the exact sizes every sheet must have.
inline constexpr SheetFile ObjSheet{"obj.png", ObjSheetWidth, ObjSheetHeight};              // pic_Obj
inline constexpr SheetFile SpriteSheet{"sprite.png", SpriteSheetWidth, SpriteSheetHeight};  // pic_Sprite
inline constexpr SheetFile GoalSheet{"goal.png", GoalSheetWidth, GoalSheetHeight};          // pic_Goal
inline constexpr SheetFile NumberSheet{"number.png", 130, 69};      // pic_Number
inline constexpr SheetFile BackPicture{"back.png", OverlayWidth, OverlayHeight};  // the decoration
inline constexpr SheetFile BackMask{"backmask.png", OverlayWidth, OverlayHeight};  // its mask

struct Sheets {
    QImage pic_Obj;
    QImage pic_Sprite;
    QImage pic_Goal;
    QImage pic_Number;
    Decoration pic_Back;  // the decoration (back.png) over its mask (backmask.png)
};

/// Loads every sheet from `dir`, converted to RGB32, and the decoration over its mask. On
/// failure returns false and names the file and the fault in `error`.
bool LoadSheets(const std::string& dir, Sheets& sheets, std::string& error);

/// Loads one picture at its exact size; used for the sheets and the about box's pictures.
bool LoadPicture(const std::string& dir, const SheetFile& file, QImage& image, std::string& error);

}  // namespace tolvar
