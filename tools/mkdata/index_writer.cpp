#include "index_writer.h"

#include <algorithm>

#include "build_error.h"
#include "utf8.h"

namespace orvik::mkdata {

std::string EncodeLineNumber(int n) {
    return {static_cast<char>(34 + n / 96), static_cast<char>(34 + n % 96)};
}

std::string IndexField(char32_t cp, Layout layout) {
    if (layout == Layout::Han) return Hex(cp, 4, true);
    return cp <= 0xFFFF ? Hex(cp, 4, true) + " " : Hex(cp, 5, true);
}

void IndexWriter::Fail(const std::string& what) const { throw BuildError(fileName_ + ": " + what); }

int IndexWriter::AddLine(const std::vector<char32_t>& candidates) {
    if (candidates.empty()) Fail("an empty candidate line");
    if (candidates.size() > kMaxFields)
        Fail("a line of " + std::to_string(candidates.size()) + " characters (at most " +
             std::to_string(kMaxFields) + ")");
    if (LineCount() + 1 >= kMaxIndexLines)
        Fail("more than " + std::to_string(kMaxIndexLines - 1) + " candidate lines");
    const char32_t limit = layout_ == Layout::Han ? 0xFFFF : 0xFFFFF;
    std::string line;
    for (char32_t cp : candidates) {
        if (cp < 0x100 || cp > limit) Fail("U+" + Hex(cp, 4, true) + " does not fit a field of this layout");
        line += IndexField(cp, layout_);
    }
    lines_.push_back(std::move(line));
    return LineCount() - 1;
}

void IndexWriter::AddKey(const std::string& key, int line) {
    if (key.empty() || key.size() > kMaxKeyLength)
        Fail("key '" + key + "' is not 1 to " + std::to_string(kMaxKeyLength) + " characters long");
    const bool plain = std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
    if (!plain) Fail("key '" + key + "' holds a character other than a-z, 0-9");
    if (line < 0 || line >= LineCount()) Fail("key '" + key + "' leads to no line");
    if (std::find(keys_.begin(), keys_.end(), key) != keys_.end()) Fail("key '" + key + "' listed twice");
    keys_.push_back(key);
    directory_ += EncodeLineNumber(line) + "!" + key + " ";
}

std::string IndexWriter::Bytes() const {
    std::string out;
    for (const auto& line : lines_) out += line + "\r\n";
    return out + directory_ + "\r\n";
}

}  // namespace orvik::mkdata
