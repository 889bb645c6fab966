// The candidate window: the typed code in Text1 and the candidate pages in
// WebBrowser1. It acts on the key-up events the keyboard hook routes to it,
// pages and picks candidates, and sends the pick or the typed reading to the
// application in the foreground.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ime/candidate_window_host.h"
#include "ime/key_answer.h"
#include "ime/module1.h"
#include "ime/output_choices.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

// The parts of the desktop the candidate window works with.
struct CandidateWindowDesktop {
    OwnWindows& windows;
    PageViews& views;
    EventLoop& loop;  // the page file's quiet time
    ApplicationKeys& application;
    KeyHook& hook;
    SystemClipboard& clipboard;
    Files& files;  // the word list the box looks words up in

    // Every role from the one desktop.
    explicit CandidateWindowDesktop(Platform& platform)
        : windows(platform), views(platform), loop(platform), application(platform), hook(platform),
          clipboard(platform), files(platform) {}
};

class HVTNP {
public:
    HVTNP(Module1& module, TypingSession& session, OutputChoices& output, const CandidateWindowDesktop& desktop,
          CandidateWindowHost& host);

    static constexpr std::u16string_view kCaption = u"Han Viet Thau Nhap Phap Unicode";
    static constexpr std::u16string_view kMinimizedCaption = u"HV-IME";
    static constexpr std::u16string_view kLabelPrefix = u"  ORV Thâu nhập pháp : ";
    // The box's font while the output code is Unicode: the box shows the
    // typed word in VietWare-X.
    static constexpr std::u16string_view kUnicodeBoxFont = u"VNtimes new roman";

    std::u16string Caption{kCaption};
    std::array<Button, 10> Command2;  // candidate positions: "1" to "9", then "0"
    Button Command5{u"<", u"Trang truoc"};
    Button Command6{u">", u"Trang sau"};
    Button Command3{u"98", {}};
    Button Command4{u"?", {}};
    Button Command1{u"control", u"Menu and ..."};
    Frame Frame1{u"V-Input"};
    TextBox Text1{{}, std::u16string(kUnicodeBoxFont)};
    Label Label1;
    BrowserView WebBrowser1;
    // The surrogate pair of the last supplementary character made into RTF.
    std::int32_t HighSurrogate = 0;
    std::int32_t LowSurrogate = 0;

    // Where the controls lie in the window, in twips.
    static TwipRect Command2Rect(int index);
    static constexpr TwipRect kCommand5Rect{6960, 315, 565, 280};
    static constexpr TwipRect kCommand6Rect{7530, 315, 565, 280};

    // Aims at the application in the foreground, then shows the window.
    void Form_Load();
    void Form_Unload();
    void Form_Resize(bool minimized);
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);

    void Command2_MouseDown(std::int16_t Index);
    void Command5_Click();
    void Command6_Click();
    void Command3_Click();
    void Command4_Click();
    void Command1_MouseUp(std::int16_t Button);
    void Label1_MouseMove(std::int16_t Button);
    void Text1_GotFocus();
    void Text1_MouseDown();
    void Image1_Click();

    // Sets the box; a changed text runs Text1_Change, as the box does.
    void SetText1(std::u16string text);
    // Shows the session's code in the box: composed into a reading in the
    // Telex modes, as typed in the others.
    void ShowTypedCode();

    // Finds the candidates of the session's code and shows their first
    // page; an over-long code is dropped with its keys.
    void Text1_Change();
    void DoiHTLM(std::u16string_view fragment);
    std::u16string To_SurrogateC(std::u16string_view field);

private:
    void CarryOut(const KeyAnswer& answer);
    void SendToTarget(std::u16string_view text, std::u16string_view suffix);
    bool TrackTarget();
    void PasteOrDeliver(std::u16string_view text, std::u16string_view rtf, bool reading);
    void Deliver(std::u16string_view text, bool reading);
    void SendEndingKey(std::u16string_view suffix);
    void ShowShownPage();
    void DropWordEndedElsewhere();
    bool ClosesPopup(std::int16_t key) const;
    void KeyPress(std::uint8_t key, std::uint8_t scan);
    void SetText1Font();
    void ClearAfterSend();

    Module1& module_;
    TypingSession& session_;
    OutputChoices& output_;
    // The application words go to: the foreground window at the last send,
    // or at switching on, and its focused control.
    WindowHandle targetWindow_ = 0;
    WindowHandle targetFocus_ = 0;
    CandidateWindowDesktop desktop_;
    CandidateWindowHost& host_;
    std::u16string vietIndex_;  // tdviet.idx, read when first needed
};

}  // namespace orvik
