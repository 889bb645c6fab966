#include "ime/hvtnp.h"

#include <utility>

#include "engine/telex.h"
#include "ime/candidate_search.h"
#include "ime/page_file.h"

namespace orvik {

namespace {

constexpr int kMaxBoxLength = 10;

}  // namespace

HVTNP::HVTNP(Module1& module, Platform& platform, const Menunoi& menu)
    : module_(module), platform_(platform), menu_(menu) {}

void HVTNP::SetText1(std::u16string text) {
    if (text == Text1.Text) return;
    Text1.Text = std::move(text);
    Text1_Change();
}

void HVTNP::ShowTypedCode() {
    if (!menu_.TelexMode()) return SetText1(module_.TypedKeys);
    SetText1(TelexToCode(module_.Tables, PlaceToneKey(module_.TypedKeys, menu_.CangJie.Checked)));
}

void HVTNP::Text1_Change() {
    ClearCandidates(module_);
    if (Text1.Text.empty()) return DoiHTLM(u"");
    // Emptying the box runs this again, which shows the empty page.
    if (Text1.Text.size() > kMaxBoxLength) return SetText1(u"");
    TimChu(NormaliseTypedCode(module_.TypedKeys));
}

std::u16string HVTNP::TimChu(std::u16string_view code) {
    const CandidateLine found = FindCandidateLine(module_, code);
    if (found.kind == CandidateLine::Ignored) return {};
    if (found.kind == CandidateLine::NotFound) {
        DoiHTLM(u"");
        return {};
    }
    Sapxep(found.line);
    return found.line;
}

void HVTNP::Sapxep(std::u16string line) {
    const Layout layout = menu_.NomLayout() ? Layout::Nom : Layout::Han;
    BuildCandidatePages(module_, line, layout, layout == Layout::Han);
    DoiHTLM(module_.CandPages[0]);
}

void HVTNP::DoiHTLM(std::u16string_view fragment) {
    ShowCandidatePage(platform_, WebBrowser1, "HVTNP.WebBrowser1", fragment);
}

}  // namespace orvik
