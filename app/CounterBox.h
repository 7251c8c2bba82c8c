#pragma once
// pic_Level and pic_Step: a four-digit counter picture that can hold the keyboard focus.
#include <QWidget>

namespace tolvar {

class CounterBox : public QWidget {
    Q_OBJECT
public:
    CounterBox(const QImage& picture, const QString& name, QWidget* parent);

Q_SIGNALS:
    void keyPressed(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace tolvar
