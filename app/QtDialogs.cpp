#include "app/QtDialogs.h"

#include <QDir>
#include <QInputDialog>
#include <QMessageBox>

#include "app/AboutBox.h"
#include "app/ScreenPlacement.h"
#include "core/Game.h"

namespace tolvar {

QWidget* QtDialogs::Owner() const { return window_ && window_->isVisible() ? window_ : nullptr; }

MsgAnswer QtDialogs::MsgBox(const std::string& text, MsgStyle style, const std::string& title)
{
    QMessageBox box(Owner());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (style) {
    case MsgStyle::OkExclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::OkCritical:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::YesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    const int answer = box.exec();
    if (style != MsgStyle::YesNoQuestion)
        return MsgAnswer::Ok;
    // Closing the question without an answer counts as No: nothing is saved.
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer)
{
    QInputDialog box(Owner());
    box.setWindowTitle(QString::fromStdString(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultAnswer));
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue().toStdString();
}

void QtDialogs::ShowAboutBox(AboutRole role)
{
    AboutBoxActions actions;
    if (game_) {
        Game* game = game_;
        actions.turnIcon = [game](QImage& icon) { game->AboutBox_tmr_Icon_Timer(icon); };
        actions.emailClicked = [this, game](int index) {
            game->img_Email_Click(index);
            if (afterCall_)
                afterCall_();
        };
        actions.httpClicked = [this, game](int index) {
            game->img_Http_Click(index);
            if (afterCall_)
                afterCall_();
        };
    }
    const std::string gameDir = game_ && !game_->AppPath.empty() ? game_->AppPath : QDir::currentPath().toStdString();
    AboutBox box(role, gameDir, std::move(actions), Owner());
    CentreOnScreen(&box);
    box.exec();
}

}  // namespace tolvar
