// Replays that play by themselves: "&Trace" pressed for the player at the chosen speed.
#include "assist/Assist.h"
#include "core/Game.h"

namespace tolvar {

void Assist::PlayReplay()
{
    if (replay_.Playing() || !game_.Replaying())
        replay_.Pause();
    else
        replay_.Play(game_.session().level());
}

void Assist::TakeOver()
{
    replay_.Pause();
    game_.TakeOverReplay();
}

void Assist::SetReplaySpeed(int index)
{
    replay_.SetSpeed(index);
    settings_.SetValue(ReplaySpeedKey, std::to_string(AutoReplay::StepsPerSecond[static_cast<std::size_t>(replay_.speed())]));
}

void Assist::tmr_Replay_Timer()
{
    // The window that says the replay is over runs its own event loop, where this timer still ticks.
    if (tracing_ || !replay_.Playing())
        return;
    if (!game_.Replaying() || !replay_.PlayedOn(game_.session().level())) {
        replay_.Pause();  // the replay ended, or another level replaced it
        return;
    }
    tracing_ = true;
    game_.btn_Trace_Click();
    tracing_ = false;
    if (!game_.Replaying())
        replay_.Pause();
    UpdateMenus();
}

}  // namespace tolvar
