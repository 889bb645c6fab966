// The command line of `orvik candidates` and `orvik lookup`: a data
// directory, an input mode and the words to work on.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "command.h"
#include "shell/application.h"

namespace orvik::cli {

struct ModeOption {
    std::string_view option;
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;  // the menu item's command number
};

inline constexpr ModeOption kModeOptions[] = {
    {"telex-han", &OrvikU::TelexH_Click, 30},  {"telex-nom", &OrvikU::TelexN_Click, 31},
    {"cangjie-han", &OrvikU::CangJieH_Click, 32}, {"cangjie-nom", &OrvikU::CangJie_Click, 13},
    {"pinyin", &OrvikU::PINYIN_Click, 12},
};

struct ImeRequest {
    std::string dataDirectory = ORVIK_DEFAULT_DATA_DIR;
    const ModeOption* mode = nullptr;
    Args words;
};

// Answers the exit status on a usage error, 0 when the request is complete
// (with at least one word when `wordsRequired`).
int ParseImeRequest(const Args& args, std::string_view command, ImeRequest& request, std::ostream& err,
                    bool wordsRequired = true);

// 0 when the data directory holds data files; otherwise prints how to build
// them and answers 1.
int CheckDataDirectory(const std::string& directory, std::ostream& err);

// The character of a code point, in UTF-8, and its "U+XXXX" form.
std::string CharacterOf(std::int32_t codePoint);
std::string CodePointName(std::int32_t codePoint);

}  // namespace orvik::cli
