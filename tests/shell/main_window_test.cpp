// The main window as a desktop window: its menu, layout, tool-bar tips, the
// dictionary browser's script buttons, and the about window.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"
#include "shell/font_texts.h"
#include "shell/menunoi_items.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::kProgramDir;

TEST(MainWindowMenu, HoldsItsItemsInOrderWithTheirNumbers) {
    const std::u16string expected =
        u"&Cấu hình 14|&Về Việt Orvik 2004 1|&Trợ giúp (Help) 2|- 100|&Chọn Font Orvik 3|&Chọn Font Việt 4|- 101|"
        u"Telex Việt -> &Hán 30 v|Telex Việt -> &Nôm 31 v|&Thương Hiệt Hán 32 v|Thương Hiệt Nôm 13 v|PinYin Han 12 v|"
        u"IME On/Off 10 v|-|( Mã xuất tiếng Việt:) 21 v|&Unicode 15 v|&VietWare_X Code 7 v|&TCVN3 Code 8 v|"
        u"&VNI_Win Code 9 v|-|Chỉnh sửa phiên âm|Chỉnh sửa thâu nhập pháp (IME Editor)|Đổi font ra hình vẽ|"
        u"Đổi mã (CODE Convertor)|Bản đồ font Unicode  (Character Map)|Đóng chương trình 11|";
    const Menunoi menu;
    std::u16string shown;
    for (const MenunoiItem& entry : MenunoiItems()) {
        const MenuItem& item = menu.*entry.item;
        shown += item.Caption + (entry.number ? u" " + DecimalText(*entry.number) : u"") +
                 (entry.checkable ? u" v|" : u"|");
        EXPECT_EQ(entry.click == nullptr, item.Caption == u"-") << U16ToUtf8(item.Caption);
    }
    EXPECT_EQ(shown, expected);
}

const MenunoiItem& ItemOf(MenuItem Menunoi::*item) {
    for (const MenunoiItem& entry : MenunoiItems())
        if (entry.item == item) return entry;
    throw std::logic_error("no such item");
}

TEST(MainWindowMenu, ItemsRunTheirActions) {
    struct Case {
        MenuItem Menunoi::*item;
        std::u16string_view started;  // the program started, or ""
        bool minimized;
    };
    const Case cases[] = {
        {&Menunoi::config, u"", true},        {&Menunoi::Help, u"hh.exe orvhelp.chm", false},
        {&Menunoi::Vietcode, u"Tonaro.exe", false}, {&Menunoi::ImeEdit, u"KeyTabEd.exe", false},
        {&Menunoi::FontCreat, u"glyphmk.exe", false}, {&Menunoi::Convert, u"Recoder.exe", true},
        {&Menunoi::Charmap, u"Charmap.exe", false},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        ItemOf(c.item).click(fx.main());
        const std::string name = U16ToUtf8((fx.main().Menunoi.*c.item).Caption);
        EXPECT_EQ(fx.platform.StartedPrograms(),
                  c.started.empty() ? std::vector<std::u16string>{} : std::vector{std::u16string(c.started)})
            << name;
        EXPECT_EQ(fx.platform.Minimized(WindowId::OrvikU), c.minimized) << name;
        EXPECT_EQ(fx.platform.WindowVisible(WindowId::CauHinh), c.started.empty()) << name;
        EXPECT_TRUE(fx.platform.Messages().empty()) << name;
    }
    FixtureApp fx;
    ItemOf(&Menunoi::TCVN).click(fx.main());
    ItemOf(&Menunoi::OnlyViet).click(fx.main());
    EXPECT_TRUE(fx.main().Menunoi.TCVN.Checked);
    EXPECT_TRUE(fx.main().Menunoi.OnlyViet.Checked);
    fx.platform.RefuseProgram(u"Charmap.exe");
    fx.main().Charmap_Click();
    EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"Không chạy được chương trình Charmap.exe"});
}

// The menu's font choosers: the Vietnamese one starts from the font in
// force and keeps a whole size, a half going to the even one; the
// ideograph one always starts from its own font. Each says where the font
// shows.
TEST(MainWindowFonts, TheChoosersStartWhereTheyShouldAndKeepTheChoice) {
    FixtureApp fx;
    OutputChoices& output = fx.app.output();
    output.NomFontName = u"chosen before";
    fx.main().VFont_Click(0);  // cancelled: the font in force stays
    fx.main().CFont_Click(0);  // cancelled: the chooser's own font
    EXPECT_EQ(output.VnFontSize, 12);
    EXPECT_EQ(output.NomFontName, u"Chu Nom Minh U");
    EXPECT_EQ(output.NomFontSize.Points(), 16.0f);
    fx.platform.AnswerFontDialog({u"VNI-Times", 14.5f});
    fx.main().VFont_Click(0);
    fx.platform.AnswerFontDialog({u"HanaMinA", 20.5f});
    fx.main().CFont_Click(0);
    EXPECT_EQ(output.VnFontName, u"VNI-Times");
    EXPECT_EQ(output.VnFontSize, 14);
    EXPECT_EQ(output.NomFontName, u"HanaMinA");
    EXPECT_EQ(output.NomFontSize.Points(), 20.5f);
    EXPECT_EQ(fx.CallsOf({"ShowFontDialog"}).back(), "ShowFontDialog [Chon Font xuat ra chu Han] Chu Nom Minh U");
    EXPECT_EQ(fx.CallsOf({"ShowFontDialog"})[2], "ShowFontDialog [Chon Font hien thi chu Viet] Arial");
    EXPECT_EQ(fx.platform.Messages().back(), U16ToUtf8(kOrvikFontMessage));
    EXPECT_EQ(fx.platform.Messages()[2], U16ToUtf8(kVietFontMessage));
}

