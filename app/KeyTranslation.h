#pragma once
// The one place where a Qt key event becomes the virtual-key code and shift mask
// the game's key handlers take.
class QKeyEvent;

namespace tolvar {

struct VirtualKey {
    int code = 0;   // Windows virtual-key number; 0 for a key the game has no name for
    int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    bool operator==(const VirtualKey&) const = default;
};

/// X keysym of Ctrl+Alt+F9: the desktop turns the chord into "switch to console 9".
constexpr unsigned long SwitchVt9Keysym = 0x1008FE09UL;

VirtualKey TranslateKey(const QKeyEvent& event);

/// The virtual-key code of a Qt key (Qt::Key); `keypad` tells a keypad digit from a top-row one.
int VirtualKeyCode(int qtKey, bool keypad);

}  // namespace tolvar
