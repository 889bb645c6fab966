#include "ime/hvtnp.h"

#include <utility>

#include "engine/telex.h"
#include "ime/candidate_search.h"
#include "ime/page_file.h"

namespace orvik {

namespace {

constexpr int kMaxBoxLength = 10;

}  // namespace

HVTNP::HVTNP(Module1& module, Platform& platform, const Menunoi& menu, CandidateWindowHost& host)
    : module_(module), platform_(platform), menu_(menu), host_(host) {
    for (int i = 0; i < 10; ++i)
        Command2[static_cast<std::size_t>(i)].Caption = i == 9 ? u"0" : std::u16string(1, static_cast<char16_t>(u'1' + i));
}

TwipRect HVTNP::Command2Rect(int index) { return {1260 + 570 * index, 315, 565, 280}; }

void HVTNP::Form_Load() {
    platform_.ShowWindow(WindowId::HVTNP);
    platform_.SetTopmost(WindowId::HVTNP);
    // At its load the box takes its font by the dialog's code box; later the
    // menu button sets it again by the menu's Unicode item.
    Text1.FontName = host_.CodeBoxText() == u"Unicode" ? std::u16string(kUnicodeBoxFont) : module_.VnFontName;
    Frame1.Caption = module_.ModeName;
    Label1.Caption = std::u16string(kLabelPrefix) + module_.ModeTitle;
    Command3.Caption = module_.System98 ? u"98" : u"2K";
    if (!module_.TypedKeys.empty()) {
        SetText1(ComposedTypedKeys());
        TimChu(NormaliseTypedCode(module_.TypedKeys));
        return;
    }
    WebBrowser1.Address = u"about:blank";
    platform_.DrawCandidatePage("HVTNP.WebBrowser1", u"");
}

void HVTNP::Form_Unload() {
    platform_.NhanDien(0, platform_.HandleOf(WindowId::OrvikU));
    platform_.UnloadWindow(WindowId::HVTNP);
    host_.CandidateWindowUnloaded();
}

void HVTNP::Form_Resize(bool minimized) {
    Caption = minimized ? kMinimizedCaption : kCaption;
    Frame1.Caption = module_.ModeName;
}

void HVTNP::SetText1Font() {
    Text1.FontName = menu_.Unicode.Checked ? std::u16string(kUnicodeBoxFont) : module_.VnFontName;
}

void HVTNP::SetText1(std::u16string text) {
    if (text == Text1.Text) return;
    Text1.Text = std::move(text);
    platform_.WordPending(!Text1.Text.empty());
    Text1_Change();
}

std::u16string HVTNP::ComposedTypedKeys() const {
    return TelexToCode(module_.Tables, PlaceToneKey(module_.TypedKeys, menu_.CangJie.Checked));
}

void HVTNP::ShowTypedCode() {
    if (!menu_.TelexMode()) return SetText1(module_.TypedKeys);
    SetText1(ComposedTypedKeys());
}

void HVTNP::Text1_Change() {
    ClearCandidates(module_);
    if (Text1.Text.empty()) return DoiHTLM(u"");
    // An over-long code is dropped with its keys, so the next key starts a
    // new code; emptying the box runs this again, which shows the empty page.
    if (Text1.Text.size() > kMaxBoxLength) {
        module_.TypedKeys.clear();
        return SetText1(u"");
    }
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
