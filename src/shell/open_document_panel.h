// The main window's open-document panel Picture2: an Internet address, or a
// document file chosen by drive, folder and file, to open in the dictionary
// browser view. Hidden at first.
#pragma once

#include <string_view>

#include "platform/controls.h"

namespace orvik {

inline constexpr std::u16string_view kDocumentPattern = u"*.htm;*.html;*.doc;*.rtf;*.jpg;*.gif;*.bmp";

struct OpenDocumentPanel {
    bool Visible = false;
    Frame Frame1{u"Địa chỉ Internet (URL):"};
    ComboBox Combo1{u"http://"};  // the address box
    Frame Frame2{u"Văn bản trên đĩa (Html/Doc):"};
    DriveListBox Drive1{u"/"};
    DirListBox Dir1;
    FileListBox File1{{}, std::u16string(kDocumentPattern), {}};
    Button Command3{u"OK", {}};
    Button Command4{u"Cancel", {}};
};

}  // namespace orvik
