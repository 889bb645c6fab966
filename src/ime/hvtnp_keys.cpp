// The candidate window's key-up events: the popup closes first; every other
// key is the typing session's to answer, and the window carries the answer
// out.
#include "ime/hvtnp.h"

namespace orvik {

void HVTNP::KeyPress(std::uint8_t key, std::uint8_t scan) {
    desktop_.application.keybd_event(key, scan, 0);
    desktop_.application.keybd_event(key, scan, kKeyEventKeyUp);
}

bool HVTNP::ClosesPopup(std::int16_t key) const {
    if (!host_.PopupVisible()) return false;
    return key == kVkEscape || ((key == kVkZ || key == kVkZ + kSmallLetterOffset) && !session_.Empty());
}

void HVTNP::Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift) {
    DropWordEndedElsewhere();
    if (ClosesPopup(KeyCode)) return host_.HidePopup();
    CarryOut(AnswerKeyForApplication(session_, KeyCode, Shift));
}

void HVTNP::CarryOut(const KeyAnswer& answer) {
    using Act = KeyAnswer::Act;
    switch (answer.act) {
        case Act::None: return;
        case Act::ShowCode:
        case Act::RewriteBox: return ShowTypedCode();
        case Act::ShowPage: return ShowShownPage();
        case Act::Commit: return SendToTarget(answer.text, answer.ending);
        case Act::CommitPassOn:
            SendToTarget(answer.text, u"");
            return desktop_.application.PassKeyOn();
        case Act::PassOn: return desktop_.application.PassKeyOn();
        case Act::Pick: return SendToTarget(answer.text, std::u16string(1, u'\0'));
        case Act::OpenPage: return Command2_MouseDown(static_cast<std::int16_t>(answer.position));
    }
}

// The main window types through the same session: a word committed or
// cleared there leaves this box showing keys that are gone.
void HVTNP::DropWordEndedElsewhere() {
    if (session_.Empty() && !Text1.Text.empty()) SetText1(u"");
}

void HVTNP::ShowShownPage() { DoiHTLM(session_.Candidates().ShownPage()); }

}  // namespace orvik
