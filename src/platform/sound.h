// The sound device, for the read-aloud clips.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik {

// Whether a sound was played through to its end, and why not.
struct SoundResult {
    bool played = false;
    std::string reason;  // what refused the sound, when !played
};

class Sound {
public:
    virtual ~Sound() = default;

    // Plays a sound and returns when it has been played. With kSndMemory,
    // the only flag the program uses, `sound` is a complete RIFF WAVE file
    // held in memory.
    virtual SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) = 0;
};

}  // namespace orvik
