// The sound device of a test: keeps each sound's bytes, or refuses them
// once the test said so.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound.h"

namespace orvik {

class KeptSounds : public virtual Sound {
public:
    explicit KeptSounds(std::vector<std::string>& calls) : calls_(calls) {}

    SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) override;

    const std::vector<std::string>& PlayedSounds() const { return sounds_; }
    void RefuseSounds(std::string reason) { refusal_ = std::move(reason); }

private:
    std::vector<std::string>& calls_;
    std::vector<std::string> sounds_;
    std::optional<std::string> refusal_;
};

}  // namespace orvik
