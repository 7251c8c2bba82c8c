// The level editor: entering it, the edit bar and its palette, placing objects.
#include "core/Game.h"

namespace tolvar {

void Game::mnu_Edit_Click()
{
    if (!MayDiscardDrawing())
        return;
    EnterMode(ModeEditNew, KindNew);
    DrawNumber(Counter::Level, NewSelfLevelNumber(), view.appearance.DigitStyle);
    FillBackground();
    EditBoard.fill(Outside);
    // The man starts in the middle; the next tick of the man's animation draws him.
    EditBoard(NewLevelManX, NewLevelManY) = ManStart;
    StartPlay(EditBoard, Cell{NewLevelManX, NewLevelManY});
    ShowStepCount(0);
    KeepDrawingAsSaved();
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
    view.ComposePalette();
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
    if (Index >= 0 && Index < CellCodeCount)
        EditObject = static_cast<std::int16_t>(Index);
}

void Game::Form_MouseDown(int /*Button*/, int /*Shift*/, int X, int Y)
{
    if (GameMode != ModeEditNew && GameMode != ModeEditStored)
        return;
    // A press starts a drag: every cell the pointer enters while a button is held is placed too.
    drag_ = {true, view.PixelToCell(X), view.PixelToCell(Y), false};
    drag_.warned = !PlaceEditObject(drag_.cellX, drag_.cellY);
}

void Game::Form_MouseMove(int Button, int /*Shift*/, int X, int Y)
{
    const bool onWindow = X >= 0 && Y >= 0 && X < svc_.window->ClientWidth() && Y < svc_.window->ClientHeight();
    if (Button == 0 || !drag_.active || !onWindow || (GameMode != ModeEditNew && GameMode != ModeEditStored))
        return;
    const int cx = view.PixelToCell(X), cy = view.PixelToCell(Y);
    if (cx == drag_.cellX && cy == drag_.cellY)
        return;
    drag_.cellX = cx;
    drag_.cellY = cy;
    // One "Invalid position!" per drag is enough: the rest of the way off the board is skipped.
    if (drag_.warned && !Board().inside(cx - BoardLeft, cy - BoardTop))
        return;
    if (!PlaceEditObject(cx, cy))
        drag_.warned = true;
}

void Game::Form_MouseUp(int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) { drag_.active = false; }

bool Game::PlaceEditObject(int cx, int cy)
{
    const int sel = EditObject;
    const int c = cx - BoardLeft, r = cy - BoardTop;
    if (!Board().inside(c, r)) {
        Warn("Invalid position!");
        return false;
    }
    // Overwriting the man: stop his animation, or its next tick would paint him over the new object.
    if (Board()(c, r) == ManStart)
        controls.tmr_Sprite_Enabled = false;
    DrawCell(sel, cx, cy);
    session_.SetCell({c, r}, static_cast<std::int16_t>(sel));
    EditBoard(c, r) = static_cast<std::int16_t>(sel);
    if (sel == ManStart) {
        const Cell old = session_.man();
        session_.SetMan({c, r});
        if (Board().inside(old) && Board()(old.x, old.y) == ManStart && !(old == Cell{c, r})) {
            session_.SetCell(old, Floor);
            EditBoard(old.x, old.y) = Floor;
            DrawCell(Floor, old.x + BoardLeft, old.y + BoardTop);
        }
        controls.tmr_Sprite_Enabled = true;
    }
    ShowChanges();
    return true;
}

}  // namespace tolvar
