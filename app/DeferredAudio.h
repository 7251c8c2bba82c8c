#pragma once
// The sound ports the game is handed before it starts. The players behind them are
// made on first use, so nothing of the audio side (a sound stream, the effect files,
// the synthesiser) is opened before start-up has passed its single-instance and
// level-set checks, and a game that ends there opens none of it.
#include <functional>
#include <memory>
#include <string>

#include "app/AudioBackend.h"

namespace tolvar {

class DeferredAudio final : public SoundPort, public MciPort {
public:
    explicit DeferredAudio(std::function<AudioBackend()> make) : make_(std::move(make)) {}

    void PlaySound(const std::string& fileName) override { Backend().sound->PlaySound(fileName); }
    int SendString(const std::string& command, std::string& returnText, int returnLength) override
    {
        return Backend().mci->SendString(command, returnText, returnLength);
    }

    /// Whether the players have been made.
    bool IsOpen() const { return opened_; }

private:
    AudioBackend& Backend()
    {
        if (!opened_) {
            backend_ = make_();
            opened_ = true;
        }
        return backend_;
    }

    std::function<AudioBackend()> make_;
    AudioBackend backend_;
    bool opened_ = false;
};

}  // namespace tolvar
