#include "hook_session.h"

#include <algorithm>

namespace orvik::fcitxhook::testing {

namespace {

constexpr std::uint16_t kSyncUnit = '~';
constexpr std::string_view kSyncText = "~";

}  // namespace

std::string Line(const hook::Message& message) {
    std::string line = hook::Encode(message);
    line.pop_back();
    return line;
}

void HookSession::SetUp() {
    harness_ = std::make_unique<FcitxHarness>(SocketPath());
    program_ = Connect(hook::Focus{});
}

std::unique_ptr<FakeProgram> HookSession::Connect(const hook::Focus& expectedFocus) {
    auto program = std::make_unique<FakeProgram>(SocketPath());
    EXPECT_TRUE(program->Connected());
    EXPECT_EQ(program->ReadLine(), Line(hook::Hello{hook::kVersion}));
    EXPECT_EQ(program->ReadLine(), Line(expectedFocus));
    return program;
}

HookSession::Context HookSession::Open(const std::string& program) {
    Context context{harness_->CreateInputContext(program), 0};
    const auto line = program_->ReadLine();
    const auto focus = line ? hook::Parse(*line) : std::nullopt;
    if (!focus || !std::holds_alternative<hook::Focus>(*focus)) {
        ADD_FAILURE() << "no focus line for a new input context of " << program;
        return context;
    }
    context.handle = std::get<hook::Focus>(*focus).window;
    EXPECT_EQ(*line, Line(hook::Focus{context.handle, program == hook::kProgramName, program}));
    return context;
}

void HookSession::RegisterAndHook(hook::Handle target, hook::Handle owner) {
    program_->Send(hook::Encode(hook::Register{target, owner}) + hook::Encode(hook::Hook{}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->TakingKeys(); }));
}

bool HookSession::Press(const Context& context, const fcitx::Key& key) {
    return harness_->SendKey(context.uuid, key, false);
}

bool HookSession::Release(const Context& context, const fcitx::Key& key) {
    return harness_->SendKey(context.uuid, key, true);
}

// Should the machine be so slow that the hook gave the key back first, the
// answer still ends its silence.
void HookSession::Answer(hook::Seq seq) {
    program_->Send(hook::Encode(hook::Done{seq}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->KeysAwaitingAnswer() == 0 && harness_->TakingKeys(); }));
}

HookSession::Context HookSession::OpenGtk4() {
    const Context gtk4 = Open("gnome-text-editor");
    harness_->ReportsKeyRepeatOnly(gtk4.uuid);
    return gtk4;
}

void HookSession::SayWordTyped(const Context& context) {
    program_->Send(hook::Encode(hook::Word{true}));
    Sync(context);
}

// The sync's character follows a forwarded key as a key of its own.
void HookSession::Sync(const Context& context) {
    const std::size_t commitsBefore = harness_->Commits().size();
    const std::size_t forwardsBefore = harness_->Forwards().size();
    // The answer ends what came before: the sync's character is a text of
    // its own.
    program_->Send(hook::Encode(hook::Done{0}) + hook::Encode(hook::Char{0, context.handle, kSyncUnit}));
    ASSERT_TRUE(harness_->WaitUntil([&] {
        const auto commits = harness_->Commits();
        const auto forwards = harness_->Forwards();
        return std::any_of(commits.begin() + static_cast<std::ptrdiff_t>(commitsBefore), commits.end(),
                           [](const FcitxHarness::Commit& commit) { return commit.text == kSyncText; }) ||
               std::any_of(
                   forwards.begin() + static_cast<std::ptrdiff_t>(forwardsBefore), forwards.end(),
                   [](const FcitxHarness::Forward& forward) { return forward.key.sym() == FcitxKey_asciitilde; });
    }));
}

}  // namespace orvik::fcitxhook::testing
