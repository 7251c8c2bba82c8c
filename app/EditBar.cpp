#include "app/EditBar.h"

#include <QCloseEvent>
#include <QPixmap>
#include <QPushButton>

#include "app/ScreenPlacement.h"
#include "core/GameState.h"
#include "view/Screen.h"

namespace tolvar {

namespace {

constexpr int ButtonWidth = 41;
constexpr int ButtonHeight = 38;
constexpr int ButtonPitch = 40;  // neighbours overlap by one pixel

QPushButton* MakeButton(QWidget* parent, int slot, const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(slot * ButtonPitch, 0, ButtonWidth, ButtonHeight);
    return button;
}

}  // namespace

EditBar::EditBar(unsigned generation, QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), generation_(generation)
{
    setObjectName(QStringLiteral("frm_Edit"));
    setWindowTitle(QStringLiteral("EDIT BAR"));
    setFixedSize(ClientWidth, ClientHeight);
    for (int i = 0; i < PaletteSize; ++i) {
        QPushButton* button = MakeButton(this, i, QString(), QStringLiteral("ssr_Object(%1)").arg(i));
        button->setIconSize(QSize(SheetCellSize, SheetCellSize));
        button->setCheckable(true);
        // The chosen object's button framed in the highlight colour round its picture.
        button->setStyleSheet(QStringLiteral("QPushButton:checked { background: palette(highlight); border: 1px solid palette(dark); }"));
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT objectClicked(i); });
        palette_[static_cast<std::size_t>(i)] = button;
    }
    edit_ = MakeButton(this, 7, QStringLiteral("&Edit"), QStringLiteral("btn_Edit"));
    test_ = MakeButton(this, 8, QStringLiteral("&Test"), QStringLiteral("btn_Test"));
    exit_ = MakeButton(this, 9, QStringLiteral("E&xit"), QStringLiteral("btn_Exit"));
    connect(edit_, &QPushButton::clicked, this, &EditBar::editClicked);
    connect(test_, &QPushButton::clicked, this, &EditBar::testClicked);
    connect(exit_, &QPushButton::clicked, this, &EditBar::exitClicked);
    MoveToTopCentre(this);
}

void EditBar::Show(const Controls& controls, const std::array<QImage, PaletteSize>& pictures, int chosen)
{
    for (int i = 0; i < PaletteSize; ++i) {
        const QImage& picture = pictures[static_cast<std::size_t>(i)];
        QPushButton* button = palette_[static_cast<std::size_t>(i)];
        button->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
        button->setChecked(i == chosen);  // a click toggles the button itself: the game's choice wins
    }
    edit_->setEnabled(controls.btn_Edit_Enabled);
    test_->setEnabled(controls.btn_Test_Enabled);
}

void EditBar::CloseForGame()
{
    closingForGame_ = true;
    close();
}

void EditBar::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingForGame_) {
        closingForGame_ = true;  // report once
        Q_EMIT closedByPlayer();
    }
}

}  // namespace tolvar
