#include "composer.h"

#include "engine/telex.h"
#include "engine/text.h"

namespace orvik::cli {

std::optional<OutputCode> FindOutputCode(std::string_view option) {
    for (const auto& code : kOutputCodes)
        if (code.option == option) return code;
    return std::nullopt;
}

Composer::Composer(const OutputCode& code) : code_(code), decoder_(code.tables) {
    BuildLetterTables(tables_, code.tables);
}

std::string HexBytes(std::u16string_view codeText) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char16_t unit : codeText) {
        if (!out.empty()) out.push_back(' ');
        out.push_back(kDigits[(unit >> 4) & 0xF]);
        out.push_back(kDigits[unit & 0xF]);
    }
    return out;
}

std::string Composer::Line(std::string_view keysUtf8) const {
    std::u16string word =
        ComposeForOutput(tables_, Utf8ToU16(keysUtf8), code_.unicode, false);
    if (code_.unicode) return U16ToUtf8(word);
    // An 8-bit code cannot hold what lies above 0xFF; the ANSI conversion
    // writes each such character (a surrogate pair being one) as "?".
    std::u16string bytes;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t unit = word[i];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < word.size() &&
                          word[i + 1] >= 0xDC00 && word[i + 1] <= 0xDFFF;
        if (pair) ++i;
        bytes.push_back(unit > 0xFF ? u'?' : unit);
    }
    word = std::move(bytes);
    return HexBytes(word) + '\t' + U16ToUtf8(decoder_.Decode(word));
}

}  // namespace orvik::cli
