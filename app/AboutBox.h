#pragma once
// frm_AboutBox: the about box at start-up and on "&About Tolvar", and the window
// that announces a won level. Its little man is turned by the game.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "core/Services.h"

class QPushButton;
class QTimer;

namespace tolvar {

class PictureBox;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 497;
    static constexpr int ClientHeight = 255;
    static constexpr int IconInterval = 100;  // ms per picture of the turning man

    /// Loads the pictures from `gameDir`; a missing one stays blank.
    AboutBox(AboutRole role, const std::string& gameDir, AboutBoxActions actions, QWidget* parent);

    PictureBox* Icon() const { return icon_; }
    QTimer* IconTimer() const { return iconTimer_; }
    QPushButton* OkButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    PictureBox* AddPicture(const std::string& gameDir, const char* file, const QString& name, QRect place);
    void TurnIcon();

    AboutBoxActions actions_;
    PictureBox* icon_ = nullptr;
    QTimer* iconTimer_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace tolvar
