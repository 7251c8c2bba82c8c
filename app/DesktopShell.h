#pragma once
// Web pages and mail addresses go to the desktop's default handlers.
#include <QProcessEnvironment>

#include "core/Services.h"

namespace tolvar {

class DesktopShell : public ShellPort {
public:
    void Open(const std::string& address) override;

    /// The environment a program the game starts gets: the game's own, less its sound names.
    static QProcessEnvironment ProgramEnvironment();
};

}  // namespace tolvar
