// The clipboard's RTF text as the look-up and the transcription read it.
//
// Both read a character from the six characters after "\u", one escape at a
// time, so a character beyond U+FFFF must stand as one escape of its code
// point. Writers split it into two escaped UTF-16 halves instead: Word as
// negative numbers with "?" fallbacks ("\u-10179?\u-8704?"), LibreOffice as
// positive ones with a "\ucN" count between them. Joining such a pair into
// "\u" + the code point in decimal + "?" lets both find the character.
//
// Applications that offer no RTF (browsers, text fields, terminals) offer
// plain text; it is rendered as RTF of that same form, so a selection from
// any of them can be looked up and transcribed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

// The most of a clipboard text that is read: RTF bytes, or UTF-16 units of
// plain text. A longer text is cut here; cut RTF is kept as written and
// rendering never shortens text, so what is read is still far over what the
// transcription accepts and is refused as too large, while a look-up, which
// reads only the first characters, works on it.
inline constexpr std::size_t kClipboardReadLimit = 512 * 1024;

// Every surrogate pair written as two "\u" escapes (each with its fallback
// characters, "\ucN" counts allowed between them) becomes one escape "\u" +
// the decimal code point + "?". Everything else, lone halves included, is
// kept as it was.
std::u16string JoinSurrogateEscapes(std::u16string_view rtf);

// Plain text as RTF: "{\rtf1 " + text + "}", every character above 127 as
// "\u" + decimal + "?" (signed 16-bit below U+10000, as RTF writes it; the
// code point above), "\", "{" and "}" escaped, tabs as "\tab " and line
// ends as "\par ". Empty text gives empty RTF.
std::u16string PlainTextRtf(std::u16string_view text);

// What an owner of the clipboard offers, read as the clipboard's RTF text:
// its RTF (one character per byte), pairs joined unless `joinPairs` is
// false or the RTF is cut; or its plain text rendered. Both are cut at
// kClipboardReadLimit.
std::u16string OwnerRtf(std::string_view rtfBytes, bool joinPairs);
std::u16string PlainTextOwnerRtf(std::u16string_view text);

}  // namespace orvik
