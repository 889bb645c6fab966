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
    TypingSession& session = app_.session();
    const bool previous = Index != kNextPage;
    if (previous && session.Candidates().Empty()) return;
    if (!session.TurnPage(previous ? -1 : +1)) return;
    MainShowPage(session.Candidates().ShownPage());
}

// A character listed as a variant key is replaced by the character it is
// paired with. Positions past the 101 candidates pick nothing, as an empty
// one does.
void OrvikU::Command2_Click(std::int16_t Index) {
    Module1& module = app_.module();
    std::u16string field = app_.session().Candidates().FieldOnShownPage(Index);
    if (field.empty()) return;
    const int keyPosition = FindVariantKey(module.VariantLine, FieldCodePoint(field));
    if (keyPosition > kVariantValueWidth) {
        const std::u16string target = Mid(module.VariantLine, keyPosition - kVariantValueWidth, kVariantValueWidth);
        field = UpperHexText(static_cast<std::uint32_t>(DecimalValue(target)));
    }
    Platform& platform = app_.platform();
    platform.ClipboardClear();
    platform.ClipboardSetText(PickedCandidateRtf(field, app_.output().NomFontName, app_.output().NomFontSize.Points()),
                              kClipboardRtf);
    app_.ShowCharPage(field, PageWhere::MainWindow);
    platform.FocusControl("OrvikU.Text1");
}

}  // namespace orvik
