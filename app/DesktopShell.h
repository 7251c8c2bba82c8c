#pragma once
// Web pages and mail addresses go to the desktop's default handlers.
#include "core/Services.h"

namespace tolvar {

class DesktopShell : public ShellPort {
public:
    void Open(const std::string& address) override;
};

}  // namespace tolvar
