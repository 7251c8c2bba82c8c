#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/BoardWidget.h"
#include "app/CounterBox.h"
#include "app/EditBar.h"
#include "app/GameMenus.h"
#include "assist/Assist.h"
#include "core/Game.h"
#include "levels/CollectionImport.h"

namespace tolvar {

namespace {

void FollowTimer(QTimer& timer, bool enabled, int interval)
{
    if (!enabled || interval <= 0) {
        timer.stop();
        return;
    }
    // Restarted only when something changed, so a running timer keeps its rhythm.
    if (!timer.isActive() || timer.interval() != interval)
        timer.start(interval);
}

/// The one local collection file a drag carries, or an empty text.
QString DroppedCollection(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    return IsCollectionFileName(QFile::encodeName(path).toStdString()) ? path : QString();
}

}  // namespace

MainWindow::MainWindow(Game& game, Assist& assist) : game_(game), assist_(assist)
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QString::fromLatin1(AppTitle));

    board_ = new BoardWidget(game_.view.Client(), this);
    board_->setFixedSize(ClientWidthDesigned, ClientHeightDesigned);
    setCentralWidget(board_);

    level_ = new CounterBox(game_.view.CounterImage(Counter::Level), QStringLiteral("pic_Level"), board_);
    level_->move(8, 16);
    step_ = new CounterBox(game_.view.CounterImage(Counter::Step), QStringLiteral("pic_Step"), board_);
    step_->move(576, 16);

    trace_ = new QPushButton(QStringLiteral("&Trace"), board_);
    trace_->setObjectName(QStringLiteral("btn_Trace"));
    trace_->setGeometry(544, 408, 89, 25);
    trace_->setAutoDefault(true);  // Return presses it when it has the focus, like Space
    trace_->hide();
    trace_->installEventFilter(this);

    menus_ = new GameMenus(menuBar(), [this](MenuId id) { Run([this, id] { assist_.MenuCommand(id); }); });
    counts_ = new QLabel(menuBar());
    counts_->setObjectName(QStringLiteral("lbl_Counts"));
    counts_->setContentsMargins(0, 0, 8, 0);
    counts_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The menu bar lays its corner out once: room for the largest counts from the start.
    counts_->setMinimumWidth(counts_->fontMetrics().horizontalAdvance(QStringLiteral("Moves 999999   Pushes 999999")) + 8);
    menuBar()->setCornerWidget(counts_, Qt::TopRightCorner);
    // Escape leaves the menu bar holding the keyboard, and the next arrow would open a menu.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == menuBar() && old && isAncestorOf(old))
            beforeMenuBar_ = old;
    });
    for (QAction* top : menuBar()->actions())
        if (QMenu* menu = top->menu())
            connect(menu, &QMenu::aboutToHide, this, [this] {
                QTimer::singleShot(0, this, &MainWindow::ReturnKeyboardFromMenuBar);
            });

    ConnectTimers();
    ConnectInput();
    connect(trace_, &QPushButton::clicked, this, [this] { Command(assist_.gate().Here(), [this] { game_.btn_Trace_Click(); }); });

    // The window is exactly as big as the menu bar and the board: it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    board_->setFocus();
}

void MainWindow::ConnectTimers()
{
    goalTimer_.setObjectName(QStringLiteral("tmr_Goal"));
    spriteTimer_.setObjectName(QStringLiteral("tmr_Sprite"));
    iconTimer_.setObjectName(QStringLiteral("tmr_Icon"));
    // The timers only draw and watch the music: they change no menu or control, so they
    // skip the widgets' sync that every other call into the game ends with.
    connect(&goalTimer_, &QTimer::timeout, this, [this] { game_.tmr_Goal_Timer(); });
    connect(&spriteTimer_, &QTimer::timeout, this, [this] { game_.tmr_Sprite_Timer(); });
    connect(&iconTimer_, &QTimer::timeout, this, [this] { game_.tmr_Icon_Timer(); });

    walkTimer_.setObjectName(QStringLiteral("tmr_Walk"));
    connect(&walkTimer_, &QTimer::timeout, this, [this] { Run([this] { assist_.tmr_Walk_Timer(); }); });
    replayTimer_.setObjectName(QStringLiteral("tmr_Replay"));
    connect(&replayTimer_, &QTimer::timeout, this, [this] { Run([this] { assist_.tmr_Replay_Timer(); }); });
}

