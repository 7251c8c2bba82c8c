#include "audio/StreamNaming.h"

#include <cstdlib>
#include <mutex>

namespace tolvar::audio {

namespace {

// libpulse reads PULSE_PROP_OVERRIDE_<property> when a connection to the server is made;
// PipeWire's PulseAudio server shows the same names.
constexpr const char* NameVariable = "PULSE_PROP_OVERRIDE_application.name";
constexpr const char* IconVariable = "PULSE_PROP_OVERRIDE_application.icon_name";
constexpr const char* RoleVariable = "PULSE_PROP_OVERRIDE_media.role";

std::mutex lock;
std::string application, icon;
int holders = 0;

}  // namespace

void NameSoundStreams(const std::string& applicationName, const std::string& iconName)
{
    std::lock_guard guard(lock);
    application = applicationName;
    icon = iconName;
}

StreamNaming::StreamNaming(const std::string& role) : role_(!role.empty())
{
    std::lock_guard guard(lock);
    if (holders++ == 0 && !application.empty()) {
        setenv(NameVariable, application.c_str(), 1);
        setenv(IconVariable, icon.c_str(), 1);
    }
    if (role_)
        setenv(RoleVariable, role.c_str(), 1);
}

StreamNaming::~StreamNaming()
{
    std::lock_guard guard(lock);
    if (role_)
        unsetenv(RoleVariable);
    if (--holders == 0) {
        unsetenv(NameVariable);
        unsetenv(IconVariable);
    }
}

}  // namespace tolvar::audio
