#include "app/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

#include "app/AboutBox.h"
#include "app/ScreenPlacement.h"

namespace tolvar {

namespace {

// The width a box needs for a window manager to show its title whole: the title in a
// large bold font, beside room for the frame's icon and buttons.
int TitleRoom(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    constexpr int FrameControls = 170;
    return QFontMetrics(font).horizontalAdvance(title) + FrameControls;
}

}  // namespace

QWidget* QtDialogs::Owner() const { return window_ && window_->isVisible() ? window_ : nullptr; }

MsgAnswer QtDialogs::MsgBox(const std::string& text, MsgStyle style, const std::string& title)
{
    QMessageBox box(Owner());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (style) {
    case MsgStyle::OkExclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::OkCritical:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::YesNoQuestion:
    case MsgStyle::YesNoCancelQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                               (style == MsgStyle::YesNoCancelQuestion ? QMessageBox::Cancel : QMessageBox::NoButton));
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    // A message box sizes itself to its text alone; a spanning spacer widens it for the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleRoom(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    const int answer = box.exec();
    if (style == MsgStyle::OkExclamation || style == MsgStyle::OkCritical)
        return MsgAnswer::Ok;
    if (answer == QMessageBox::Yes)
        return MsgAnswer::Yes;
    // Closing the question without an answer counts as No (nothing is saved), or as Cancel
    // where it can be cancelled (nothing happens).
    return answer == QMessageBox::No || style == MsgStyle::YesNoQuestion ? MsgAnswer::No : MsgAnswer::Cancel;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer)
{
    QInputDialog box(Owner());
    box.setWindowTitle(QString::fromStdString(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultAnswer));
    box.setInputMode(QInputDialog::TextInput);
    box.setMinimumWidth(TitleRoom(box.windowTitle()));
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue().toStdString();
}

std::string QtDialogs::ChooseFileToOpen(const std::string& title, const std::string& kind,
                                        const std::vector<std::string>& suffixes)
{
    QStringList patterns;
    for (const auto& suffix : suffixes) {
        patterns << QStringLiteral("*") + QString::fromStdString(suffix);
        patterns << QStringLiteral("*") + QString::fromStdString(suffix).toUpper();
    }
    const QString filter = QString::fromStdString(kind) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                           QStringLiteral(");;All files (*)");
    const QString start = openFolder_.isEmpty() ? QDir::homePath() : openFolder_;
    const QString path = QFileDialog::getOpenFileName(Owner(), QString::fromStdString(title), start, filter);
    if (path.isEmpty())
        return {};
    openFolder_ = QFileInfo(path).absolutePath();
    return QFile::encodeName(path).toStdString();
}

void QtDialogs::ShowAboutBox(AboutRole role, const AboutBoxActions& actions)
{
    // After a link the main window follows the game's state.
    const auto thenFollow = [this](const std::function<void(int)>& click) -> std::function<void(int)> {
        if (!click)
            return {};
        return [this, click](int index) {
            click(index);
            if (afterCall_)
                afterCall_();
        };
    };
    AboutBoxActions boxActions{actions.turnIcon, thenFollow(actions.emailClicked), thenFollow(actions.httpClicked), {}};
    const std::string gameDir = actions.gameDir.empty() ? QDir::currentPath().toStdString() : actions.gameDir;
    AboutBox box(role, gameDir, std::move(boxActions), Owner());
    CentreOnScreen(&box);
    box.exec();
}

}  // namespace tolvar
