#include "clips.h"

#include "clip_database.h"
#include "speech.h"
#include "wave.h"

namespace orvik::mkdata {

namespace {

// Below this a 16-bit sample counts as silence; 20 ms of fade-out are kept.
constexpr int kSilenceThreshold = 400;
constexpr int kFadeOutMs = 20;

}  // namespace

// Clips are 8-bit at half espeak-ng's rate (11,025 Hz): speech stays clear and
// the whole database stays far below 40 MB. The pauses are silent clips:
// cach0 after a comma, cach2 after a full stop, cach1 for a word that has no
// clip of its own.
std::size_t BuildClips(const std::vector<Syllable>& syllables, const std::filesystem::path& file) {
    Speech speech("vi");
    const std::uint32_t rate = speech.SampleRate() / 2;
    ClipDatabase db(file);
    for (const auto& s : syllables) {
        const Samples spoken = speech.Speak(s.word);
        const Samples trimmed = TrimTrailingSilence(spoken, kSilenceThreshold, speech.SampleRate() * kFadeOutMs / 1000);
        db.Add(s.word, "", RiffWave8(HalveRate(trimmed), rate));
    }
    db.Add("cach0", "", RiffWave8(Silence(rate, 150), rate));
    db.Add("cach2", "", RiffWave8(Silence(rate, 450), rate));
    db.Add("cach1", "cach1", RiffWave8(Silence(rate, 250), rate));
    db.Commit();
    return db.Count();
}

}  // namespace orvik::mkdata
