// The popup menu Menunoi as the view builds it: its 26 items in order, each
// with its command number where it has one, whether its check mark is shown
// (the mode, input-method and output-code state), and its action. Captions
// and check marks are read from the window's Menunoi; a caption "-" is a
// separator.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ime/menunoi.h"

namespace orvik {

class OrvikU;

struct MenunoiItem {
    MenuItem Menunoi::*item;
    std::optional<std::int16_t> number;
    bool checkable;
    void (*click)(OrvikU& window);  // nothing for a separator
};

inline constexpr std::size_t kMenunoiItemCount = 26;

const std::array<MenunoiItem, kMenunoiItemCount>& MenunoiItems();

}  // namespace orvik
