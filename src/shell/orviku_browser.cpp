// The dictionary browser's tool bars. Toolbar1 goes through WebBrowser1's
// history, opens the classical texts and looks up or transcribes the
// selection copied from another application; tbToolbar switches between the
// Han and Nom dictionaries with the input mode, looks the typed word up in
// the Vietnamese dictionary and runs the program's own actions.
#include <string>

#include "engine/telex.h"
#include "engine/text.h"
#include "engine/viet_word_key.h"
#include "lookup/code_tables.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::string_view kBrowser = "OrvikU.WebBrowser1";
constexpr std::u16string_view kClassicalTexts = u"its:nomtdu.chm::/vanhoc\\vantho.htm";
constexpr std::u16string_view kRadicalIndex = u"its:hvtdu.chm::/html\\tongmuc.htm";
constexpr std::u16string_view kPageEnd = u".htm";
// A code point has at most seven decimal digits.
constexpr std::size_t kLongestCode = 7;

// The code point of a dictionary entry page: the decimal digits just before
// the address's closing ".htm" (hv19968.htm, n131072.htm). None for other
// pages.
std::optional<std::int32_t> PageCodePoint(std::u16string_view address) {
    if (!address.ends_with(kPageEnd)) return std::nullopt;
    const std::size_t end = address.size() - kPageEnd.size();
    std::size_t start = end;
    while (start > 0 && address[start - 1] >= u'0' && address[start - 1] <= u'9') --start;
    if (start == end || end - start > kLongestCode) return std::nullopt;
    return static_cast<std::int32_t>(DecimalValue(address.substr(start, end - start)));
}

}  // namespace

void OrvikU::Toolbar1_ButtonClick(std::u16string_view key) {
    Platform& platform = app_.platform();
    if (key == u"Back") return platform.GoBack(kBrowser);
    if (key == u"Next") return platform.GoForward(kBrowser);
    if (key == u"Ref") return platform.Refresh(kBrowser);
    if (key == u"TraChu") return app_.LookupSelection();
    if (key == u"PhienAm") return app_.TranscribeSelection(true);
    if (key == u"VanHoc") {
        Maximize();
        return NavigateWebBrowser1(kClassicalTexts);
    }
    // The program's own unload of the main window, which ends the process.
    if (key == u"Quit" && AskToClose()) app_.UnloadMainWindow();
}

void OrvikU::tbToolbar_ButtonClick(std::u16string_view key) {
    if (key == u"IME") return IMEstate_Click(menu_number::kIMEstate);
    if (key == u"Han") return ShowHanPage();
    if (key == u"Nom") return ShowNomPage();
    if (key == u"Viet") return ShowVietPage();
    if (key == u"Bothu") return NavigateWebBrowser1(kRadicalIndex);
    if (key == u"Xem") return ShowPicture2();
    if (key == u"Help") return Help_Click(menu_number::kHelp);
    if (key == u"Menuchinh") return MoMenu();
    if (key == u"Quit") tbToolbar_Quit();
}

std::optional<std::int32_t> OrvikU::SearchAgainAndReadPage() {
    if (!app_.session().Empty()) ShowMainCandidates();
    return PageCodePoint(app_.platform().LocationURL(kBrowser));
}

// A Nom page of a character that is also a Han character is replaced by its
// Han page; any other page stays.
void OrvikU::ShowHanPage() {
    TelexH_Click(menu_number::kTelexH);
    const auto codePoint = SearchAgainAndReadPage();
    if (!codePoint) return;
    if (HasHanPage(app_.module().Big5Line, *codePoint)) NavigateWebBrowser1(HanPageAddress(*codePoint));
}

// The counterpart of "Han": a Han page of a character the Nom dictionary
// lists is replaced by its Nom page.
void OrvikU::ShowNomPage() {
    TelexN_Click(menu_number::kTelexN);
    const auto codePoint = SearchAgainAndReadPage();
    if (!codePoint) return;
    if (HasNomPage(app_.module().NomLine, *codePoint)) NavigateWebBrowser1(NomPageAddress(*codePoint));
}

// The typed keys become the word list's key in place. A missing word list
// is read again at the next look-up.
void OrvikU::ShowVietPage() {
    Module1& module = app_.module();
    TypingSession& session = app_.session();
    if (session.Empty()) return;
    session.SetKeys(VietWordKey(session.Keys()));
    EnsureVietIndex(app_.platform(), module.VietIndexText);
    if (HasVietPage(module.VietIndexText, session.Keys())) NavigateWebBrowser1(VietPageAddress(session.Keys()));
}

}  // namespace orvik
