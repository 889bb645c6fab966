// The main window's dictionary browser: both tool bars' buttons, Toolbar1's
// tips with the copy over its look-up buttons, and the script buttons' and
// the Vietnamese dictionary's page rules.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::kProgramDir;

constexpr std::string_view kBrowser = "OrvikU.WebBrowser1";
const std::string kNavigate = "Navigate OrvikU.WebBrowser1 ";
const std::vector<std::string> kCopyKeys{"keybd_event 17 29 0", "keybd_event 67 23 0", "keybd_event 67 23 2",
                                         "keybd_event 17 29 2"};

// The main window loaded, in Telex->Han, with the calls so far forgotten.
struct BrowserApp : FixtureApp {
    BrowserApp() {
        main().TelexH_Click(menu_number::kTelexH);
        platform.ClearCalls();
    }
    std::vector<std::string> Navigations() const { return CallsOf({kNavigate}); }
};

TEST(DictionaryBrowser, Toolbar1ButtonsDriveTheViewAndTheWindow) {
    struct Case {
        std::u16string_view key;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {u"Back", {"GoBack OrvikU.WebBrowser1"}},
        {u"Next", {"GoForward OrvikU.WebBrowser1"}},
        {u"Ref", {"Refresh OrvikU.WebBrowser1"}},
        {u"VanHoc", {"MaximizeWindow OrvikU", kNavigate + "its:nomtdu.chm::/vanhoc\\vantho.htm"}},
        {u"Quit", {"MsgBox 1 [Việt Orvik 2004 on Browser] Muốn đóng chương trình Việt-Orvik-2004 ?"}},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.platform.AnswerMessageBox(kIdCancel);
        fx.main().Toolbar1_ButtonClick(c.key);
        EXPECT_EQ(fx.platform.Calls(), c.calls) << U16ToUtf8(c.key);
    }
}

TEST(DictionaryBrowser, Toolbar1QuitUnloadsTheMainWindowOnOk) {
    BrowserApp fx;
    fx.main().Toolbar1_ButtonClick(u"Quit");
    EXPECT_EQ(fx.CallsOf({"RemoveKeyHook", "Quit"}), (std::vector<std::string>{"RemoveKeyHook", "Quit"}));
    // The program's own unload asks nothing more and is not the orderly end.
    EXPECT_EQ(fx.CallsOf({"MsgBox"}).size(), 1u);
    EXPECT_TRUE(fx.CallsOf({"SaveSetting"}).empty());
}

TEST(DictionaryBrowser, TheLookUpButtonsShowTheCopiedSelectionInThePopup) {
    BrowserApp fx;
    fx.platform.ClipboardSetText(u"{\\rtf1 \\u19968?\\u20108?}", kClipboardRtf);
    fx.main().Toolbar1_ButtonClick(u"TraChu");
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm");
    fx.main().Toolbar1_ButtonClick(u"PhienAm");
    EXPECT_EQ(fx.app.Popup().Text1.Text, u"nhất nhị");
}

TEST(DictionaryBrowser, TbToolbarButtonsRunTheirActions) {
    struct Case {
        std::u16string_view key;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {u"Bothu", {kNavigate + "its:hvtdu.chm::/html\\tongmuc.htm"}},
        {u"Xem", {"FocusControl OrvikU.Combo1"}},
        {u"Help", {"StartProgram hh.exe orvhelp.chm"}},
        {u"Menuchinh", {"ShowPopupMenu OrvikU"}},
        {u"Quit", {"MsgBox 1 [Việt Orvik 2004 on Browser] Muốn đóng chương trình Việt-Orvik-2004 ?"}},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.platform.AnswerMessageBox(kIdCancel);
        fx.main().tbToolbar_ButtonClick(c.key);
        EXPECT_EQ(fx.platform.Calls(), c.calls) << U16ToUtf8(c.key);
    }
    BrowserApp fx;
    fx.main().tbToolbar_ButtonClick(u"Xem");
    EXPECT_TRUE(fx.main().Picture2.Visible);
    EXPECT_EQ(fx.main().Picture2.Combo1.Text, u"http://");
    fx.main().tbToolbar_ButtonClick(u"IME");
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    // "Quit" answered OK is the orderly end, which saves the settings.
    fx.main().tbToolbar_ButtonClick(u"Quit");
    EXPECT_FALSE(fx.CallsOf({"SaveSetting"}).empty());
}

TEST(DictionaryBrowser, Toolbar1TipFollowsTheMouseAndItsLookUpButtonsCopy) {
    struct Case {
        float x;
        std::u16string_view tip;
        bool copies;
    };
    // Buttons 300 twips wide.
    const Case cases[] = {
        {0, u"Trang trước (Back)", false},          {299, u"Trang trước (Back)", false},
        {300, u"Trang sau (Forward)", false},       {750, u"Văn tuyển kinh điển (E-Book)", false},
        {900, u"Tra nghĩa chữ tô đen", true},       {1499, u"Hỗ trợ phiên âm", true},
        {1500, u"", false},                         {-1, u"", false},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.main().Toolbar1_MouseMove(c.x, 300);
        EXPECT_EQ(fx.main().Toolbar1.ToolTipText, c.tip) << c.x;
        EXPECT_EQ(fx.platform.Calls(), c.copies ? kCopyKeys : std::vector<std::string>{}) << c.x;
    }
    // Every move over the look-up button copies again.
    BrowserApp fx;
    fx.main().Toolbar1_MouseMove(910, 300);
    fx.main().Toolbar1_MouseMove(920, 300);
    EXPECT_EQ(fx.CallsOf({"keybd_event"}).size(), 8u);
}

