#pragma once
// Message boxes, input boxes, file dialogs and the about box, modal, over the main window once it shows.
#include <QString>
#include <functional>

#include "core/Services.h"

class QWidget;

namespace tolvar {

class QtDialogs : public Dialogs {
public:
    /// The window the boxes are modal to; a hidden one is not used as parent.
    void AttachWindow(QWidget* window) { window_ = window; }
    /// Called after the about box's links, so the main window follows the game's state.
    void SetAfterCall(std::function<void()> afterCall) { afterCall_ = std::move(afterCall); }

    MsgAnswer MsgBox(const std::string& text, MsgStyle style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer) override;
    std::string ChooseFileToOpen(const std::string& title, const std::string& kind,
                                 const std::vector<std::string>& suffixes) override;
    void ShowAboutBox(AboutRole role, const AboutBoxActions& actions = {}) override;

private:
    QWidget* Owner() const;

    QWidget* window_ = nullptr;
    std::function<void()> afterCall_;
    QString openFolder_;  // where the last file was chosen: the next file dialog opens there
};

}  // namespace tolvar
