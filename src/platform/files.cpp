#include "platform/files.h"

#include "engine/text.h"

namespace orvik {

namespace {

// UTF-8 with damage has far more good sequences than bad bytes; an 8-bit
// file read as UTF-8 has few or none good ones.
constexpr std::size_t kGoodPerBad = 10;

}  // namespace

DecodedText DecodeFileText(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Bytes) return {FromBytes(bytes), 0};
    const Utf8Census census = CountUtf8(bytes);
    if (census.invalid == 0 || census.multibyte >= census.invalid * kGoodPerBad)
        return {Utf8ToU16(bytes), census.invalid};
    return {FromBytes(bytes), 0};
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

FileLines Files::ReadLines(const std::string& path, FileEncoding encoding) {
    FileText file = ReadText(path, encoding);
    if (!file.ok) return {false, file.reason, {}};
    return {true, {}, SplitLines(file.text)};
}

FileText Files::ReadText(const std::string& path, FileEncoding encoding) {
    FileBytes file = ReadFile(path);
    if (!file.ok) return {false, file.reason, {}};
    DecodedText decoded = DecodeFileText(file.bytes, encoding);
    if (decoded.badBytes > 0)
        LogLine(path + ": " + std::to_string(decoded.badBytes) + " bytes that are not UTF-8, read as U+FFFD");
    return {true, {}, std::move(decoded.text)};
}

}  // namespace orvik
