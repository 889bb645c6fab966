// The buttons of the main window's candidate list: paging, and picking a
// candidate, which goes to the clipboard as RTF in the ideograph output font
// and opens its dictionary page in the main window.
#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/send_texts.h"
#include "lookup/code_tables.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::int16_t kNextPage = 0;
// The value of a variant entry: the five characters before its key.
constexpr int kVariantValueWidth = 5;

}  // namespace

// Paging stops at either end; paging back needs a list.
void OrvikU::Command1_Click(std::int16_t Index) {
    Module1& module = app_.module();
    const bool previous = Index != kNextPage;
    if (previous && module.CandPages[0].empty()) return;
    if (!TurnCandidatePage(module, previous ? -1 : +1)) return;
    MainShowPage(module.CandPages[static_cast<std::size_t>(module.CurPage)]);
}

// A character listed as a variant key is replaced by the character it is
// paired with. Positions past the 101 candidates pick nothing, as an empty
// one does.
void OrvikU::Command2_Click(std::int16_t Index) {
    Module1& module = app_.module();
    const int n = module.CurPage * 10 + Index;
    if (n < 0 || n >= kCandSlots) return;
    module.ComposedWord = module.CandCodes[static_cast<std::size_t>(n)];
    if (module.ComposedWord.empty()) return;
    const std::int32_t k = FieldCodePoint(module.ComposedWord);
    const int keyPosition = FindVariantKey(module.VariantLine, k);
    if (keyPosition > kVariantValueWidth) {
        const std::u16string target = Mid(module.VariantLine, keyPosition - kVariantValueWidth, kVariantValueWidth);
        module.ComposedWord = UpperHexText(static_cast<std::uint32_t>(DecimalValue(target)));
    }
    module.ItemText = PickedCandidateRtf(module.ComposedWord, module.NomFontName, module.NomFontSize.Points());
    Platform& platform = app_.platform();
    platform.ClipboardClear();
    platform.ClipboardSetText(module.ItemText, kClipboardRtf);
    module.PageInPopup = false;
    app_.ShowCharPage(module.ComposedWord);
    platform.FocusControl("OrvikU.Text1");
}

}  // namespace orvik
