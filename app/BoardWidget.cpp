#include "app/BoardWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/KeyTranslation.h"
#include "rules/Keys.h"

namespace tolvar {

BoardWidget::BoardWidget(const QImage& client, QWidget* parent) : QWidget(parent), client_(client)
{
    setObjectName(QStringLiteral("frm_Main_client"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The image covers the client area once the game has sized it; until then the area is black.
    const QRect area = event->rect();
    if (client_.width() < width() || client_.height() < height())
        painter.fillRect(area, Qt::black);
    painter.drawImage(area.topLeft(), client_, area);
}

void BoardWidget::keyPressEvent(QKeyEvent* event)
{
    // Taken here and only here, so a press never reaches the game twice.
    event->accept();
    const VirtualKey key = TranslateKey(*event);
    Q_EMIT keyPressed(key.code, key.shift);
}

int GameMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

namespace {

int GameShift(const QMouseEvent& event)
{
    int shift = 0;
    if (event.modifiers() & Qt::ShiftModifier)
        shift |= ShiftKey;
    if (event.modifiers() & Qt::ControlModifier)
        shift |= CtrlKey;
    if (event.modifiers() & Qt::AltModifier)
        shift |= AltKey;
    return shift;
}

int GameButtons(Qt::MouseButtons buttons)
{
    int held = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            held |= GameMouseButton(button);
    return held;
}

}  // namespace

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    Q_EMIT mousePressed(GameMouseButton(event->button()), GameShift(*event), at.x(), at.y());
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    if (event->buttons() != Qt::NoButton)  // without tracking Qt reports moves only while a button is held
        Q_EMIT mouseMoved(GameButtons(event->buttons()), GameShift(*event), at.x(), at.y());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseReleased(GameMouseButton(event->button()), GameShift(*event), at.x(), at.y());
}

}  // namespace tolvar
