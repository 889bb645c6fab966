// The main window's dictionary browser: both tool bars' buttons, Toolbar1's
// tips with the copy over its look-up buttons, and the page the script and
// word buttons open.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::kProgramDir;

constexpr std::string_view kBrowser = "OrvikU.WebBrowser1";

// The main window in Telex->Han, big5uni.idx listing 19968, 20013 (中) and
// 31072 (whose digits end 131072's) as Han, 19968 and 20013 as Nom.
struct BrowserApp : testing::FixtureApp {
    BrowserApp() {
        platform.SetFile(kProgramDir + "/big5uni.idx", "/a4a419968/a4a520013/b2b231072/\r\n\r\n19968/20013/\r\n");
        main().TelexH_Click(menu_number::kTelexH);
    }
};

TEST(DictionaryBrowser, TheButtonsDriveTheViewAndTheWindow) {
    struct Case {
        bool toolbar1;
        std::u16string_view key;
        std::string call;            // the one call that does it, or ""
        std::u16string_view opened;  // the page then shown, or ""
    };
    const Case cases[] = {
        {true, u"Back", "GoBack OrvikU.WebBrowser1", u""},
        {true, u"Next", "GoForward OrvikU.WebBrowser1", u""},
        {true, u"Ref", "Refresh OrvikU.WebBrowser1", u""},
        {true, u"VanHoc", "MaximizeWindow OrvikU", u"its:nomtdu.chm::/vanhoc\\vantho.htm"},
        {false, u"Bothu", "", u"its:hvtdu.chm::/html\\tongmuc.htm"},
        {false, u"Help", "StartProgram hh.exe orvhelp.chm", u""},
        {false, u"Menuchinh", "ShowPopupMenu OrvikU", u""},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.platform.SetLocation(kBrowser, u"start");
        fx.platform.ClearCalls();
        if (c.toolbar1) fx.main().Toolbar1_ButtonClick(c.key);
        else fx.main().tbToolbar_ButtonClick(c.key);
        if (!c.call.empty()) EXPECT_EQ(fx.platform.Calls().front(), c.call) << U16ToUtf8(c.key);
        EXPECT_EQ(fx.platform.Location(kBrowser), c.opened.empty() ? u"start" : c.opened) << U16ToUtf8(c.key);
    }
    BrowserApp fx;
    fx.main().tbToolbar_ButtonClick(u"Xem");
    EXPECT_TRUE(fx.main().Picture2.Visible);
    EXPECT_EQ(fx.platform.FocusedControl(), "OrvikU.Combo1");
    fx.main().tbToolbar_ButtonClick(u"IME");
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    fx.platform.ClipboardSetText(u"{\\rtf1 \\u19968?\\u20108?}", kClipboardRtf);
    fx.main().Toolbar1_ButtonClick(u"TraChu");
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm");
    fx.main().Toolbar1_ButtonClick(u"PhienAm");
    EXPECT_EQ(fx.app.Popup().Text1.Text, u"nhất ");
}

TEST(DictionaryBrowser, Toolbar1TipFollowsTheMouseAndItsLookUpButtonsCopy) {
    struct Case {
        float x;
        std::u16string_view tip;
        bool copies;
    };
    // Buttons 300 twips wide.
    const Case cases[] = {
        {0, u"Trang trước (Back)", false},    {299, u"Trang trước (Back)", false},
        {300, u"Trang sau (Forward)", false}, {750, u"Văn tuyển kinh điển (E-Book)", false},
        {900, u"Tra nghĩa chữ tô đen", true}, {1499, u"Hỗ trợ phiên âm", true},
        {1500, u"", false},                   {-1, u"", false},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.main().Toolbar1_MouseMove(c.x, 300);
        fx.main().Toolbar1_MouseMove(c.x, 300);  // every move copies again
        EXPECT_EQ(fx.main().Toolbar1.ToolTipText, c.tip) << c.x;
        EXPECT_EQ(fx.platform.CopiesReceived(), c.copies ? 2 : 0) << c.x;
        EXPECT_TRUE(fx.platform.HeldKeys().empty());
    }
}

