#include "tone_style.h"

#include "utf8.h"

namespace orvik::mkdata {

namespace {

// Each vowel with the tones in one order: huyền, sắc, hỏi, ngã, nặng.
constexpr std::u32string_view kToned[] = {U"òóỏõọ", U"ùúủũụ", U"àáảãạ", U"èéẻẽẹ", U"ỳýỷỹỵ"};
constexpr std::u32string_view kPlain = U"ouaey";

// The vowel's row and tone, or nothing when it carries no mark.
bool Toned(char32_t c, std::size_t& row, std::size_t& tone) {
    for (row = 0; row < kPlain.size(); ++row) {
        tone = kToned[row].find(c);
        if (tone != std::u32string_view::npos) return true;
    }
    return false;
}

std::size_t Row(char32_t plain) { return kPlain.find(plain); }

}  // namespace

std::string NewStyleTone(const std::string& reading) {
    std::u32string cps = CodePoints(reading);
    if (cps.size() < 2) return reading;
    char32_t& first = cps[cps.size() - 2];
    char32_t& second = cps.back();
    std::size_t row = 0, tone = 0;
    if (!Toned(first, row, tone)) return reading;
    const bool oaOrOe = kPlain[row] == U'o' && (second == U'a' || second == U'e');
    // In "quy" the u belongs to the initial, and the mark is on y already.
    const bool uy = kPlain[row] == U'u' && second == U'y' && !(cps.size() > 2 && cps[cps.size() - 3] == U'q');
    if (!oaOrOe && !uy) return reading;
    second = kToned[Row(second)][tone];
    first = kPlain[row];
    return Utf8Of(cps);
}

}  // namespace orvik::mkdata
