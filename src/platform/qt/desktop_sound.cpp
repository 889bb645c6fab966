#include "platform/qt/desktop_sound.h"

#include "platform/qt/wave_player.h"

namespace orvik {

SoundResult DesktopSound::sndPlaySoundA(std::string_view sound, std::uint32_t flags) {
    if ((flags & kSndMemory) == 0) return {false, "only sounds held in memory are played"};
    return PlayWave(sound);
}

}  // namespace orvik
