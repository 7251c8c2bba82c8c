// A build without the audio room: the game runs without sound and music.
#include "app/AudioBackend.h"

namespace tolvar {

namespace {

class SilentSound : public SoundPort {
public:
    void PlaySound(const std::string&) override {}
};

// Every command fails as it would for a device that cannot be opened, so the
// watchdog never sees a piece stop; the return text keeps what the caller put in.
class SilentSequencer : public MciPort {
public:
    int SendString(const std::string&, std::string&, int) override
    {
        return DeviceNotOpen;
    }

private:
    static constexpr int DeviceNotOpen = 263;
};

}  // namespace

AudioBackend MakeAudioBackend(const std::string&)
{
    return {std::make_unique<SilentSound>(), std::make_unique<SilentSequencer>()};
}

void NameAudioStreams(const std::string&) {}

std::vector<std::string> AudioStreamNamingVariables()
{
    return {};
}

}  // namespace tolvar
