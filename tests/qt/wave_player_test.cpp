// Playing a clip from memory through the desktop's sound output, or the
// silent sink where there is none (as on the test machines): either way the
// call returns once the clip has been played.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "formats/wave_image.h"
#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

TEST(WavePlayerTest, PlaysAClipFromMemoryAndRefusesAnythingElse) {
    std::string samples(1323, '\x80');  // 120 ms at 11025 Hz, 8 bits, mono, as the clips are
    for (std::size_t i = 0; i < samples.size(); i += 20) samples[i] = '\x90';
    const std::string clip = WriteWaveImage({WaveEncoding::UnsignedInt8, 1, 11025}, samples);
    QtPlatform platform(".");
    QElapsedTimer clock;
    clock.start();
    const SoundResult played = platform.sndPlaySoundA(clip, kSndMemory);
    EXPECT_TRUE(played.played) << played.reason;
    EXPECT_GE(clock.elapsed(), 110);

    for (const auto& [sound, flags, reason] : {std::tuple{clip.substr(0, clip.size() / 2), kSndMemory, "damaged WAVE"},
                                               {clip, 0u, "only sounds held in memory"}}) {
        const SoundResult refused = platform.sndPlaySoundA(sound, flags);
        EXPECT_FALSE(refused.played);
        EXPECT_EQ(refused.reason.rfind(reason, 0), 0u) << refused.reason;
    }
}

}  // namespace
}  // namespace orvik
