#include "kanjidic.h"

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "build_error.h"
#include "engine/text.h"
#include "tone_style.h"
#include "viet_syllable.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

constexpr std::string_view kLiteral = "<literal>";
constexpr std::string_view kReading = "<reading r_type=\"vietnam\">";
constexpr std::string_view kEnd = "</";

// The text of the element that starts at `at` with `open`, up to its end tag.
std::string_view ElementText(std::string_view xml, std::size_t at, std::string_view open) {
    const std::size_t start = at + open.size();
    const std::size_t end = xml.find(kEnd, start);
    return end == std::string_view::npos ? std::string_view() : xml.substr(start, end - start);
}

// KANJIDIC2 writes many tone marks as combining characters (K, i, U+0300);
// the tables and the Telex keys need the composed letters.
std::string Composed(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) throw BuildError("ICU has no NFC normaliser: " + std::string(u_errorName(status)));
    const icu::UnicodeString composed =
        nfc->normalize(icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size()))), status);
    if (U_FAILURE(status)) throw BuildError("KANJIDIC2 reading not normalisable: " + std::string(text));
    std::string out;
    return composed.toUTF8String(out);
}

std::string Normalised(std::string_view reading) {
    return NewStyleTone(U16ToUtf8(LCase(Utf8ToU16(Composed(reading)))));
}

}  // namespace

// The file is one element per line, each character's block starting with
// its literal; a linear scan keeps the 15 MB file cheap to read.
std::map<char32_t, std::vector<std::string>> KanjidicVietnamese(std::string_view xml) {
    std::map<char32_t, std::vector<std::string>> out;
    char32_t current = 0;
    std::size_t at = 0;
    while ((at = xml.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = xml.substr(at);
        if (rest.starts_with(kLiteral)) {
            const std::u32string cps = CodePoints(ElementText(xml, at, kLiteral));
            current = cps.size() == 1 ? cps.front() : 0;
        } else if (rest.starts_with(kReading) && current != 0) {
            auto& readings = out[current];
            const std::string reading = Normalised(ElementText(xml, at, kReading));
            if (SplitReading(reading) && std::find(readings.begin(), readings.end(), reading) == readings.end())
                readings.push_back(reading);
        }
        ++at;
    }
    if (out.empty()) throw BuildError("KANJIDIC2 holds no Vietnamese reading");
    return out;
}

}  // namespace orvik::mkdata
