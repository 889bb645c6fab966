// The data files the builder makes, read by the transcription: a Han or Nôm
// sentence keeps its punctuation through big5uni.idx, the reading tables and
// the corrections of Tonaro.txt.
#include <gtest/gtest.h>

#include "big5_charmap.h"
#include "engine/text.h"
#include "lookup/transcription.h"
#include "lookup_tables.h"
#include "source_files.h"
#include "text_files.h"
#include "text_lines.h"
#include "unihan_sample.h"

namespace orvik {
namespace {

using namespace mkdata;

struct BuiltData {
    LookupLines han, nom;
    CorrectionPairs corrections;
};

BuiltData Build() {
    const Characters chars = SampleCharacters();
    const auto symbols = Big5Symbols(CharmapEntries(ReadGzFile("/usr/share/i18n/charmaps/BIG5.gz", "locales")), chars);
    const std::string tonaro =
        CorrectionList(ReadFile(ORVIK_SOURCE_DIR "/tools/mkdata/text/Tonaro.txt", "this project"));
    BuiltData data;
    data.han.Big5Line = data.nom.Big5Line = Utf8ToU16(Big5Line(chars, symbols));
    data.han.ReadingLine = Utf8ToU16(HanReadingTable(chars, symbols, CorrectedCodes(tonaro)));
    data.nom.ReadingLine = Utf8ToU16(NomReadingTable(chars));
    ForEachLine(tonaro, [&](std::string_view line) {
        const std::size_t slash = line.find('/');
        data.corrections.emplace_back(Utf8ToU16(line.substr(0, slash)), Utf8ToU16(line.substr(slash + 1)));
    });
    return data;
}

// The RTF a Unicode-aware editor puts on the clipboard.
std::u16string Rtf(std::u32string_view text) {
    std::u16string rtf = u"{\\rtf1\\ansi ";
    // Escapes are signed 16-bit numbers; a supplementary character is written whole.
    for (char32_t c : text) {
        const long value = c > 0xFFFF ? static_cast<long>(c) : static_cast<std::int16_t>(c);
        rtf += u"\\u" + Utf8ToU16(std::to_string(value)) + u" ?";
    }
    return rtf + u"}";
}

TEST(PunctuationTranscription, HanAndNomSentencesKeepTheirPunctuation) {
    const BuiltData data = Build();
    struct Case { std::u32string text; bool nom; std::u16string readings; };
    const Case cases[] = {
        {U"一，壹。", false, u"nhất, nhất."},
        {U"一、們！壹？", false, u"nhất, môn! nhất?"},
        {U"一：壹；「一」", false, u"nhất: nhất; 「 nhất 」"},
        {U"一，们。", true, u"nhất, môn."},
        {U"𠊛，一、壹！们：一；", true, u"người, nhất, nhất! môn: nhất;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Transcribe(Rtf(c.text), c.nom ? data.nom : data.han, c.nom, data.corrections), c.readings)
            << U16ToUtf8(c.readings);
}

}  // namespace
}  // namespace orvik
