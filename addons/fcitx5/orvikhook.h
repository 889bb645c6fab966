// The key hook inside fcitx5: watches the keys of every input context, takes
// the ones orvik2004's candidate window acts on and reports them to the
// program, and delivers the characters and key strokes the program sends
// back. A key the program does not answer in time goes back to its
// application, so nothing typed is ever lost. Everything runs on fcitx5's
// event-loop thread.
#pragma once

#include <fcitx-utils/event.h>
#include <fcitx-utils/handlertable.h>
#include <fcitx/addonfactory.h>
#include <fcitx/addoninstance.h>
#include <fcitx/event.h>
#include <fcitx/instance.h>

#include <memory>
#include <string>
#include <vector>

#include "awaiting_answers.h"
#include "input_contexts.h"
#include "orvikhook_public.h"
#include "program_connection.h"
#include "synthesized_keys.h"
#include "typed_keysym.h"
#include "xim_pacing.h"
#include "xim_replies.h"

namespace orvik::fcitxhook {

class OrvikHook : public fcitx::AddonInstance {
public:
    explicit OrvikHook(fcitx::Instance* instance);
    ~OrvikHook() override;

    std::size_t keysAwaitingAnswer() const { return awaiting_.size(); }
    bool takingKeys() const { return connection_->Connected() && hooked_ && !silent_; }

private:
    void WatchInputContexts();
    void OnKey(fcitx::KeyEvent& event);
    void LetThrough(fcitx::KeyEvent& event, hook::Handle context);
    fcitx::Key KeyAsTyped(const fcitx::KeyEvent& event);
    bool FollowsJustCommitted(const fcitx::InputContext& ic, hook::Handle context, const fcitx::Key& key) const;
    void OnFocusIn(fcitx::InputContext& ic);
    void OnFocusOut(fcitx::InputContext& ic);
    void OnDestroyed(fcitx::InputContext& ic);
    hook::Focus FocusMessage();

    void OnConnected();
    void OnMessage(const hook::Message& message);
    void OnDisconnected();
    void OnRead();
    void Deliver(const hook::Char& message);
    void Deliver(const hook::Keybd& message);
    void Deliver(const hook::Pass& message);
    void DeliverKey(hook::Handle context, const fcitx::Key& key, bool release);
    void AddToPending(hook::Handle context, const std::string& text);
    bool ErasesGathered(hook::Handle context, bool release);
    void CommitSettled();
    void CommitPending();
    bool ForwardMayBeQueued(const fcitx::InputContext& ic, hook::Handle context) const;
    void Commit(fcitx::InputContext& ic, hook::Handle context, const std::string& text);
    void Forward(fcitx::InputContext& ic, hook::Handle context, const fcitx::Key& key, bool release);
    void SendThroughXim(XimMessage message);
    void SendXimQueued();
    bool SendToXim(const XimMessage& message);
    void OnXimReply();
    void ArmXimTimer();
    void ForwardAsKeys(fcitx::InputContext& ic, hook::Handle context, const std::string& text);

    void GiveBack(const std::vector<AwaitingKey>& keys);
    void GiveBackOverdue();
    void ArmAnswerTimer();

    fcitx::Instance* instance_;
    fcitx::AddonInstance* xcb_;  // fcitx5's X connections; none without X
    InputContexts contexts_;
    hook::Handle focused_ = 0;  // the input context last reported focused
    AwaitingAnswers awaiting_;
    SynthesizedKeys synthesized_;
    TypedKeysym typedKeysym_;
    // The characters of the answers that follow each other, committed as one
    // text: an application that takes each commit on its own (xterm through
    // XIM) may reorder a word sent in pieces.
    hook::Handle pendingContext_ = 0;
    std::string pendingText_;
    bool erasedGathered_ = false;  // the last Backspace erased gathered text
    // The last commit and the last forwarded key: what follows either
    // closely may overtake it in a busy application.
    struct Delivered {
        hook::Handle context = 0;
        std::uint64_t us = 0;  // CLOCK_MONOTONIC
    };
    Delivered lastCommit_;
    Delivered lastForward_;
    // What the program has said.
    hook::Handle target_ = 0;
    hook::Handle owner_ = 0;
    bool hooked_ = false;
    bool wordPending_ = false;
    // A key went unanswered; no key is taken until the program speaks.
    bool silent_ = false;
    std::unique_ptr<ProgramConnection> connection_;
    std::unique_ptr<fcitx::EventSourceTime> answerTimer_;
    XimPacing ximPacing_;
    std::unique_ptr<XimReplies> ximReplies_;  // none without X
    std::unique_ptr<fcitx::EventSourceTime> ximTimer_;
    std::vector<std::unique_ptr<fcitx::HandlerTableEntry<fcitx::EventHandler>>> watchers_;

    FCITX_ADDON_EXPORT_FUNCTION(OrvikHook, keysAwaitingAnswer)
    FCITX_ADDON_EXPORT_FUNCTION(OrvikHook, takingKeys)
};

class OrvikHookFactory : public fcitx::AddonFactory {
public:
    fcitx::AddonInstance* create(fcitx::AddonManager* manager) override;
};

}  // namespace orvik::fcitxhook
