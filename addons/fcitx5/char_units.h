// Joins the UTF-16 units of the characters orvik2004 posts (one WM_CHAR per
// unit) into whole characters: a character beyond the first 65536 comes as
// a high then a low surrogate and must reach the application as one.
#pragma once

#include <cstdint>
#include <optional>

namespace orvik::fcitxhook {

class CharUnits {
public:
    struct Outcome {
        std::optional<char32_t> character;  // to commit
        bool droppedHalf = false;           // a surrogate without its other half
    };

    Outcome Add(std::uint16_t unit);
    void Clear() { high_.reset(); }

private:
    std::optional<std::uint16_t> high_;  // waiting for its low half
};

}  // namespace orvik::fcitxhook
