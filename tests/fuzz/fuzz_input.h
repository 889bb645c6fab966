// Cutting a fuzz input into the parts a harness feeds to different readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orvik::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of `input` between `separator`s, at most `count` of them: the
// last part keeps the rest, separators included. Missing parts are empty.
inline std::vector<std::string_view> SplitInput(std::string_view input, char separator, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + 1);
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

}  // namespace orvik::fuzz
