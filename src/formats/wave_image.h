// A RIFF WAVE file held in memory, as the speech clips are: its sample
// format and the bytes of its sound, read without trusting any size the
// file states, and written back from those two parts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik {

// The encodings of the samples a clip may hold.
enum class WaveEncoding { UnsignedInt8, SignedInt16, SignedInt32, Float32 };

struct WaveFormat {
    WaveEncoding encoding = WaveEncoding::UnsignedInt8;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;

    std::uint16_t BytesPerSample() const;
    std::uint32_t BytesPerFrame() const { return static_cast<std::uint32_t>(BytesPerSample()) * channels; }
    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

// What a WAVE file holds: `samples` views whole frames of the file's data
// chunk inside the parsed bytes.
struct WaveImage {
    WaveFormat format;
    std::string_view samples;

    std::uint64_t Frames() const;
    // How long the sound lasts, in milliseconds, rounded up.
    std::uint64_t DurationMs() const;
};

struct WaveParse {
    bool ok = false;
    std::string error;  // what is wrong with the bytes, when !ok
    WaveImage image;
};

// Reads the RIFF header, the "fmt " chunk and the "data" chunk; other
// chunks are skipped. Refuses bytes that are cut short, a chunk that claims
// more than the file holds, and encodings other than 8-, 16- and 32-bit PCM
// and 32-bit float. A data chunk that ends in part of a frame is read to its
// last whole frame.
WaveParse ParseWaveImage(std::string_view bytes);

// A complete RIFF WAVE file: a 16-byte "fmt " chunk and one "data" chunk.
std::string WriteWaveImage(const WaveFormat& format, std::string_view samples);

}  // namespace orvik
