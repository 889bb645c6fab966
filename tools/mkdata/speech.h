// Vietnamese speech from libespeak-ng, synthesised in this process.
#pragma once

#include <cstdint>
#include <string>

#include "wave.h"

namespace orvik::mkdata {

// One voice set up once; Speak is synchronous. Only one Speech may exist
// (espeak-ng keeps process-wide state).
class Speech {
public:
    explicit Speech(const std::string& voice);
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    std::uint32_t SampleRate() const { return sampleRate_; }
    Samples Speak(const std::string& utf8Text);

private:
    std::uint32_t sampleRate_ = 0;
};

}  // namespace orvik::mkdata
