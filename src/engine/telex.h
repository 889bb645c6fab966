// Telex composition: raw keys of one word become a Vietnamese word.
//
// A word is recomposed from its raw keys every time: PlaceToneKey moves the
// trailing tone key behind the vowel that carries the mark, then a table walk
// (TelexToCode or TelexToUnicode) replaces each Telex sequence by its letter.
#pragma once

#include <string>
#include <string_view>

#include "engine/letter_tables.h"

namespace orvik {

// Moves a trailing tone key (one of "sfrxjSFRXJ") in front of the letters it
// belongs before. `cangJieNomChecked`: the CangJie Nom mode mark of the main
// menu, under which keys are shape codes and stay as typed.
std::u16string PlaceToneKey(std::u16string_view word, bool cangJieNomChecked);

// The word in the 8-bit code now loaded in `tables.CodeLetters`; a sequence's
// case follows the case of its first key.
std::u16string TelexToCode(const LetterTables& tables, std::u16string_view word);

// The word in Unicode; as in TelexToCode a sequence's case follows the case
// of its first key ("Dd" is Đ), so what is sent is what the boxes show.
std::u16string TelexToUnicode(const LetterTables& tables, std::u16string_view word);

// A word composed for sending: the Unicode letters when the Unicode output
// code is checked, else the 8-bit letters loaded in `tables.CodeLetters`.
std::u16string ComposeForOutput(const LetterTables& tables, std::u16string_view keys,
                                bool unicodeChecked, bool cangJieNomChecked);

// Gathers the small tone keys s, f, r, x, j that stand inside a word at its
// end (the first character and the r of an initial tr never move).
std::u16string UnplaceToneKeys(std::u16string_view word);

// The look-up key of a typed Telex reading: tone keys behind the last letter.
std::u16string ReadingToIndexKey(std::u16string_view word);

// The key the candidate search looks up for a typed code: spaces trimmed,
// lower case, "uw" written "w", tone keys at the end.
std::u16string NormaliseTypedCode(std::u16string_view typedKeys);

// Raw Telex keys of a Unicode word, with its tone key last, such that
// PlaceToneKey + TelexToUnicode give the word back for well-formed syllables
// ("người" -> "nguwowif"). Characters that are no letter of the tables are
// kept as they are.
std::u16string UnicodeToTelex(const LetterTables& tables, std::u16string_view word);

}  // namespace orvik
