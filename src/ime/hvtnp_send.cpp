// Sending the picked candidate or the typed reading to the focused control
// of the application in the foreground, then the key that ended it.
#include "engine/text.h"
#include "ime/hvtnp.h"
#include "ime/send_texts.h"

namespace orvik {

namespace {

// A reading ends with the key that ended it, or with nothing when that key
// goes on to the application itself.
bool IsReadingSuffix(std::u16string_view suffix) {
    return suffix.empty() || suffix == u" " || suffix == u"," || suffix == u".";
}

}  // namespace

std::u16string HVTNP::To_SurrogateC(std::u16string_view field) {
    return orvik::To_SurrogateC(field, HighSurrogate, LowSurrogate);
}

void HVTNP::SendToTarget(std::u16string_view text, std::u16string_view suffix) {
    HighSurrogate = 0;
    LowSurrogate = 0;
    const std::u16string reading(text);
    const bool isReading = IsReadingSuffix(suffix);
    std::u16string rtf;
    if (isReading) {
        rtf = ReadingRtf(reading, session_.Tables(), output_.VnFontName, output_.VnFontSize);
    } else {
        rtf = CandidateRtf(text, output_.NomFontSize.Points());
        // The window keeps the surrogate pair of a supplementary pick.
        if (text.size() == 5) To_SurrogateC(text);
    }
    if (!TrackTarget()) return;
    // Nothing typed (Space, comma or period with an empty box): only the
    // key goes out, and the user's clipboard is left alone.
    if (!text.empty()) PasteOrDeliver(reading, rtf, isReading);
    SendEndingKey(suffix);
    ClearAfterSend();
}

// Follows the foreground window; answers false when it belongs to this
// program, whose own windows are never sent to.
bool HVTNP::TrackTarget() {
    const WindowHandle foreground = desktop_.application.GetForegroundWindow();
    if (foreground == targetWindow_ && foreground != 0) return true;
    targetWindow_ = foreground;
    if (desktop_.application.IsOwnWindow(foreground)) return false;
    targetFocus_ = desktop_.application.GetFocus();
    return true;
}

// "98" pastes the RTF with Ctrl+V; "2K", and "98" into a terminal, which
// would take Ctrl+V as a character of its own, posts the characters.
void HVTNP::PasteOrDeliver(std::u16string_view text, std::u16string_view rtf, bool reading) {
    if (!output_.System98 || !desktop_.application.ForegroundPastesWithCtrlV()) return Deliver(text, reading);
    desktop_.clipboard.ClipboardClear();
    desktop_.clipboard.ClipboardSetText(rtf, kClipboardRtf);
    desktop_.application.keybd_event(kVkControl, kScanControl, 0);
    KeyPress(kVkV, kScanV);
    desktop_.application.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
}

void HVTNP::Deliver(std::u16string_view text, bool reading) {
    const auto post = [&](char16_t unit) {
        desktop_.application.PostMessageW(targetFocus_, kWmChar, unit, 1);
    };
    if (reading) {
        for (char16_t unit : text) post(unit);
        return;
    }
    for (char16_t unit : Utf16Units(FieldCodePoint(text))) post(unit);
}

void HVTNP::SendEndingKey(std::u16string_view suffix) {
    if (suffix.empty()) return;
    if (suffix == u".") return KeyPress(kVkPeriod, kVkPeriod);
    if (suffix == u",") return KeyPress(kVkComma, kVkComma);
    desktop_.application.keybd_event(kVkShift, kScanShift, 0);
    KeyPress(kVkSpace, kVkSpace);
    desktop_.application.keybd_event(kVkShift, kScanShift, kKeyEventKeyUp);
}

void HVTNP::ClearAfterSend() {
    session_.Clear();
    SetText1(u"");
}

}  // namespace orvik
