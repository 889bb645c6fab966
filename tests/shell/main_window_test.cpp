// The main window as a desktop window: its menu, tray notifications, layout,
// tool-bar tips, font choosers and side tools.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"
#include "shell/menunoi_items.h"

namespace orvik {
namespace {

using testing::FixtureApp;

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

// The dots per inch the tray's numbers come in are the record's to decode
// (notify_icon_data_test.cpp); here, what each press does.
TEST(MainWindowTray, TheRightPressOpensTheMenuAndTheLeftSwitchesTheInputMethod) {
    struct Case {
        float x;
        bool menu, imeOn;
    };
    const Case cases[] = {{7740, true, false}, {7695, false, true}, {7710, false, false}};
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.main().TelexH_Click(30);
        fx.main().Form_MouseMove(c.x);
        EXPECT_EQ(fx.platform.PopupMenusShown(), c.menu ? 1 : 0) << c.x;
        EXPECT_EQ(fx.main().Menunoi.IMEstate.Checked, c.imeOn) << c.x;
    }
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
    const Case cases[] = {{0, u"Tra nghĩa chữ Hán theo TĐ Lenvar và phiên âm Hán Việt"},
                          {359.9f, u"Tra nghĩa chữ Hán theo TĐ Lenvar và phiên âm Hán Việt"},
                          {360, u"Tra nghĩa chữ Nôm theo Bảng tra Nôm KHXH 1976"},
                          {5 * 360 + 1, u"Tắt mở Thâu nhập pháp (IME)"},
                          {8 * 360, u"Đóng chương trình"},
                          {9 * 360, u""},
                          {-1, u""}};
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.main().tbToolbar.ToolTipText = u"old";
        fx.main().tbToolbar_MouseMove(c.x, 0);  // no buttons laid out yet
        EXPECT_EQ(fx.main().tbToolbar.ToolTipText, u"old");
        fx.main().tbToolbar_MouseMove(c.x, 360);
        EXPECT_EQ(fx.main().tbToolbar.ToolTipText, c.tip) << c.x;
    }
}

// The Orvik chooser always starts from Chu Nom Minh U 16 and keeps half
// sizes; the Vietnamese one starts from the font in force and rounds halves
// to even. Each says what its font is good for.
TEST(MainWindowFonts, TheChoosersStartWhereTheyShouldAndKeepTheChoice) {
    FixtureApp fx;
    fx.platform.AnswerFontDialog({u"HanaMinA", 10.5f});
    fx.main().CFont_Click(3);
    fx.main().CFont_Click(3);
    EXPECT_EQ(fx.app.output().NomFontName, u"HanaMinA");
    EXPECT_EQ(fx.app.output().NomFontSize.Points(), 10.5f);
    EXPECT_EQ(fx.CallsOf({"ShowFontDialog"}).back(), "ShowFontDialog [Chon Font xuat ra chu Han] 3 Chu Nom Minh U 16");
    EXPECT_EQ(fx.platform.Messages().back().rfind("Định dạng font Orvik xuất ra", 0), 0u);
    for (const auto& [chosen, kept] : {std::pair{10.5f, 10}, {11.5f, 12}, {13.4f, 13}}) {
        FixtureApp viet;
        viet.app.output().VnFontName = u".VnTime";
        viet.app.output().VnFontSize = 14;
        viet.platform.AnswerFontDialog({u"DejaVu Serif", chosen});
        viet.main().VFont_Click(4);
        EXPECT_EQ(viet.CallsOf({"ShowFontDialog"}).back(), "ShowFontDialog [Chon Font hien thi chu Viet] 3 .VnTime 14");
        EXPECT_EQ(viet.app.output().VnFontName, u"DejaVu Serif");
        EXPECT_EQ(viet.app.output().VnFontSize, kept) << chosen;
        EXPECT_EQ(viet.platform.Messages().back().rfind("Người sử dụng phải", 0), 0u);
    }
    FixtureApp cancelled;
    cancelled.main().VFont_Click(4);
    EXPECT_EQ(cancelled.app.output().VnFontName, u"Arial");
    EXPECT_EQ(cancelled.app.output().VnFontSize, 12);
}

}  // namespace
}  // namespace orvik
