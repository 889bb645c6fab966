// The typing box Text1: the typing session answers each key, and the box
// shows its committed text followed by the session's word; letters list
// the ideographs of the code, digits pick a candidate, Up and Down page,
// Space commits the word, Esc clears.
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

void OrvikU::WriteText1(std::u16string text) {
    Text1.Text = std::move(text);
    app_.platform().SendKeys(u"^{END}");
}

void OrvikU::Text1_KeyDown(std::int16_t KeyCode, std::int16_t) {
    const KeyAnswer answer = AnswerKeyDownInBox(app_.session(), KeyCode);
    if (answer.act != KeyAnswer::Act::Pick) return;
    app_.ShowCharPage(answer.text, PageWhere::MainWindow);
    app_.session().ClearCandidates();
}

void OrvikU::Text1_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii == kAsciiReturn) KeyAscii = 0;
}

void OrvikU::Text1_KeyUp(std::int16_t KeyCode, std::int16_t Shift) {
    const bool copying = Shift == kCtrlMask && (KeyCode == kVkC || KeyCode == kVkC + kSmallLetterOffset);
    if (copying) return;
    if (KeyCode == kVkEscape) return ClearBox();
    CarryOut(AnswerKeyInBox(app_.session(), KeyCode, Shift, Text1.Text.size()));
}

void OrvikU::CarryOut(const KeyAnswer& answer) {
    TypingSession& session = app_.session();
    using Act = KeyAnswer::Act;
    switch (answer.act) {
        case Act::ShowCode:
            WriteText1(committedText_ + session.Shown());
            return ShowMainCandidates();
        case Act::RewriteBox: return WriteText1(committedText_ + session.Shown());
        case Act::ShowPage: return MainShowPage(session.Candidates().ShownPage());
        case Act::Commit: return CommitWord(answer.text + answer.ending);
        default: return;
    }
}

// Space: the word joins the box's text, and the candidate window, which
// shows the same session, empties its box too.
void OrvikU::CommitWord(std::u16string_view word) {
    committedText_ += word;
    Text1.Text = committedText_;
    app_.session().Clear();
    app_.EmptyCandidateBox();
    app_.platform().SendKeys(u"^{END}");
}

void OrvikU::ClearBox() {
    if (Text1.Text.empty()) return;
    WriteText1(u"");
    Label2.Caption.clear();
    MainShowPage(u"");
    app_.session().Clear();
    committedText_.clear();
    app_.EmptyCandidateBox();
}

}  // namespace orvik
