// Turns text in an 8-bit Vietnamese code back into Unicode for display, so
// that 8-bit text can be shown without the code's legacy fonts.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace orvik {

class CodeDecoder {
public:
    // `code` as for BuildLetterTables: 1 VietWare-X, 2 TCVN3, 3 VNI-Windows.
    explicit CodeDecoder(std::int16_t code);

    // Longest match first, so VNI-Windows' two-byte letters decode as one
    // letter. A byte sequence shared by several letters decodes as the first
    // in table order (TCVN3 writes toned capitals with the small letter's
    // byte, which therefore decodes as the small letter). Bytes that are no
    // Vietnamese letter map through Windows-1252.
    std::u16string Decode(std::u16string_view codeText) const;

private:
    std::array<char16_t, 256> single_{};
    std::map<std::u16string, char16_t> pairs_;
};

// Windows-1252 for one byte; the five unassigned bytes map to themselves.
char16_t Windows1252(unsigned char byte);

}  // namespace orvik