// Han and Nom choose their mode and show the page of the character on
// display in their dictionary where it has one; any other page stays.
TEST(DictionaryBrowser, ScriptButtonsShowTheirPageOfTheCharacterOnDisplay) {
    struct Case {
        std::u16string_view button, shown, opened;  // opened "": the page stays
    };
    const Case cases[] = {
        {u"Han", u"its:nomtdu.chm::/n20013.htm", u"its:hvtdu.chm::/html\\hv20013.htm"},
        {u"Han", u"its:nomtdu.chm::/n20108.htm", u""},   // not listed as Han
        {u"Han", u"its:nomtdu.chm::/n131072.htm", u""},  // not 31072's page
        {u"Han", u"its:nomtdu.chm::/n00020013.htm", u""},  // more digits than a code has
        {u"Han", u"its:hvtdu.chm::/html\\khoidong.htm", u""},
        {u"Han", u"", u""},
        {u"Nom", u"its:hvtdu.chm::/html\\hv20013.htm", u"its:nomtdu.chm::/n20013.htm"},
        {u"Nom", u"its:hvtdu.chm::/html/hv31072.htm", u""},  // not listed as Nom
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.main().TelexN_Click(menu_number::kTelexN);
        if (c.button == u"Nom") fx.main().TelexH_Click(menu_number::kTelexH);
        fx.platform.SetLocation(kBrowser, std::u16string(c.shown));
        fx.main().tbToolbar_ButtonClick(c.button);
        const bool han = c.button == u"Han";
        EXPECT_EQ(fx.main().Menunoi.TelexH.Checked, han);
        EXPECT_EQ(fx.main().tbToolbar[0].Pressed, han);
        EXPECT_EQ(fx.main().tbToolbar[1].Pressed, !han);
        EXPECT_EQ(fx.platform.Location(kBrowser), c.opened.empty() ? c.shown : c.opened) << U16ToUtf8(c.shown);
    }
}

// The typed keys are searched again in the new mode, looked up as typing
// looks them up: in lower case, ư typed "uw" under "w".
TEST(DictionaryBrowser, ScriptButtonsSearchTheTypedKeysAgain) {
    struct Case {
        std::u16string typed;
        std::string index;  // empty: the fixture's
        std::u16string_view found;
    };
    const Case cases[] = {
        {u"HOAF", "", u"Tìm thấy 15 chữ"},
        {u"nguwowif", "4E00\r\n!\"\"!ngwowif \r\n", u"Tìm thấy 1 chữ"},
        {u"", "", u""},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        if (!c.index.empty()) fx.platform.SetFile(kProgramDir + "/telexhan.idx", c.index);
        fx.session().SetKeys(c.typed);
        const int drawn = fx.platform.PagesDrawn();
        fx.main().tbToolbar_ButtonClick(u"Han");
        EXPECT_EQ(fx.main().Label2.Caption, c.found) << U16ToUtf8(c.typed);
        EXPECT_EQ(fx.platform.PagesDrawn(), drawn + (c.typed.empty() ? 0 : 1));
    }
}

TEST(DictionaryBrowser, VietLooksTheTypedWordUpInTheWordList) {
    struct Case {
        std::u16string typed, key, opened;
    };
    const Case cases[] = {
        {u"tieengs", u"tieengs", u"its:tdviet.chm::/vtieengs.htm"},
        {u"tuw", u"tuw", u"its:tdviet.chm::/vtuw.htm"},
        {u"tw", u"tuw", u"its:tdviet.chm::/vtuw.htm"},
        {u"tuwf", u"tuwf", u""},  // not listed
        {u"ti", u"ti", u""},      // the beginning of a listed word has no page
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.platform.SetFile("/current/tdviet.idx", "/tieengs/tuw/");
        fx.platform.SetLocation(kBrowser, u"");
        fx.session().SetKeys(c.typed);
        fx.main().tbToolbar_ButtonClick(u"Viet");
        EXPECT_EQ(fx.session().Keys(), c.key);
        EXPECT_EQ(fx.platform.Location(kBrowser), c.opened) << U16ToUtf8(c.typed);
    }
}

}  // namespace
}  // namespace orvik
