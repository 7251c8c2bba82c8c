#pragma once
// The game's help: help/index.html of the game directory in a small browser
// window of our own, with back, forward and home.
#include <QPointer>
#include <QWidget>

#include "core/Services.h"

class QTextBrowser;

namespace tolvar {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    /// The narrowest the help may be made to fit beside the game: on a common 1920-pixel
    /// screen the side of the centred game has about 640 pixels, and beside it is worth more
    /// than a short sideways scroll of the one full-size screen picture.
    static constexpr int Narrowest = 480;
    /// The size it opens at where it has room: the screen picture shows whole.
    static constexpr int Width = 720, Height = 560;

    explicit HelpWindow(const QString& indexFile);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

class HelpViewer : public HelpPort {
public:
    explicit HelpViewer(QString gameDir) : gameDir_(std::move(gameDir)) {}
    ~HelpViewer() override;

    /// The window the help opens beside, once it shows.
    void AttachWindow(QWidget* window) { anchor_ = window; }
    /// help/index.html of the game directory.
    QString IndexFile() const;
    void ShowContents() override;
    void Quit() override;

    HelpWindow* Window() const { return window_; }

private:
    QString gameDir_;
    QPointer<QWidget> anchor_;
    QPointer<HelpWindow> window_;
};

}  // namespace tolvar
