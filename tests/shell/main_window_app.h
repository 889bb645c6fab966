// The main window on the recording platform in a mode with the VietWare-X
// letters, typed into key by key as the desktop types into its box.
#pragma once

#include <string>
#include <string_view>

#include "engine/code_decoder.h"
#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/fixture_app.h"
#include "shell/typing_box.h"

namespace orvik::testing {

// The page the main window opens with.
inline constexpr std::u16string_view kStartPage = u"its:hvtdu.chm::/html\\khoidong.htm";

struct MainWindowApp : FixtureApp {
    explicit MainWindowApp(void (OrvikU::*mode)(std::int16_t) = &OrvikU::TelexH_Click) {
        (main().*mode)(0);
        main().VW2_Click(menu_number::kVW2);
        platform.ClearCalls();
    }

    void Key(std::int16_t code, std::int16_t shift = 0) { TypeIntoText1(main(), code, shift); }
    // Letters, digits and spaces as their keys.
    void Keys(std::u16string_view keys) {
        for (char16_t c : keys) {
            const bool small = c >= u'a' && c <= u'z';
            Key(static_cast<std::int16_t>(small ? c - 32 : c));
        }
    }
    // The typing box as it reads in its VietWare-X font.
    std::u16string Box() { return CodeDecoder(kVietWareX).Decode(main().Text1.Text); }

    // A list of `count` candidates, 5000, 5001, ... in hexadecimal.
    // Lists `count` candidates from U+5000 on, each with its Han page.
    void ListCandidates(int count) {
        std::u16string line;
        for (int i = 0; i < count; ++i) {
            line += UpperHexText(static_cast<std::uint32_t>(0x5000 + i));
            module().Big5Line += u"a440" + DecimalText(0x5000 + i) + u"/";
        }
        BuildCandidatePages(module(), line, Layout::Han, false);
    }
};

}  // namespace orvik::testing
