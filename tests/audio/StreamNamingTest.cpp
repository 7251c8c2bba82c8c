// The game's sound streams carry its names, and only its own: the names are in the environment
// while a stream's connection is made, and gone after, so a program the game starts keeps its own.
#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/StreamNaming.h"

namespace tolvar::audio {
namespace {

const char* Name() { return std::getenv("PULSE_PROP_OVERRIDE_application.name"); }
const char* Role() { return std::getenv("PULSE_PROP_OVERRIDE_media.role"); }

TEST(StreamNaming, namesConnectionsOnlyWhileOneIsHeld)
{
    NameSoundStreams("TOLVAR", "tolvar");
    EXPECT_EQ(Name(), nullptr);
    {
        const StreamNaming music("music");
        {
            const StreamNaming effects;
            EXPECT_STREQ(Name(), "TOLVAR");
            EXPECT_STREQ(std::getenv("PULSE_PROP_OVERRIDE_application.icon_name"), "tolvar");
        }
        EXPECT_STREQ(Name(), "TOLVAR");  // the music's connection is still being made
        EXPECT_STREQ(Role(), "music");
    }
    EXPECT_EQ(Name(), nullptr);
    EXPECT_EQ(Role(), nullptr);
}

}  // namespace
}  // namespace tolvar::audio
