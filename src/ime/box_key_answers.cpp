// The main window's typing-box rules. After every key the whole word is
// composed anew from its keys, and the box shows its text before the word
// followed by the word.
#include "codes/desktop_codes.h"
#include "ime/key_answer.h"

namespace orvik {

namespace {

using Act = KeyAnswer::Act;

// The physical Shift key does not make capitals here: Ctrl does.
KeyAnswer AddLetter(TypingSession& session, std::int16_t key, std::int16_t shift) {
    const bool capital = shift == kCtrlMask;
    session.AddKey(static_cast<char16_t>(capital ? key : key + kSmallLetterOffset));
    session.GatherToneKeys();
    return KeyAnswer::Of(Act::ShowCode);
}

// The box has already deleted one character; a word of one key keeps it.
KeyAnswer EraseKey(TypingSession& session, std::size_t boxLength) {
    if (boxLength < 2 || session.Keys().size() <= 1) return KeyAnswer::Of(Act::None);
    session.DropLastKey();
    return KeyAnswer::Of(Act::ShowCode);
}

// The digit was a pick on its key-down, and the box drops it again; in
// PinYin it is the tone number that ends the syllable.
KeyAnswer AddDigit(TypingSession& session, std::int16_t key) {
    if (!session.PinYin()) return KeyAnswer::Of(Act::RewriteBox);
    session.AddKey(static_cast<char16_t>(key));
    return KeyAnswer::Of(Act::ShowCode);
}

}  // namespace

KeyAnswer AnswerKeyInBox(TypingSession& session, std::int16_t key, std::int16_t shift, std::size_t boxLength) {
    if (key == kVkDown || key == kVkUp) {
        if (session.Candidates().Empty()) return KeyAnswer::Of(Act::None);
        return KeyAnswer::Of(session.TurnPage(key == kVkDown ? +1 : -1) ? Act::ShowPage : Act::None);
    }
    if (key == kVkBack) return EraseKey(session, boxLength);
    if (key == kVkSpace) return KeyAnswer::Of(Act::Commit, session.Composed(), u" ");
    if (key >= kVkA && key <= kVkZ) return AddLetter(session, key, shift);
    if (IsDigitKey(key)) return AddDigit(session, key);
    return KeyAnswer::Of(Act::None);
}

// A digit picks a candidate of the page shown, unless it is a PinYin tone
// number, which is typed while no candidates are listed.
KeyAnswer AnswerKeyDownInBox(const TypingSession& session, std::int16_t key) {
    if (!IsDigitKey(key)) return KeyAnswer::Of(Act::None);
    if (session.PinYin() && session.Candidates().Empty()) return KeyAnswer::Of(Act::None);
    std::u16string field = session.CandidateOfDigit(key);
    if (field.empty()) return KeyAnswer::Of(Act::None);
    return KeyAnswer::Of(Act::Pick, std::move(field));
}

}  // namespace orvik
