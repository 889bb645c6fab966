// The data the input mode loads: its index file (the candidate lines and the
// directory line that leads to them), its names as the windows show them,
// and the look-up lines read with it. Only the mode actions change it; the
// typing session, the look-ups and the windows read it. One object, owned
// by the application.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ime/index_layout.h"
#include "lookup/shared_lines.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace orvik {

inline constexpr int kIndexSlots = 9001;  // lines 0 to 9000 of an index file

class Module1 : public LookupLines {
public:
    Module1(Files& files, Dialogs& dialogs);

    std::vector<std::u16string> IndexLines;  // kIndexSlots slots
    std::u16string DirectoryLine;
    std::u16string ModeTitle;  // as the status bar and the candidate window's label show it
    std::u16string ModeName;   // as the candidate window's frame shows it

    // Loads the index file `fileName` of the program directory into
    // IndexLines and DirectoryLine, after the three lines of big5uni.idx and
    // before the reading table chosen by the tool bar's "Nom" button. Files
    // that cannot be read or are out of shape (the index's fields measured by
    // `layout`), and an index too long for its slots, are reported in one
    // message box; what could be read is kept.
    void LoadModeIndex(std::u16string_view fileName, bool nomButtonDown, Layout layout);

private:
    Files& files_;
    Dialogs& dialogs_;  // the problems of a load
};

// The line number written in the first two characters of `text`:
// (b1 - 34) * 96 + (b2 - 34), b the characters' byte values. A text shorter
// than two characters gives -1, which no slot has.
int DecodeLineNumber(std::u16string_view text);

}  // namespace orvik
