// The shared module: the process-wide state of the system and the operations
// on it that several windows use. One object, owned by the application.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ime/font_size.h"
#include "ime/index_layout.h"
#include "lookup/shared_lines.h"
#include "platform/platform.h"

namespace orvik {

inline constexpr int kIndexSlots = 9001;  // lines 0 to 9000 of an index file

class Module1 : public LookupLines {
public:
    explicit Module1(Platform& platform);

    std::vector<std::u16string> IndexLines;  // kIndexSlots slots
    std::u16string DirectoryLine;
    std::u16string ModeTitle;
    std::u16string ModeName;

    // Sending: the foreground window at the last send and its focused
    // control; the clipboard ("98") or character ("2K") mode.
    WindowHandle TargetWindow = 0;
    WindowHandle TargetFocus = 0;
    bool System98 = true;

    // Fonts of the ideograph output and of Vietnamese text. The ideograph
    // size keeps what the font dialog gives, such as 10.5.
    std::u16string NomFontName = u"Chu Nom Minh U";
    FontSizeValue NomFontSize;
    std::u16string VnFontName = u"Arial";
    int VnFontSize = 12;

    // Loads the index file `fileName` of the program directory into
    // IndexLines and DirectoryLine, after the three lines of big5uni.idx and
    // before the reading table chosen by the tool bar's "Nom" button. Files
    // that cannot be read or are out of shape (the index's fields measured by
    // `layout`), and an index too long for its slots, are reported in one
    // message box; what could be read is kept.
    void LoadModeIndex(std::u16string_view fileName, bool nomButtonDown, Layout layout);

private:
    Platform& platform_;
};

// The line number written in the first two characters of `text`:
// (b1 - 34) * 96 + (b2 - 34), b the characters' byte values. A text shorter
// than two characters gives -1, which no slot has.
int DecodeLineNumber(std::u16string_view text);

}  // namespace orvik
