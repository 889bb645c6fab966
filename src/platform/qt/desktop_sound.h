// Sound through the desktop's default sound output (see PlayWave).
#pragma once

#include "platform/sound.h"

namespace orvik {

class DesktopSound : public virtual Sound {
public:
    SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) override;
};

}  // namespace orvik
