// The setting of the hook's in-process tests: a directory of the test's own,
// an fcitx5 instance with the hook listening in it, and orvik2004's end of
// the socket, connected and greeted.
#pragma once

#include <gtest/gtest.h>

#include <fcitx-utils/key.h>
#include <fcitx/inputcontext.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_program.h"
#include "fcitx_harness.h"
#include "hook_protocol/hook_protocol.h"
#include "temp_dir.h"

namespace orvik::fcitxhook::testing {

using orvik::testing::TempDir;
using Texts = std::vector<std::string>;

class HookSession : public ::testing::Test {
protected:
    // The program's windows: the candidate window receives keys, the main
    // window (the owner) the command chords.
    static constexpr hook::Handle kTarget = 0x105;
    static constexpr hook::Handle kOwner = 0x100;

    struct Context {
        fcitx::ICUUID uuid;
        hook::Handle handle = 0;  // as the hook reported it
    };

    void SetUp() override;

    // The socket's path: in a directory the hook creates.
    std::string SocketPath() const { return (dir_ / "run/hook").string(); }
    // A new connection of the program; the hook's greeting is checked.
    std::unique_ptr<FakeProgram> Connect(const hook::Focus& expectedFocus);
    // A new input context of `program`, focused; its focus line is read.
    Context Open(const std::string& program);
    // gnome-text-editor's input context, with the capabilities of GTK 4's
    // module, which drops forwarded keys.
    Context OpenGtk4();
    void RegisterAndHook(hook::Handle target = kTarget, hook::Handle owner = kOwner);
    // The program sends messages and lines of them in one write.
    template <class... Parts>
    void Send(const Parts&... parts) {
        program_->Send((Lines(parts) + ...));
    }
    static std::string Lines(const std::string& lines) { return lines; }
    static std::string Lines(const hook::Message& message) { return hook::Encode(message); }
    // The lines of `units` for `context`, in the answer to key `seq`.
    static std::string Chars(const Context& context, std::u16string_view units, hook::Seq seq = 0);
    // Whether the hook took the press (release) of `key`.
    bool Press(const Context& context, const fcitx::Key& key) { return harness_->SendKey(context.uuid, key, false); }
    bool Release(const Context& context, const fcitx::Key& key) { return harness_->SendKey(context.uuid, key, true); }
    // The program answers key `seq`; the hook then takes keys again.
    void Answer(hook::Seq seq);
    // The program says a word is typed, and the hook has heard it: the keys
    // that edit or end a word are then the program's.
    void SayWordTyped(const Context& context);
    // Waits until the hook has read everything the program sent before:
    // a character sent last is committed.
    void Sync(const Context& context);
    // The texts committed so far, and all of them run together.
    Texts CommittedTexts();
    std::string AllCommitted();
    // The keys forwarded so far, releases marked " up".
    Texts ForwardedKeys();

    TempDir dir_;
    std::unique_ptr<FcitxHarness> harness_;
    std::unique_ptr<FakeProgram> program_;
};

}  // namespace orvik::fcitxhook::testing
