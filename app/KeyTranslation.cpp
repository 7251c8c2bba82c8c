#include "app/KeyTranslation.h"

#include <QKeyEvent>

#include "rules/Keys.h"

namespace tolvar {

namespace {

struct KeyPair {
    int qt;
    int vk;
};

// Keys whose virtual-key number is not their Qt number; letters and digits are the same in both.
constexpr KeyPair NamedKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},     {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},        {Qt::Key_Home, 36},
    {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},     {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},     {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},    {Qt::Key_Comma, 188},    {Qt::Key_Minus, 189},     {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},    {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};

// Keypad keys other than the digits, with Num Lock on.
constexpr KeyPair KeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
};

int ShiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftKey;
    if (modifiers & Qt::ControlModifier)
        mask |= CtrlKey;
    if (modifiers & Qt::AltModifier)
        mask |= AltKey;
    return mask;
}

}  // namespace

int VirtualKeyCode(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0);  // VK_NUMPAD0..9
        for (const KeyPair& key : KeypadKeys)
            if (key.qt == qtKey)
                return key.vk;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    for (const KeyPair& key : NamedKeys)
        if (key.qt == qtKey)
            return key.vk;
    return 0;
}

VirtualKey TranslateKey(const QKeyEvent& event)
{
    VirtualKey key;
    key.shift = ShiftMaskOf(event.modifiers());
    // Where the desktop lets Ctrl+Alt+F9 through, it arrives as the console-switch
    // keysym, which Qt knows no key for.
    if (event.nativeVirtualKey() == SwitchVt9Keysym) {
        key.code = VK_F9;
        key.shift |= CtrlKey | AltKey;
        return key;
    }
    key.code = VirtualKeyCode(event.key(), event.modifiers() & Qt::KeypadModifier);
    return key;
}

}  // namespace tolvar
