// The configuration dialog, loaded hidden and never unloaded; so far the
// controls the mode and code actions write, and its showing from the menu.
#pragma once

#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

class CauHinh {
public:
    explicit CauHinh(Platform& platform) : platform_(platform) {}

    // The code box holds "Unicode", the code of an empty settings store,
    // until the settings are read.
    ComboBox Combo1{u"Unicode"};  // output code
    ComboBox Combo2;              // input mode

    // Shows the dialog, not modal, in the normal window state.
    void Show() {
        platform_.ShowWindow(WindowId::CauHinh);
        platform_.RestoreWindow(WindowId::CauHinh);
    }

private:
    Platform& platform_;
};

}  // namespace orvik
