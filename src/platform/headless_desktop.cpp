#include "platform/headless_desktop.h"

#include <chrono>
#include <thread>

namespace orvik {

void HeadlessDesktop::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    clipboard_[format] = std::u16string(text);
}

std::u16string HeadlessDesktop::ClipboardGetText(std::int32_t format) {
    const auto text = clipboard_.find(format);
    return text == clipboard_.end() ? std::u16string() : text->second;
}

void HeadlessDesktop::Sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace orvik
