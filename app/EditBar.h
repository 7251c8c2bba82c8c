#pragma once
// frm_Edit, the editor's tool window: the seven palette buttons and "&Edit",
// "&Test", "E&xit". It shows what the game's controls say and reports clicks.
#include <QImage>
#include <QWidget>
#include <array>

#include "rules/Grid.h"

class QPushButton;

namespace tolvar {

struct Controls;

class EditBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 401;
    static constexpr int ClientHeight = 38;
    static constexpr int PaletteSize = CellCodeCount;

    EditBar(unsigned generation, QWidget* parent);

    /// The generation of the game's edit bar this window was built for.
    unsigned Generation() const { return generation_; }
    /// The palette's pictures and the buttons enabled as in `controls`; the palette button
    /// `chosen` shows pressed.
    void Show(const Controls& controls, const std::array<QImage, PaletteSize>& pictures, int chosen);
    /// Closes the window because the game closed the edit bar: no report back.
    void CloseForGame();

    QPushButton* PaletteButton(int index) const { return palette_[static_cast<std::size_t>(index)]; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* TestButton() const { return test_; }
    QPushButton* ExitButton() const { return exit_; }

Q_SIGNALS:
    void objectClicked(int index);
    void editClicked();
    void testClicked();
    void exitClicked();
    /// The player closed the window with its close box.
    void closedByPlayer();
    /// A move key pressed while a button of the bar has the keyboard: it is the game's, as
    /// a key on the board is (virtual-key code and shift mask).
    void keyPressed(int key, int shift);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    unsigned generation_;
    bool closingForGame_ = false;
    QWidget* popupOf_ = nullptr;  // the main window, where the bar is its popup
    bool dismissed_ = false;      // the compositor closed the popup
    std::array<QPushButton*, PaletteSize> palette_{};
    QPushButton* edit_ = nullptr;
    QPushButton* test_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace tolvar
