// The input contexts the hook has seen, named by the handles orvik2004 uses
// for them as windows, with what the hook keeps for each: the first half of
// a character, and the keys whose presses it took (so it takes their
// releases too).
#pragma once

#include <fcitx/inputcontext.h>

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "char_units.h"
#include "hook_protocol/hook_protocol.h"

namespace orvik::fcitxhook {

class InputContexts {
public:
    struct Entry {
        hook::Handle handle = 0;
        fcitx::TrackableObjectReference<fcitx::InputContext> context;
        CharUnits units;
        std::unordered_set<std::uint64_t> takenPresses;  // by PressId
    };

    // The entry of `ic`, which gets the next handle on first sight.
    Entry& Of(fcitx::InputContext& ic);
    // The entry of the input context named `handle`, while that still
    // exists.
    Entry* Find(hook::Handle handle);
    // Forgets `ic`; the handle it had, or 0.
    hook::Handle Forget(fcitx::InputContext& ic);
    void ClearCharUnits();

    // The same physical key in its press and release, even when a modifier
    // changed its keysym in between; by keysym when no key code is known.
    static std::uint64_t PressId(const fcitx::Key& rawKey);

private:
    std::unordered_map<const fcitx::InputContext*, hook::Handle> handles_;
    std::unordered_map<hook::Handle, Entry> entries_;
    hook::Handle next_ = hook::kFirstInputContext;
};

}  // namespace orvik::fcitxhook
