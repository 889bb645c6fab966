// The main window's part in the keyboard hook: installing it when the window
// is created, removing it when the window is unloaded, and the command codes
// the hook reports for its chords.
#include "engine/telex.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::uint32_t kCopyWaitMs = 200;

}  // namespace

void OrvikU::Form_Initialize() {
    Platform& platform = app_.platform();
    Module1& module = app_.module();
    // The first call into the library loads it; locating it relies on that.
    module.ScratchPos = platform.NhanDien(0, platform.HandleOf(WindowId::OrvikU));
    module.HookModule = platform.GetModuleHandleA(kHookLibrary);
    module.HookProc = platform.GetProcAddress(module.HookModule, kHookProcedure);
    module.HookHandle = platform.SetWindowsHookExA(kWhKeyboard, module.HookProc, module.HookModule, 0);
}

void OrvikU::Form_Unload() {
    Platform& platform = app_.platform();
    Module1& module = app_.module();
    platform.UnhookWindowsHookEx(module.HookHandle);
    platform.FreeLibrary(module.HookModule);
    app_.UnloadCandidateWindow();
}

void OrvikU::Form_KeyUp(std::int16_t& KeyCode, std::int16_t) {
    switch (KeyCode) {
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

// Copies the selection of the application in the foreground and gives it
// the time to reach the clipboard.
void OrvikU::CopyThenWait() {
    Platform& platform = app_.platform();
    platform.keybd_event(kVkControl, kScanControl, 0);
    platform.keybd_event(kVkC, kScanC, 0);
    platform.keybd_event(kVkC, kScanC, kKeyEventKeyUp);
    platform.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
    platform.Sleep(kCopyWaitMs);
}

void OrvikU::ComposeBoxAgain() {
    Module1& module = app_.module();
    Text1.Text = TelexToCode(module.Tables, PlaceToneKey(module.TypedKeys, Menunoi.CangJie.Checked));
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
