#pragma once
// A fixed-size picture on a window; clickable when someone listens to clicked().
#include <QImage>
#include <QWidget>

namespace tolvar {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, QRect place, QWidget* parent);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    /// The picture as drawn, for the game to draw into.
    QImage& Surface() { return picture_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace tolvar
