#include "app/AboutBox.h"

#include <QPushButton>
#include <QTimer>

#include "app/PictureBox.h"
#include "app/ScreenPlacement.h"
#include "view/Screen.h"
#include "view/Raster.h"
#include "view/Sheets.h"

namespace tolvar {

AboutBox::AboutBox(AboutRole role, const std::string& gameDir, AboutBoxActions actions, QWidget* parent)
    : QDialog(parent), actions_(std::move(actions))
{
    setObjectName(QStringLiteral("frm_AboutBox"));
    setWindowTitle(QStringLiteral("ABOUT TOLVAR"));
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);

    AddPicture(gameDir, "about_back.png", QStringLiteral("img_Back"), {0, 0, ClientWidth, ClientHeight});
    AddPicture(gameDir, "about_title.png", QStringLiteral("img_Title"), {96, 8, 384, 72});
    PictureBox* notices[] = {
        AddPicture(gameDir, "about_notice0.png", QStringLiteral("img_Notice(0)"), {16, 92, 465, 36}),
        AddPicture(gameDir, "about_notice1.png", QStringLiteral("img_Notice(1)"), {16, 132, 465, 36}),
    };
    PictureBox* wins[4];
    for (int i = 0; i < 4; ++i) {
        const std::string file = "win" + std::to_string(i) + ".png";
        wins[i] = AddPicture(gameDir, file.c_str(), QStringLiteral("img_Win(%1)").arg(i), {16, i % 2 == 0 ? 92 : 132, 465, 36});
    }
    for (PictureBox* notice : notices)
        notice->setVisible(role == AboutRole::About);
    wins[0]->setVisible(role == AboutRole::NextLevel);
    wins[1]->setVisible(role == AboutRole::NextLevel);
    wins[2]->setVisible(role == AboutRole::AllCompleted);
    wins[3]->setVisible(role == AboutRole::AllCompleted);

    for (int i = 0; i < 2; ++i) {
        const std::string email = "email" + std::to_string(i) + ".png";
        const std::string http = "http" + std::to_string(i) + ".png";
        PictureBox* mail = AddPicture(gameDir, email.c_str(), QStringLiteral("img_Email(%1)").arg(i), {16, 184 + 30 * i, 170, 22});
        PictureBox* web = AddPicture(gameDir, http.c_str(), QStringLiteral("img_Http(%1)").arg(i), {196, 184 + 30 * i, 170, 22});
        for (PictureBox* link : {mail, web})
            link->setCursor(Qt::PointingHandCursor);
        connect(mail, &PictureBox::clicked, this, [this, i] {
            if (actions_.emailClicked)
                actions_.emailClicked(i);
        });
        connect(web, &PictureBox::clicked, this, [this, i] {
            if (actions_.httpClicked)
                actions_.httpClicked(i);
        });
    }

    icon_ = new PictureBox(QStringLiteral("pic_Icon"), {40, 28, SheetCellSize, SheetCellSize}, this);
    icon_->SetPicture(BlankImage(SheetCellSize, SheetCellSize));
    iconTimer_ = new QTimer(this);
    iconTimer_->setObjectName(QStringLiteral("tmr_Icon"));
    iconTimer_->setInterval(IconInterval);
    connect(iconTimer_, &QTimer::timeout, this, &AboutBox::TurnIcon);
    iconTimer_->start();

    ok_ = new QPushButton(QStringLiteral("&Continue"), this);
    ok_->setObjectName(QStringLiteral("btn_Ok"));
    ok_->setGeometry(385, 210, 96, 30);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

PictureBox* AboutBox::AddPicture(const std::string& gameDir, const char* file, const QString& name, QRect place)
{
    auto* box = new PictureBox(name, place, this);
    QImage picture;
    std::string error;
    if (LoadPicture(gameDir, SheetFile{file, place.width(), place.height()}, picture, error))
        box->SetPicture(picture);
    return box;
}

void AboutBox::TurnIcon()
{
    if (!actions_.turnIcon)
        return;
    actions_.turnIcon(icon_->Surface());
    icon_->update();
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

}  // namespace tolvar
