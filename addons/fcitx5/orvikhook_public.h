// What other code (tests, benchmarks) may ask the key hook.
#pragma once

#include <fcitx/addoninstance.h>

#include <cstddef>

// Taken keys orvik2004 has not answered yet.
FCITX_ADDON_DECLARE_FUNCTION(OrvikHook, keysAwaitingAnswer, std::size_t());
// Whether key presses are taken now: the program is connected, has
// installed its hook and has not gone silent.
FCITX_ADDON_DECLARE_FUNCTION(OrvikHook, takingKeys, bool());
