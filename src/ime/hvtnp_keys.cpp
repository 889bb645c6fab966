// The candidate window's key-up rules: the first rule that matches the key
// (and the box, the popup and the candidate list) acts.
#include "engine/telex.h"
#include "ime/candidate_search.h"
#include "ime/hvtnp.h"

namespace orvik {

namespace {

bool IsCtrl(std::int16_t shift) { return shift == kCtrlMask; }

}  // namespace

void HVTNP::KeyPress(std::uint8_t key, std::uint8_t scan) {
    platform_.keybd_event(key, scan, 0);
    platform_.keybd_event(key, scan, kKeyEventKeyUp);
}

void HVTNP::Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift) {
    module_.ComposedWord.clear();
    DropWordEndedElsewhere();
    const std::int16_t key = KeyCode;
    const bool boxEmpty = Text1.Text.empty();
    const bool noCandidates = module_.CandPages[0].empty();
    // With nothing typed, the keys the window has no use for are the
    // application's, as typed: a terminal's Backspace, a shell's history.
    if (key == kVkBack) {
        if (boxEmpty) {
            platform_.PassKeyOn();
        } else if (Text1.Text.size() >= 2 && module_.TypedKeys.size() >= 2) {
            module_.TypedKeys.pop_back();
            SetText1(ComposedTypedKeys());
        } else {
            module_.TypedKeys.clear();
            SetText1(u"");
        }
    } else if ((key == kVkZ || key == kVkZ + 32) && !boxEmpty) {
        if (host_.PopupVisible()) return host_.HidePopup();
        module_.TypedKeys.clear();
        SetText1(u"");
    } else if (key == kVkEscape) {
        if (host_.PopupVisible()) return host_.HidePopup();
        if (boxEmpty) return platform_.PassKeyOn();
        module_.TypedKeys.clear();
        SetText1(u"");
    } else if (key == kVkDown || key == kVkUp) {
        if (noCandidates) return platform_.PassKeyOn();
        TurnPage(key == kVkDown ? +1 : -1);
    } else if (key == kVkReturn || key == kVkTab || key == kVkOem8) {
        // Enter, Tab and symbols end the word, then do their own work.
        if (!boxEmpty) SendComposedReading(u"");
        platform_.PassKeyOn();
    } else if (key == kVkComma) {
        SendComposedReading(u",");
    } else if (key == kVkPeriod) {
        SendComposedReading(u".");
    } else if (key >= kVkA && key <= 127) {
        if (IsCtrl(Shift)) return;
        module_.TypedKeys.push_back(static_cast<char16_t>(key));
        ShowTypedCode();
    } else if (key == kVkSpace) {
        SendComposedReading(u" ");
    } else if (key >= kVk0 && key <= kVk9) {
        if (menu_.PinYin.Checked && noCandidates) {
            module_.TypedKeys.push_back(static_cast<char16_t>(key));
            SetText1(ComposedTypedKeys());
        } else if (noCandidates) {
            platform_.PassKeyOn();
        } else {
            PickCandidate(key - kVk0, Shift);
        }
    }
}

// The keys are shared with the main window's typing box: a word committed
// or cleared there leaves this box showing keys that are gone, and the key
// must act on the empty code they left.
void HVTNP::DropWordEndedElsewhere() {
    if (module_.TypedKeys.empty() && !Text1.Text.empty()) SetText1(u"");
}

// Down and Up: a page that would pass either end is not drawn again.
void HVTNP::TurnPage(int step) {
    if (TurnCandidatePage(module_, step)) DoiHTLM(module_.CandPages[static_cast<std::size_t>(module_.CurPage)]);
}

void HVTNP::SendComposedReading(std::u16string_view suffix) {
    module_.ComposedWord =
        ComposeForOutput(module_.Tables, module_.TypedKeys, menu_.Unicode.Checked, menu_.CangJie.Checked);
    SendToTarget(module_.ComposedWord, suffix);
}

// Digit keys 1 to 9 pick positions 0 to 8 of the page, 0 picks position 9.
// Positions past the 101 candidates of a list pick nothing.
void HVTNP::PickCandidate(int digit, std::int16_t shift) {
    const int position = digit == 0 ? 9 : digit - 1;
    const int index = module_.CurPage * 10 + position;
    if (index < 0 || index >= kCandSlots) return;
    module_.ComposedWord = module_.CandCodes[static_cast<std::size_t>(index)];
    if (IsCtrl(shift)) return Command2_MouseDown(static_cast<std::int16_t>(position));
    if (!module_.ComposedWord.empty()) SendToTarget(module_.ComposedWord, std::u16string(1, u'\0'));
}

}  // namespace orvik
