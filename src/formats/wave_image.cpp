#include "formats/wave_image.h"

#include <optional>
#include <stdexcept>

namespace orvik {

namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::size_t kRiffHeader = 12;   // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeader = 8;   // id, size
constexpr std::size_t kPlainFmtSize = 16;
constexpr std::size_t kExtensibleFmtSize = 40;
constexpr std::size_t kSubFormatOffset = 24;  // the encoding tag inside an extensible "fmt " chunk

// Little-endian numbers at `at`; the caller has checked that they lie inside.
std::uint32_t Read32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint16_t Read16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void Append32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Append16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

std::optional<WaveEncoding> EncodingOf(std::uint16_t tag, std::uint16_t bits) {
    if (tag == kTagPcm && bits == 8) return WaveEncoding::UnsignedInt8;
    if (tag == kTagPcm && bits == 16) return WaveEncoding::SignedInt16;
    if (tag == kTagPcm && bits == 32) return WaveEncoding::SignedInt32;
    if (tag == kTagFloat && bits == 32) return WaveEncoding::Float32;
    return std::nullopt;
}

WaveParse Refuse(std::string error) { return {false, std::move(error), {}}; }

// The sample format of a "fmt " chunk's body, or why it cannot be played.
WaveParse ReadFormat(std::string_view body) {
    if (body.size() < kPlainFmtSize) return Refuse("the fmt chunk holds " + std::to_string(body.size()) + " bytes");
    std::uint16_t tag = Read16(body, 0);
    if (tag == kTagExtensible && body.size() >= kExtensibleFmtSize) tag = Read16(body, kSubFormatOffset);
    const std::uint16_t bits = Read16(body, 14);
    const auto encoding = EncodingOf(tag, bits);
    if (!encoding)
        return Refuse("unsupported encoding (tag " + std::to_string(tag) + ", " + std::to_string(bits) + " bits)");
    WaveParse parse{true, {}, {}};
    WaveFormat& format = parse.image.format;
    format = {*encoding, Read16(body, 2), Read32(body, 4)};
    if (format.channels == 0) return Refuse("no channel");
    if (format.sampleRate == 0) return Refuse("a sample rate of 0");
    if (Read16(body, 12) != format.BytesPerFrame())
        return Refuse("frames of " + std::to_string(Read16(body, 12)) + " bytes for " +
                      std::to_string(format.BytesPerFrame()) + " bytes of samples");
    return parse;
}

}  // namespace

std::uint16_t WaveFormat::BytesPerSample() const {
    switch (encoding) {
        case WaveEncoding::UnsignedInt8: return 1;
        case WaveEncoding::SignedInt16: return 2;
        case WaveEncoding::SignedInt32:
        case WaveEncoding::Float32: return 4;
    }
    return 1;
}

std::uint64_t WaveImage::Frames() const {
    const std::uint32_t frame = format.BytesPerFrame();
    return frame == 0 ? 0 : samples.size() / frame;
}

std::uint64_t WaveImage::DurationMs() const {
    if (format.sampleRate == 0) return 0;
    return (Frames() * 1000 + format.sampleRate - 1) / format.sampleRate;
}

WaveParse ParseWaveImage(std::string_view bytes) {
    if (bytes.size() < kRiffHeader) return Refuse("cut short: " + std::to_string(bytes.size()) + " bytes");
    if (bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return Refuse("no RIFF WAVE header");
    const std::uint64_t riffEnd = std::uint64_t{8} + Read32(bytes, 4);
    if (riffEnd > bytes.size())
        return Refuse("cut short: the header says " + std::to_string(riffEnd) + " bytes, there are " +
                      std::to_string(bytes.size()));
    const std::string_view riff = bytes.substr(0, static_cast<std::size_t>(riffEnd));
    std::optional<WaveParse> format;
    std::optional<std::string_view> data;
    for (std::size_t at = kRiffHeader; at + kChunkHeader <= riff.size() && !(format && data);) {
        const std::string_view id = riff.substr(at, 4);
        const std::uint32_t size = Read32(riff, at + 4);
        if (size > riff.size() - at - kChunkHeader)
            return Refuse("the " + std::string(id) + " chunk claims " + std::to_string(size) + " bytes, " +
                          std::to_string(riff.size() - at - kChunkHeader) + " remain");
        const std::string_view body = riff.substr(at + kChunkHeader, size);
        if (id == "fmt " && !format) {
            format = ReadFormat(body);
            if (!format->ok) return *format;
        }
        if (id == "data" && !data) data = body;
        at += kChunkHeader + size + (size & 1);
    }
    if (!format) return Refuse("no fmt chunk");
    if (!data) return Refuse("no data chunk");
    WaveParse parse = *format;
    const std::uint32_t frame = parse.image.format.BytesPerFrame();
    parse.image.samples = data->substr(0, data->size() - data->size() % frame);
    return parse;
}

std::string WriteWaveImage(const WaveFormat& format, std::string_view samples) {
    constexpr std::uint64_t kLargestRiff = 0xFFFFFFFFu;
    const std::size_t pad = samples.size() & 1;
    const std::uint64_t riffSize = 4 + kChunkHeader + kPlainFmtSize + kChunkHeader + samples.size() + pad;
    if (riffSize > kLargestRiff) throw std::length_error("a WAVE file holds at most 4 GiB of sound");
    const bool isFloat = format.encoding == WaveEncoding::Float32;
    std::string out;
    out.reserve(static_cast<std::size_t>(riffSize) + 8);
    out += "RIFF";
    Append32(out, static_cast<std::uint32_t>(riffSize));
    out += "WAVEfmt ";
    Append32(out, kPlainFmtSize);
    Append16(out, isFloat ? kTagFloat : kTagPcm);
    Append16(out, format.channels);
    Append32(out, format.sampleRate);
    Append32(out, format.sampleRate * format.BytesPerFrame());
    Append16(out, static_cast<std::uint16_t>(format.BytesPerFrame()));
    Append16(out, static_cast<std::uint16_t>(format.BytesPerSample() * 8));
    out += "data";
    Append32(out, static_cast<std::uint32_t>(samples.size()));
    out += samples;
    if (pad != 0) out.push_back('\0');
    return out;
}

}  // namespace orvik
