#include "formats/wave_image.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvik {
namespace {

void Put(std::string& bytes, std::size_t at, std::uint32_t value, int width = 4) {
    for (int i = 0; i < width; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// 16-bit stereo at 8000 Hz: 100 frames of 4 bytes, 12.5 ms.
const WaveFormat kStereo16{WaveEncoding::SignedInt16, 2, 8000};
const std::string kSamples(400, '\x11');

// Offsets in a file WriteWaveImage wrote.
constexpr std::size_t kRiffSize = 4, kFmtSize = 16, kFmtTag = 20, kFmtChannels = 22, kFmtRate = 24,
                      kFmtBlockAlign = 32, kFmtBits = 34, kDataId = 36, kDataSize = 40;

TEST(WaveImage, ReadsBackWhatItWrites) {
    for (const WaveFormat& format : {kStereo16, WaveFormat{WaveEncoding::UnsignedInt8, 1, 11025},
                                     WaveFormat{WaveEncoding::Float32, 1, 48000},
                                     WaveFormat{WaveEncoding::SignedInt32, 3, 22050}}) {
        const std::string samples(format.BytesPerFrame() * 7, '\x42');
        const std::string wave = WriteWaveImage(format, samples);  // the parse views it
        const WaveParse parse = ParseWaveImage(wave);
        ASSERT_TRUE(parse.ok) << parse.error;
        EXPECT_EQ(parse.image.format, format);
        EXPECT_EQ(parse.image.samples, samples);
        EXPECT_EQ(parse.image.Frames(), 7u);
    }
    const std::string wave = WriteWaveImage(kStereo16, kSamples);
    EXPECT_EQ(ParseWaveImage(wave).image.DurationMs(), 13u);  // 12.5 ms, rounded up
}

TEST(WaveImage, SkipsOtherChunksAndPaddingAndDropsAPartFrame) {
    // An odd-sized chunk before the sound is padded to an even length.
    std::string wave = WriteWaveImage(kStereo16, kSamples);
    wave.insert(kDataId, std::string("LIST\x03\0\0\0abc\0", 12));
    Put(wave, kRiffSize, static_cast<std::uint32_t>(wave.size() - 8));
    WaveParse parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.samples, kSamples);

    // A data chunk ending in half a frame; bytes after the RIFF chunk.
    wave = WriteWaveImage(kStereo16, kSamples + "\x11\x11");
    wave += "trailing";
    parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.samples, kSamples);
}

TEST(WaveImage, RefusesDamagedHeadersWithoutReadingPastThem) {
    const std::string good = WriteWaveImage(kStereo16, kSamples);
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        const char* error;
    };
    const Case cases[] = {
        {"eleven bytes", [](std::string& w) { w.resize(11); }, "cut short"},
        {"no RIFF", [](std::string& w) { w[0] = 'X'; }, "no RIFF WAVE header"},
        {"no WAVE", [](std::string& w) { w[8] = 'X'; }, "no RIFF WAVE header"},
        {"RIFF size beyond the file", [](std::string& w) { Put(w, kRiffSize, 0xFFFFFFF0); }, "cut short"},
        {"data size past the end by one", [&](std::string& w) { Put(w, kDataSize, static_cast<std::uint32_t>(kSamples.size() + 1)); },
         "claims"},
        {"fmt size beyond the file", [](std::string& w) { Put(w, kFmtSize, 0xFFFFFFFF); }, "claims"},
        {"fmt too short", [](std::string& w) { Put(w, kFmtSize, 14); }, "fmt chunk holds 14 bytes"},
        {"no fmt chunk", [](std::string& w) { w[12] = 'X'; }, "no fmt chunk"},
        {"no data chunk", [](std::string& w) { w[kDataId] = 'X'; }, "no data chunk"},
        {"RIFF ends before the data", [](std::string& w) { Put(w, kRiffSize, kDataId - 8); }, "no data chunk"},
        {"ADPCM", [](std::string& w) { Put(w, kFmtTag, 2, 2); }, "unsupported encoding (tag 2, 16 bits)"},
        {"24-bit", [](std::string& w) { Put(w, kFmtBits, 24, 2); }, "unsupported encoding (tag 1, 24 bits)"},
        {"no channel", [](std::string& w) { Put(w, kFmtChannels, 0, 2); }, "no channel"},
        {"rate 0", [](std::string& w) { Put(w, kFmtRate, 0); }, "sample rate of 0"},
        {"block align", [](std::string& w) { Put(w, kFmtBlockAlign, 3, 2); }, "frames of 3 bytes"},
    };
    for (const Case& c : cases) {
        std::string wave = good;
        c.damage(wave);
        // A copy has no spare capacity: the sanitizer sees a read past its end.
        const std::string exact(wave);
        const WaveParse parse = ParseWaveImage(exact);
        EXPECT_FALSE(parse.ok) << c.what;
        EXPECT_NE(parse.error.find(c.error), std::string::npos) << c.what << ": " << parse.error;
    }
}

}  // namespace
}  // namespace orvik
