#include "platform/platform.h"

#include "engine/text.h"

namespace orvik {

std::u16string DecodeFileText(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8 && IsValidUtf8(bytes)) return Utf8ToU16(bytes);
    return FromBytes(bytes);
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == u'\r') --stop;
        lines.emplace_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

FileLines Platform::ReadLines(const std::string& path, FileEncoding encoding) {
    FileBytes file = ReadFile(path);
    if (!file.ok) return {false, file.reason, {}};
    return {true, {}, SplitLines(DecodeFileText(file.bytes, encoding))};
}

FileText Platform::ReadText(const std::string& path, FileEncoding encoding) {
    FileBytes file = ReadFile(path);
    if (!file.ok) return {false, file.reason, {}};
    return {true, {}, DecodeFileText(file.bytes, encoding)};
}

void SendCopyKeys(Platform& platform) {
    platform.keybd_event(kVkControl, kScanControl, 0);
    platform.keybd_event(kVkC, kScanC, 0);
    platform.keybd_event(kVkC, kScanC, kKeyEventKeyUp);
    platform.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
}

}  // namespace orvik
