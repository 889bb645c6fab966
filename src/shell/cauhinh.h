// The configuration dialog, loaded hidden; so far the controls the mode and
// code actions write.
#pragma once

#include "platform/controls.h"

namespace orvik {

struct CauHinh {
    ComboBox Combo1;  // output code
    ComboBox Combo2;  // input mode
};

}  // namespace orvik
