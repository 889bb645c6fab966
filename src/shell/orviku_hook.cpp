// The key releases of the main window: Esc and the command codes the
// keyboard hook reports for its chords. The look-up chords copy the
// selection and show its page in the quick-view popup, as a left press on
// the popup's tray icon does.
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::uint32_t kCopyWaitMs = 200;

}  // namespace

void OrvikU::Form_KeyUp(std::int16_t& KeyCode, std::int16_t) {
    switch (KeyCode) {
        case kVkEscape:
            ClearMainCandidates();
            break;
        case kCmdLookupHeld:
            CopyForLookup();
            app_.LookupSelection();
            break;
        case kCmdLookup:
            CopyThenWait();
            app_.LookupSelection();
            break;
        case kCmdTranscribe:
        case kCmdTranscribeToo:
            CopyThenWait();
            app_.TranscribeSelection(true);
            break;
        case kCmdTelexHan:
            TelexH_Click(menu_number::kTelexH);
            ComposeBoxAgain();
            break;
        case kCmdTelexNom:
            TelexN_Click(menu_number::kTelexN);
            ComposeBoxAgain();
            break;
        case kCmdImeOnOff:
            IMEstate_Click(menu_number::kIMEstate);
            break;
        case kCmdNextMode:
            NextMode();
            break;
        default:
            break;
    }
}

// Esc hides the popup first; otherwise it ends the word being typed, in
// the candidate window while the input method is on.
void OrvikU::ClearMainCandidates() {
    if (app_.PopupVisible()) return app_.HidePopup();
    app_.session().Clear();
    if (Menunoi.IMEstate.Checked) return app_.CandidateWindow().SetText1(u"");
    WriteText1(u"");
    Label2.Caption.clear();
    MainShowPage(u"");
    committedText_.clear();
}

// The copy of a look-up chord whose Ctrl the user still holds: for another
// application only the C is synthesized, and the main window is minimized
// out of its way; in the program's own windows the copy is a key string to
// the focused one.
void OrvikU::CopyForLookup() {
    Platform& platform = app_.platform();
    const WindowHandle foreground = platform.GetForegroundWindow();
    const bool own =
        foreground == platform.HandleOf(WindowId::OrvikU) || foreground == platform.HandleOf(WindowId::WPopup);
    if (own) return platform.SendKeys(u"^c");
    platform.keybd_event(kVkC, kScanC, 0);
    platform.keybd_event(kVkC, kScanC, kKeyEventKeyUp);
    if (WindowState == State::Normal) Minimize();
}

// Copies the selection of the application in the foreground and gives it
// the time to reach the clipboard.
void OrvikU::CopyThenWait() {
    Platform& platform = app_.platform();
    SendCopyKeys(platform);
    platform.Sleep(kCopyWaitMs);
}

void OrvikU::ComposeBoxAgain() {
    WriteText1(app_.session().Composed());
    if (Menunoi.IMEstate.Checked) app_.CandidateWindow().Text1_Change();
}

// Telex Han, Telex Nom, PinYin Han, CangJie Nom, CangJie Han, and round.
void OrvikU::NextMode() {
    if (Menunoi.TelexH.Checked) return TelexN_Click(menu_number::kTelexN);
    if (Menunoi.TelexN.Checked) return PINYIN_Click(menu_number::kPinYin);
    if (Menunoi.PinYin.Checked) return CangJie_Click(menu_number::kCangJie);
    if (Menunoi.CangJie.Checked) return CangJieH_Click(menu_number::kCangJieH);
    if (Menunoi.CangJieH.Checked) return TelexH_Click(menu_number::kTelexH);
}

}  // namespace orvik
