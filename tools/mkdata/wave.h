// Shaping synthesised speech into the small clips of the speech database:
// trailing silence cut, half the sample rate, 8-bit samples, a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvik::mkdata {

using Samples = std::vector<std::int16_t>;

// Cuts the samples after the last one louder than `threshold`, keeping
// `keep` samples of the fade-out.
Samples TrimTrailingSilence(const Samples& samples, int threshold, std::size_t keep);

// Every two samples averaged into one (a simple low-pass before halving).
Samples HalveRate(const Samples& samples);

// A complete RIFF WAVE file of 8-bit unsigned mono PCM.
std::string RiffWave8(const Samples& samples, std::uint32_t sampleRate);

// `ms` milliseconds of silence at `sampleRate`.
Samples Silence(std::uint32_t sampleRate, int ms);

}  // namespace orvik::mkdata
