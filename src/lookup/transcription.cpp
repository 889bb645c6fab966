#include "lookup/transcription.h"

#include "engine/text.h"
#include "lookup/code_tables.h"
#include "lookup/rtf_escapes.h"

namespace orvik {

namespace {

// Paragraph and line marks become the escape of U+FF0D, which reads as a
// full stop; four character-plus-font-change escapes are dropped.
std::u16string PrepareUnicodeText(std::u16string_view rtf) {
    static constexpr std::u16string_view kMarker = u" \\u65293 ?\\";
    std::u16string text = ReplaceAll(rtf, u"\\line\\", kMarker);
    text = ReplaceAll(text, u"\\par\\", kMarker);
    text = ReplaceAll(text, u"\\par ", kMarker);
    for (std::u16string_view dropped : {u"\\u21476 ?\\plain", u"\\u25995 ?\\plain", u"\\u20047 ?\\plain",
                                        u"\\u30693 ?\\plain"})
        text = ReplaceAll(text, dropped, u"");
    return text;
}

// Paragraph ends, commas and one form of the ideographic full stop become
// Big5 escapes too.
std::u16string PrepareBig5Text(std::u16string_view rtf) {
    std::u16string text = ReplaceAll(rtf, u"\\'20", u" ");
    text = ReplaceAll(text, u"\\}", u"\\'7d");
    text = ReplaceAll(text, u"\\{", u"\\'7b");
    text = ReplaceAll(text, u"\r\n", u"");
    text = ReplaceAll(text, u"\n", u"");
    text = ReplaceAll(text, u"\\par }", u" \\'a1\\'d0");
    text = ReplaceAll(text, u",", u" \\'a1\\'41");
    return ReplaceAll(text, u"\\'a1C", u" \\'a1\\'43");
}

// A key's first reading; an unknown key stands for itself.
std::u16string ReadingOfKey(const LookupLines& lines, const std::u16string& key) {
    if (key.empty()) return {};
    return FirstReading(lines.ReadingLine, key).value_or(key);
}

std::u16string ReadingOfCode(const LookupLines& lines, std::int32_t code, bool nomButtonDown) {
    switch (code) {
        case 12288: return u" ";
        case 8220:
        case 8221: return u"\"";
        case 65311: return u"?";
        case 65312: return u",";
        default: break;
    }
    if (code < 256) return {};
    std::u16string key = CodePointToBig5(lines.Big5Line, code).value_or(u"");
    if (nomButtonDown) key = UpperHexText(code);
    return ReadingOfKey(lines, key);
}

std::u16string UnicodePass(std::u16string_view rtf, const LookupLines& lines, bool nomButtonDown) {
    const std::u16string text = PrepareUnicodeText(rtf);
    std::u16string_view rest = text;
    std::u16string result;
    while (const auto digits = TakeUnicodeEscape(rest)) {
        std::int32_t code = EscapeValue(*digits);
        if (code < 0) code += 65536;
        // Each half of a surrogate pair counts as a character of its own.
        result += u" " + ReplaceAll(LCase(ReadingOfCode(lines, code, nomButtonDown)), u"ff0d", u".");
    }
    return result;
}

std::u16string Big5Pass(std::u16string_view rtf, const LookupLines& lines) {
    const std::u16string text = PrepareBig5Text(rtf);
    std::u16string_view rest = text;
    std::u16string result;
    while (const auto code = TakeBig5Escape(rest)) result += u" " + ReadingOfKey(lines, *code);
    return result;
}

std::u16string TrimLeft(std::u16string_view s) {
    const auto first = s.find_first_not_of(u' ');
    return first == std::u16string_view::npos ? std::u16string() : std::u16string(s.substr(first));
}

}  // namespace

std::u16string Transcribe(std::u16string_view rtf, const LookupLines& lines, bool nomButtonDown,
                          const CorrectionPairs& corrections) {
    std::u16string result = UnicodePass(rtf, lines, nomButtonDown);
    if (Trim(result).empty()) result = Big5Pass(rtf, lines);
    result = LCase(TrimLeft(result));
    result = ReplaceAll(result, u"- -", u"-");
    result = ReplaceAll(result, u"  ", u" ");
    for (const auto& [from, to] : corrections) result = ReplaceAll(result, from, to);
    return ReplaceAll(result, u"-", u" \r\n");
}

}  // namespace orvik
