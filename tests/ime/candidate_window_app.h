// The application on the recording platform with the input method switched
// on in a mode, and another application in the foreground to send to.
#pragma once

#include <string>
#include <vector>

#include "ime/fixture_app.h"

namespace orvik::testing {

struct CandidateWindowApp : FixtureApp {
    explicit CandidateWindowApp(Mode mode = &OrvikU::TelexH_Click) : FixtureApp(mode) {
        main().Unicode_Click(menu_number::kUnicode);
        platform.SetForeground(kEditor, kEditorFocus);
        main().IMEstate_Click(10);
        platform.ClearCalls();
    }

    // Types keys through the hook: letters as their character codes.
    void Keys(std::u16string_view keys) {
        for (char16_t c : keys) platform.DeliverKey(static_cast<std::int16_t>(c));
    }
    std::int16_t Key(std::int16_t code, std::int16_t shift = 0) { return platform.DeliverKey(code, shift); }
};

}  // namespace orvik::testing
