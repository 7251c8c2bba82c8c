#include "app/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ScreenPlacement.h"

namespace tolvar {

HelpWindow::HelpWindow(const QString& indexFile)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("TOLVAR Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Width, Height);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* tools = new QToolBar(this);
    QAction* back = tools->addAction(QStringLiteral("&Back"), browser_, &QTextBrowser::backward);
    QAction* forward = tools->addAction(QStringLiteral("&Forward"), browser_, &QTextBrowser::forward);
    tools->addAction(QStringLiteral("&Home"), browser_, &QTextBrowser::home);
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser_);

    if (QFileInfo::exists(indexFile))
        browser_->setSource(QUrl::fromLocalFile(indexFile));
    else
        browser_->setHtml(QStringLiteral("<p>The help file <b>%1</b> is missing.</p>").arg(indexFile.toHtmlEscaped()));
}

HelpViewer::~HelpViewer() { Quit(); }

QString HelpViewer::IndexFile() const { return gameDir_ + QStringLiteral("/help/index.html"); }

void HelpViewer::ShowContents()
{
    if (!window_) {
        window_ = new HelpWindow(IndexFile());
        // Beside the game, so the board stays in sight while the player reads.
        if (anchor_ && anchor_->isVisible())
            PlaceBeside(window_, anchor_, HelpWindow::Narrowest);
        else
            CentreOnScreen(window_);
    } else {
        window_->Browser()->home();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpViewer::Quit()
{
    if (window_)
        delete window_.data();
}

}  // namespace tolvar
