// How what orvik2004 sends reaches the applications: characters gathered
// into one text, key strokes forwarded or turned into text or deletions as
// each application takes them, and, through the X input method, one message
// at a time.
#include <fcitx-utils/log.h>
#include <fcitx-utils/utf8.h>
#include <fcitx/inputcontext.h>

#include <string>
#include <utility>
#include <variant>

#include "codes/desktop_codes.h"
#include "hook_timing.h"
#include "hook_trace.h"
#include "key_delivery.h"
#include "orvikhook.h"

namespace orvik::fcitxhook {

namespace {

void DropLastCharacter(std::string& utf8) {
    std::size_t start = utf8.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(utf8[start]) & 0xC0) == 0x80) --start;
    utf8.erase(start);
}

}  // namespace

// What the program sends for a key already given back would reach the
// application a second time.
void OrvikHook::Deliver(const hook::Char& message) {
    if (awaiting_.GivenBack(message.seq)) return;
    awaiting_.Began(message.seq);
    InputContexts::Entry* entry = contexts_.Find(message.window);
    if (entry == nullptr) {
        FCITX_WARN() << "orvikhook: dropped a character for input context " << message.window << ", which is gone";
        return;
    }
    const CharUnits::Outcome outcome = entry->units.Add(message.unit);
    if (outcome.droppedHalf) FCITX_WARN() << "orvikhook: dropped half a character (a surrogate without its other half)";
    if (outcome.character) AddToPending(message.window, fcitx::utf8::UCS4ToUTF8(*outcome.character));
}

void OrvikHook::AddToPending(hook::Handle context, const std::string& text) {
    if (pendingContext_ != context) CommitPending();
    pendingContext_ = context;
    pendingText_ += text;
}

// While keys still await their answers more text is on its way: it joins
// this text in one commit. An application through the X input method takes
// the commits that reach it together last first, so "Nam?" sent in pieces
// could land as "?amN".
void OrvikHook::CommitSettled() {
    if (awaiting_.empty()) CommitPending();
}

// The text gathered so far goes out before anything that must follow it (a
// key stroke, a deletion, text for another input context).
void OrvikHook::CommitPending() {
    if (pendingText_.empty()) return;
    InputContexts::Entry* entry = contexts_.Find(pendingContext_);
    if (entry == nullptr) FCITX_WARN() << "orvikhook: dropped text for input context " << pendingContext_ << ", which is gone";
    else if (ForwardMayBeQueued(*entry->context.get(), pendingContext_))
        ForwardAsKeys(*entry->context.get(), pendingContext_, pendingText_);
    else
        Commit(*entry->context.get(), pendingContext_, pendingText_);
    lastCommit_ = {pendingContext_, NowUs()};
    pendingText_.clear();
    pendingContext_ = 0;
}

void OrvikHook::Deliver(const hook::Keybd& message) {
    if (awaiting_.GivenBack(message.seq)) return;
    awaiting_.Began(message.seq);
    const bool release = (message.flags & kKeyEventKeyUp) != 0;
    if (synthesized_.SetModifier(message.vk, release)) return;
    const auto key = synthesized_.KeyFor(message.vk);
    if (!key) {
        FCITX_WARN() << "orvikhook: dropped a key stroke of virtual key " << static_cast<int>(message.vk)
                     << ", which has no key here";
        return;
    }
    if (contexts_.Find(focused_) == nullptr) {
        FCITX_WARN() << "orvikhook: dropped a key stroke: no input context has the focus";
        return;
    }
    DeliverKey(focused_, *key, release);
}

// A key that types text joins the text being gathered, so it lands in its
// place among the characters around it, even while what follows a forwarded
// key goes as key strokes: a Backspace then erases a gathered character
// instead of going out. LibreOffice Writer, busy, carries out a Backspace
// typed among characters after the characters typed after it ("20045" for
// "2004⌫5 " in "98" under load, the answers to those keys forwarded in one
// burst).
void OrvikHook::DeliverKey(hook::Handle context, const fcitx::Key& key, bool release) {
    InputContexts::Entry* entry = contexts_.Find(context);
    if (entry == nullptr) return;
    if (ErasesACharacter(key) && ErasesGathered(context, release)) return;
    fcitx::InputContext& ic = *entry->context.get();
    KeyDelivery delivery = DeliveryOf(key, AbilitiesOf(ic));
    if (!std::holds_alternative<AsText>(delivery) && ForwardMayBeQueued(ic, context)) delivery = AsKeyStroke{};
    std::visit(Overloaded{
                   [&](const AsText& text) {
                       if (!release) AddToPending(context, text.text);
                   },
                   [&](const AsDeletionBefore&) {
                       if (release) return;
                       CommitPending();
                       ORVIK_TRACE() << "deleted a character";
                       ic.deleteSurroundingText(-1, 1);
                   },
                   [&](const AsKeyStroke&) {
                       CommitPending();
                       Forward(ic, context, key, release);
                   },
               },
               delivery);
}

