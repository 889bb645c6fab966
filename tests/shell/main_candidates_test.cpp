// The main window's candidate buttons and open-document panel.
#include <gtest/gtest.h>

#include "shell/main_window_app.h"

namespace orvik {
namespace {

using testing::MainWindowApp;

TEST(MainCandidates, PagingStaysWithinTheListAndNeedsOne) {
    MainWindowApp fx;
    fx.module().LastPage = 0;
    fx.main().Command1_Click(1);
    fx.main().Command1_Click(0);
    EXPECT_EQ(fx.module().CurPage, 0);
    EXPECT_TRUE(fx.platform.Calls().empty());

    fx.ListCandidates(25);
    for (std::int16_t index : {0, 0, 0}) fx.main().Command1_Click(index);
    EXPECT_EQ(fx.module().CurPage, 2);
    for (std::int16_t index : {1, 1, 1}) fx.main().Command1_Click(index);
    EXPECT_EQ(fx.module().CurPage, 0);
    EXPECT_EQ(fx.CallsOf({"DrawCandidatePage"}).size(), 4u);  // pages 1, 2, 1, 0
}

TEST(MainCandidates, APickGoesToTheClipboardAsRtfAndOpensItsPage) {
    struct Case {
        const char16_t* code;
        const char16_t* escape;  // "\u" and its number in the RTF
        const char16_t* page;
    };
    const Case cases[] = {
        {u"5000", u"\\u20480", u"its:hvtdu.chm::/html\\hv20480.htm"},
        // A variant key is replaced by the character it is paired with.
        {u"4E8C", u"\\u19968", u"its:hvtdu.chm::/html\\hv19968.htm"},
        // Not in the Han dictionary: its Nom page.
        {u"2000B", u"\\u131083", u"its:nomtdu.chm::/n131083.htm"},
        // In neither dictionary.
        {u"FFFF", u"\\u-1", u"about:nodata"},
    };
    for (const auto& c : cases) {
        MainWindowApp fx;
        fx.ListCandidates(20);
        fx.module().CandCodes[19] = c.code;
        fx.module().CurPage = 1;
        fx.module().NomFontSize = FontSizeValue(10.5f);
        fx.platform.ClearCalls();
        fx.main().Command2_Click(9);
        const std::u16string rtf =
            u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033"
            u"{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 "
            u"Chu Nom Minh U;}{\\f1\\fnil\\fcharset0 Times New Roman;}{\\f2\\fswiss\\fprq2\\fcharset0 VNtimes new "
            u"roman;}}\\viewkind4\\uc1\\pard\\f0\\fs21" +
            std::u16string(c.escape) + u"\\f2}";
        EXPECT_EQ(fx.platform.Clipboard(kClipboardRtf), rtf);
        EXPECT_EQ(fx.platform.Calls().front(), "ClipboardClear");
        EXPECT_EQ(fx.main().WebBrowser1.Address, c.page);
        EXPECT_EQ(fx.platform.Calls().back(), "FocusControl OrvikU.Text1");
    }
}

TEST(MainCandidates, AnEmptyOrMissingSlotPicksNothing) {
    MainWindowApp fx;
    fx.ListCandidates(101);
    fx.module().CandCodes[3].clear();
    fx.module().CurPage = 10;
    fx.main().Command2_Click(1);
    fx.module().CurPage = 0;
    fx.main().Command2_Click(3);
    EXPECT_TRUE(fx.platform.Calls().empty());
}

TEST(OpenDocumentPanel, OkOpensAWebAddressOfTenCharactersOrElseTheSelectedFile) {
    struct Case {
        const char16_t* address;
        const char16_t* file;
        const char16_t* opened;  // nullptr: nothing
    };
    const Case cases[] = {
        {u"http://abc", u"a.htm", u"http://abc"},
        {u"  HTTP://abc ", u"", u"HTTP://abc"},
        {u"http://ab", u"a.htm", u"/docs/a.htm"},
        {u"http://ab", u"", nullptr},
    };
    for (const auto& c : cases) {
        MainWindowApp fx;
        OrvikU& main = fx.main();
        main.ShowPicture2();
        main.Picture2.Combo1.Text = c.address;
        main.Picture2.Drive1.Drive = u"/docs";
        main.Drive1_Change();
        main.Picture2.File1.FileName = c.file;
        main.Command3_Click();
        EXPECT_FALSE(main.Picture2.Visible);
        EXPECT_EQ(main.WindowState, OrvikU::State::Maximized);
        EXPECT_EQ(main.WebBrowser1.Address, c.opened ? std::u16string_view(c.opened) : testing::kStartPage);
    }
}

TEST(OpenDocumentPanel, EnterOpensTheAddressAsTypedAndCancelOnlyHides) {
    MainWindowApp fx;
    OrvikU& main = fx.main();
    main.ShowPicture2();
    EXPECT_EQ(main.Picture2.Combo1.Text, u"http://");
    main.Picture2.Combo1.Text = u" x ";
    std::int16_t key = 'x';
    main.Combo1_KeyPress(key);
    EXPECT_TRUE(main.Picture2.Visible);
    key = kAsciiReturn;
    main.Combo1_KeyPress(key);
    EXPECT_FALSE(main.Picture2.Visible);
    EXPECT_EQ(main.WebBrowser1.Address, u" x ");

    main.ShowPicture2();
    main.Command4_Click();
    EXPECT_FALSE(main.Picture2.Visible);
    EXPECT_EQ(main.WebBrowser1.Address, u" x ");
}

}  // namespace
}  // namespace orvik
