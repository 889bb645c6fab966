// Key strings that the program sends to its own focused window ("^{END}",
// "^c"): each key is a character or a name in braces, after any of "^"
// Ctrl, "+" Shift and "%" Alt; a capital letter is typed with Shift.
#pragma once

#include <QString>
#include <Qt>
#include <string_view>
#include <vector>

namespace orvik {

struct KeyStroke {
    int key;  // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;

    bool operator==(const KeyStroke&) const = default;
};

// Keys the string names; names it does not know are left out.
std::vector<KeyStroke> ParseKeyString(std::u16string_view keys);

}  // namespace orvik
