// The readers of clipboard RTF escapes and the transcription of a selection.
//
// Input: one options byte (bit 0: the "Nom" button down), then lines: the
// Big5 line of big5uni.idx, the reading line, and the RTF text (UTF-8, the
// rest of the input). The corrections of Tonaro.txt are plain replacements
// and are left out.
//
// What must hold: each escape read moves the cursor forward and gives at most
// the characters it promises; an escape's value stays within its six
// characters; the indexed look-ups of a transcription answer as the plain
// searches of the lines do, for every code and key the escapes give; a text
// with neither escapes nor commas (which become the escape of the full-width
// comma) transcribes to nothing; the transcription grows at most by a fixed
// factor of the RTF it reads.
#include <cstdint>
#include <string>

#include "engine/text.h"
#include "fuzz.h"
#include "lookup/rtf_escapes.h"
#include "lookup/code_tables.h"
#include "lookup/transcription.h"
#include "lookup/transcription_lookups.h"

namespace orvik::fuzz {
namespace {

void CheckLookups(TranscriptionLookups& indexed, const LookupLines& lines, std::int32_t codePoint) {
    const auto big5 = CodePointToBig5(lines.Big5Line, codePoint);
    ORVIK_FUZZ_CHECK(indexed.Big5Of(codePoint) == big5);
    for (const std::u16string& key : {big5.value_or(u""), UpperHexText(static_cast<std::uint32_t>(codePoint))})
        ORVIK_FUZZ_CHECK(indexed.FirstReadingOf(key) == FirstReading(lines.ReadingLine, key));
}

// Reads every escape `take` finds: each moves the cursor forward and gives
// at most `most` characters.
template <class Take, class Check>
void ForEachEscape(std::u16string_view rest, Take take, std::size_t most, Check check) {
    for (std::size_t before = rest.size(); const auto escape = take(rest); before = rest.size()) {
        ORVIK_FUZZ_CHECK(rest.size() < before && escape->size() <= most);
        check(*escape);
    }
}

// Each escape read gives a space and a reading of at most 50 characters (or
// a key of at most six); "," grows ninefold into an escape before they are
// read; a line break of the output ("-") takes three characters.
constexpr std::size_t kGrowth = 3 * 51 * 9;

void CheckTranscription(std::u16string_view rtf, const LookupLines& lines, bool nom) {
    const std::u16string readings = Transcribe(rtf, lines, nom, {});
    ORVIK_FUZZ_CHECK(readings.size() <= kGrowth * (rtf.size() + 1));
    if (rtf.find_first_of(u"\\,") == std::u16string_view::npos) ORVIK_FUZZ_CHECK(readings.empty());
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    if (size == 0) return 0;
    const bool nom = (data[0] & 1) != 0;
    const auto parts = fuzz::SplitInput(fuzz::AsText(data + 1, size - 1), '\n', 3);
    LookupLines lines;
    lines.Big5Line = FromBytes(parts[0]);
    lines.ReadingLine = Utf8ToU16(parts[1]);
    const std::u16string rtf = Utf8ToU16(parts[2]);

    TranscriptionLookups indexed(lines);
    fuzz::ForEachEscape(rtf, TakeUnicodeEscape, 6, [&](const std::u16string& digits) {
        const std::int32_t value = EscapeValue(digits);
        ORVIK_FUZZ_CHECK(value >= -99999 && value <= 999999);
        fuzz::CheckLookups(indexed, lines, value < 0 ? value + 65536 : value);
    });
    fuzz::ForEachEscape(rtf, TakeBig5Escape, 4, [&](const std::u16string& code) {
        ORVIK_FUZZ_CHECK(indexed.FirstReadingOf(code) == FirstReading(lines.ReadingLine, code));
    });
    fuzz::CheckTranscription(rtf, lines, nom);
    return 0;
}