// GTK 3's and Qt's modules queue a forwarded key among the application's
// own events but apply a commit or a deletion at once: sent after a
// forwarded key, text overtook it when the application read both together
// on a loaded machine (the Enter after "chào?" landed after the next word:
// "chào?xin ⏎chào"). While a forwarded key may still wait in that queue,
// text and deletions follow it as forwarded keys too, which the modules
// type in order.
bool OrvikHook::ForwardMayBeQueued(const fcitx::InputContext& ic, hook::Handle context) const {
    return MayBeInFlight(context, lastForward_.context, lastForward_.us) && !ThroughXInputMethod(ic) &&
           TakesKeyStrokes(ic);
}

void OrvikHook::Commit(fcitx::InputContext& ic, hook::Handle context, const std::string& text) {
    if (ThroughXInputMethod(ic)) return SendThroughXim(XimCommit{context, text});
    ORVIK_TRACE() << "committed \"" << text << "\"";
    ic.commitString(text);
}

void OrvikHook::Forward(fcitx::InputContext& ic, hook::Handle context, const fcitx::Key& key, bool release) {
    lastForward_ = {context, NowUs()};
    if (ThroughXInputMethod(ic)) return SendThroughXim(XimForward{context, key, release});
    ORVIK_TRACE() << "forwarded " << key.toString() << (release ? " up" : " down");
    ic.forwardKey(key, release);
}

void OrvikHook::SendThroughXim(XimMessage message) {
    ximPacing_.Queue(std::move(message));
    SendXimQueued();
}

void OrvikHook::SendXimQueued() {
    while (auto message = ximPacing_.TakeNext(NowUs()))
        if (SendToXim(*message)) ximPacing_.Sent(NowUs());
    ArmXimTimer();
}

bool OrvikHook::SendToXim(const XimMessage& message) {
    const hook::Handle context = std::visit([](const auto& m) { return m.context; }, message);
    InputContexts::Entry* entry = contexts_.Find(context);
    if (entry == nullptr) {
        FCITX_WARN() << "orvikhook: dropped what was left for input context " << context << ", which is gone";
        return false;
    }
    fcitx::InputContext& ic = *entry->context.get();
    std::visit(Overloaded{
                   [&ic](const XimCommit& m) {
                       ORVIK_TRACE() << "committed \"" << m.text << "\"";
                       ic.commitString(m.text);
                   },
                   [&ic](const XimForward& m) {
                       ORVIK_TRACE() << "forwarded " << m.key.toString() << (m.release ? " up" : " down");
                       ic.forwardKey(m.key, m.release);
                   },
               },
               message);
    return true;
}

void OrvikHook::OnXimReply() {
    ORVIK_TRACE() << "an application through the X input method took a message";
    ximPacing_.Answered();
    SendXimQueued();
}

void OrvikHook::ArmXimTimer() {
    ArmTimer(instance_->eventLoop(), ximTimer_, ximPacing_.Deadline(), [this] { SendXimQueued(); });
}

void OrvikHook::ForwardAsKeys(fcitx::InputContext& ic, hook::Handle context, const std::string& text) {
    for (auto at = text.begin(); at != text.end();) {
        std::uint32_t character = 0;
        at = fcitx::utf8::getNextChar(at, text.end(), &character);
        const fcitx::Key key(fcitx::Key::keySymFromUnicode(character));
        Forward(ic, context, key, false);
        Forward(ic, context, key, true);
    }
}

// A Backspace erases the last character still gathered, which never
// reached the application: sent after that text, the deletion could
// overtake it in an application through the X input method ("20045" for
// "2004⌫5"). Its release goes where its press went.
bool OrvikHook::ErasesGathered(hook::Handle context, bool release) {
    if (release) return std::exchange(erasedGathered_, false);
    erasedGathered_ = pendingContext_ == context && !pendingText_.empty();
    if (erasedGathered_) DropLastCharacter(pendingText_);
    return erasedGathered_;
}

}  // namespace orvik::fcitxhook
