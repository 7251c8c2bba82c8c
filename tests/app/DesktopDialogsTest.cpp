// Message boxes, input boxes, the about box through the dialogs service, and help.
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <functional>

#include "app/AboutBox.h"
#include "app/AudioBackend.h"
#include "app/DesktopShell.h"
#include "app/HelpWindow.h"
#include "app/QtDialogs.h"
#include "app/ScreenPlacement.h"

using namespace tolvar;

namespace {

/// Runs `answer` on the modal box as soon as it is open.
void WhenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> open(modal);
            answer(modal);
            // A check that failed part-way left the box open: close it, so the test fails instead of waiting for ever.
            if (open && open->isVisible()) {
                if (auto* dialog = qobject_cast<QDialog*>(open.data()))
                    dialog->reject();
                else
                    open->close();
            }
        }
    });
    timer->start();
}

}  // namespace

class DesktopDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBoxesShowTheirStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("warning") << int(MsgStyle::OkExclamation) << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
        QTest::newRow("error") << int(MsgStyle::OkCritical) << int(QMessageBox::Critical) << int(QMessageBox::Ok)
                               << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
        QTest::newRow("question, yes") << int(MsgStyle::YesNoQuestion) << int(QMessageBox::Question)
                                       << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes)
                                       << int(MsgAnswer::Yes);
        QTest::newRow("question, no") << int(MsgStyle::YesNoQuestion) << int(QMessageBox::Question)
                                      << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No)
                                      << int(MsgAnswer::No);
        QTest::newRow("question that can be cancelled, cancel")
            << int(MsgStyle::YesNoCancelQuestion) << int(QMessageBox::Question)
            << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Cancel)
            << int(MsgAnswer::Cancel);
    }
    void messageBoxesShowTheirStyle()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QtDialogs dialogs;
        QString title, text;
        int shownIcon = -1, shownButtons = -1, width = 0;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            width = box->width();
            title = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
            shownButtons = int(box->standardButtons());
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const MsgAnswer got = dialogs.MsgBox("Invalid position!", MsgStyle(style), "TOLVAR");
        QCOMPARE(int(got), answer);
        QCOMPARE(title, QStringLiteral("TOLVAR"));
        QCOMPARE(text, QStringLiteral("Invalid position!"));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownButtons, buttons);
        // A short text still leaves a window manager room for the whole title beside its buttons.
        QVERIFY2(width >= QFontMetrics(QApplication::font()).horizontalAdvance(title) + 170, qPrintable(QString::number(width)));
    }

    // The input box offers the default and returns the answer; cancel returns the empty text.
    void inputBoxReturnsTheAnswerOrNothing_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << true << QStringLiteral("12");
        QTest::newRow("cancel") << false << QString();
    }
    void inputBoxReturnsTheAnswerOrNothing()
    {
        QFETCH(bool, accept);
        QFETCH(QString, result);
        QtDialogs dialogs;
        QString offered, prompt;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box);
            offered = box->textValue();
            prompt = box->labelText();
            box->setTextValue(QStringLiteral("12"));
            accept ? box->accept() : box->reject();
        });
        const std::string got = dialogs.InputBox("Level number (1-3):", "TOLVAR", "3");
        QCOMPARE(QString::fromStdString(got), result);
        QCOMPARE(offered, QStringLiteral("3"));
        QCOMPARE(prompt, QStringLiteral("Level number (1-3):"));
    }

    // The file dialog offers the files of the kind asked for, in either case, returns the
    // chosen path or nothing, and opens the next time where the last file was chosen.
    void fileDialogOffersTheKindAndRemembersTheFolder()
    {
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("pack.xsb"));
        QFile(chosen).open(QIODevice::WriteOnly);  // only a file that is there can be chosen
        QtDialogs dialogs;
        struct Seen {
            QString title, filter, folder;
        };
        const auto choose = [&](bool accept) {
            Seen seen;
            WhenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QFileDialog*>(modal);
                QVERIFY(box);
                seen = {box->windowTitle(), box->nameFilters().value(0), box->directory().absolutePath()};
                box->setDirectory(folder.path());
                // Typed, as a player types it: a chosen entry does not reach a name field with the focus.
                if (auto* name = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    name->setText(QStringLiteral("pack.xsb"));
                QMetaObject::invokeMethod(box, accept ? "accept" : "reject");  // the file dialog's own accept checks the file
                if (box->isVisible())
                    box->reject();  // never left open, or the test would wait for ever
            });
            const std::string got = dialogs.ChooseFileToOpen("Open Level Collection", "Level collections", {".xsb", ".sok"});
            return std::pair(QString::fromStdString(got), seen);
        };
        const auto [cancelled, first] = choose(false);
        QCOMPARE(cancelled, QString());
        QCOMPARE(first.title, QStringLiteral("Open Level Collection"));
        QCOMPARE(first.filter, QStringLiteral("Level collections (*.xsb *.XSB *.sok *.SOK)"));
        QCOMPARE(first.folder, QDir::homePath());
        QCOMPARE(choose(true).first, chosen);
        QCOMPARE(choose(false).second.folder, QDir(folder.path()).absolutePath());
    }

    // The about box is modal and returns when "&Continue" is pressed.
    void theAboutBoxReturnsOnContinue()
    {
        QtDialogs dialogs;
        QString title;
        bool notices = false;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<AboutBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            notices = box->findChild<QWidget*>(QStringLiteral("img_Notice(0)"))->isVisibleTo(box);
            QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
        });
        dialogs.ShowAboutBox(AboutRole::About);
        QCOMPARE(title, QStringLiteral("ABOUT TOLVAR"));
        QVERIFY(notices);
    }

    // Help shows the game's own help page; quitting closes the window.
    void helpShowsTheIndexAndQuits()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("help")));
        QFile page(dir.filePath(QStringLiteral("help/index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>How to play</h1></body></html>");
        page.close();

        HelpViewer help(dir.path());
        help.ShowContents();
        QPointer<HelpWindow> window = help.Window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Browser()->source(), QUrl::fromLocalFile(help.IndexFile()));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("How to play")));
        help.ShowContents();
        QCOMPARE(help.Window(), window.data());  // one help window, brought forward
        help.Quit();
        QVERIFY(!window);
        help.Quit();  // nothing open: nothing happens
    }

    // Escape closes the help window.
    void escapeClosesHelp()
    {
        QTemporaryDir dir;
        HelpViewer help(dir.path());
        help.ShowContents();
        QPointer<HelpWindow> window = help.Window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window->Browser(), Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }

    // The help (720 x 560, never narrower than 480) goes beside the game where the screen has
    // room: right, else left, else narrowed to the wider side, else over the game.
    void helpGoesBesideTheGame_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QRect>("expected");
        const QRect wide(0, 0, 1920, 1080);
        QTest::newRow("room on the right") << wide << QRect(100, 200, 650, 500) << QRect(750, 200, 720, 560);
        QTest::newRow("room on the left only") << wide << QRect(1000, 100, 650, 500) << QRect(280, 100, 720, 560);
        QTest::newRow("low on the screen") << wide << QRect(100, 700, 650, 500) << QRect(750, 520, 720, 560);
        QTest::newRow("centred: narrowed") << wide << QRect(640, 300, 640, 461) << QRect(1280, 300, 640, 560);
        QTest::newRow("no room: over it") << QRect(0, 0, 1366, 768) << QRect(363, 150, 640, 461) << QRect(322, 100, 720, 560);
    }
    void helpGoesBesideTheGame()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, anchor);
        QFETCH(QRect, expected);
        QCOMPARE(BesideGeometry(area, anchor, QSize(HelpWindow::Width, HelpWindow::Height), HelpWindow::Narrowest), expected);
    }

    // At its narrowest the help still shows a picture of the whole window at 1:1, beside a
    // page long enough for a vertical scroll bar, without scrolling sideways.
    void helpAtItsOwnSizeShowsTheScreenPictureWhole()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("help")));
        QImage screen(640, 442, QImage::Format_RGB32);
        screen.fill(Qt::darkGreen);
        QVERIFY(screen.save(dir.filePath(QStringLiteral("help/screen.png"))));
        QFile page(dir.filePath(QStringLiteral("help/index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p><img src=\"screen.png\"></p>" + QByteArray("<p>Push.</p>").repeated(80) + "</body></html>");
        page.close();

        HelpViewer help(dir.path());
        help.ShowContents();
        HelpWindow* window = help.Window();
        window->resize(HelpWindow::Width, HelpWindow::Height);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->Browser()->verticalScrollBar()->maximum() > 0);
        QCOMPARE(window->Browser()->horizontalScrollBar()->maximum(), 0);
    }

    void helpWithoutItsFileSaysSo()
    {
        QTemporaryDir dir;
        HelpViewer help(dir.path());
        help.ShowContents();
        QVERIFY(help.Window()->Browser()->toPlainText().contains(QStringLiteral("missing")));
    }

    // A browser the game starts shows its sounds under its own name, not the game's.
    void programsStartWithoutTheGamesSoundNames()
    {
        NameAudioStreams("tolvar");
        if (AudioStreamNamingVariables().empty())
            QSKIP("this build plays no sound, or the sound names came from the environment");
        const QProcessEnvironment environment = DesktopShell::ProgramEnvironment();
        for (const std::string& variable : AudioStreamNamingVariables()) {
            QVERIFY(qEnvironmentVariableIsSet(variable.c_str()));
            QVERIFY(!environment.contains(QString::fromStdString(variable)));
        }
        QCOMPARE(environment.value(QStringLiteral("PATH")), qEnvironmentVariable("PATH"));
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "DesktopDialogsTest.moc"
