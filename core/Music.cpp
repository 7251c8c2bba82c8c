// Background music: two pieces taking turns, a watchdog that notices when one ends,
// and the sound and music switches.
#include <cctype>

#include "core/Game.h"

namespace tolvar {

void Game::PlayEffect(const char* fileName)
{
    if (menus.Checked(MenuId::mnu_Sound))
        svc_.sound->PlaySound(fileName);
}

void Game::PlayMusic(bool on)
{
    std::string reply;
    if (on) {
        MusicPiece = static_cast<std::int16_t>(MusicPiece + 1);
        if (MusicPiece == 3)
            MusicPiece = 1;
        svc_.mci->SendString("PLAY SQ" + std::to_string(MusicPiece) + " FROM 0", reply, 0);
        MusicPlaying = true;
    } else {
        if (svc_.mci->SendString("STOP SQ" + std::to_string(MusicPiece), reply, 0) == 0)
            MusicPlaying = false;
    }
}

void Game::tmr_Icon_Timer()
{
    if (svc_.window->IsMinimized() || !MusicPlaying)
        return;
    std::string status(16, ' ');
    svc_.mci->SendString("STATUS SQ" + std::to_string(MusicPiece) + " MODE", status, 15);
    std::string head = status.substr(0, 7);
    for (char& c : head)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (head == "STOPPED")
        PlayMusic(true);  // the piece has ended: the other one starts from its beginning
}

void Game::Form_Resize()
{
    if (svc_.window->IsMinimized()) {
        PlayMusic(false);
        IconFrame = 0;
        controls.tmr_Icon_Interval = 100;
    } else {
        if (menus.Checked(MenuId::mnu_Music))
            PlayMusic(true);
        controls.tmr_Icon_Interval = 5000;
    }
}

void Game::mnu_Music_Click()
{
    menus.Check(MenuId::mnu_Music, !menus.Checked(MenuId::mnu_Music));
    PlayMusic(menus.Checked(MenuId::mnu_Music));
}

void Game::mnu_Sound_Click() { menus.Check(MenuId::mnu_Sound, !menus.Checked(MenuId::mnu_Sound)); }

}  // namespace tolvar
