#include "doubles/kept_sounds.h"

namespace orvik {

SoundResult KeptSounds::sndPlaySoundA(std::string_view sound, std::uint32_t flags) {
    calls_.push_back("sndPlaySoundA " + std::to_string(flags) + " (" + std::to_string(sound.size()) + " bytes)");
    if (refusal_) return {false, *refusal_};
    sounds_.emplace_back(sound);
    return {true, {}};
}

}  // namespace orvik
