// The desktop's clipboard, in the RTF format or as plain text; 8-bit text
// holds one character per byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik {

class SystemClipboard {
public:
    virtual ~SystemClipboard() = default;

    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(std::u16string_view text, std::int32_t format) = 0;
    virtual std::u16string ClipboardGetText(std::int32_t format) = 0;
    // Whether the text ClipboardGetText last read was cut short: its owner
    // offered more than is read, or did not hand it all over in time.
    virtual bool ClipboardTextCut() = 0;
};

}  // namespace orvik
