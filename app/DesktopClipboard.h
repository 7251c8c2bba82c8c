#pragma once
// The desktop's clipboard, as the game's plain text.
#include "core/Services.h"

namespace tolvar {

class DesktopClipboard : public ClipboardPort {
public:
    std::string Text() override;
    void SetText(const std::string& text) override;
};

}  // namespace tolvar
