#include "app/EditBar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>

#include "app/KeyTranslation.h"
#include "app/ScreenPlacement.h"
#include "core/GameState.h"
#include "rules/Keys.h"
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

// Where windows place themselves (X11, XWayland) the bar is a tool window on top, at the top
// centre of the screen. A Wayland compositor places a tool window where it likes, over the
// middle of the board: there the bar is a popup of the main window, which the compositor puts
// where it is asked, beside the main window, and moves with it (it has no title bar then).
Qt::WindowFlags BarWindowFlags()
{
    return WindowsPlaceThemselves() ? Qt::Tool | Qt::WindowStaysOnTopHint : Qt::WindowFlags(Qt::ToolTip);
}

}  // namespace

EditBar::EditBar(unsigned generation, QWidget* parent) : QWidget(parent, BarWindowFlags()), generation_(generation)
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
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    if (WindowsPlaceThemselves() || !parent) {
        MoveToTopCentre(this);
    } else {
        setAttribute(Qt::WA_ShowWithoutActivating);  // the keyboard stays with the board
        popupOf_ = parent->window();
        popupOf_->installEventFilter(this);
        PlaceBelow(this, popupOf_);
    }
}

bool EditBar::eventFilter(QObject* watched, QEvent* event)
{
    // A compositor closes a popup when its window loses the keyboard (to a message box, say).
    if (watched == popupOf_) {
        if (event->type() == QEvent::WindowActivate && dismissed_ && !closingForGame_) {
            dismissed_ = false;
            PlaceBelow(this, popupOf_);
            show();
        }
        return false;
    }
    // After "&Test" a desktop may refuse to hand the keyboard back to the main window: the
    // arrows that reach the bar then move the man all the same, instead of the buttons' focus.
    if (event->type() == QEvent::KeyPress) {
        const VirtualKey key = TranslateKey(*static_cast<QKeyEvent*>(event));
        if (key.code >= VK_LEFT && key.code <= VK_DOWN) {
            Q_EMIT keyPressed(key.code, key.shift);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
    if (popupOf_ && !closingForGame_) {
        dismissed_ = true;  // the compositor's doing, not the player's: back with the main window
        return;
    }
    if (!closingForGame_) {
        closingForGame_ = true;  // report once
        Q_EMIT closedByPlayer();
    }
}

}  // namespace tolvar
