#include "speech.h"

#include <espeak-ng/speak_lib.h>

#include "build_error.h"

namespace orvik::mkdata {

namespace {

int Collect(short* wav, int count, espeak_EVENT* events) {
    auto* out = static_cast<Samples*>(events->user_data);
    if (wav != nullptr && count > 0) out->insert(out->end(), wav, wav + count);
    return 0;
}

}  // namespace

Speech::Speech(const std::string& voice) {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (rate <= 0) throw BuildError("espeak-ng could not start (package espeak-ng-data missing?)");
    sampleRate_ = static_cast<std::uint32_t>(rate);
    espeak_SetSynthCallback(Collect);
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK)
        throw BuildError("espeak-ng has no voice '" + voice + "' (package espeak-ng-data)");
}

Speech::~Speech() { espeak_Terminate(); }

Samples Speech::Speak(const std::string& utf8Text) {
    Samples out;
    const espeak_ERROR status = espeak_Synth(utf8Text.c_str(), utf8Text.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &out);
    if (status != EE_OK) throw BuildError("espeak-ng failed to speak '" + utf8Text + "'");
    return out;
}

}  // namespace orvik::mkdata
