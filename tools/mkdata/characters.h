// What the data files say about each ideograph, gathered once from Unihan,
// KANJIDIC2 and the Guangyun: Big5 code, Vietnamese readings (own, inherited
// from a variant or predicted), Middle Chinese positions, shape and Mandarin
// codes, the other readings, dictionary facts and the frequency signals.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "middle_chinese.h"
#include "unihan.h"

namespace orvik::mkdata {

// Readings proposed for a character that has none, from its other readings.
// Where the transcription shows one it carries this mark, which no real
// reading has and the read-aloud drops ("?" would read as a question mark:
// the corrections join " ?" to the word before).
inline constexpr std::string_view kPredictedMark = "*";

struct Prediction {
    std::vector<std::string> readings;  // best first
    std::string sources;                // the readings and characters it rests on
    bool inReadingTables = false;       // transcribed, marked as predicted
    bool inTelex = false;               // typed, after the characters with real readings
};

// Where a reading was found; a reading both sources give carries both.
enum ReadingSource : unsigned { kFromUnihan = 1, kFromKanjidic = 2 };

struct Ideograph {
    char32_t cp = 0;
    std::uint16_t big5 = 0;                // 0: no Big5 code
    // Vietnamese readings, lower case, the main Hán Việt reading first once
    // ranked (the transcription shows the first).
    std::vector<std::string> viet;
    bool vietInherited = false;            // readings taken from a variant
    std::vector<std::string> unihanViet;   // kVietnamese, Nôm and Hán alike, in Unihan's order
    std::vector<std::string> kanjidicViet; // KANJIDIC2, Sino-Vietnamese first
    std::vector<MiddleChinese> positions;  // in the Guangyun
    std::string cangjie;                   // upper-case letters as in Unihan
    std::vector<std::string> mandarin;     // kMandarin: the main readings first
    std::vector<std::string> pinyin;       // every Mandarin reading, main ones first
    long pinlu = 0;                        // kHanyuPinlu counts, summed
    int frequencyTier = 6;                 // kFrequency 1-5; 6 when absent
    int gradeLevel = 7;                    // kGradeLevel 1-6; 7 when absent
    std::string definition, cantonese, radicalStrokes, totalStrokes;
    std::string korean, japaneseOn, tang, phonetic;
    std::vector<char32_t> variants;        // traditional, simplified, semantic, Z
    std::vector<char32_t> traditional, simplified;
    std::optional<Prediction> prediction;  // only for characters without viet

    bool HasOwnReading() const { return !viet.empty() && !vietInherited; }
    // A Nôm dictionary entry: Unihan's kVietnamese serves Nôm.
    bool HasNomReading() const { return !unihanViet.empty(); }
    // Which sources give `reading` (0 for an inherited one).
    unsigned SourcesOf(const std::string& reading) const;
    // The readings as a Nôm reader looks for them: Unihan's order, then
    // KANJIDIC2's others.
    std::vector<std::string> NomOrder() const;
    // Big5 level 1 (A440-C67E) holds the common characters.
    int Big5Level() const { return big5 == 0 ? 3 : (big5 <= 0xC67E ? 1 : 2); }
};

// Appends `item` unless `list` holds it already: readings keep their first
// place.
void AddUnique(std::vector<std::string>& list, const std::string& item);

// The Unihan fields the builder reads.
std::set<std::string, std::less<>> WantedUnihanFields();

// The sources beside Unihan; a build without them reads Unihan alone.
struct OtherSources {
    std::map<char32_t, std::vector<std::string>> kanjidic;  // KANJIDIC2's readings
    std::map<char32_t, std::vector<MiddleChinese>> guangyun;
};

class Characters {
public:
    // Own readings in KANJIDIC2's order, then Unihan's others, until they
    // are ranked; characters without any inherit from a variant.
    explicit Characters(const Unihan& unihan, const OtherSources& other = {});

    const Ideograph* Find(char32_t cp) const;
    const std::map<char32_t, Ideograph>& All() const { return all_; }

    std::vector<char32_t> Big5Set() const;   // in Big5 code order
    std::vector<char32_t> NomSet() const;    // kVietnamese, code-point order
    // BMP characters with a reading of their own, and Big5 characters with an
    // inherited one.
    std::vector<char32_t> HanReadingSet() const;
    // Big5 characters typed only by their predicted readings.
    std::vector<char32_t> PredictedTelexSet() const;

    void SetPrediction(char32_t cp, Prediction prediction);
    void SetReadings(char32_t cp, std::vector<std::string> readings);
    // A character without a reading of its own reads as its first variant
    // that has one; run again after own readings were set, it follows them.
    void InheritReadings();

    // True when `a` is more likely in running text than `b`.
    bool MoreFrequent(char32_t a, char32_t b) const;
    void SortByFrequency(std::vector<char32_t>& cps) const;

private:
    std::map<char32_t, Ideograph> all_;
};

}  // namespace orvik::mkdata
