// The candidate window's key-up rules: the first rule that matches the key
// (and the box, the popup and the candidate list) acts.
#include "engine/telex.h"
#include "ime/hvtnp.h"

namespace orvik {

namespace {

constexpr std::int16_t kBackspace = 8, kEsc = 27, kSpace = 32, kUp = 38, kDown = 40;
constexpr std::int16_t kComma = 188, kPeriod = 190;

bool IsCtrl(std::int16_t shift) { return shift == kCtrlMask; }

}  // namespace

void HVTNP::KeyPress(std::uint8_t key, std::uint8_t scan) {
    platform_.keybd_event(key, scan, 0);
    platform_.keybd_event(key, scan, kKeyEventKeyUp);
}

void HVTNP::Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift) {
    module_.ComposedWord.clear();
    const std::int16_t key = KeyCode;
    const bool boxEmpty = Text1.Text.empty();
    const bool noCandidates = module_.CandPages[0].empty();
    if (key == kBackspace) {
        if (boxEmpty) {
            // Selects the character before the target's caret and deletes it.
            platform_.keybd_event(16, 28, 0);
            KeyPress(37, 37);
            platform_.keybd_event(16, 28, kKeyEventKeyUp);
            KeyPress(46, 46);
        } else if (Text1.Text.size() >= 2) {
            module_.TypedKeys.pop_back();
            SetText1(ComposedTypedKeys());
        } else {
            module_.TypedKeys.clear();
            SetText1(u"");
        }
    } else if ((key == 90 || key == 122) && !boxEmpty) {
        if (host_.PopupVisible()) return host_.HidePopup();
        module_.TypedKeys.clear();
        SetText1(u"");
    } else if (key == kEsc) {
        if (host_.PopupVisible()) return host_.HidePopup();
        if (boxEmpty) return;
        module_.TypedKeys.clear();
        SetText1(u"");
    } else if (key == kDown) {
        if (noCandidates) {
            KeyPress(35, 35);
            KeyPress(39, 39);
        } else {
            TurnPage(+1);
        }
    } else if (key == kUp) {
        if (noCandidates) {
            KeyPress(36, 34);
            KeyPress(37, 37);
        } else {
            TurnPage(-1);
        }
    } else if (key == kComma) {
        SendComposedReading(u",");
    } else if (key == kPeriod) {
        SendComposedReading(u".");
    } else if (key >= 65 && key <= 127) {
        if (IsCtrl(Shift)) return;
        module_.TypedKeys.push_back(static_cast<char16_t>(key));
        ShowTypedCode();
    } else if (key == kSpace) {
        SendComposedReading(u" ");
    } else if (key >= 48 && key <= 57) {
        if (menu_.PinYin.Checked && noCandidates) {
            module_.TypedKeys.push_back(static_cast<char16_t>(key));
            SetText1(ComposedTypedKeys());
        } else {
            PickCandidate(key - 48, Shift);
        }
    }
}

// Down and Up: a page that would pass either end is not drawn again.
void HVTNP::TurnPage(int step) {
    const int page = module_.CurPage + step;
    if (page > module_.LastPage) {
        module_.CurPage = module_.LastPage;
        return;
    }
    if (page < 0) {
        module_.CurPage = 0;
        return;
    }
    module_.CurPage = static_cast<std::int16_t>(page);
    DoiHTLM(module_.CandPages[static_cast<std::size_t>(page)]);
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
