#include "wave.h"

#include <algorithm>
#include <cstdlib>

namespace orvik::mkdata {

namespace {

void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

}  // namespace

Samples TrimTrailingSilence(const Samples& samples, int threshold, std::size_t keep) {
    std::size_t end = samples.size();
    while (end > 0 && std::abs(samples[end - 1]) <= threshold) --end;
    return Samples(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(std::min(samples.size(), end + keep)));
}

Samples HalveRate(const Samples& samples) {
    Samples out;
    out.reserve(samples.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2)
        out.push_back(static_cast<std::int16_t>((samples[i] + samples[i + 1]) / 2));
    return out;
}

std::string RiffWave8(const Samples& samples, std::uint32_t sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataSize % 2;
    std::string out = "RIFF";
    PutU32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, 1);           // PCM
    PutU16(out, 1);           // mono
    PutU32(out, sampleRate);
    PutU32(out, sampleRate);  // bytes per second
    PutU16(out, 1);           // block align
    PutU16(out, 8);           // bits per sample
    out += "data";
    PutU32(out, dataSize);
    for (std::int16_t s : samples) out.push_back(static_cast<char>((s >> 8) + 128));
    if (pad != 0) out.push_back(static_cast<char>(128));
    return out;
}

Samples Silence(std::uint32_t sampleRate, int ms) {
    return Samples(static_cast<std::size_t>(sampleRate) * static_cast<std::size_t>(ms) / 1000, 0);
}

}  // namespace orvik::mkdata
