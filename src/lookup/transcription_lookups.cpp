#include "lookup/transcription_lookups.h"

#include <algorithm>

#include "lookup/code_tables.h"

namespace orvik {

namespace {

constexpr std::size_t kBig5Width = 4;  // hex digits of a Big5 code after the "/"
constexpr std::size_t kMostReading = 50;
// The lines hold an entry every ten to fifteen characters.
constexpr std::size_t kTypicalEntry = 10;
constexpr std::size_t kTableSize = 0x10000;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

// The number a run of decimal digits writes as DecimalText would write it
// (no sign, no leading zero, at most seven digits); none for anything else.
std::optional<std::int32_t> CanonicalNumber(std::u16string_view digits) {
    if (digits.empty() || digits.size() > 7 || (digits[0] == u'0' && digits.size() > 1)) return std::nullopt;
    std::int32_t value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

TranscriptionLookups::TranscriptionLookups(const LookupLines& lines)
    : big5Line_(lines.Big5Line), readingLine_(lines.ReadingLine) {}

// An entry of a code point is "/", four characters, the code point's digits
// and "/": so each "/" starts a candidate whose digits run to the next "/".
void TranscriptionLookups::IndexBig5Line() {
    big5Indexed_ = true;
    big5Table_.assign(kTableSize, kNoEntry);
    for (std::size_t slash = big5Line_.find(u'/'); slash != std::u16string_view::npos;
         slash = big5Line_.find(u'/', slash + 1)) {
        const std::size_t digits = slash + kBig5Width + 1;
        const std::size_t end = big5Line_.find(u'/', digits);
        if (end == std::u16string_view::npos) break;
        const auto number = CanonicalNumber(big5Line_.substr(digits, end - digits));
        if (!number) continue;
        if (*number >= static_cast<std::int32_t>(kTableSize)) big5Beyond_.try_emplace(*number, slash);
        else if (big5Table_[static_cast<std::size_t>(*number)] == kNoEntry)
            big5Table_[static_cast<std::size_t>(*number)] = static_cast<std::uint32_t>(slash);
    }
}

std::optional<std::size_t> TranscriptionLookups::Big5Entry(std::int32_t codePoint) const {
    if (codePoint < static_cast<std::int32_t>(kTableSize)) {
        const std::uint32_t slash = big5Table_[static_cast<std::size_t>(codePoint)];
        if (slash == kNoEntry) return std::nullopt;
        return slash;
    }
    const auto entry = big5Beyond_.find(codePoint);
    if (entry == big5Beyond_.end()) return std::nullopt;
    return entry->second;
}

// An entry of a key starts the line or follows a "\", and its key runs to
// the next ":".
void TranscriptionLookups::IndexReadingLine() {
    auto& entries = readingEntries_.emplace();
    entries.reserve(readingLine_.size() / kTypicalEntry);
    std::size_t colon = readingLine_.find(u':');
    for (std::size_t start = 0; colon != std::u16string_view::npos;) {
        entries.try_emplace(readingLine_.substr(start, colon - start), start);
        const std::size_t backslash = readingLine_.find(u'\\', start);
        if (backslash == std::u16string_view::npos) break;
        start = backslash + 1;
        // The first ":" from the entry before may still be the first from here.
        if (colon < start) colon = readingLine_.find(u':', start);
    }
}

// The Big5 code is the four characters after the entry's "/". A negative
// number is no entry of the index; the whole line is searched.
std::optional<std::u16string> TranscriptionLookups::Big5Of(std::int32_t codePoint) {
    if (codePoint < 0) return CodePointToBig5(big5Line_, codePoint);
    if (!big5Indexed_) IndexBig5Line();
    const auto slash = Big5Entry(codePoint);
    if (!slash) return std::nullopt;
    return std::u16string(big5Line_.substr(*slash + 1, kBig5Width));
}

// The reading is at most 50 characters after the key's ":", cut before the
// first "\" and then before the first "/". A key holding ":" is no key of
// the index; the whole line is searched.
std::optional<std::u16string> TranscriptionLookups::FirstReadingOf(std::u16string_view key) {
    if (key.empty()) return std::nullopt;
    if (key.find(u':') != std::u16string_view::npos) return FirstReading(readingLine_, key);
    if (!readingEntries_) IndexReadingLine();
    const auto entry = readingEntries_->find(key);
    if (entry == readingEntries_->end()) return std::nullopt;
    const std::size_t from = std::min(entry->second + key.size() + 1, readingLine_.size());
    std::u16string_view reading = readingLine_.substr(from, kMostReading);
    for (const char16_t end : {u'\\', u'/'}) reading = reading.substr(0, reading.find(end));
    return std::u16string(reading);
}

}  // namespace orvik
