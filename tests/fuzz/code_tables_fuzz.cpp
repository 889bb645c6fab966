// The look-ups in the shared lines of big5uni.idx and in a reading table.
//
// Input: lines (LF): the Big5 line, the variant line, the Nom line, the
// reading line, then decimal code points to look up (any non-digit
// separates them).
//
// Each look-up runs twice. On the lines as given, whatever they hold, its
// answers keep their promised shape. On the lines rebuilt in their exact
// layout from the entries that could be read out of the input, it must give
// what those entries say: a number never matches the tail of a longer one
// nor a run across two fields or entries (the regression inputs hold the
// look-ups that once did). The code points looked up are the listed ones,
// their tails and extensions, the runs across neighbouring fields, and those
// of the input.
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/text.h"
#include "fuzz.h"
#include "lookup/code_tables.h"
#include "lookup/ideographs.h"

namespace orvik::fuzz {
namespace {

// Each look-up reads a whole line; more code points would only slow a run.
constexpr std::size_t kMostQueries = 64;

// The entries read out of the input, the lines rebuilt from them, and the
// code points to look up.
struct Tables {
    std::map<std::int32_t, std::u16string> big5OfCodePoint;  // the first entry of each
    std::map<std::u16string, std::int32_t> codePointOfBig5;
    std::map<std::int32_t, std::int32_t> targetOfKey;
    std::set<std::int32_t> nom;
    std::map<std::u16string, std::u16string> firstReading;
    std::u16string big5Line = u"/", variantLine, nomLine, readingLine;
    std::set<std::int32_t> queries;
};

template <class Map>
std::optional<typename Map::mapped_type> Listed(const Map& map, const typename Map::key_type& key) {
    const auto found = map.find(key);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

bool AllOf(std::u16string_view text, std::u16string_view allowed) {
    return !text.empty() && text.find_first_not_of(allowed) == std::u16string_view::npos;
}

std::optional<std::int32_t> CodePointIn(std::u16string_view digits, std::int32_t low) {
    if (!AllOf(digits, u"0123456789") || digits.size() > 7) return std::nullopt;
    const auto value = static_cast<std::int32_t>(DecimalValue(digits));
    if (value < low || value > 0x10FFFF) return std::nullopt;
    return value;
}

std::vector<std::u16string_view> Fields(std::u16string_view line, char16_t separator) {
    std::vector<std::u16string_view> fields;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = std::min(line.find(separator, at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return fields;
}

// Every number written next to another and the numbers around it: the
// candidates for a false match.
void AddNeighbours(Tables& t, std::int32_t a, std::int32_t b) {
    if (t.queries.size() >= kMostQueries) return;
    for (std::int32_t n : {a, b}) {
        for (std::int32_t cut = 10; cut <= 1000000; cut *= 10) t.queries.insert(n % cut);
        t.queries.insert(n * 10 + 8);
    }
    const std::u16string across = DecimalText(a).substr(1) + DecimalText(b);
    if (const auto n = CodePointIn(across.substr(0, 7), 1)) t.queries.insert(*n);
}

// Entries "/" + four lower-case hex digits + decimal code point.
void ReadBig5Line(Tables& t, std::u16string_view line) {
    std::int32_t before = 0;
    for (std::u16string_view field : Fields(line, u'/')) {
        const auto codePoint = field.size() < 5 ? std::nullopt : CodePointIn(field.substr(4), 1);
        if (!AllOf(field.substr(0, 4), u"0123456789abcdef") || !codePoint || *codePoint > 0xFFFF) continue;
        const std::u16string big5(field.substr(0, 4));
        t.big5OfCodePoint.emplace(*codePoint, big5);
        t.codePointOfBig5.emplace(big5, *codePoint);
        t.big5Line += big5 + DecimalText(*codePoint) + u"/";
        AddNeighbours(t, before, *codePoint);
        before = *codePoint;
    }
}

// Entries of five-digit target and key + "/".
void ReadVariantLine(Tables& t, std::u16string_view line) {
    for (std::u16string_view field : Fields(line, u'/')) {
        const auto target = CodePointIn(field.substr(0, 5), 10000);
        const auto key = field.size() == 10 ? CodePointIn(field.substr(5), 10000) : std::nullopt;
        if (!target || !key || *target > 0xFFFF || *key > 0xFFFF) continue;
        t.targetOfKey.emplace(*key, *target);
        t.variantLine += DecimalText(*target) + DecimalText(*key) + u"/";
        AddNeighbours(t, *target, *key);
    }
}

// Entries of a decimal code point + "/".
void ReadNomLine(Tables& t, std::u16string_view line) {
    std::int32_t before = 0;
    for (std::u16string_view field : Fields(line, u'/')) {
        const auto codePoint = field.empty() || field[0] == u'0' ? std::nullopt : CodePointIn(field, 1);
        if (!codePoint) continue;
        t.nom.insert(*codePoint);
        t.nomLine += DecimalText(*codePoint) + u"/";
        AddNeighbours(t, before, *codePoint);
        before = *codePoint;
    }
}

// Entries "key:reading/reading\": keys of hexadecimal digits, readings
// without the separators.
void ReadReadingLine(Tables& t, std::u16string_view line) {
    for (std::u16string_view entry : Fields(line, u'\\')) {
        const std::size_t colon = entry.find(u':');
        const std::u16string key(entry.substr(0, colon));
        if (colon == std::u16string_view::npos || !AllOf(key, u"0123456789abcdefABCDEF") || key.size() > 6) continue;
        const std::u16string_view readings = entry.substr(colon + 1);
        t.firstReading.emplace(key, readings.substr(0, readings.find(u'/')).substr(0, 50));
        t.readingLine += key + u":" + std::u16string(readings) + u"\\";
    }
}

// On the lines as given: the variant index finds what a search of the line
// finds, and the answers keep their shape.
void CheckAsGiven(const std::u16string& big5, const VariantTable& variant, const std::u16string& reading,
                  std::int32_t codePoint) {
    ORVIK_FUZZ_CHECK(FindVariantKey(variant, codePoint) == FindVariantKey(variant.Line(), codePoint));
    ORVIK_FUZZ_CHECK(VariantTarget(variant, codePoint) == VariantTarget(variant.Line(), codePoint));
    if (const auto code = CodePointToBig5(big5, codePoint)) ORVIK_FUZZ_CHECK(code->size() == 4);
    if (const auto first = FirstReading(reading, UpperHexText(static_cast<std::uint32_t>(codePoint))))
        ORVIK_FUZZ_CHECK(first->size() <= 50 && first->find_first_of(u"\\/") == std::u16string::npos);
}

void CheckRebuilt(const Tables& t, std::int32_t codePoint) {
    const bool ideograph = IsIdeograph(codePoint);
    ORVIK_FUZZ_CHECK(CodePointToBig5(t.big5Line, codePoint) == Listed(t.big5OfCodePoint, codePoint));
    ORVIK_FUZZ_CHECK(HasHanPage(t.big5Line, codePoint) == (ideograph && t.big5OfCodePoint.count(codePoint) > 0));
    ORVIK_FUZZ_CHECK(VariantTarget(t.variantLine, codePoint) == Listed(t.targetOfKey, codePoint));
    ORVIK_FUZZ_CHECK((FindNomEntry(t.nomLine, codePoint) > 0) == (t.nom.count(codePoint) > 0));
    ORVIK_FUZZ_CHECK(HasNomPage(t.nomLine, codePoint) == (ideograph && t.nom.count(codePoint) > 0));
    const std::u16string key = UpperHexText(static_cast<std::uint32_t>(codePoint));
    ORVIK_FUZZ_CHECK(FirstReading(t.readingLine, key) == Listed(t.firstReading, key));
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), '\n', 5);
    const std::u16string big5 = FromBytes(parts[0]), nom = FromBytes(parts[2]);
    const VariantTable variant(FromBytes(parts[1]));
    const std::u16string reading = Utf8ToU16(parts[3]);

    fuzz::Tables tables;
    fuzz::ReadBig5Line(tables, big5);
    fuzz::ReadVariantLine(tables, variant.Line());
    fuzz::ReadNomLine(tables, nom);
    fuzz::ReadReadingLine(tables, reading);
    std::u16string queries = FromBytes(parts[4]);
    for (char16_t& c : queries)
        if (c < u'0' || c > u'9') c = u' ';
    for (std::u16string_view field : fuzz::Fields(queries, u' ')) {
        if (tables.queries.size() >= 2 * fuzz::kMostQueries) break;
        if (const auto n = fuzz::CodePointIn(field.substr(0, 7), 0)) tables.queries.insert(*n);
    }

    for (const std::int32_t codePoint : tables.queries) {
        fuzz::CheckAsGiven(big5, variant, reading, codePoint);
        fuzz::CheckRebuilt(tables, codePoint);
    }
    for (const auto& [code, codePoint] : tables.codePointOfBig5) {
        ORVIK_FUZZ_CHECK(Big5ToCodePoint(tables.big5Line, code) == codePoint);
        ORVIK_FUZZ_CHECK(FirstReading(tables.readingLine, code) == fuzz::Listed(tables.firstReading, code));
    }
    return 0;
}
