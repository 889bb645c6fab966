#include "platform/headless_desktop.h"

namespace orvik {

void HeadlessDesktop::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    clipboard_[format] = std::u16string(text);
}

std::u16string HeadlessDesktop::ClipboardGetText(std::int32_t format) {
    const auto text = clipboard_.find(format);
    return text == clipboard_.end() ? std::u16string() : text->second;
}

}  // namespace orvik
