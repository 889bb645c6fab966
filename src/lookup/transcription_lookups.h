// The two look-ups the transcription makes for every character it reads, a
// Big5 code by code point in Big5Line and a first reading by key in the
// reading table, answered from indexes of the lines built once per
// transcription. A selection of thousands of characters would otherwise
// search the long lines from their start for each one. Every answer is the
// one CodePointToBig5 and FirstReading give.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lookup/shared_lines.h"

namespace orvik {

class TranscriptionLookups {
public:
    // The lines must outlive the look-ups.
    explicit TranscriptionLookups(const LookupLines& lines);

    std::optional<std::u16string> Big5Of(std::int32_t codePoint);
    std::optional<std::u16string> FirstReadingOf(std::u16string_view key);

private:
    void IndexBig5Line();
    void IndexReadingLine();

    std::u16string_view big5Line_;
    std::u16string_view readingLine_;
    std::optional<std::size_t> Big5Entry(std::int32_t codePoint) const;

    // Where the first entry of each code point starts (its "/"): a table for
    // the Basic Multilingual Plane, which holds every Big5 character, and a
    // map for larger numbers. Where the first entry of each key in the
    // reading table starts. Built on first use.
    bool big5Indexed_ = false;
    std::vector<std::uint32_t> big5Table_;
    std::unordered_map<std::int32_t, std::size_t> big5Beyond_;
    std::optional<std::unordered_map<std::u16string_view, std::size_t>> readingEntries_;
};

}  // namespace orvik
