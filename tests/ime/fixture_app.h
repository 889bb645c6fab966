// A fresh application on the recording platform, whose program directory is
// the hand-made index files of tests/fixtures/ime.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/letter_tables.h"
#include "engine/text.h"
#include "doubles/recording_platform.h"
#include "shell/application.h"

namespace orvik::testing {

inline const std::string kProgramDir = ORVIK_FIXTURES "/ime";
inline const std::string kPageFile = "/current/temp.htm";
// Another application's window and focused control.
inline constexpr WindowHandle kEditor = 500;
inline constexpr WindowHandle kEditorFocus = 501;

struct FixtureApp {
    using Mode = void (OrvikU::*)(std::int16_t);
    RecordingPlatform platform{kProgramDir};
    Application app{platform};

    FixtureApp() = default;
    // The input mode `mode` chosen from the menu.
    explicit FixtureApp(Mode mode) { (main().*mode)(0); }

    Module1& module() { return app.module(); }
    TypingSession& session() { return app.session(); }
    OrvikU& main() { return app.MainWindow(); }
    HVTNP& candidates() { return app.CandidateWindow(); }

    // The recorded calls whose text starts with one of `prefixes`.
    std::vector<std::string> CallsOf(std::initializer_list<std::string_view> prefixes) const {
        std::vector<std::string> out;
        for (const auto& call : platform.Calls())
            for (auto prefix : prefixes)
                if (call.rfind(prefix, 0) == 0) out.push_back(call);
        return out;
    }

    // Types `keys` into the candidate window as the key handling does.
    void Type(const std::u16string& keys) {
        session().SetKeys(keys);
        candidates().ShowTypedCode();
    }
};

// The letters of the output code `code`.
inline LetterTables LettersOf(std::int16_t code) {
    LetterTables tables;
    BuildLetterTables(tables, code);
    return tables;
}

// The candidate page fragment the candidate window shows.
inline std::string ShownFragment(const RecordingPlatform& platform) {
    return U16ToUtf8(platform.DrawnPage("HVTNP.WebBrowser1"));
}

}  // namespace orvik::testing
