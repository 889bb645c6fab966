#include "engine/code_decoder.h"

#include "engine/letter_tables.h"

namespace orvik {

char16_t Windows1252(unsigned char byte) {
    static constexpr char16_t k80to9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    if (byte >= 0x80 && byte <= 0x9F) return k80to9F[byte - 0x80];
    return byte;
}

CodeDecoder::CodeDecoder(std::int16_t code) {
    LetterTables tables;
    BuildLetterTables(tables, code);
    for (int b = 0; b < 256; ++b) single_[static_cast<std::size_t>(b)] = Windows1252(static_cast<unsigned char>(b));
    std::array<bool, 256> taken{};
    for (int k = 0; k < tables.LetterCount; ++k) {
        const std::u16string& bytes = tables.CodeLetters[k];
        const char16_t letter = tables.UnicodeLetters[k][0];
        if (bytes.size() == 2) {
            pairs_.emplace(bytes, letter);
        } else if (bytes.size() == 1 && !taken[bytes[0] & 0xFF]) {
            taken[bytes[0] & 0xFF] = true;
            single_[bytes[0] & 0xFF] = letter;
        }
    }
}

std::u16string CodeDecoder::Decode(std::u16string_view codeText) const {
    std::u16string out;
    out.reserve(codeText.size());
    for (std::size_t i = 0; i < codeText.size(); ++i) {
        if (i + 1 < codeText.size()) {
            const auto pair = pairs_.find(std::u16string(codeText.substr(i, 2)));
            if (pair != pairs_.end()) {
                out.push_back(pair->second);
                ++i;
                continue;
            }
        }
        const char16_t unit = codeText[i];
        out.push_back(unit <= 0xFF ? single_[unit] : unit);
    }
    return out;
}

}  // namespace orvik
