// Start-up and shutdown, in their order.
#include <chrono>

#include "core/Game.h"

namespace tolvar {

bool Game::Form_Load(const std::string& currentDirectory)
{
    if (!svc_.instance->ClaimSingleInstance())
        return false;  // another game runs: end silently
    AppPath = currentDirectory;
    ResizeSurfaces(svc_.window->ClientWidth(), svc_.window->ClientHeight());
    SeedRandom(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    if (!OpenLevelSet())
        return false;
    std::string error;
    if (!view.LoadPictures(AppPath, error)) {
        svc_.dialogs->MsgBox(error + " The game cannot start without its pictures.", MsgStyle::OkCritical, AppTitle);
        return false;
    }
    // Music files are opened by bare name: AppPath is the current directory.
    std::string reply;
    svc_.mci->SendString("OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1", reply, 0);
    svc_.mci->SendString("OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", reply, 0);
    svc_.dialogs->ShowAboutBox(AboutRole::About, AboutActions());
    view.appearance.Scenery = 0;
    LevelNo = ReadSetting(LevelKey, 1);
    if (LevelNo > NumLevels) {
        LevelNo = 1;
        WriteSetting(LevelKey, 1);
    } else if (LevelNo < 1) {
        LevelNo = 1;  // a stored progress of 0 or garbage starts at the first level
    }
    view.appearance.DigitStyle = 1;
    ManFrame = 0;
    ShowLevel();
    return true;
}

void Game::Form_Unload()
{
    svc_.help->Quit();
    levelSet_.close();
    std::string reply;
    svc_.mci->SendString("CLOSE SQ1", reply, 0);
    svc_.mci->SendString("CLOSE SQ2", reply, 0);
}

// Ending the game with a changed drawing may be cancelled: the window stays open.
void Game::mnu_Exit_Click() { controls.exitRequested = controls.exitRequested || MayDiscardDrawing(true); }

bool Game::Form_QueryUnload() { return MayDiscardDrawing(true); }

}  // namespace tolvar
