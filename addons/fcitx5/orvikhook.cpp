#include "orvikhook.h"

#include <fcitx-utils/log.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontext.h>
#include <xcb_public.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "hook_timing.h"
#include "hook_trace.h"
#include "key_choice.h"
#include "key_delivery.h"
#include "codes/desktop_codes.h"
#include "trusted_peer.h"

namespace orvik::fcitxhook {

FCITX_DEFINE_LOG_CATEGORY(orvikTrace, "orviktrace");

namespace {

constexpr std::uint64_t kAnswerWaitUs = std::uint64_t{hook::kAnswerWaitMs} * 1000;
// While the program holds text for the application, a key given back
// would overtake that text or, once the program undoes the key, double it:
// with "chào" in the box, the "?" given back went first and the word
// stayed in the box; after the paste of "chào", the "?" given back had the
// program take the word back and type it again ("chào?⏎chaòxin"). The keys
// then wait for the program as long as one stopped on a loaded machine
// stays stopped.
constexpr std::uint64_t kHeldTextWaitUs = 5'000'000;
bool IsOwn(const fcitx::InputContext& ic) { return ic.program() == hook::kProgramName; }

// An X display's focus group is named "x11:" and the display's name.
constexpr std::string_view kX11DisplayPrefix = "x11:";

std::string VerbOf(const hook::Message& message) {
    const std::string line = hook::LineOf(message);
    return line.substr(0, line.find(' '));
}

}  // namespace

// fcitx5 loads its X connection (an optional dependency) before the hook.
OrvikHook::OrvikHook(fcitx::Instance* instance)
    : instance_(instance), xcb_(instance->addonManager().addon("xcb")) {
    connection_ = std::make_unique<ProgramConnection>(
        instance->eventLoop(), hook::SocketPath(), TrustedPrograms(ORVIK_TRUSTED_PROGRAMS),
        ProgramConnection::Handlers{[this] { OnConnected(); }, [this](const hook::Message& m) { OnMessage(m); },
                                    [this] { OnDisconnected(); }, [this] { OnRead(); }});
    WatchInputContexts();
    if (xcb_ == nullptr) return;
    ximReplies_ = std::make_unique<XimReplies>(
        *xcb_, XimReplies::Handlers{[this] { ximPacing_.RepliesHeard(); }, [this] { OnXimReply(); }});
}

// Keys still awaiting an answer when fcitx5 exits are not given back: the
// applications' input contexts are going away with it.
OrvikHook::~OrvikHook() = default;

void OrvikHook::WatchInputContexts() {
    using fcitx::EventType;
    const auto watch = [this](EventType type, fcitx::EventHandler handler) {
        watchers_.push_back(instance_->watchEvent(type, fcitx::EventWatcherPhase::PreInputMethod, std::move(handler)));
    };
    const auto contextOf = [](fcitx::Event& event) -> fcitx::InputContext& {
        return *static_cast<fcitx::InputContextEvent&>(event).inputContext();
    };
    watch(EventType::InputContextKeyEvent,
          [this](fcitx::Event& event) { OnKey(static_cast<fcitx::KeyEvent&>(event)); });
    watch(EventType::InputContextFocusIn, [this, contextOf](fcitx::Event& event) { OnFocusIn(contextOf(event)); });
    watch(EventType::InputContextFocusOut, [this, contextOf](fcitx::Event& event) { OnFocusOut(contextOf(event)); });
    watch(EventType::InputContextDestroyed, [this, contextOf](fcitx::Event& event) { OnDestroyed(contextOf(event)); });
}

// A taken press is reported and held until the program answers; its
// release is taken with it.
void OrvikHook::OnKey(fcitx::KeyEvent& event) {
    fcitx::InputContext& ic = *event.inputContext();
    InputContexts::Entry& entry = contexts_.Of(ic);
    const fcitx::Key rawKey = event.rawKey();
    const std::uint64_t press = InputContexts::PressId(rawKey);
    if (event.isRelease()) {
        if (entry.takenPresses.erase(press) != 0) event.filterAndAccept();
        else LetThrough(event, entry.handle);
        return;
    }
    if (!takingKeys()) {
        ORVIK_TRACE() << "passed " << rawKey.toString();
        return LetThrough(event, entry.handle);
    }
    const fcitx::Key typedKey = KeyAsTyped(event);
    const auto chosen = ChooseKey(typedKey, {target_ != 0, owner_ != 0, IsOwn(ic), wordPending_ || !awaiting_.empty()});
    // A key of the application's must not overtake taken keys still waiting
    // for the program: it waits behind them.
    if (!chosen && awaiting_.empty()) {
        if (!FollowsJustCommitted(ic, entry.handle, typedKey)) {
            ORVIK_TRACE() << "passed " << typedKey.toString();
            return LetThrough(event, entry.handle);
        }
        event.filterAndAccept();
        entry.takenPresses.insert(press);
        DeliverKey(entry.handle, typedKey, false);
        return CommitSettled();
    }
    event.filterAndAccept();
    entry.takenPresses.insert(press);
    if (!chosen) {
        ORVIK_TRACE() << "held " << typedKey.toString();
        return awaiting_.Hold(entry.handle, typedKey);
    }
    const hook::Seq seq = awaiting_.Add(entry.handle, typedKey, NowUs() + kAnswerWaitUs, chosen->code >= kFirstCommandCode);
    ORVIK_TRACE() << "took " << typedKey.toString() << " as " << seq << " in " << entry.handle;
    ArmAnswerTimer();
    // Should the program be gone, the disconnection gives the key back.
    connection_->Send(
        hook::KeyUp{seq, hook::KeyDestination(target_, owner_, chosen->code), chosen->code, chosen->shift});
}

// fcitx5 hands a key it lets through back to an application through the X
// input method as a message of its own, which waits its turn behind the
// hook's. Without orvik2004 and with nothing of the hook's waiting, the keys
// are fcitx5's alone.
void OrvikHook::LetThrough(fcitx::KeyEvent& event, hook::Handle context) {
    if (!ThroughXInputMethod(*event.inputContext())) return;
    if (!takingKeys() && !ximPacing_.Queued()) return;
    const std::uint64_t now = NowUs();
    if (!ximPacing_.Busy(now)) return ximPacing_.Sent(now);
    event.filterAndAccept();
    ORVIK_TRACE() << "queued " << event.rawKey().toString() << (event.isRelease() ? " up" : " down");
    ximPacing_.Queue(XimForward{context, event.rawKey(), event.isRelease()});
    ArmXimTimer();
}

// A Backspace, Enter or Tab typed right after a commit to the same input
// context goes behind that commit where it reaches the application as a
// deletion or as the line break or tab it types. Let through, such a key
// reached GTK 4's gnome-text-editor on a busy machine before the text
// committed just before it: "2045" for "2004⌫5", and "nam, ⏎chào?" for
// "nam, chào?⏎". Other keys stay the application's.
bool OrvikHook::FollowsJustCommitted(const fcitx::InputContext& ic, hook::Handle context,
                                     const fcitx::Key& key) const {
    if (!MayBeInFlight(context, lastCommit_.context, lastCommit_.us)) return false;
    const KeyDelivery delivery = DeliveryOf(key, AbilitiesOf(ic));
    if (std::holds_alternative<AsDeletionBefore>(delivery)) return true;
    const auto* text = std::get_if<AsText>(&delivery);
    return text != nullptr && (text->text == "\n" || text->text == "\t");
}

// Only the X input method reads keysyms with fcitx5's own keyboard state;
// the toolkits' modules send the keysym the application read.
fcitx::Key OrvikHook::KeyAsTyped(const fcitx::KeyEvent& event) {
    const fcitx::InputContext& ic = *event.inputContext();
    if (!ThroughXInputMethod(ic)) return event.rawKey();
    const std::string display = ic.display();
    if (!display.starts_with(kX11DisplayPrefix)) return event.rawKey();
    if (xcb_ == nullptr) return event.rawKey();
    xkb_state* live = xcb_->call<fcitx::IXCBModule::xkbState>(display.substr(kX11DisplayPrefix.size()));
    return typedKeysym_.AsTyped(event.rawKey(), live == nullptr ? nullptr : xkb_state_get_keymap(live));
}

void OrvikHook::OnFocusIn(fcitx::InputContext& ic) {
    focused_ = contexts_.Of(ic).handle;
    connection_->Send(FocusMessage());
    if (ThroughXInputMethod(ic) && ximReplies_ != nullptr) ximReplies_->WarnIfUnheard();
}

void OrvikHook::OnFocusOut(fcitx::InputContext& ic) {
    if (focused_ == 0 || contexts_.Of(ic).handle != focused_) return;
    focused_ = 0;
    connection_->Send(hook::Focus{});
}

void OrvikHook::OnDestroyed(fcitx::InputContext& ic) {
    const hook::Handle handle = contexts_.Forget(ic);
    if (handle == 0 || handle != focused_) return;
    focused_ = 0;
    connection_->Send(hook::Focus{});
}

hook::Focus OrvikHook::FocusMessage() {
    InputContexts::Entry* entry = contexts_.Find(focused_);
    if (entry == nullptr) return {};
    const fcitx::InputContext& ic = *entry->context.get();
    return {focused_, IsOwn(ic), ic.program(), TakesKeyStrokes(ic)};
}

void OrvikHook::OnConnected() {
    connection_->Send(hook::Hello{});
    connection_->Send(FocusMessage());
}

void OrvikHook::OnMessage(const hook::Message& message) {
    ORVIK_TRACE() << "heard " << hook::LineOf(message);
    silent_ = false;
    std::visit(Overloaded{
                   [this](const hook::Register& m) {
                       target_ = m.target;
                       owner_ = m.owner;
                   },
                   [this](const hook::Hook&) { hooked_ = true; },
                   [this](const hook::Unhook&) { hooked_ = false; },
                   [this](const hook::Char& m) { Deliver(m); },
                   [this](const hook::Keybd& m) { Deliver(m); },
                   [this](const hook::Pass& m) { Deliver(m); },
                   [this](const hook::Word& m) { wordPending_ = m.pending; },
                   [this](const hook::Done& m) { GiveBack(awaiting_.Answer(m.seq)); },
                   [&message](const auto&) {
                       FCITX_WARN() << "orvikhook: dropped a " << VerbOf(message)
                                    << " message from orvik2004; only the hook sends those";
                   },
               },
               message);
}

// A program catching up after a stall is answering: keys go back only once
// it has said nothing for the whole wait.
void OrvikHook::OnRead() {
    CommitSettled();
    const bool holdsText = wordPending_ || awaiting_.AnswerBegun();
    awaiting_.Spoke(NowUs() + (holdsText ? kHeldTextWaitUs : kAnswerWaitUs));
    ArmAnswerTimer();
}

// The program is gone: its state goes with it and keys pass untouched.
void OrvikHook::OnDisconnected() {
    CommitPending();
    target_ = 0;
    owner_ = 0;
    hooked_ = false;
    wordPending_ = false;
    silent_ = false;
    synthesized_.Clear();
    contexts_.ClearCharUnits();
    GiveBack(awaiting_.TakeAll());
    ArmAnswerTimer();
}

// The key as it was typed, to the input context it was typed in.
void OrvikHook::Deliver(const hook::Pass& message) {
    const auto key = awaiting_.TakeToPass(message.seq);
    if (!key) return;
    GiveBack({*key});
    ArmAnswerTimer();
}

// A command chord is never the application's: given back, Ctrl+Alt+N typed
// an "n" into a Qt window. The program carries it out once it runs.
void OrvikHook::GiveBack(const std::vector<AwaitingKey>& keys) {
    for (const AwaitingKey& key : keys) {
        if (key.command) continue;
        DeliverKey(key.context, key.rawKey, false);
        DeliverKey(key.context, key.rawKey, true);
    }
    CommitSettled();
}

void OrvikHook::GiveBackOverdue() {
    const std::vector<AwaitingKey> overdue = awaiting_.TakeOverdue(NowUs());
    if (!overdue.empty()) {
        silent_ = true;
        const bool keyWent = std::ranges::any_of(overdue, [](const AwaitingKey& key) { return !key.command; });
        FCITX_WARN() << "orvikhook: orvik2004 did not answer in time; "
                     << (keyWent ? "the key went to the application" : "the command chord stays its own");
        for (const AwaitingKey& key : overdue) ORVIK_TRACE() << "gave back " << key.seq;
        GiveBack(overdue);
        // The program may yet handle the keys that went to the application;
        // told, it undoes them. One whose answer has begun is its to finish.
        for (const AwaitingKey& key : overdue)
            if (awaiting_.GivenBack(key.seq) && !awaiting_.HasBegun(key.seq)) connection_->Send(hook::GaveBack{key.seq});
    }
    ArmAnswerTimer();
}

// One timer, for the earliest deadline.
void OrvikHook::ArmAnswerTimer() {
    ArmTimer(instance_->eventLoop(), answerTimer_, awaiting_.EarliestDeadline(), [this] { GiveBackOverdue(); });
}

fcitx::AddonInstance* OrvikHookFactory::create(fcitx::AddonManager* manager) {
    return new OrvikHook(manager->instance());
}

}  // namespace orvik::fcitxhook

FCITX_ADDON_FACTORY(orvik::fcitxhook::OrvikHookFactory);
