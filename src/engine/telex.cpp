#include "engine/telex.h"

#include <algorithm>

#include "engine/text.h"

namespace orvik {

namespace {

bool In(std::u16string_view set, char16_t c) { return set.find(c) != std::u16string_view::npos; }

// The substring tests of the tone rules: does `part` occur anywhere in `set`?
bool OccursIn(std::u16string_view part, std::u16string_view set) { return Find(set, part) != 0; }

std::u16string Cat(std::u16string_view a, char16_t b, char16_t c) {
    std::u16string out(a);
    out.push_back(b);
    out.push_back(c);
    return out;
}

// The tone key T placed among s' (the word without its last two keys), its
// last letter L, for a word ending in a vowel: `toneOnPrevious` puts the tone
// behind the vowel before L.
std::u16string PlaceBeforeOrAfter(std::u16string_view sPrime, char16_t L, char16_t T,
                                  bool toneOnPrevious) {
    return toneOnPrevious ? Cat(sPrime, T, L) : Cat(sPrime, L, T);
}

}  // namespace

std::u16string PlaceToneKey(std::u16string_view word, bool cangJieNomChecked) {
    if (cangJieNomChecked || word.size() <= 2) return std::u16string(word);
    const char16_t T = word.back();
    const std::u16string_view s = word.substr(0, word.size() - 1);
    if (!In(u"sfrxjSFRXJ", T)) return std::u16string(word);

    const char16_t L = s.back();
    const std::u16string_view sPrime = s.substr(0, s.size() - 1);
    const char16_t before = sPrime.back();
    if (In(u"cCmMnNpPtT", L)) return Cat(sPrime, T, L);
    if (In(u"gGhH", L)) {
        std::u16string out(s.substr(0, s.size() - 2));
        out.push_back(T);
        out.append(s.substr(s.size() - 2));
        return out;
    }
    switch (L) {
        case u'a':
        case u'A':
            // The u of qu and the i of gi belong to the first consonant: an
            // a right behind them takes the tone (quá, giá), a vowel between
            // them takes it itself (giữa).
            return PlaceBeforeOrAfter(sPrime, L, T,
                                      !(sPrime.size() <= 2 && OccursIn(sPrime, u"Qu/qu/Gi/gi")) &&
                                          In(u"iouwIOUW", before));
        case u'e':
        case u'E':
        case u'w':
        case u'W':
            return std::u16string(s) + T;
        case u'u':
        case u'U':
            return PlaceBeforeOrAfter(sPrime, L, T, In(u"ioaewIOAEW", before));
        case u'o':
        case u'O':
            return PlaceBeforeOrAfter(sPrime, L, T, In(u"aeAE", before));
        case u'i':
        case u'I':
            if (sPrime == u"qu" || sPrime == u"Qu" || sPrime == u"QU") return Cat(sPrime, L, T);
            return PlaceBeforeOrAfter(sPrime, L, T, In(u"uoaewUOAEW", before));
        case u'y':
        case u'Y':
            return PlaceBeforeOrAfter(sPrime, L, T,
                                      !OccursIn(sPrime.substr(0, 2), u"Qu/qu") &&
                                          In(u"uaeUAE", before));
        default:
            return std::u16string(s);
    }
}

namespace {

// Replaces the first occurrence of each entry's keys, in table order.
std::u16string ReplaceEntries(const LetterTables& tables, std::u16string_view word,
                              const std::array<std::u16string, kLetterSlots>& letters) {
    std::u16string out(word);
    for (int i = 0; i < tables.LetterCount; ++i) {
        const std::u16string& keys = tables.TelexKeys[i];
        const auto at = out.find(keys);
        if (at != std::u16string::npos) out.replace(at, keys.size(), letters[i]);
    }
    return out;
}

// Writes each small sequence found in the word (ignoring case) in the case of
// its first key, so that "Aw" and "AW" compose as the capital.
std::u16string FoldSequenceCase(const LetterTables& tables, std::u16string_view word) {
    std::u16string out(word);
    const std::u16string lowered = LCase(word);
    const int half = tables.LetterCount / 2;
    for (int i = 0; i < half; ++i) {
        const std::u16string& keys = tables.TelexKeys[i];
        // The small half is lower case already; lowering it again would
        // only cost an allocation per entry and keystroke.
        const bool isLower = std::none_of(keys.begin(), keys.end(),
                                          [](char16_t c) { return LowerChar(c) != c; });
        const auto at = isLower ? lowered.find(keys) : lowered.find(LCase(keys));
        if (at == std::u16string::npos) continue;
        const std::u16string sequence = out[at] < 91 ? UCase(keys) : LCase(keys);
        out.replace(at, sequence.size(), sequence);
    }
    return out;
}

}  // namespace

std::u16string TelexToCode(const LetterTables& tables, std::u16string_view word) {
    return ReplaceEntries(tables, FoldSequenceCase(tables, word), tables.CodeLetters);
}

std::u16string TelexToUnicode(const LetterTables& tables, std::u16string_view word) {
    return ReplaceEntries(tables, FoldSequenceCase(tables, word), tables.UnicodeLetters);
}

std::u16string ComposeForOutput(const LetterTables& tables, std::u16string_view keys,
                                bool unicodeChecked, bool cangJieNomChecked) {
    const std::u16string placed = PlaceToneKey(keys, cangJieNomChecked);
    return unicodeChecked ? TelexToUnicode(tables, placed) : TelexToCode(tables, placed);
}

std::u16string UnplaceToneKeys(std::u16string_view word) {
    if (word.empty()) return {};
    const char16_t first = word.front();
    std::u16string rest(word.substr(1));
    for (char16_t key : std::u16string_view(u"sfrxj")) {
        std::size_t from = 0;
        if (key == u'r' && first == u't' && !rest.empty() && rest.front() == u'r') from = 1;
        const auto at = rest.find(key, from);
        if (at == std::u16string::npos) continue;
        rest.erase(at, 1);
        rest.push_back(key);
    }
    return first + rest;
}

namespace {

// Moves the character at 1-based position i to the end of `word`.
void MoveToEnd(std::u16string& word, std::size_t i) {
    const char16_t c = word[i - 1];
    word.erase(i - 1, 1);
    word.push_back(c);
}

}  // namespace

std::u16string ReadingToIndexKey(std::u16string_view word) {
    std::u16string out(word);
    if (out.size() < 3) return out;
    std::size_t n = out.size() - 1;
    for (std::size_t i = 2; i <= n; ++i)
        if (In(u"fsxj", out[i - 1])) MoveToEnd(out, i);
    n = out.size() - 1;
    for (std::size_t i = 3; i <= n; ++i)
        if (out[i - 1] == u'r') MoveToEnd(out, i);
    if (out[1] == u'r' && out[0] != u't') MoveToEnd(out, 2);
    return out;
}

std::u16string NormaliseTypedCode(std::u16string_view typedKeys) {
    return ReadingToIndexKey(ReplaceAll(LCase(Trim(typedKeys)), u"uw", u"w"));
}

std::u16string UnicodeToTelex(const LetterTables& tables, std::u16string_view word) {
    std::u16string keys;
    char16_t tone = 0;
    for (char16_t c : word) {
        int entry = -1;
        for (int k = 0; k < tables.LetterCount && entry < 0; ++k)
            if (tables.UnicodeLetters[k].size() == 1 && tables.UnicodeLetters[k][0] == c) entry = k;
        if (entry < 0) {
            keys.push_back(c);
            continue;
        }
        std::u16string_view sequence = tables.TelexKeys[entry];
        if (sequence.size() >= 2 && In(u"sfrxjSFRXJ", sequence.back())) {
            tone = sequence.back();
            sequence.remove_suffix(1);
        }
        keys.append(sequence);
    }
    if (tone != 0) keys.push_back(tone);
    return keys;
}

}  // namespace orvik