// big5uni.idx listing 20013 (中) and 31072, whose decimal digits end
// 131072's.
struct ScriptApp : BrowserApp {
    ScriptApp() {
        platform.SetFile(kProgramDir + "/big5uni.idx", "/a4a419968/a4a520013/b2b231072/\r\n\r\n19968/20013/\r\n");
        platform.ClearCalls();
    }
    void Show(std::u16string address) { platform.SetLocation(kBrowser, std::move(address)); }
};

TEST(DictionaryBrowser, HanShowsTheHanPageOfTheCharacterOnDisplay) {
    struct Case {
        std::u16string shown;
        std::string opened;  // empty when the view stays
    };
    const Case cases[] = {
        {u"its:nomtdu.chm::/n20013.htm", "its:hvtdu.chm::/html\\hv20013.htm"},
        {u"its:nomtdu.chm::/n20108.htm", ""},    // not listed in Big5Line
        {u"its:nomtdu.chm::/n131072.htm", ""},   // not 31072's page
        {u"its:hvtdu.chm::/html\\khoidong.htm", ""},
        {u"", ""},
    };
    for (const Case& c : cases) {
        ScriptApp fx;
        fx.main().TelexN_Click(menu_number::kTelexN);
        fx.Show(c.shown);
        fx.platform.ClearCalls();
        fx.main().tbToolbar_ButtonClick(u"Han");
        EXPECT_TRUE(fx.main().Menunoi.TelexH.Checked);
        EXPECT_TRUE(fx.main().tbToolbar[0].Pressed);
        EXPECT_FALSE(fx.main().tbToolbar[1].Pressed);
        const auto expected = c.opened.empty() ? std::vector<std::string>{} : std::vector{kNavigate + c.opened};
        EXPECT_EQ(fx.Navigations(), expected) << U16ToUtf8(c.shown);
    }
}

TEST(DictionaryBrowser, NomShowsTheNomPageOfAListedCharacter) {
    struct Case {
        std::u16string shown;
        std::string opened;
    };
    const Case cases[] = {
        {u"its:hvtdu.chm::/html\\hv20013.htm", "its:nomtdu.chm::/n20013.htm"},
        {u"its:hvtdu.chm::/html/hv19968.htm", ""},  // the Nom dictionary lacks it
    };
    for (const Case& c : cases) {
        ScriptApp fx;
        fx.platform.SetFile(kProgramDir + "/big5uni.idx", "/a4a419968/a4a520013/\r\n\r\n20013/\r\n");
        fx.Show(c.shown);
        fx.main().tbToolbar_ButtonClick(u"Nom");
        EXPECT_TRUE(fx.main().Menunoi.TelexN.Checked);
        EXPECT_TRUE(fx.main().tbToolbar[1].Pressed);
        const auto expected = c.opened.empty() ? std::vector<std::string>{} : std::vector{kNavigate + c.opened};
        EXPECT_EQ(fx.Navigations(), expected) << U16ToUtf8(c.shown);
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
    };
    for (const Case& c : cases) {
        ScriptApp fx;
        if (!c.index.empty()) fx.platform.SetFile(kProgramDir + "/telexhan.idx", c.index);
        fx.module().TypedKeys = c.typed;
        fx.main().tbToolbar_ButtonClick(u"Han");
        EXPECT_EQ(fx.main().Label2.Caption, c.found) << U16ToUtf8(c.typed);
        EXPECT_EQ(fx.CallsOf({"DrawCandidatePage OrvikU.WebBrowser2"}).size(), 1u);
    }
}

TEST(DictionaryBrowser, VietLooksTheTypedWordUpInTheWordList) {
    struct Case {
        std::u16string typed;
        std::u16string key;
        std::string opened;
    };
    const Case cases[] = {
        {u"tieengs", u"tieengs", "its:tdviet.chm::/vtieengs.htm"},
        {u"tuw", u"tuw", "its:tdviet.chm::/vtuw.htm"},
        {u"tw", u"tuw", "its:tdviet.chm::/vtuw.htm"},
        {u"tuwf", u"tuwf", ""},  // not listed
        {u"ti", u"ti", ""},  // the beginning of a listed word has no page
        {u"", u"", ""},
    };
    for (const Case& c : cases) {
        BrowserApp fx;
        fx.platform.SetFile("/current/tdviet.idx", "/tieengs/tuw/");
        fx.module().TypedKeys = c.typed;
        fx.main().tbToolbar_ButtonClick(u"Viet");
        EXPECT_EQ(fx.module().TypedKeys, c.key);
        const auto expected = c.opened.empty() ? std::vector<std::string>{} : std::vector{kNavigate + c.opened};
        EXPECT_EQ(fx.Navigations(), expected) << U16ToUtf8(c.typed);
    }
}

}  // namespace
}  // namespace orvik
