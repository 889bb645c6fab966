// The candidate window's buttons, label, box and image.
#include "engine/text.h"
#include "engine/viet_word_key.h"
#include "ime/candidate_search.h"
#include "ime/hvtnp.h"
#include "ime/send_texts.h"
#include "lookup/code_tables.h"
#include "lookup/shared_lines.h"

namespace orvik {

// Opens the candidate's dictionary page in the popup; a character listed as
// a variant key has its page under its target character.
void HVTNP::Command2_MouseDown(std::int16_t Index) {
    std::u16string field = session_.Candidates().FieldOnShownPage(Index);
    if (field.empty()) return;
    const auto target = VariantTarget(module_.VariantLine, FieldCodePoint(field));
    if (target) field = UpperHexText(*target);
    host_.ShowCharPage(field, PageWhere::Popup);
}

void HVTNP::Command5_Click() {
    session_.TurnPage(-1);
    ShowShownPage();
    desktop_.windows.FocusControl("HVTNP.Text1");
}

void HVTNP::Command6_Click() {
    session_.TurnPage(+1);
    ShowShownPage();
    desktop_.windows.FocusControl("HVTNP.Text1");
}

void HVTNP::Command3_Click() {
    output_.System98 = Command3.Caption != u"98";
    Command3.Caption = output_.System98 ? u"98" : u"2K";
}

void HVTNP::Command4_Click() { host_.ShowPageInPopup(u"its:nomtdu.chm::/Chidannhanh.htm"); }

void HVTNP::Command1_MouseUp(std::int16_t Button) {
    if (Button == kLeftButton) {
        host_.ShowMainMenu();
        SetText1Font();
    } else if (Button == kRightButton) {
        host_.TranscribeSelection(true);
    }
}

void HVTNP::Label1_MouseMove(std::int16_t Button) {
    if (Button == kLeftButton) desktop_.windows.DragWindow(WindowId::HVTNP);
}

void HVTNP::Text1_GotFocus() { desktop_.windows.FocusControl("HVTNP.Command1"); }

// Looks the typed word up in the Vietnamese word dictionary.
void HVTNP::Text1_MouseDown() {
    if (Text1.Text.empty()) return;
    EnsureVietIndex(desktop_.files, vietIndex_);
    const std::u16string key = VietWordKey(LCase(session_.Keys()));
    if (HasVietPage(vietIndex_, key)) host_.ShowPageInPopup(VietPageAddress(key));
}

void HVTNP::Image1_Click() { Form_Unload(); }

}  // namespace orvik
