#include "lookup/variant_table.h"

#include <charconv>

namespace orvik {

namespace {

constexpr std::size_t kTargetWidth = 5;

// The number a key's text names, when the text is exactly how that number
// is written (a search for the number's digits would find nothing else).
bool ParseKey(std::u16string_view text, std::int32_t& value) {
    std::string narrow;
    for (const char16_t c : text) {
        if (c > 0x7F) return false;
        narrow += static_cast<char>(c);
    }
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    return error == std::errc() && end == narrow.data() + narrow.size() && std::to_string(value) == narrow;
}

}  // namespace

VariantTable::VariantTable(std::u16string line) : line_(std::move(line)) { Index(); }

VariantTable& VariantTable::operator=(std::u16string line) {
    line_ = std::move(line);
    Index();
    return *this;
}

// A key starts five characters after the line's start or after a "/" and
// runs to the next "/"; the first entry of a key is the one found.
void VariantTable::Index() {
    keyPositions_.clear();
    const auto add = [this](std::size_t start) {
        if (start >= line_.size()) return;
        const std::size_t end = line_.find(u'/', start);
        if (end == std::u16string::npos) return;
        std::int32_t key = 0;
        if (ParseKey(std::u16string_view(line_).substr(start, end - start), key))
            keyPositions_.try_emplace(key, static_cast<int>(start) + 1);
    };
    add(kTargetWidth);
    for (std::size_t slash = line_.find(u'/'); slash != std::u16string::npos; slash = line_.find(u'/', slash + 1))
        add(slash + 1 + kTargetWidth);
}

int VariantTable::KeyPosition(std::int32_t codePoint) const {
    const auto found = keyPositions_.find(codePoint);
    return found == keyPositions_.end() ? 0 : found->second;
}

}  // namespace orvik
