// The level editor: entering it, the edit bar and its palette, placing objects.
#include "core/Game.h"
#include "view/Raster.h"

namespace tolvar {

void Game::mnu_Edit_Click()
{
    GameMode = ModeEditNew;
    LevelKind = KindNew;
    StepCount = 0;
    controls.btn_Trace_Visible = false;
    menus.Disable(MenuId::mnu_Undo);
    EnableSolutionCommandFor(KindNew);
    EnableAppearanceCommands(false);
    menus.Enable(MenuId::mnu_DisBanner);
    menus.Check(MenuId::mnu_DisBanner);
    controls.tmr_Sprite_Enabled = true;
    const std::int32_t saved = SelfLevelCount();
    DrawNumber(Counter::Level, saved + 1, DigitStyle);
    DrawNumber(Counter::Step, StepCount, DigitStyle);
    OpenEditBarAfresh();
    EditObject = 1;
    controls.btn_Edit_Enabled = false;
    controls.btn_Test_Enabled = true;
    FillBackground();
    Board.fill(Outside);
    EditBoard.fill(Outside);
    // The man starts in the middle; the next tick of the man's animation draws him.
    ManX = static_cast<std::int16_t>(BoardLeft + 9);
    ManY = static_cast<std::int16_t>(BoardTop + 6);
    Board(9, 6) = ManStart;
    EditBoard(9, 6) = ManStart;
}

void Game::OpenEditBarAfresh()
{
    CloseEditBar();
    controls.frm_Edit_Open = true;
    controls.frm_Edit_Generation += 1;
    frm_Edit_Form_Load();
}

void Game::CloseEditBar()
{
    if (controls.frm_Edit_Open)
        frm_Edit_Form_Unload();
}

void Game::frm_Edit_Form_Load()
{
    // Each palette picture is what a click with it will draw; the box on a goal shows a
    // frame of its animation so that it differs from the plain box.
    for (int index = 0; index < 7; ++index) {
        QImage& picture = controls.ssr_Object[index];
        picture = BlankImage(CellSize, CellSize);
        const int row = Scenery * CellSize;
        switch (index) {
        case Outside:
            if (Background == 0)
                BitBlt(picture, 0, 0, CellSize, CellSize, sheets.pic_Obj, 0, 0, Rop::Blackness);
            else
                BitBlt(picture, 0, 0, CellSize, CellSize, sheets.pic_Obj, 0, Background * CellSize, Rop::SrcCopy);
            break;
        case BoxOnGoal:
            BitBlt(picture, 0, 0, CellSize, CellSize, sheets.pic_Goal, 2 * CellSize, row, Rop::SrcCopy);
            break;
        case ManStart:
            BitBlt(picture, 0, 0, CellSize, CellSize, sheets.pic_Obj, (6 + Character) * CellSize, row, Rop::SrcCopy);
            break;
        default:
            BitBlt(picture, 0, 0, CellSize, CellSize, sheets.pic_Obj, index * CellSize, row, Rop::SrcCopy);
            break;
        }
    }
    menus.Check(MenuId::mnu_DisBanner);
}

void Game::frm_Edit_Form_Unload()
{
    controls.frm_Edit_Open = false;
    menus.Uncheck(MenuId::mnu_DisBanner);
}

void Game::mnu_DisBanner_Click()
{
    if (!menus.Checked(MenuId::mnu_DisBanner)) {
        controls.frm_Edit_Open = true;
        controls.frm_Edit_Generation += 1;
        frm_Edit_Form_Load();
        // The buttons follow the editor's state: "&Edit" while testing, "&Test" while drawing.
        const bool testing = GameMode == ModeTestPlay || GameMode == ModeTestOver;
        controls.btn_Edit_Enabled = testing;
        controls.btn_Test_Enabled = !testing;
        menus.Check(MenuId::mnu_DisBanner);
    } else {
        CloseEditBar();
        menus.Uncheck(MenuId::mnu_DisBanner);
    }
}

void Game::ssr_Object_Click(int Index)
{
    if (Index >= 0 && Index <= 6)
        EditObject = static_cast<std::int16_t>(Index);
}

void Game::Form_MouseDown(int /*Button*/, int /*Shift*/, int X, int Y)
{
    if (GameMode != ModeEditNew && GameMode != ModeEditStored)
        return;
    const int sel = EditObject;
    const int cx = X >= 0 ? X / CellSize : (X - CellSize + 1) / CellSize;
    const int cy = Y >= 0 ? Y / CellSize : (Y - CellSize + 1) / CellSize;
    const int c = cx - BoardLeft, r = cy - BoardTop;
    if (!Grid::inside(c, r)) {
        Warn("Invalid position!");
        return;
    }
    // Overwriting the man: stop his animation, or its next tick would paint him over the new object.
    if (Board(c, r) == ManStart)
        controls.tmr_Sprite_Enabled = false;
    DrawCell(sel, cx, cy);
    Board(c, r) = static_cast<std::int16_t>(sel);
    EditBoard(c, r) = static_cast<std::int16_t>(sel);
    if (sel == ManStart) {
        const int oldX = ManX - BoardLeft, oldY = ManY - BoardTop;
        ManX = static_cast<std::int16_t>(cx);
        ManY = static_cast<std::int16_t>(cy);
        if (Grid::inside(oldX, oldY) && Board(oldX, oldY) == ManStart && (oldX != c || oldY != r)) {
            Board(oldX, oldY) = Floor;
            EditBoard(oldX, oldY) = Floor;
            DrawCell(Floor, oldX + BoardLeft, oldY + BoardTop);
        }
        controls.tmr_Sprite_Enabled = true;
    }
    svc_.window->Refresh();
}

}  // namespace tolvar
