#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "engine/text.h"
#include "lookup/wpopup.h"
#include "platform/data_folder_desktop.h"
#include "formats/wave_image.h"
#include "wave_request.h"

namespace orvik::cli {

namespace {

// The desktop of the popup as the command reads aloud: its current
// directory is the data directory, where doctv.MDB lies; each clip played
// is kept instead of sounding; the first message ends the command.
class SpeechRecorder : public DataFolderDesktop {
public:
    using DataFolderDesktop::DataFolderDesktop;

    std::int32_t MsgBox(std::u16string_view text, std::int32_t, std::u16string_view) override {
        if (message_.empty()) message_ = text;
        return kIdOk;
    }
    SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) override {
        SoundResult result = HeadlessDesktop::sndPlaySoundA(sound, flags);
        if (result.played) clips_.emplace_back(sound);
        return result;
    }

    const std::u16string& Message() const { return message_; }
    const std::vector<std::string>& Clips() const { return clips_; }

private:
    std::u16string message_;
    std::vector<std::string> clips_;
};

// Reading takes about 4 ms a word (14,000 words took over a minute).
constexpr long kMostSpokenWords = 1000;

// One WAVE file of all the clips' sound, one after another.
std::string JoinClips(const std::vector<std::string>& clips) {
    WaveFormat format;
    std::string samples;
    for (std::size_t i = 0; i < clips.size(); ++i) {
        const WaveParse wave = ParseWaveImage(clips[i]);
        if (i == 0) format = wave.image.format;
        if (wave.image.format != format)
            throw std::runtime_error("clip " + std::to_string(i + 1) + " differs in sample format from the first");
        samples += wave.image.samples;
    }
    return WriteWaveImage(format, samples);
}

}  // namespace

// Reads TEXT aloud as the popup reads a transcription, with the clips of
// DIR/doctv.MDB, and writes the clips it played into one WAVE file.
int RunSpeak(const Args& args, Streams io) {
    WaveRequest request;
    const std::string usage = "usage: orvik speak [--data DIR] TEXT --out FILE.wav";
    if (const int status = ParseWaveRequest(args, "speak", usage, request, io.err); status != 0) return status;
    std::string text;
    for (const std::string& word : request.words) text += (text.empty() ? "" : " ") + word;
    if (std::count(text.begin(), text.end(), ' ') >= kMostSpokenWords)
        return UsageError(io.err, "speak reads at most " + std::to_string(kMostSpokenWords) + " words");
    SpeechRecorder desktop(request.dataDir);
    WPopup popup{PopupDesktop(desktop)};
    popup.ShowTranscription(Utf8ToU16(text));
    popup.Command1_Click();
    if (!desktop.Message().empty()) {
        io.err << "orvik: " << U16ToUtf8(desktop.Message()) << "\n";
        return 1;
    }
    if (desktop.Clips().empty()) {
        io.err << "orvik: nothing in the text is read aloud (ideographs and numbers are skipped)\n";
        return 1;
    }
    try {
        const std::string wave = JoinClips(desktop.Clips());
        WriteWaveFile(request.out, wave);
        const WaveParse written = ParseWaveImage(wave);
        io.out << request.out << ": " << desktop.Clips().size() << " clips, " << written.image.DurationMs() << " ms, "
               << wave.size() << " bytes\n";
    } catch (const std::exception& e) {
        io.err << "orvik: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace orvik::cli
