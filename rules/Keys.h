#pragma once
// The key codes and the shift mask the key handlers take.

namespace tolvar {

enum KeyCode : int { VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_F9 = 120 };
enum ShiftMask : int { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

}  // namespace tolvar
