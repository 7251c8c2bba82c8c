// The level editor's procedures: entering it, the edit bar and its palette, placing objects on the
// drawing (editor/LevelDrawing.h) and showing them.
#include "core/Game.h"

namespace tolvar {

void Game::mnu_Edit_Click()
{
    if (!MayDiscardDrawing())
        return;
    EnterMode(ModeEditNew, KindNew);
    DrawNumber(Counter::Level, NewSelfLevelNumber(), view.appearance.DigitStyle);
    FillBackground();
    Grid drawing;
    drawing.fill(Outside);
    // The man starts in the middle; the next tick of the man's animation draws him.
    drawing(NewLevelManX, NewLevelManY) = ManStart;
    drawing_.Open(drawing);
    StartPlay(std::move(drawing), Cell{NewLevelManX, NewLevelManY});
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

void Game::ssr_Object_Click(int Index) { drawing_.Choose(Index); }

void Game::Form_MouseDown(int /*Button*/, int /*Shift*/, int X, int Y)
{
    if (GameMode != ModeEditNew && GameMode != ModeEditStored)
        return;
    const Cell at{view.PixelToCell(X), view.PixelToCell(Y)};
    drawing_.Press(at);
    drawing_.Warned(!PlaceEditObject(at.x, at.y));
}

void Game::Form_MouseMove(int Button, int /*Shift*/, int X, int Y)
{
    const bool onWindow = X >= 0 && Y >= 0 && X < svc_.window->ClientWidth() && Y < svc_.window->ClientHeight();
    if (Button == 0 || !onWindow || (GameMode != ModeEditNew && GameMode != ModeEditStored))
        return;
    const Cell at{view.PixelToCell(X), view.PixelToCell(Y)};
    if (drawing_.Enter(at, Board().inside(at.x - BoardLeft, at.y - BoardTop)) && !PlaceEditObject(at.x, at.y))
        drawing_.Warned(true);
}

void Game::Form_MouseUp(int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) { drawing_.Release(); }

bool Game::PlaceEditObject(int cx, int cy)
{
    const std::optional<Placement> placed = drawing_.Place({cx - BoardLeft, cy - BoardTop}, session_.man());
    if (!placed) {
        Warn("Invalid position!");
        return false;
    }
    // Overwriting the man: stop his animation, or its next tick would paint him over the new object.
    if (placed->overMan)
        controls.tmr_Sprite_Enabled = false;
    DrawCell(placed->code, cx, cy);
    session_.SetCell(placed->cell, placed->code);
    if (placed->code == ManStart) {
        session_.SetMan(placed->cell);
        if (placed->manLeft) {
            session_.SetCell(*placed->manLeft, Floor);
            DrawCell(Floor, placed->manLeft->x + BoardLeft, placed->manLeft->y + BoardTop);
        }
        controls.tmr_Sprite_Enabled = true;
    }
    ShowChanges();
    return true;
}

}  // namespace tolvar
