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
    explicit MainWindowApp(Mode mode = &OrvikU::TelexH_Click) : FixtureApp(mode) {
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

    // Lists `count` candidates from U+5000 on, each with its Han page, then
    // the field `last` if one is given, in the fields of the mode.
    void ListCandidates(int count, std::u16string_view last = {}) {
        const std::size_t width = static_cast<std::size_t>(FieldWidth(session().FieldLayout()));
        std::u16string line;
        const auto add = [&](std::u16string field) {
            field.resize(width, u' ');
            line += field;
        };
        for (int i = 0; i < count; ++i) {
            add(UpperHexText(static_cast<std::uint32_t>(0x5000 + i)));
            module().Big5Line += u"a440" + DecimalText(0x5000 + i) + u"/";
        }
        if (!last.empty()) add(std::u16string(last));
        session().ListCandidateLine(line, false);
    }
};

}  // namespace orvik::testing
