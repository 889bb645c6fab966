// What the data files say about each ideograph, gathered from Unihan once:
// Big5 code, Vietnamese readings (own or inherited from a variant), shape
// and Mandarin codes, dictionary facts and the frequency signals.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "unihan.h"

namespace orvik::mkdata {

struct Ideograph {
    char32_t cp = 0;
    std::uint16_t big5 = 0;                // 0: no Big5 code
    std::vector<std::string> viet;         // Vietnamese readings, lower case
    bool vietInherited = false;            // readings taken from a variant
    std::string cangjie;                   // upper-case letters as in Unihan
    std::vector<std::string> mandarin;     // kMandarin: the main readings first
    std::vector<std::string> pinyin;       // every Mandarin reading, main ones first
    long pinlu = 0;                        // kHanyuPinlu counts, summed
    int frequencyTier = 6;                 // kFrequency 1-5; 6 when absent
    int gradeLevel = 7;                    // kGradeLevel 1-6; 7 when absent
    std::string definition, cantonese, radicalStrokes, totalStrokes;
    std::vector<char32_t> variants;        // traditional, simplified, semantic, Z

    bool HasOwnReading() const { return !viet.empty() && !vietInherited; }
    // Big5 level 1 (A440-C67E) holds the common characters.
    int Big5Level() const { return big5 == 0 ? 3 : (big5 <= 0xC67E ? 1 : 2); }
};

// The Unihan fields the builder reads.
std::set<std::string, std::less<>> WantedUnihanFields();

class Characters {
public:
    explicit Characters(const Unihan& unihan);

    const Ideograph* Find(char32_t cp) const;
    const std::map<char32_t, Ideograph>& All() const { return all_; }

    std::vector<char32_t> Big5Set() const;   // in Big5 code order
    std::vector<char32_t> NomSet() const;    // own kVietnamese, code-point order
    // BMP characters with a reading, own or inherited.
    std::vector<char32_t> HanReadingSet() const;

    // True when `a` is more likely in running text than `b`.
    bool MoreFrequent(char32_t a, char32_t b) const;
    void SortByFrequency(std::vector<char32_t>& cps) const;

private:
    void InheritReadings();
    std::map<char32_t, Ideograph> all_;
};

}  // namespace orvik::mkdata
