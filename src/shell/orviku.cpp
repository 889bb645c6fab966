#include "shell/orviku.h"

#include <string>

#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/page_file.h"
#include "shell/application.h"

namespace orvik {

// The document chooser starts in the program's current directory.
OrvikU::OrvikU(Application& app) : app_(app) {
    for (int i = 0; i < 10; ++i) {
        const char16_t digit = i == 9 ? u'0' : static_cast<char16_t>(u'1' + i);
        Command2[static_cast<std::size_t>(i)].Caption = std::u16string(1, digit);
    }
    Picture2.Dir1.Path = Utf8ToU16(app_.platform().CurrentDirectory());
    Picture2.File1.Path = Picture2.Dir1.Path;
}

void OrvikU::Minimize() {
    app_.platform().MinimizeWindow(WindowId::OrvikU);
    WindowState = State::Minimized;
}

void OrvikU::Maximize() {
    app_.platform().MaximizeWindow(WindowId::OrvikU);
    WindowState = State::Maximized;
}

void OrvikU::MoMenu() { app_.platform().ShowPopupMenu(WindowId::OrvikU); }

void OrvikU::IMEstate_Click(std::int16_t) {
    Platform& platform = app_.platform();
    const WindowHandle self = platform.HandleOf(WindowId::OrvikU);
    if (Menunoi.IMEstate.Checked) {
        app_.UnloadCandidateWindow();
        Menunoi.IMEstate.Checked = false;
        platform.NhanDien(0, self);
        tbToolbar[5].Pressed = false;
        return;
    }
    Menunoi.IMEstate.Checked = true;
    if (WindowState == State::Normal) Minimize();
    app_.LoadCandidateWindow();
    platform.NhanDien(platform.HandleOf(WindowId::HVTNP), self);
    tbToolbar[5].Pressed = true;
}

void OrvikU::TelexH_Click(std::int16_t) { RunModeAction(kTelexHan); }
void OrvikU::TelexN_Click(std::int16_t) { RunModeAction(kTelexNom); }
void OrvikU::CangJieH_Click(std::int16_t) { RunModeAction(kCangJieHan); }
void OrvikU::CangJie_Click(std::int16_t) { RunModeAction(kCangJieNom); }
void OrvikU::PINYIN_Click(std::int16_t) { RunModeAction(kPinYinHan); }

void OrvikU::RunModeAction(const InputMode& mode) {
    Module1& module = app_.module();
    // The reading table is chosen by the "Nom" button as it is at loading.
    const auto load = [&] { module.LoadModeIndex(Utf8ToU16(mode.indexFile), tbToolbar[1].Pressed, mode.layout); };
    if (mode.buttonsFirst) SetButtons(mode, 3);
    else load();
    CheckMode(mode);
    app_.ConfigDialog().Combo2.Text = mode.comboText;
    if (mode.buttonsFirst) load();
    if (mode.letterTable) app_.session().SetOutputCode(LetterTableInForce(*mode.letterTable), Menunoi.Unicode.Checked);
    module.ModeTitle = mode.modeTitle;
    module.ModeName = mode.modeName;
    if (Menunoi.IMEstate.Checked) {
        HVTNP& candidates = app_.CandidateWindow();
        candidates.Frame1.Caption = module.ModeName;
        candidates.Label1.Caption = u"  ORV Thâu nhập pháp : " + module.ModeTitle;
    }
    ShowModeStatus(mode);
    if (!mode.buttonsFirst) SetButtons(mode, 2);
}

// The mode's rebuild keeps the letters of the output code checked, so a
// mode chosen after the code (at start-up, by the dialog's OK, from the
// menu) does not put VietWare-X letters in its place; with no code checked
// yet the mode's own table is built.
std::int16_t OrvikU::LetterTableInForce(std::int16_t modeTable) const {
    for (const OutputCodeAction* code : kOutputCodeActions)
        if ((Menunoi.*(code->item)).Checked) return code->letterTable;
    return modeTable;
}

void OrvikU::SetButtons(const InputMode& mode, int count) {
    for (int i = 0; i < count; ++i) {
        const ButtonState state = mode.buttons[static_cast<std::size_t>(i)];
        if (state != ButtonState::Unchanged)
            tbToolbar[static_cast<std::size_t>(i)].Pressed = state == ButtonState::Pressed;
    }
}

void OrvikU::CheckMode(const InputMode& mode) {
    for (const InputMode* each : kInputModes) (Menunoi.*(each->item)).Checked = false;
    (Menunoi.*(mode.item)).Checked = true;
    app_.session().SetMode(mode.typing);
}

void OrvikU::ShowModeStatus(const InputMode& mode) {
    std::u16string text = std::u16string(mode.statusPrefix) + app_.module().ModeTitle;
    if (mode.statusWithCode) text += u"/" + CodeLabel;
    StatusBar1.Text = std::move(text);
}

void OrvikU::ShowMainCandidates() {
    TypingSession& session = app_.session();
    switch (session.FindCandidates(false)) {
        case CandidateLine::Ignored: return;
        case CandidateLine::NotFound: return MainShowPage(u"");
        case CandidateLine::Found:
            MainShowPage(session.Candidates().ShownPage());
            Label2.Caption = u"Tìm thấy " + DecimalText(session.FoundCount()) + u" chữ";
    }
}

void OrvikU::MainShowPage(std::u16string_view fragment) {
    Platform& platform = app_.platform();
    ShowCandidatePage(platform, platform, platform, WebBrowser2, "OrvikU.WebBrowser2", fragment);
}

void OrvikU::NavigateWebBrowser1(std::u16string_view address) {
    WebBrowser1.Address = std::u16string(address);
    app_.platform().Navigate("OrvikU.WebBrowser1", address);
}

}  // namespace orvik
