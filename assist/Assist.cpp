#include "assist/Assist.h"

#include "core/Game.h"
#include "rules/Keys.h"

namespace tolvar {

namespace {
constexpr int VK_ESCAPE = 27;
}  // namespace

Assist::Assist(Game& game, SettingsPort& settings, GuiThreadPort& gui)
    : game_(game), settings_(settings), gate_(game.session()),
      help_(game, gui, gate_, [this](const std::string& moves) { PlayHint(moves); }), clipboard_(game, gui)
{
    game_.SetMoveObserver(this);
    gate_.AddRunning([this] { Interrupt(); });
    const std::optional<std::string> stored = settings_.Value(MouseWalkingKey);
    game_.CheckMenuItem(MenuId::mnu_MouseWalking, !stored || stored->empty() || stored->front() != '0');
    const std::optional<std::string> marking = settings_.Value(MarkDeadBoxesKey);
    game_.CheckMenuItem(MenuId::mnu_MarkDeadBoxes, !marking || marking->empty() || marking->front() != '0');
    replay_.SetSpeed(AutoReplay::SpeedOf(settings_.Value(ReplaySpeedKey)));
    clipboard_.added = [this](const std::string& id, int firstLevel) { PlayPasted(id, firstLevel); };
    UpdateMenus();
}

Assist::~Assist() { game_.SetMoveObserver(nullptr); }

bool Assist::Playing() const { return KeysMoveTheMan(game_.GameMode); }

void Assist::Interrupt()
{
    help_.Cancel();  // any command stops a search: its answer would come too late
    FinishPlayback();
}

Gate::Aim Assist::AimOf(MenuId id) const
{
    switch (id) {
    case MenuId::mnu_Undo:
    case MenuId::mnu_TakeBack:
    case MenuId::mnu_Redo:
    case MenuId::mnu_Hint:
    case MenuId::mnu_ShowSolution:
    case MenuId::mnu_PlayReplay:
    case MenuId::mnu_TakeOver:
    case MenuId::mnu_CopyLevel:
    case MenuId::mnu_Paste:
    case MenuId::mnu_KeepSnapshot:
    case MenuId::mnu_BackToSnapshot:
        return gate_.Here();  // made for the position on the board
    default:
        return Gate::Anywhere();  // a setting, the help, or another level chosen
    }
}

void Assist::MenuCommand(MenuId id)
{
    gate_.Run(AimOf(id), [this, id] { RunMenuCommand(id); });
    UpdateMenus();
}

void Assist::RunMenuCommand(MenuId id)
{
    switch (id) {
    case MenuId::mnu_Hint: help_.Hint(); break;
    case MenuId::mnu_ShowSolution: help_.ShowSolution(); break;
    case MenuId::mnu_MarkDeadBoxes: SetMarkingDeadBoxes(!MarkingDeadBoxes()); break;
    case MenuId::mnu_TakeBack: TakeBack(); break;
    case MenuId::mnu_Redo: Redo(); break;
    case MenuId::mnu_MouseWalking: SetMouseWalking(!MouseWalking()); break;
    case MenuId::mnu_PlayReplay: PlayReplay(); break;
    case MenuId::mnu_TakeOver: TakeOver(); break;
    case MenuId::mnu_CopyLevel: clipboard_.CopyLevel(); break;
    case MenuId::mnu_Paste: clipboard_.Paste(); break;
    case MenuId::mnu_KeepSnapshot: snapshots_.Keep(); break;
    case MenuId::mnu_BackToSnapshot: snapshots_.Return(); break;
    case MenuId::mnu_Speed0:
    case MenuId::mnu_Speed1:
    case MenuId::mnu_Speed2:
    case MenuId::mnu_Speed3: SetReplaySpeed(static_cast<int>(id) - static_cast<int>(MenuId::mnu_Speed0)); break;
    default: game_.MenuCommand(id); break;
    }
}

void Assist::KeyDown(int keyCode, int shift)
{
    gate_.Run(gate_.Here(), [=, this] {
        if (keyCode == VK_ESCAPE)
            Select(std::nullopt);
        if (keyCode >= VK_LEFT && keyCode <= VK_DOWN && replay_.PlayedOn(game_.session().level()))
            TakeOver();
        game_.Form_KeyDown(keyCode, shift);
    });
    UpdateMenus();
}

void Assist::MouseDown(int button, int shift, int x, int y)
{
    gate_.Run(gate_.Here(), [=, this] {
        Click(button, x, y);
        game_.Form_MouseDown(button, shift, x, y);
    });
    UpdateMenus();
}

void Assist::OpenCollection(const std::string& path)
{
    gate_.Run(Gate::Anywhere(), [&] { game_.OpenLevelCollection(path); });
    UpdateMenus();
}

void Assist::PlayPasted(const std::string& id, int firstLevel)
{
    // Levels pasted while a drawing is open stay in the library, to be chosen in the window Collections.
    gate_.Run(Gate::Anywhere(), [&] {
        if (game_.CanOpenLevelCollection())
            game_.collection.Play({id, firstLevel});
    });
    UpdateMenus();
}

void Assist::UpdateMenus()
{
    game_.EnableMenuItem(MenuId::mnu_TakeBack, CanTakeBack());
    game_.EnableMenuItem(MenuId::mnu_Redo, CanRedo());
    game_.EnableMenuItem(MenuId::mnu_Hint, help_.CanHint());
    game_.EnableMenuItem(MenuId::mnu_ShowSolution, help_.CanShowSolution());
    game_.EnableMenuItem(MenuId::mnu_MarkDeadBoxes, Playing());
    game_.EnableMenuItem(MenuId::mnu_OpenCollection, game_.CanOpenLevelCollection());
    game_.EnableMenuItem(MenuId::mnu_PlayReplay, game_.Replaying());
    game_.EnableMenuItem(MenuId::mnu_TakeOver, game_.Replaying());
    game_.CheckMenuItem(MenuId::mnu_PlayReplay, replay_.Playing());
    game_.EnableMenuItem(MenuId::mnu_CopyLevel, game_.LevelKind != KindNew);
    game_.EnableMenuItem(MenuId::mnu_Paste, !clipboard_.Adding());
    game_.EnableMenuItem(MenuId::mnu_KeepSnapshot, snapshots_.CanUse());
    game_.EnableMenuItem(MenuId::mnu_BackToSnapshot, snapshots_.CanUse());
    for (int i = 0; i < static_cast<int>(AutoReplay::StepsPerSecond.size()); ++i)
        game_.CheckMenuItem(mnu_Speed(i), i == replay_.speed());
    game_.EnableMenuItem(MenuId::mnu_Collections, game_.CanOpenLevelCollection());
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
    game_.MoveMan(*dir);
    showing_ = false;
    return true;
}

void Assist::FinishPlayback()
{
    while (ShowNextMove()) {
    }
}

}  // namespace tolvar
