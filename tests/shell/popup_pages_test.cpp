#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;

// The fixture's Han dictionary holds 一 (4E00) and 二 (4E8C, a variant key
// of 一), its Nom dictionary 一 and 𠀋 (2000B).
TEST(PopupPages, ShowCharPageOpensAPageTheDictionariesHold) {
    struct Case { void (OrvikU::*mode)(std::int16_t); std::u16string_view hex; bool inPopup; std::u16string_view page; };
    const Case cases[] = {
        {&OrvikU::TelexH_Click, u"4E00", true, u"its:hvtdu.chm::/html\\hv19968.htm"},
        {&OrvikU::CangJieH_Click, u"4E8C", false, u"its:hvtdu.chm::/html\\hv19968.htm"},
        {&OrvikU::TelexH_Click, u"2000B", true, u"its:nomtdu.chm::/n131083.htm"},  // not in the Han dictionary
        {&OrvikU::TelexH_Click, u"8BDE", true, u"about:nodata"},                   // in neither
        {&OrvikU::PINYIN_Click, u"FFFF", true, u"about:nodata"},
        {&OrvikU::TelexN_Click, u"2000B", true, u"its:nomtdu.chm::/n131083.htm"},
        {&OrvikU::CangJie_Click, u"4E00", false, u"its:nomtdu.chm::/n19968.htm"},
        {&OrvikU::CangJie_Click, u"4E8C", false, u"its:hvtdu.chm::/html\\hv19968.htm"},  // not in the Nom dictionary
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        (fx.main().*c.mode)(0);
        fx.module().PageInPopup = c.inPopup;
        fx.app.ShowCharPage(c.hex);
        const BrowserView& view = c.inPopup ? fx.app.Popup().WebBrowser1 : fx.main().WebBrowser1;
        EXPECT_EQ(view.Address, c.page) << U16ToUtf8(c.hex);
        EXPECT_EQ(fx.app.PopupVisible(), c.inPopup);
    }
}

TEST(PopupPages, NoModeNoPage) {
    FixtureApp fx;
    fx.module().PageInPopup = true;
    fx.app.ShowCharPage(u"4E00");
    EXPECT_FALSE(fx.app.PopupVisible());
}

TEST(PopupPages, TranscriptionShowsTheReadingsOrRefusesALargeSelection) {
    FixtureApp fx;
    fx.main().TelexH_Click(30);
    fx.platform.ClipboardSetText(u"{\\rtf1 \\u19968?\\u20108?}", kClipboardRtf);
    fx.app.TranscribeSelection(true);
    EXPECT_TRUE(fx.app.PopupVisible());
    EXPECT_TRUE(fx.app.Popup().Text1.Visible);
    EXPECT_EQ(fx.app.Popup().Text1.Text, u"nhất nhị");

    fx.app.HidePopup();
    fx.platform.ClipboardSetText(std::u16string(192001, u'x'), kClipboardRtf);
    fx.platform.ClearCalls();
    fx.app.TranscribeSelection(true);
    EXPECT_FALSE(fx.app.PopupVisible());
    EXPECT_EQ(fx.platform.Calls().back().rfind("MessageBox", 0), 0u);

    // A short text read from an owner that had more (or was too slow to
    // give it all) is refused too, never transcribed in part.
    fx.platform.ClipboardSetText(u"{\\rtf1 \\u19968?", kClipboardRtf);
    fx.platform.SetClipboardCut(true);
    fx.platform.ClearCalls();
    fx.app.TranscribeSelection(true);
    EXPECT_FALSE(fx.app.PopupVisible());
    EXPECT_EQ(fx.platform.Calls().back().rfind("MessageBox", 0), 0u);
}

// A left press on the popup's tray icon copies the selection, waits for the
// copy and shows the page of the first ideograph that has one, sized and
// above other windows; the brackets around it are passed over.
TEST(PopupPages, TheTrayLookUpShowsThePageOfTheFirstIdeograph) {
    FixtureApp fx;
    fx.main().TelexH_Click(30);
    fx.app.Popup().ShowTranscription(u"nhất");
    fx.app.HidePopup();
    fx.platform.ClipboardSetText(u"{\\rtf1 abc \\u12300?\\u20108?\\u12301?\\u19968?}", kClipboardRtf);
    fx.platform.ClearCalls();
    fx.platform.PressTrayIcon(fx.platform.HandleOf(WindowId::WPopup), 1, kWmLButtonDown);
    EXPECT_EQ(fx.CallsOf({"Sleep", "ClipboardGetText", "ShowWindow", "Navigate", "SetWindowHeight", "SetWindowPos"}),
              (std::vector<std::string>{"Sleep 100", "ClipboardGetText -16639", "ShowWindow WPopup",
                                        "Navigate WPopup.WebBrowser1 its:hvtdu.chm::/html\\hv19968.htm",
                                        "SetWindowHeight WPopup 4600", "SetWindowPos WPopup HWND_TOPMOST"}));
    EXPECT_FALSE(fx.app.Popup().Text1.Visible);
}

// A selection without a character the dictionaries describe (nothing, Latin
// letters, brackets, a Big5 code the table lacks, an ideograph of neither
// dictionary) shows the no-data page; in no mode nothing is shown.
TEST(PopupPages, ALookUpThatFindsNoPageShowsTheNoDataPage) {
    for (const std::u16string rtf :
         {u"", u"{\\rtf1 plain}", u"{\\rtf1 \\u12300?\\u12301?}", u"{\\rtf1 \\'a4\\'ff}", u"{\\rtf1 \\u35806?}"}) {
        FixtureApp fx;
        fx.main().TelexH_Click(30);
        fx.app.Popup();
        fx.platform.ClipboardSetText(rtf, kClipboardRtf);
        fx.platform.ClearCalls();
        fx.app.LookupSelection();
        EXPECT_EQ(fx.CallsOf({"Navigate"}), std::vector<std::string>{"Navigate WPopup.WebBrowser1 about:nodata"})
            << U16ToUtf8(rtf);
        EXPECT_TRUE(fx.app.PopupVisible());
    }
    FixtureApp fx;
    fx.main();
    fx.platform.ClipboardSetText(u"{\\rtf1 \\u19968?}", kClipboardRtf);
    fx.platform.ClearCalls();
    fx.app.LookupSelection();
    EXPECT_TRUE(fx.CallsOf({"ShowWindow", "Navigate"}).empty());
}

}  // namespace
}  // namespace orvik
