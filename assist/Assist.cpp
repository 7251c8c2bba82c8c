#include "assist/Assist.h"

#include "core/Game.h"

namespace tolvar {

Assist::Assist(Game& game, SettingsPort& settings, GuiThreadPort& gui)
    : game_(game), settings_(settings), help_(game, gui, [this](const std::string& moves) { PlayHint(moves); })
{
    game_.SetMoveObserver(this);
    const std::optional<std::string> stored = settings_.Value(MouseWalkingKey);
    game_.menus.Check(MenuId::mnu_MouseWalking, !stored || stored->empty() || stored->front() != '0');
    const std::optional<std::string> marking = settings_.Value(MarkDeadBoxesKey);
    game_.menus.Check(MenuId::mnu_MarkDeadBoxes, !marking || marking->empty() || marking->front() != '0');
    UpdateMenus();
}

Assist::~Assist() { game_.SetMoveObserver(nullptr); }

bool Assist::Playing() const
{
    const std::int16_t mode = game_.GameMode;
    return mode == ModePlaySet || mode == ModePlayOther || mode == ModeTestPlay;
}

void Assist::Interrupt()
{
    help_.Cancel();  // any command stops a search: its answer would come too late
    FinishPlayback();
}

void Assist::MenuCommand(MenuId id)
{
    Interrupt();
    switch (id) {
    case MenuId::mnu_Hint: help_.Hint(); break;
    case MenuId::mnu_ShowSolution: help_.ShowSolution(); break;
    case MenuId::mnu_MarkDeadBoxes: SetMarkingDeadBoxes(!MarkingDeadBoxes()); break;
    case MenuId::mnu_TakeBack: TakeBack(); break;
    case MenuId::mnu_Redo: Redo(); break;
    case MenuId::mnu_MouseWalking: SetMouseWalking(!MouseWalking()); break;
    default: game_.MenuCommand(id); break;
    }
    UpdateMenus();
}

bool Assist::KeyPressed(int keyCode)
{
    constexpr int VK_ESCAPE = 27;
    const unsigned before = replacements_;
    Interrupt();
    if (keyCode == VK_ESCAPE)
        Select(std::nullopt);
    return replacements_ == before;
}

void Assist::OpenCollection(const std::string& path)
{
    Interrupt();
    game_.OpenLevelCollection(path);
    UpdateMenus();
}

void Assist::UpdateMenus()
{
    game_.menus.Enable(MenuId::mnu_TakeBack, CanTakeBack());
    game_.menus.Enable(MenuId::mnu_Redo, CanRedo());
    game_.menus.Enable(MenuId::mnu_Hint, help_.CanHint());
    game_.menus.Enable(MenuId::mnu_ShowSolution, help_.CanShowSolution());
    game_.menus.Enable(MenuId::mnu_MarkDeadBoxes, Playing());
    game_.menus.Enable(MenuId::mnu_OpenCollection, game_.CanOpenLevelCollection());
}

void Assist::tmr_Walk_Timer()
{
    ShowNextMove();
    UpdateMenus();
}

bool Assist::ShowNextMove()
{
    if (!Playing()) {
        playback_.Clear();  // the level was won or left while the moves were shown
        return false;
    }
    // The window announcing a won level runs its own event loop, where the walk timer still ticks.
    if (showing_)
        return false;
    const std::optional<int> dir = playback_.Next();
    if (!dir)
        return false;
    showing_ = true;
    game_.HandleKey(Directions[static_cast<std::size_t>(*dir)].key, 0);
    showing_ = false;
    return true;
}

void Assist::FinishPlayback()
{
    while (ShowNextMove()) {
    }
}

}  // namespace tolvar
