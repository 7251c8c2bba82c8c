// The game's sound streams carry its names; a name the user gave the whole program stays, and the
// variables the game set are the ones a program it starts goes without.
#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/StreamNaming.h"

namespace tolvar::audio {
namespace {

TEST(StreamNaming, namesEveryConnectionButKeepsWhatTheUserSet)
{
    setenv("PULSE_PROP_OVERRIDE_application.icon_name", "users-icon", 1);
    unsetenv("PULSE_PROP_OVERRIDE_application.name");
    unsetenv("PULSE_PROP_media.role");
    NameSoundStreams("TOLVAR", "tolvar", "music");
    EXPECT_STREQ(std::getenv("PULSE_PROP_OVERRIDE_application.name"), "TOLVAR");
    EXPECT_STREQ(std::getenv("PULSE_PROP_OVERRIDE_application.icon_name"), "users-icon");
    EXPECT_STREQ(std::getenv("PULSE_PROP_media.role"), "music");
    EXPECT_EQ(SoundNamingVariables(),
              (std::vector<std::string>{"PULSE_PROP_OVERRIDE_application.name", "PULSE_PROP_media.role"}));
}

}  // namespace
}  // namespace tolvar::audio