TEST(MainWindowLayout, KeepsTheMinimumWidthAndFillsTheBrowserView) {
    FixtureApp fx;
    OrvikU& main = fx.main();
    main.Width = 6000;
    main.ScaleWidth = 5880;
    main.ScaleHeight = 6000;
    main.Form_Resize();
    EXPECT_EQ(main.Width, OrvikU::kMinWidth);
    EXPECT_EQ(main.WebBrowser1Rect.Width, 5780);
    EXPECT_EQ(main.WebBrowser1Rect.Height, 6000 - main.WebBrowser1Rect.Top - 410);
    EXPECT_EQ(main.Picture1Left, 5880 - 2150);

    // A height that would be negative is left; a minimized window is left.
    main.ScaleHeight = main.WebBrowser1Rect.Top;
    main.Form_Resize();
    EXPECT_EQ(main.WebBrowser1Rect.Height, 6000 - main.WebBrowser1Rect.Top - 410);
    main.WindowState = OrvikU::State::Minimized;
    main.Width = 100;
    main.Form_Resize();
    EXPECT_EQ(main.Width, 100);
}

TEST(MainWindowToolbar, TheTipFollowsTheButtonUnderTheMouse) {
    struct Case {
        float x;
        const char16_t* tip;
    };
    const char16_t* han = u"Tra nghĩa chữ Hán theo TĐ Lenvar và phiên âm Hán Việt";
    const Case cases[] = {
        {0, han}, {359.9f, han}, {360, u"Tra nghĩa chữ Nôm theo Bảng tra Nôm KHXH 1976"},
        {5 * 360 + 1, u"Tắt mở Thâu nhập pháp (IME)"}, {8 * 360, u"Đóng chương trình"}, {9 * 360, u""}, {-1, u""},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.main().tbToolbar.ToolTipText = u"old";
        fx.main().tbToolbar_MouseMove(c.x, 0);  // no buttons laid out yet
        EXPECT_EQ(fx.main().tbToolbar.ToolTipText, u"old");
        fx.main().tbToolbar_MouseMove(c.x, 360);
        EXPECT_EQ(fx.main().tbToolbar.ToolTipText, c.tip) << c.x;
    }
}

// The about window closes itself on the 20th tick of its half-second timer,
// counted from its load.
void Tick(FixtureApp& fx, int times) {
    for (int i = 0; i < times; ++i) ASSERT_TRUE(fx.platform.FireTimer(QXAbout::kTimer1));
}

TEST(AboutWindow, ClosesItselfOnTheTwentiethTickCountedFromItsLoad) {
    FixtureApp fx;
    fx.main().about_Click(menu_number::kAbout);
    EXPECT_TRUE(fx.platform.WindowVisible(WindowId::QXAbout));
    EXPECT_EQ(fx.CallsOf({"StartTimer"}), std::vector<std::string>{"StartTimer QXAbout.Timer1 500"});
    Tick(fx, 15);
    fx.main().about_Click(menu_number::kAbout);  // opened again: the count goes on
    Tick(fx, 4);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
    Tick(fx, 1);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::QXAbout));
    EXPECT_FALSE(fx.platform.TimerRunning(QXAbout::kTimer1));
    fx.main().about_Click(menu_number::kAbout);  // after it closed, the count starts again
    Tick(fx, 19);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
    Tick(fx, 1);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());
}

constexpr std::string_view kBrowser = "OrvikU.WebBrowser1";

// The main window in Telex->Han, big5uni.idx listing 19968, 20013 (中) and
// 31072 (whose digits end 131072's) as Han, 19968 and 20013 as Nom.
struct BrowserApp : testing::FixtureApp {
    BrowserApp() {
        platform.SetFile(kProgramDir + "/big5uni.idx", "/a4a419968/a4a520013/b2b231072/\r\n\r\n19968/20013/\r\n");
        main().TelexH_Click(menu_number::kTelexH);
    }
};

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
    BrowserApp typed;  // the typed keys are searched again in the new mode
    typed.session().SetKeys(u"HOAF");
    typed.main().tbToolbar_ButtonClick(u"Han");
    EXPECT_EQ(typed.main().Label2.Caption, u"Tìm thấy 15 chữ");
}

}  // namespace
}  // namespace orvik
