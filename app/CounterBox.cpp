#include "app/CounterBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/KeyTranslation.h"
#include "view/Screen.h"

namespace tolvar {

CounterBox::CounterBox(const QImage& picture, const QString& name, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setObjectName(name);
    setFixedSize(CounterWidth, CounterHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CounterBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.width() < width() || picture_.height() < height())
        painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void CounterBox::keyPressEvent(QKeyEvent* event)
{
    // Accepted so the board behind does not get the same press as well.
    event->accept();
    const VirtualKey key = TranslateKey(*event);
    Q_EMIT keyPressed(key.code, key.shift);
}

void CounterBox::mousePressEvent(QMouseEvent* event)
{
    // A click on a counter only takes the focus; it is no click on the board.
    event->accept();
    setFocus(Qt::MouseFocusReason);
}

}  // namespace tolvar
