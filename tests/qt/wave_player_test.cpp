// Playing a clip from memory through the desktop's sound output, or the
// silent sink where there is none (as on the test machines).
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/qt/qt_platform.h"
#include "formats/wave_image.h"

namespace orvik {
namespace {

// 120 ms of a quiet 8-bit tone at 11025 Hz, mono, as the clips are.
std::string ShortClip() {
    std::string samples(1323, '\x80');
    for (std::size_t i = 0; i < samples.size(); i += 20) samples[i] = '\x90';
    return WriteWaveImage({WaveEncoding::UnsignedInt8, 1, 11025}, samples);
}

TEST(WavePlayer, PlaysAClipFromMemoryAndReturnsWhenItHasBeenPlayed) {
    QtPlatform platform(".");
    const std::string clip = ShortClip();
    QElapsedTimer clock;
    clock.start();
    const SoundResult result = platform.sndPlaySoundA(clip, kSndMemory);
    EXPECT_TRUE(result.played) << result.reason;
    EXPECT_GE(clock.elapsed(), 110);
}

TEST(WavePlayer, RefusesWhatIsNoWaveInMemory) {
    QtPlatform platform(".");
    std::string damaged = ShortClip();
    damaged.resize(damaged.size() / 2);
    struct Case { std::string sound; std::uint32_t flags; const char* reason; };
    const Case cases[] = {
        {damaged, kSndMemory, "damaged WAVE file: cut short"},
        {"RIFF", kSndMemory, "damaged WAVE file: cut short"},
        {ShortClip(), 0, "only sounds held in memory are played"},
    };
    for (const Case& c : cases) {
        const SoundResult result = platform.sndPlaySoundA(c.sound, c.flags);
        EXPECT_FALSE(result.played);
        EXPECT_EQ(result.reason.rfind(c.reason, 0), 0u) << result.reason;
    }
}

}  // namespace
}  // namespace orvik
