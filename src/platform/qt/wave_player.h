// Playing a WAVE file held in memory through the desktop's default sound
// output, synchronously: the call returns when the clip has been played.
#pragma once

#include <string_view>

#include "platform/platform.h"

namespace orvik {

// Plays `image`, a complete RIFF WAVE file. The user's input waits until
// the clip ends (other events, such as the key hook's, still run). Where the
// desktop has no sound output, a silent sink takes the clip in the time it
// lasts, so a read-aloud keeps its pace headless. A damaged header, a format
// the device refuses, a device error or a device that has not finished
// within the clip's duration and two seconds is answered as not played.
SoundResult PlayWave(std::string_view image);

}  // namespace orvik
