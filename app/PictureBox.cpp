#include "app/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvar {

PictureBox::PictureBox(const QString& name, QRect place, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(place);
}

void PictureBox::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    // A picture that could not be loaded leaves its place blank.
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace tolvar
