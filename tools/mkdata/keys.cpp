#include "keys.h"

#include <algorithm>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "engine/text.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

bool AllSmallLetters(std::u16string_view keys) {
    return !keys.empty() && std::all_of(keys.begin(), keys.end(), [](char16_t c) { return c >= u'a' && c <= u'z'; });
}

struct PinYinLetter {
    char32_t letter;
    char base;
    int tone;  // 0: no tone mark
};

// Tone-marked vowels and the nasal syllables m, n; ü is written v, ê e.
constexpr PinYinLetter kPinYinLetters[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4},
    {U'ē', 'e', 1}, {U'é', 'e', 2}, {U'ě', 'e', 3}, {U'è', 'e', 4},
    {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4},
    {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3}, {U'ò', 'o', 4},
    {U'ū', 'u', 1}, {U'ú', 'u', 2}, {U'ǔ', 'u', 3}, {U'ù', 'u', 4},
    {U'ǖ', 'v', 1}, {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4},
    {U'ü', 'v', 0}, {U'ê', 'e', 0}, {U'ế', 'e', 2}, {U'ề', 'e', 4},
    {U'ḿ', 'm', 2}, {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4},
    {0x0304, 0, 1}, {0x0301, 0, 2}, {0x030C, 0, 3}, {0x0300, 0, 4},  // combining marks
};

}  // namespace

const LetterTables& UnicodeLetterTables() {
    static const LetterTables tables = [] {
        LetterTables t;
        BuildLetterTables(t, kVietWareX);
        return t;
    }();
    return tables;
}

std::optional<std::string> TelexKeysOf(const std::string& reading) {
    const std::u16string keys = UnicodeToTelex(UnicodeLetterTables(), LCase(Utf8ToU16(reading)));
    if (!AllSmallLetters(keys)) return std::nullopt;
    return U16ToUtf8(keys);
}

std::vector<std::string> CangJieKeysOf(const std::string& code) {
    std::string lower;
    for (char c : code) {
        if (c < 'A' || c > 'Z') return {};
        lower.push_back(static_cast<char>(c + 32));
    }
    if (lower.empty()) return {};
    if (lower.size() == 1) return {lower};
    std::vector<std::string> keys = {std::string{lower.front(), lower.back()}};
    if (lower.size() >= 3) keys.push_back(lower.substr(0, 2) + lower.back());
    return keys;
}

std::optional<std::string> PinYinKeyOf(const std::string& syllable) {
    std::string key;
    int tone = 5;
    for (char32_t c : CodePoints(syllable)) {
        if (c >= U'a' && c <= U'z') {
            key.push_back(static_cast<char>(c));
            continue;
        }
        const auto* letter = std::find_if(std::begin(kPinYinLetters), std::end(kPinYinLetters),
                                          [c](const PinYinLetter& l) { return l.letter == c; });
        if (letter == std::end(kPinYinLetters)) return std::nullopt;
        if (letter->base != 0) key.push_back(letter->base);
        if (letter->tone != 0) tone = letter->tone;
    }
    if (key.empty()) return std::nullopt;
    return key + std::to_string(tone);
}

std::string IndexKeyOf(const std::string& typedCode) { return U16ToUtf8(NormaliseTypedCode(Utf8ToU16(typedCode))); }

}  // namespace orvik::mkdata
