// The four output codes as the command line names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/letter_tables.h"

namespace orvik::cli {

struct OutputCode {
    std::string_view option;  // the --code value
    std::string_view title;   // the system's combo text
    std::int16_t tables;      // the BuildLetterTables number
    bool unicode;
};

inline constexpr OutputCode kOutputCodes[] = {
    {"unicode", "Unicode", kVietWareX, true},
    {"tcvn3", "TCVN3", kTcvn3, false},
    {"vni", "VNI-WIN", kVniWindows, false},
    {"vietware", "VietWare-X", kVietWareX, false},
};

std::optional<OutputCode> FindOutputCode(std::string_view option);

}  // namespace orvik::cli