// Keys and clicks go to the game through the gate: a mouse walk still being shown is finished
// first, and a key or click meant for a level that walk won goes nowhere.
void MainWindow::ConnectInput()
{
    const auto key = [this](int code, int shift) { Run([=, this] { assist_.KeyDown(code, shift); }); };
    connect(board_, &BoardWidget::keyPressed, this, key);
    connect(level_, &CounterBox::keyPressed, this, key);
    connect(step_, &CounterBox::keyPressed, this, key);
    connect(board_, &BoardWidget::mousePressed, this, [this](int button, int shift, int x, int y) {
        Run([=, this] { assist_.MouseDown(button, shift, x, y); });
    });
    connect(board_, &BoardWidget::mouseMoved, this,
            [this](int buttons, int shift, int x, int y) { Run([=, this] { game_.Form_MouseMove(buttons, shift, x, y); }); });
    connect(board_, &BoardWidget::mouseReleased, this,
            [this](int button, int shift, int x, int y) { Run([=, this] { game_.Form_MouseUp(button, shift, x, y); }); });
}

// The focus moves while the widgets go: the watch must not see a half-destroyed window.
MainWindow::~MainWindow() { disconnect(focusWatch_); }

template <typename Call>
void MainWindow::Run(Call call)
{
    if (unloaded_)
        return;
    call();
    SyncFromState();
}

void MainWindow::Command(Gate::Aim aim, const std::function<void()>& command)
{
    Run([&] { assist_.gate().Run(aim, command); });
}

void MainWindow::RunPosted(const std::function<void()>& task) { Run(task); }

