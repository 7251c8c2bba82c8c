// Help, the maker's web pages and mail boxes, and the about box's turning man.
#include "core/Game.h"
#include "core/Addresses.h"

namespace tolvar {

void Game::mnu_Contents_Click() { svc_.help->ShowContents(); }
void Game::mnu_Web_Click() { svc_.shell->Open(addresses::HomePage); }
void Game::mnu_Faq_Click() { svc_.shell->Open(addresses::FaqPage); }
void Game::mnu_WorldRecord_Click() { svc_.shell->Open(addresses::WorldRecordsPage); }
void Game::mnu_About_Click() { svc_.dialogs->ShowAboutBox(AboutRole::About, AboutActions()); }

AboutBoxActions Game::AboutActions()
{
    return {[this](QImage& icon) { AboutBox_tmr_Icon_Timer(icon); }, [this](int index) { img_Email_Click(index); },
            [this](int index) { img_Http_Click(index); }, AppPath};
}

void Game::img_Email_Click(int Index)
{
    if (Index == 0 || Index == 1)
        svc_.shell->Open(std::string("mailto:") + addresses::MailBoxes[Index]);
}

void Game::img_Http_Click(int Index)
{
    if (Index == 0 || Index == 1)
        svc_.shell->Open(addresses::HomePages[Index]);
}

void Game::AboutBox_tmr_Icon_Timer(QImage& pic_Icon)
{
    IconFrame = static_cast<std::int16_t>(IconFrame + 1);
    if (IconFrame == 8)
        IconFrame = 0;
    pic_Icon = view.Picture(view.ManTile(IconFrame));
}

}  // namespace tolvar
