// The tables the look-ups and the transcription search, and the text files
// the builder writes: a Han or Nôm sentence keeps its punctuation through
// big5uni.idx, the reading tables and the corrections of Tonaro.txt.
#include "lookup_tables.h"

#include <gtest/gtest.h>

#include "big5_charmap.h"
#include "build_error.h"
#include "engine/text.h"
#include "formats/clipboard_rtf.h"
#include "lookup/transcription.h"
#include "source_files.h"
#include "syllables.h"
#include "text_files.h"
#include "text_lines.h"
#include "unihan_sample.h"

namespace orvik::mkdata {
namespace {

// ，(a141, rewritten by the corrections), 「 (a175) and a symbol with the code
// of 一, which the ideograph keeps.
const std::vector<Big5Symbol> kSymbols = {{0xA141, 0xFF0C}, {0xA175, 0x300C}, {0xA440, 0x2460}};

TEST(LookupTables, LinesHaveTheShapesTheLookUpsSearch) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(Big5Line(chars, {}), "/a44019968/a5dd31166/a7da20497/b3dc22777/");
    EXPECT_EQ(Big5Line(chars, kSymbols), "/a14165292/a17512300/a44019968/a5dd31166/a7da20497/b3dc22777/");
    // 们 (20204) and 弌 (24332) have no Big5 code; they show 們 and 一.
    EXPECT_EQ(VariantLine(chars), "2049720204/1996824332/");
    EXPECT_EQ(NomLine(chars), "19968/20204/22777/131739/");
    EXPECT_EQ(Big5UniFile(chars, kSymbols),
              Big5Line(chars, kSymbols) + "\r\n" + VariantLine(chars) + "\r\n" + NomLine(chars) + "\r\n");
}

TEST(LookupTables, ReadingTablesKeyByBig5CodeAndByCodePoint) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(HanReadingTable(chars, {}, {}), "a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_EQ(NomReadingTable(chars),
              "4E00:nhất/nhứt\\4EEC:môn\\5011:môn\\58F9:nhất\\5F0C:nhất/nhứt\\2029B:người\\\r\n");
}

TEST(LookupTables, SymbolsReadAsThemselvesUnlessACorrectionRewritesTheirCode) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(HanReadingTable(chars, kSymbols, {"a141"}), "a175:「\\a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_EQ(HanReadingTable(chars, {{0xA149, 0xFF01}, {0xA142, 0x3001}}, {}),
              "a142:,\\a149:!\\a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    // Fullwidth "／" and "＼" would read as the separators of the table.
    EXPECT_EQ(HanReadingTable(chars, {{0xA1FE, 0xFF0F}, {0xA240, 0xFF3C}}, {}), HanReadingTable(chars, {}, {}));
    EXPECT_EQ(CorrectedCodes(" a141/,\r\n ./.\r\n ff0c/,\r\n 3002 /. \r\n a1d0/.\r\n"),
              (std::set<std::string>{"a141", "a1d0", "ff0c"}));
}

// 禾 has no reading of its own or of a variant.
TEST(LookupTables, PredictionIsMarkedAndListedOnlyWhereTheTranscriptionShowsIt) {
    const auto withPrediction = [](bool transcribed) {
        Characters chars = SampleCharacters();
        chars.SetPrediction(0x79BE, {{"hòa", "hoa"}, "Quảng Đông wo4", transcribed, true});
        return chars;
    };
    EXPECT_EQ(HanReadingTable(withPrediction(true), {}, {}), "a440:nhất/nhứt\\a5dd:hòa*\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_NE(NomReadingTable(withPrediction(true)).find("\\79BE:hòa*\\"), std::string::npos);
    EXPECT_EQ(HanReadingTable(withPrediction(false), {}, {}), HanReadingTable(SampleCharacters(), {}, {}));
    EXPECT_EQ(NomReadingTable(withPrediction(false)).find("79BE"), std::string::npos);
}

// The tables built from the system's Big5 charmap and the project's
// corrections, read by the transcription from the clipboard's RTF.
TEST(PunctuationTranscription, HanAndNomSentencesKeepTheirPunctuation) {
    const Characters chars = SampleCharacters();
    const auto symbols = Big5Symbols(CharmapEntries(ReadGzFile("/usr/share/i18n/charmaps/BIG5.gz", "locales")), chars);
    const std::string tonaro =
        CorrectionList(ReadFile(ORVIK_SOURCE_DIR "/tools/mkdata/text/Tonaro.txt", "this project"));
    LookupLines han, nom;
    han.Big5Line = nom.Big5Line = Utf8ToU16(Big5Line(chars, symbols));
    han.ReadingLine = Utf8ToU16(HanReadingTable(chars, symbols, CorrectedCodes(tonaro)));
    nom.ReadingLine = Utf8ToU16(NomReadingTable(chars));
    CorrectionPairs corrections;
    ForEachLine(tonaro, [&](std::string_view line) {
        const std::size_t slash = line.find('/');
        corrections.emplace_back(Utf8ToU16(line.substr(0, slash)), Utf8ToU16(line.substr(slash + 1)));
    });

    const std::tuple<std::u16string, bool, std::u16string> cases[] = {  // text, Nôm, readings
        {u"一，壹。", false, u"nhất, nhất."},
        {u"一、們！壹？", false, u"nhất, môn! nhất?"},
        {u"一：壹；「一」", false, u"nhất: nhất; 「 nhất 」"},
        {u"一，们。", true, u"nhất, môn."},
        {u"𠊛，一、壹！们：一；", true, u"người, nhất, nhất! môn: nhất;"},
    };
    for (const auto& [text, isNom, readings] : cases)
        EXPECT_EQ(Transcribe(PlainTextRtf(text), isNom ? nom : han, isNom, corrections), readings)
            << U16ToUtf8(readings);
}

// Words of one page key share its page.
TEST(Syllables, LowerCaseTelexWordsOfTheDictionaryOnlyOneKeyPerPage) {
    const auto syllables = SyllablesOfDictionary("8\nABC\nNguyễn\nngười\nbông\nboong/F\nmix2\nngười\năn\n");
    ASSERT_EQ(syllables.size(), 4u);
    EXPECT_EQ(std::tuple(syllables[0].word, syllables[0].telex, syllables[0].pageKey),
              std::tuple("người", "nguwowif", "nguwowif"));
    EXPECT_EQ(syllables[2].word, "boong");
    const auto pages = ByPageKey(syllables);
    EXPECT_EQ(pages.at("boong").size(), 2u);
    EXPECT_EQ(WordListFile(pages), "/awn/boong/nguwowif");
}

TEST(CorrectionList, KeepsPairsAndRefusesALineWithoutFrom) {
    EXPECT_EQ(CorrectionList(" ./.\n ,/,\r\n\n"), " ./.\r\n ,/,\r\n");
    EXPECT_THROW(CorrectionList(" ./.\nno pair\n"), BuildError);
    EXPECT_THROW(CorrectionList("/x\n"), BuildError);
}

}  // namespace
}  // namespace orvik::mkdata
