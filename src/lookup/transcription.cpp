#include "lookup/transcription.h"

#include "engine/text.h"
#include "lookup/rtf_escapes.h"
#include "lookup/transcription_lookups.h"

namespace orvik {

namespace {

// ReplaceAll in place; a text without `from` is not copied. A selection's
// text is long and most replacements find nothing in it, which the search
// of long texts tells fastest.
void Replace(std::u16string& text, std::u16string_view from, std::u16string_view to) {
    if (FindInLongText(text, from) > 0) text = ReplaceAll(text, from, to);
}

// Paragraph and line marks become the escape of U+FF0D, which reads as a
// full stop; four character-plus-font-change escapes are dropped.
std::u16string PrepareUnicodeText(std::u16string_view rtf) {
    static constexpr std::u16string_view kMarker = u" \\u65293 ?\\";
    std::u16string text(rtf);
    Replace(text, u"\\line\\", kMarker);
    Replace(text, u"\\par\\", kMarker);
    Replace(text, u"\\par ", kMarker);
    for (std::u16string_view dropped : {u"\\u21476 ?\\plain", u"\\u25995 ?\\plain", u"\\u20047 ?\\plain",
                                        u"\\u30693 ?\\plain"})
        Replace(text, dropped, u"");
    return text;
}

// Paragraph ends, commas and one form of the ideographic full stop become
// Big5 escapes too.
std::u16string PrepareBig5Text(std::u16string_view rtf) {
    std::u16string text(rtf);
    Replace(text, u"\\'20", u" ");
    Replace(text, u"\\}", u"\\'7d");
    Replace(text, u"\\{", u"\\'7b");
    Replace(text, u"\r\n", u"");
    Replace(text, u"\n", u"");
    Replace(text, u"\\par }", u" \\'a1\\'d0");
    Replace(text, u",", u" \\'a1\\'41");
    Replace(text, u"\\'a1C", u" \\'a1\\'43");
    return text;
}

// A key's first reading; an unknown key stands for itself.
std::u16string ReadingOfKey(TranscriptionLookups& lookups, const std::u16string& key) {
    if (key.empty()) return {};
    return lookups.FirstReadingOf(key).value_or(key);
}

std::u16string ReadingOfCode(TranscriptionLookups& lookups, std::int32_t code, bool nomButtonDown) {
    switch (code) {
        case 12288: return u" ";
        case 8220:
        case 8221: return u"\"";
        case 65311: return u"?";
        case 65312: return u",";
        default: break;
    }
    if (code < 256) return {};
    std::u16string key = nomButtonDown ? UpperHexText(code) : lookups.Big5Of(code).value_or(u"");
    return ReadingOfKey(lookups, key);
}

std::u16string UnicodePass(std::u16string_view rtf, TranscriptionLookups& lookups, bool nomButtonDown) {
    const std::u16string text = PrepareUnicodeText(rtf);
    std::u16string_view rest = text;
    std::u16string result;
    result.reserve(text.size());
    while (const auto digits = TakeUnicodeEscape(rest)) {
        std::int32_t code = EscapeValue(*digits);
        if (code < 0) code += 65536;
        // Each half of a surrogate pair counts as a character of its own.
        result += u' ';
        result += ReplaceAll(LCase(ReadingOfCode(lookups, code, nomButtonDown)), u"ff0d", u".");
    }
    return result;
}

std::u16string Big5Pass(std::u16string_view rtf, TranscriptionLookups& lookups) {
    const std::u16string text = PrepareBig5Text(rtf);
    std::u16string_view rest = text;
    std::u16string result;
    while (const auto code = TakeBig5Escape(rest)) {
        result += u' ';
        result += ReadingOfKey(lookups, *code);
    }
    return result;
}

std::u16string TrimLeft(std::u16string_view s) {
    const auto first = s.find_first_not_of(u' ');
    return first == std::u16string_view::npos ? std::u16string() : std::u16string(s.substr(first));
}

}  // namespace

std::u16string Transcribe(std::u16string_view rtf, const LookupLines& lines, bool nomButtonDown,
                          const CorrectionPairs& corrections) {
    TranscriptionLookups lookups(lines);
    std::u16string result = UnicodePass(rtf, lookups, nomButtonDown);
    if (Trim(result).empty()) result = Big5Pass(rtf, lookups);
    result = LCase(TrimLeft(result));
    Replace(result, u"- -", u"-");
    Replace(result, u"  ", u" ");
    for (const auto& [from, to] : corrections) Replace(result, from, to);
    Replace(result, u"-", u" \r\n");
    return result;
}

}  // namespace orvik
