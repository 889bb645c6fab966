// A fresh application on the recording platform, whose program directory is
// the hand-made index files of tests/fixtures/ime.
#pragma once

#include <string>

#include "platform/fake/recording_platform.h"
#include "shell/application.h"

namespace orvik::testing {

inline const std::string kProgramDir = ORVIK_FIXTURES "/ime";
inline const std::string kPageFile = "/current/temp.htm";

struct FixtureApp {
    RecordingPlatform platform{kProgramDir};
    Application app{platform};

    Module1& module() { return app.module(); }
    OrvikU& main() { return app.MainWindow(); }
    HVTNP& candidates() { return app.CandidateWindow(); }

    // Types `keys` into the candidate window as the key handling does.
    void Type(const std::u16string& keys) {
        module().TypedKeys = keys;
        candidates().ShowTypedCode();
    }
};

// The fragment between "<P>" and "</P>" of the page file last written.
inline std::string ShownFragment(const RecordingPlatform& platform) {
    const std::string page = platform.FileContent(kPageFile);
    const auto open = page.find("<P>");
    const auto close = page.find("</P>");
    if (open == std::string::npos || close == std::string::npos) return "(no page)";
    return page.substr(open + 3, close - open - 3);
}

}  // namespace orvik::testing
