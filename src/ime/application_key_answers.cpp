// The candidate window's key-up rules: the first rule that matches the key
// (and the code, and the candidate list) acts.
#include "codes/desktop_codes.h"
#include "ime/key_answer.h"

namespace orvik {

namespace {

using Act = KeyAnswer::Act;

constexpr std::int16_t kSmallZ = kVkZ + kSmallLetterOffset;

// A word of one letter as shown (such as "â" of "aa") is dropped whole.
void EraseKey(TypingSession& session) {
    if (session.Shown().size() < 2) session.Clear();
    else session.DropLastKey();
}

KeyAnswer Commit(const TypingSession& session, std::u16string ending) {
    return KeyAnswer::Of(Act::Commit, session.ForOutput(), std::move(ending));
}

KeyAnswer Clear(TypingSession& session) {
    session.Clear();
    return KeyAnswer::Of(Act::ShowCode);
}

// Digits pick from the page shown; with Ctrl they open the candidate's
// page instead. In PinYin a digit with no list is the tone number.
KeyAnswer AnswerDigit(TypingSession& session, std::int16_t key, std::int16_t shift) {
    const bool noList = session.Candidates().Empty();
    if (session.PinYin() && noList) {
        session.AddKey(static_cast<char16_t>(key));
        return KeyAnswer::Of(Act::ShowCode);
    }
    if (noList) return KeyAnswer::Of(Act::PassOn);
    if (shift == kCtrlMask) return {Act::OpenPage, {}, {}, PositionOfDigit(key - kVk0)};
    std::u16string field = session.CandidateOfDigit(key);
    if (field.empty()) return KeyAnswer::Of(Act::None);
    return KeyAnswer::Of(Act::Pick, std::move(field));
}

}  // namespace

KeyAnswer AnswerKeyForApplication(TypingSession& session, std::int16_t key, std::int16_t shift) {
    const bool empty = session.Empty();
    switch (key) {
        case kVkBack:
            if (empty) return KeyAnswer::Of(Act::PassOn);
            EraseKey(session);
            return KeyAnswer::Of(Act::ShowCode);
        case kVkEscape:
            return empty ? KeyAnswer::Of(Act::PassOn) : Clear(session);
        case kVkDown:
        case kVkUp:
            if (session.Candidates().Empty()) return KeyAnswer::Of(Act::PassOn);
            return KeyAnswer::Of(session.TurnPage(key == kVkDown ? +1 : -1) ? Act::ShowPage : Act::None);
        // Enter, Tab and symbols end the word, then do their own work.
        case kVkReturn:
        case kVkTab:
        case kVkOem8:
            return empty ? KeyAnswer::Of(Act::PassOn) : KeyAnswer::Of(Act::CommitPassOn, session.ForOutput());
        case kVkComma:
            return Commit(session, u",");
        case kVkPeriod:
            return Commit(session, u".");
        case kVkSpace:
            return Commit(session, u" ");
        default:
            break;
    }
    if ((key == kVkZ || key == kSmallZ) && !empty) return Clear(session);
    if (key >= kVkA && key <= 127) {
        if (shift == kCtrlMask) return KeyAnswer::Of(Act::None);
        session.AddKey(static_cast<char16_t>(key));
        return KeyAnswer::Of(Act::ShowCode);
    }
    if (IsDigitKey(key)) return AnswerDigit(session, key, shift);
    return KeyAnswer::Of(Act::None);
}

}  // namespace orvik
