#include "audio/StreamNaming.h"

#include <cstdlib>

namespace tolvar::audio {

namespace {

// libpulse reads PULSE_PROP_OVERRIDE_<property> and PULSE_PROP_<property> when a connection to
// the server is made; PipeWire's PulseAudio server shows the same names.
constexpr const char* NameVariable = "PULSE_PROP_OVERRIDE_application.name";
constexpr const char* IconVariable = "PULSE_PROP_OVERRIDE_application.icon_name";
constexpr const char* RoleVariable = "PULSE_PROP_media.role";

std::vector<std::string> set;

// A name the user gave the whole program stays, and stays in the programs the game starts.
void Set(const char* variable, const std::string& value)
{
    if (value.empty() || std::getenv(variable))
        return;
    if (setenv(variable, value.c_str(), 1) == 0)
        set.emplace_back(variable);
}

}  // namespace

void NameSoundStreams(const std::string& application, const std::string& iconName, const std::string& role)
{
    Set(NameVariable, application);
    Set(IconVariable, iconName);
    Set(RoleVariable, role);
}

std::vector<std::string> SoundNamingVariables()
{
    return set;
}

}  // namespace tolvar::audio
