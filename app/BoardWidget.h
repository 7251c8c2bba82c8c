#pragma once
// The main window's client area: shows the game's persistent image and hands
// key and mouse presses on to the game, nothing more.
#include <QWidget>

namespace tolvar {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const QImage& client, QWidget* parent);

Q_SIGNALS:
    void keyPressed(int keyCode, int shift);
    /// Button 1 left, 2 right, 4 middle; x and y in client pixels.
    void mousePressed(int button, int shift, int x, int y);
    /// The pointer moved with `buttons` held (the game's numbers added up).
    void mouseMoved(int buttons, int shift, int x, int y);
    void mouseReleased(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& client_;
};

/// The mouse button as the game numbers it.
int GameMouseButton(Qt::MouseButton button);

}  // namespace tolvar