void MainWindow::SyncFromState()
{
    if (unloaded_)
        return;
    assist_.UpdateMenus();
    // The window, its animations and the music go on while the solver searches.
    if (assist_.Searching())
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    menus_->Show(game_.menus);
    FollowCounts();
    trace_->setVisible(game_.controls.btn_Trace_Visible);
    FollowEditBar();
    FollowTimers();
    FollowFocus();
    if (game_.controls.exitRequested && !closing_) {
        closing_ = true;
        // Closed from the event loop, not from inside the handler that asked for it.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void MainWindow::FollowCounts()
{
    setWindowTitle(QString::fromStdString(game_.collection.WindowTitle()));
    counts_->setText(QString::fromStdString(game_.collection.Counts()));
}

EditBar* MainWindow::EditBarWindow() const { return editBar_.data(); }

void MainWindow::FollowTimers()
{
    const Controls& c = game_.controls;
    FollowTimer(goalTimer_, c.tmr_Goal_Enabled, c.tmr_Goal_Interval);
    FollowTimer(spriteTimer_, c.tmr_Sprite_Enabled, c.tmr_Sprite_Interval);
    FollowTimer(iconTimer_, true, c.tmr_Icon_Interval);
    FollowTimer(walkTimer_, assist_.playback().TimerEnabled(), Playback::Interval);
    FollowTimer(replayTimer_, assist_.ReplayTimerEnabled(), assist_.ReplayInterval());
}

void MainWindow::FollowFocus()
{
    // A request is honoured once.
    switch (game_.TakeFocusRequest()) {
    case FocusRequest::None:
        return;
    case FocusRequest::MainWindow:
        activateWindow();
        board_->setFocus(Qt::OtherFocusReason);
        break;
    case FocusRequest::TraceButton:
        if (trace_->isVisible())
            trace_->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void MainWindow::ReturnKeyboardFromMenuBar()
{
    // Another menu of the bar opened (Left or Right in a menu), or a command moved the keyboard on.
    if (QApplication::activePopupWidget() || !menuBar()->hasFocus())
        return;
    QWidget* target = beforeMenuBar_ && beforeMenuBar_->isVisible() && beforeMenuBar_->isEnabled() ? beforeMenuBar_.data() : board_;
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::FollowEditBar()
{
    const Controls& c = game_.controls;
    if (!c.frm_Edit_Open) {
        if (editBar_)
            CloseEditBarForGame();
        return;
    }
    // Each opening builds the window afresh, as a new form load would.
    if (editBar_ && editBar_->Generation() != c.frm_Edit_Generation)
        CloseEditBarForGame();
    if (!editBar_)
        OpenEditBar();
    editBar_->Show(c, game_.view.Palette(), game_.EditObject());
}

void MainWindow::OpenEditBar()
{
    auto* bar = new EditBar(game_.controls.frm_Edit_Generation, this);
    editBar_ = bar;
    connect(bar, &EditBar::objectClicked, this,
            [this](int index) { Command(Gate::Anywhere(), [=, this] { game_.ssr_Object_Click(index); }); });
    connect(bar, &EditBar::editClicked, this, [this] { Command(Gate::Anywhere(), [this] { game_.btn_Edit_Click(); }); });
    connect(bar, &EditBar::testClicked, this, [this] { Command(Gate::Anywhere(), [this] { game_.btn_Test_Click(); }); });
    connect(bar, &EditBar::exitClicked, this, [this] { Command(Gate::Anywhere(), [this] { game_.btn_Exit_Click(); }); });
    connect(bar, &EditBar::keyPressed, board_, &BoardWidget::keyPressed);  // as if pressed on the board
    connect(bar, &EditBar::closedByPlayer, this, [this, bar] {
        if (editBar_ != bar)
            return;
        editBar_ = nullptr;
        bar->deleteLater();
        Run([this] { game_.frm_Edit_Form_Unload(); });
    });
    bar->Show(game_.controls, game_.view.Palette(), game_.EditObject());
    bar->show();
}

void MainWindow::CloseEditBarForGame()
{
    EditBar* bar = editBar_;
    editBar_ = nullptr;
    bar->CloseForGame();
    bar->deleteLater();  // we may be inside one of its buttons' handlers
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // An arrow on the focused "&Trace" button would move the focus on to the next
    // control, and the next Space would no longer replay. The replay ignores arrows anyway.
    if (watched == trace_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    minimized_ = isMinimized();
    // The first show is the window's first resize: the music starts here.
    Run([this] { game_.Form_Resize(); });
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !shown_)
        return;
    const bool minimized = isMinimized();
    if (minimized == minimized_)
        return;
    minimized_ = minimized;
    Run([this] { game_.Form_Resize(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks about a changed drawing as "E&xit" does; keeping it keeps the window.
    if (!unloaded_ && !game_.Form_QueryUnload()) {
        event->ignore();
        SyncFromState();
        return;
    }
    event->accept();
    if (unloaded_)
        return;
    closing_ = true;
    goalTimer_.stop();
    spriteTimer_.stop();
    iconTimer_.stop();
    walkTimer_.stop();
    replayTimer_.stop();
    if (editBar_)
        CloseEditBarForGame();
    game_.Form_Unload();
    unloaded_ = true;
    QCoreApplication::quit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!unloaded_ && game_.CanOpenLevelCollection() && !DroppedCollection(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedCollection(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened from the event loop: the message box must not run inside the drop.
    QMetaObject::invokeMethod(
        this, [this, path] { Run([this, path] { assist_.OpenCollection(QFile::encodeName(path).toStdString()); }); },
        Qt::QueuedConnection);
}

}  // namespace tolvar
