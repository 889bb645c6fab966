#include "ime/send_texts.h"

#include <cmath>

#include "engine/text.h"

namespace orvik {

std::int32_t FieldCodePoint(std::u16string_view field) {
    const std::int32_t value = HexValue(field);
    return value < 0 ? value + 65536 : value;
}

std::vector<char16_t> Utf16Units(std::int32_t codePoint) {
    if (codePoint < 65536) return {static_cast<char16_t>(codePoint)};
    const std::int32_t offset = codePoint - 65536;
    return {static_cast<char16_t>(0xD800 + offset / 1024), static_cast<char16_t>(0xDC00 + codePoint % 1024)};
}

namespace {

// RTF's "\u" takes a signed 16-bit number: a unit above 32767 is written
// 65536 below its value, as every surrogate is.
std::int32_t SignedRtfUnit(char16_t unit) { return unit > 32767 ? unit - 65536 : unit; }

}  // namespace

std::u16string To_SurrogateC(std::u16string_view field, std::int32_t& high, std::int32_t& low) {
    const std::vector<char16_t> units = Utf16Units(HexValue(field));
    high = SignedRtfUnit(units.front());
    low = SignedRtfUnit(units.back());
    return u"\\u" + DecimalText(high) + u"?\\u" + DecimalText(low) + u"?";
}

std::u16string RtfHalfPoints(float pointSize) {
    return DecimalText(std::lrint(2.0 * static_cast<double>(pointSize)));
}

std::u16string CandidateRtf(std::u16string_view field, float nomFontSize) {
    std::u16string body;
    if (field.size() == 5) {
        std::int32_t high = 0, low = 0;
        body = To_SurrogateC(field, high, low);
    } else {
        body = u"\\u" + DecimalText(HexValue(field)) + u"\\'3f";
    }
    return u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset1 "
           u"Chu Nom Minh U;}}\\uc1\\pard\\f0\\fs" +
           RtfHalfPoints(nomFontSize) + body + u"}";
}

std::u16string PickedCandidateRtf(std::u16string_view code, std::u16string_view nomFontName, float nomFontSize) {
    return u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033"
           u"{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 " +
           std::u16string(nomFontName) +
           u";}{\\f1\\fnil\\fcharset0 Times New Roman;}{\\f2\\fswiss\\fprq2\\fcharset0 VNtimes new roman;}}"
           u"\\viewkind4\\uc1\\pard\\f0\\fs" +
           RtfHalfPoints(nomFontSize) + u"\\u" + DecimalText(HexValue(code)) + u"\\f2}";
}

std::u16string ReadingRtf(std::u16string_view reading, const LetterTables& tables,
                          std::u16string_view vnFontName, int vnFontSize) {
    std::u16string text(reading);
    for (int k = 0; k < kLetterEntries; ++k) {
        const std::u16string& letter = tables.UnicodeLetters[k];
        if (letter.empty() || letter[0] <= 255 || Find(text, letter) == 0) continue;
        text = ReplaceAll(text, letter, u"\\u" + DecimalText(letter[0]) + u"\\'3f");
    }
    return u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 " +
           std::u16string(vnFontName) +
           u";}}{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs" +
           DecimalText(2 * vnFontSize) + u" " + text + u"}";
}

}  // namespace orvik
