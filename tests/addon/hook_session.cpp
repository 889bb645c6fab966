#include "hook_session.h"

namespace orvik::fcitxhook::testing {

void HookSession::SetUp() {
    harness_ = std::make_unique<FcitxHarness>(SocketPath());
    program_ = Connect(hook::Focus{});
}

std::unique_ptr<FakeProgram> HookSession::Connect(const hook::Focus& expectedFocus) {
    auto program = std::make_unique<FakeProgram>(SocketPath());
    EXPECT_TRUE(program->Connected());
    EXPECT_EQ(program->ReadLine(), hook::LineOf(hook::Hello{hook::kVersion}));
    EXPECT_EQ(program->ReadLine(), hook::LineOf(expectedFocus));
    return program;
}

// The hook names the input context by a handle of its own.
HookSession::Context HookSession::Open(const std::string& program) {
    Context context{harness_->CreateInputContext(program), 0};
    const auto message = hook::Parse(program_->ReadLine().value_or(""));
    const auto* focus = message ? std::get_if<hook::Focus>(&*message) : nullptr;
    if (focus != nullptr) context.handle = focus->window;
    EXPECT_EQ(focus ? *focus : hook::Focus{}, (hook::Focus{context.handle, program == hook::kProgramName, program}))
        << "the focus line for a new input context of " << program;
    return context;
}

HookSession::Context HookSession::OpenGtk4() {
    const Context gtk4 = Open("gnome-text-editor");
    harness_->Run([&] { harness_->Context(gtk4.uuid).setCapabilityFlags(fcitx::CapabilityFlag::ReportKeyRepeat); });
    return gtk4;
}

void HookSession::RegisterAndHook(hook::Handle target, hook::Handle owner) {
    Send(hook::Register{target, owner}, hook::Hook{});
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->TakingKeys(); }));
}

std::string HookSession::Chars(const Context& context, std::u16string_view units, hook::Seq seq) {
    std::string lines;
    for (char16_t unit : units) lines += hook::Encode(hook::Char{seq, context.handle, unit});
    return lines;
}

// Should the machine be so slow that the hook gave the key back first, the
// answer still ends its silence.
void HookSession::Answer(hook::Seq seq) {
    Send(hook::Done{seq});
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->KeysAwaitingAnswer() == 0 && harness_->TakingKeys(); }));
}

void HookSession::SayWordTyped(const Context& context) {
    Send(hook::Word{true});
    Sync(context);
}

// The answer ends what came before: the sync's character "~" is a text of
// its own, or, behind a forwarded key, a key of its own, pressed and
// released.
void HookSession::Sync(const Context& context) {
    const std::size_t commitsBefore = harness_->Commits().size();
    const std::size_t forwardsBefore = harness_->Forwards().size();
    program_->Send(hook::Encode(hook::Done{0}) + Chars(context, u"~"));
    ASSERT_TRUE(harness_->WaitUntil([&] {
        const auto commits = harness_->Commits();
        const auto forwards = harness_->Forwards();
        return (commits.size() > commitsBefore && commits.back().text == "~") ||
               (forwards.size() > forwardsBefore && forwards.back().key.sym() == FcitxKey_asciitilde &&
                forwards.back().release);
    }));
}

Texts HookSession::CommittedTexts() {
    Texts texts;
    for (const auto& commit : harness_->Commits()) texts.push_back(commit.text);
    return texts;
}

std::string HookSession::AllCommitted() {
    std::string text;
    for (const auto& commit : harness_->Commits()) text += commit.text;
    return text;
}

Texts HookSession::ForwardedKeys() {
    Texts keys;
    for (const auto& forward : harness_->Forwards())
        keys.push_back(forward.key.toString() + (forward.release ? " up" : ""));
    return keys;
}

}  // namespace orvik::fcitxhook::testing
