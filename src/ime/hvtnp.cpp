#include "ime/hvtnp.h"

#include <utility>

#include "ime/page_file.h"

namespace orvik {

namespace {

constexpr int kMaxBoxLength = 10;

}  // namespace

HVTNP::HVTNP(Module1& module, TypingSession& session, OutputChoices& output, const CandidateWindowDesktop& desktop,
             CandidateWindowHost& host)
    : module_(module), session_(session), output_(output), desktop_(desktop), host_(host) {
    for (int i = 0; i < 10; ++i)
        Command2[static_cast<std::size_t>(i)].Caption = i == 9 ? u"0" : std::u16string(1, static_cast<char16_t>(u'1' + i));
}

TwipRect HVTNP::Command2Rect(int index) { return {1260 + 570 * index, 315, 565, 280}; }

void HVTNP::Form_Load() {
    targetWindow_ = desktop_.application.GetForegroundWindow();
    targetFocus_ = desktop_.application.GetFocus();
    desktop_.windows.ShowWindow(WindowId::HVTNP);
    desktop_.windows.SetTopmost(WindowId::HVTNP);
    // At its load the box takes its font by the dialog's code box; later the
    // menu button sets it again by the menu's Unicode item.
    Text1.FontName = host_.CodeBoxText() == u"Unicode" ? std::u16string(kUnicodeBoxFont) : output_.VnFontName;
    Frame1.Caption = module_.ModeName;
    Label1.Caption = std::u16string(kLabelPrefix) + module_.ModeTitle;
    Command3.Caption = output_.System98 ? u"98" : u"2K";
    if (!session_.Empty()) return ShowTypedCode();
    WebBrowser1.Address = u"about:blank";
    desktop_.views.DrawCandidatePage("HVTNP.WebBrowser1", u"");
}

void HVTNP::Form_Unload() {
    desktop_.hook.NhanDien(0, desktop_.windows.HandleOf(WindowId::OrvikU));
    desktop_.windows.UnloadWindow(WindowId::HVTNP);
    host_.CandidateWindowUnloaded();
}

void HVTNP::Form_Resize(bool minimized) {
    Caption = minimized ? kMinimizedCaption : kCaption;
    Frame1.Caption = module_.ModeName;
}

void HVTNP::SetText1Font() {
    Text1.FontName = session_.OutputsUnicode() ? std::u16string(kUnicodeBoxFont) : output_.VnFontName;
}

void HVTNP::SetText1(std::u16string text) {
    if (text == Text1.Text) return;
    Text1.Text = std::move(text);
    desktop_.application.WordPending(!Text1.Text.empty());
    Text1_Change();
}

void HVTNP::ShowTypedCode() { SetText1(session_.Shown()); }

void HVTNP::Text1_Change() {
    if (Text1.Text.empty()) {
        session_.ClearCandidates();
        return DoiHTLM(u"");
    }
    // An over-long code is dropped with its keys, so the next key starts a
    // new code; emptying the box runs this again, which shows the empty page.
    if (Text1.Text.size() > kMaxBoxLength) {
        session_.Clear();
        return SetText1(u"");
    }
    switch (session_.FindCandidates(true)) {
        case CandidateLine::Ignored: return;
        case CandidateLine::NotFound: return DoiHTLM(u"");
        case CandidateLine::Found: return ShowShownPage();
    }
}

void HVTNP::DoiHTLM(std::u16string_view fragment) {
    ShowCandidatePage(desktop_.views, desktop_.files, desktop_.loop, WebBrowser1, "HVTNP.WebBrowser1", fragment);
}

}  // namespace orvik
