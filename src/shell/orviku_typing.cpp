// The typing box Text1: after every key the whole current word is composed
// anew from its raw keys and the box rewritten as the committed text and
// that word; letters start a search for ideographs of the reading, digits
// pick a candidate, Up and Down page, Space commits the word, Esc clears.
// The search looks up the code as the candidate window does
// (NormaliseTypedCode), so both windows find the same lists.
#include "engine/telex.h"
#include "ime/candidate_search.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

// A small letter's code lies this far above its capital's.
constexpr std::int16_t kSmallLetterOffset = 32;

bool IsDigitKey(std::int16_t key) { return key >= kVk0 && key <= kVk9; }

}  // namespace

void OrvikU::WriteText1(std::u16string text) {
    Text1.Text = std::move(text);
    app_.platform().SendKeys(u"^{END}");
}

std::u16string OrvikU::ComposedTypedKeys() const {
    const Module1& module = app_.module();
    return TelexToCode(module.Tables, PlaceToneKey(module.TypedKeys, Menunoi.CangJie.Checked));
}

// A digit picks a candidate of the page shown, unless it is a PinYin tone
// number, which is typed while no candidates are listed.
void OrvikU::Text1_KeyDown(std::int16_t& KeyCode, std::int16_t) {
    if (!IsDigitKey(KeyCode)) return;
    Module1& module = app_.module();
    if (Menunoi.PinYin.Checked && module.CandPages[0].empty()) return;
    const int digit = KeyCode - kVk0;
    const int index = module.CurPage * 10 + (digit == 0 ? 9 : digit - 1);
    // Past the 101 candidates of a list lies nothing, as in an empty slot.
    module.ComposedWord = index < kCandSlots ? module.CandCodes[static_cast<std::size_t>(index)] : u"";
    KeyCode = 0;
    if (module.ComposedWord.empty()) return;
    module.PageInPopup = false;
    app_.ShowCharPage(module.ComposedWord);
    for (auto& page : module.CandPages) page.clear();
}

void OrvikU::Text1_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii == kAsciiReturn) KeyAscii = 0;
}

void OrvikU::Text1_KeyUp(std::int16_t& KeyCode, std::int16_t Shift) {
    const bool copying = Shift == kCtrlMask && (KeyCode == kVkC || KeyCode == kVkC + kSmallLetterOffset);
    if (copying) return;
    Module1& module = app_.module();
    module.ComposedWord.clear();
    const std::int16_t key = KeyCode;
    if (key == kVkEscape) {
        if (Text1.Text.empty()) return;
        WriteText1(u"");
        Label2.Caption.clear();
        MainShowPage(u"");
        module.TypedKeys.clear();
        module.CommittedText.clear();
        for (auto& page : module.CandPages) page.clear();
        EmptyCandidateBox();
    } else if (key == kVkDown) {
        TurnPage(+1, KeyCode);
    } else if (key == kVkUp) {
        TurnPage(-1, KeyCode);
    } else if (key == kVkBack) {
        TypeBackspace();
    } else if (key == kVkComma || key == kVkPeriod) {
        KeyCode = 0;
        const std::u16string placed = PlaceToneKey(module.TypedKeys, Menunoi.CangJie.Checked);
        module.ComposedWord =
            Menunoi.Unicode.Checked ? TelexToUnicode(module.Tables, placed) : TelexToCode(module.Tables, placed);
    } else if (key == kVkSpace) {
        TypeSpace();
    } else if (key >= kVkA && key <= kVkZ) {
        TypeLetter(key, Shift);
    } else if (IsDigitKey(key)) {
        TypeDigit(KeyCode);
    }
}

// Down and Up while candidates are listed; a page past either end is not
// shown again.
void OrvikU::TurnPage(int step, std::int16_t& key) {
    Module1& module = app_.module();
    if (module.CandPages[0].empty() || !TurnCandidatePage(module, step)) return;
    MainShowPage(module.CandPages[static_cast<std::size_t>(module.CurPage)]);
    key = 0;
}

// The physical Shift key does not make capitals here: Ctrl does. In the
// Telex modes a tone key typed inside the word moves back to its end before
// the word is composed.
void OrvikU::TypeLetter(std::int16_t key, std::int16_t shift) {
    Module1& module = app_.module();
    const bool capital = shift == kCtrlMask;
    module.TypedKeys.push_back(static_cast<char16_t>(capital ? key : key + kSmallLetterOffset));
    if (!Menunoi.TelexMode()) {
        WriteText1(module.CommittedText + module.TypedKeys);
    } else {
        module.TypedKeys = UnplaceToneKeys(module.TypedKeys);
        WriteText1(module.CommittedText + ComposedTypedKeys());
    }
    MainFindChars(NormaliseTypedCode(module.TypedKeys));
}

// The box has already deleted one character; a word of one key keeps it.
void OrvikU::TypeBackspace() {
    Module1& module = app_.module();
    if (Text1.Text.size() < 2 || module.TypedKeys.size() <= 1) return;
    module.TypedKeys.pop_back();
    WriteText1(module.CommittedText + (Menunoi.TelexMode() ? ComposedTypedKeys() : module.TypedKeys));
    MainFindChars(NormaliseTypedCode(module.TypedKeys));
}

// The digit was a pick on key-down, and the box drops it again; in PinYin
// it is the tone number that ends the syllable.
void OrvikU::TypeDigit(std::int16_t& key) {
    Module1& module = app_.module();
    if (!Menunoi.PinYin.Checked) {
        WriteText1(module.CommittedText + ComposedTypedKeys());
        key = 0;
        return;
    }
    module.TypedKeys.push_back(static_cast<char16_t>(key));
    WriteText1(module.CommittedText + module.TypedKeys);
    MainFindChars(NormaliseTypedCode(module.TypedKeys));
}

void OrvikU::TypeSpace() {
    Module1& module = app_.module();
    Text1.Text = module.CommittedText + ComposedTypedKeys() + u" ";
    module.CommittedText = Text1.Text;
    module.TypedKeys.clear();
    for (auto& page : module.CandPages) page.clear();
    EmptyCandidateBox();
    app_.platform().SendKeys(u"^{END}");
}

// The candidate window shows the same keys: a word ended here is gone
// from its box too.
void OrvikU::EmptyCandidateBox() {
    if (app_.CandidateWindowLoaded()) app_.CandidateWindow().SetText1(u"");
}

}  // namespace orvik
