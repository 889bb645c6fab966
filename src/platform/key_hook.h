// The key hook: the keys of every application, seen before they arrive.
#pragma once

#include <cstdint>

#include "formats/notify_icon_data.h"

namespace orvik {

// Where the key events of the keyboard hook go: the window that the last
// NhanDien call registered, or its owner when the target is 0. `keyCode` may
// be set to 0 by the handler.
class KeySink {
public:
    virtual ~KeySink() = default;
    // Key event `number` of the hook is about to be handled.
    virtual void KeyArrives(std::uint64_t number) = 0;
    virtual void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) = 0;
    // The hook gave key event `number` to the application while it waited
    // for this program: what handling it did is undone.
    virtual void KeyGivenBack(std::uint64_t number) = 0;
};

class KeyHook {
public:
    virtual ~KeyHook() = default;

    // NhanDien names the window that receives the hook's keys (0: none but
    // the command codes, which go to the owner, the main window) and reaches
    // the hook on first use; InstallKeyHook then has it take keys for the
    // program (false when NhanDien never reached it), and RemoveKeyHook, at
    // the end, stops that and leaves the hook.
    virtual std::int32_t NhanDien(WindowHandle target, WindowHandle owner) = 0;
    virtual bool InstallKeyHook() = 0;
    virtual void RemoveKeyHook() = 0;
    virtual void SetKeySink(KeySink* sink) = 0;
};

}  // namespace orvik
