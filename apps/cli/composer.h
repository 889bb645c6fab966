// Composes Telex words in one output code and writes them as the tool prints
// them: UTF-8 for Unicode; for an 8-bit code, its bytes in hexadecimal, a tab,
// then the word decoded for reading.
#pragma once

#include <string>
#include <string_view>

#include "engine/code_decoder.h"
#include "engine/letter_tables.h"
#include "output_code.h"

namespace orvik::cli {

class Composer {
public:
    explicit Composer(const OutputCode& code);
    std::string Line(std::string_view keysUtf8) const;

private:
    OutputCode code_;
    LetterTables tables_;
    CodeDecoder decoder_;
};

std::string HexBytes(std::u16string_view codeText);

}  // namespace orvik::cli
