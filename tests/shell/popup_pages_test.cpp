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
        {nullptr, u"4E00", true, u"about:blank"},  // no mode, no page
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        if (c.mode) (fx.main().*c.mode)(0);
        fx.app.ShowCharPage(c.hex, c.inPopup ? PageWhere::Popup : PageWhere::MainWindow);
        const BrowserView& view = c.inPopup ? fx.app.Popup().WebBrowser1 : fx.main().WebBrowser1;
        EXPECT_EQ(view.Address, c.page) << U16ToUtf8(c.hex);
        EXPECT_EQ(fx.app.PopupVisible(), c.inPopup && c.mode);
    }
}

TEST(PopupPages, TranscriptionShowsTheReadingsOrRefusesALargeSelection) {
    struct Case {
        std::u16string rtf;
        bool cut;
        std::u16string_view shown;
        bool refused;
    };
    const Case cases[] = {
        {u"{\\rtf1 \\u19968?\\u20108?}", false, u"nhất nhị", false},
        {std::u16string(192000, u'x'), false, u"", false},  // the largest taken
        {std::u16string(192001, u'x'), false, u"", true},
        // Read from an owner that had more (or was too slow to give it
        // all): never transcribed in part.
        {u"{\\rtf1 \\u19968?", true, u"", true},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.main().TelexH_Click(menu_number::kTelexH);
        fx.platform.ClipboardSetText(c.rtf, kClipboardRtf);
        fx.platform.SetClipboardCut(c.cut);
        fx.app.TranscribeSelection(true);
        EXPECT_EQ(fx.app.PopupVisible(), !c.refused);
        EXPECT_EQ(fx.app.Popup().Text1.Visible, !c.refused);
        EXPECT_EQ(fx.app.Popup().Text1.Text, c.shown);
        EXPECT_EQ(fx.platform.Messages().size(), c.refused ? 1u : 0u);
    }
}

// A left press on the popup's tray icon copies the selection, waits for the
// copy and shows the page of the first ideograph that has one, sized and
// above other windows; brackets and Latin letters are passed over. A
// selection without such a character shows the no-data page; in no mode
// nothing is shown.
TEST(PopupPages, TheTrayLookUpShowsThePageOfTheFirstIdeographThatHasOne) {
    struct Case {
        std::u16string rtf;
        std::u16string_view page;
        bool mode = true;
    };
    const Case cases[] = {
        {u"{\\rtf1 abc \\u12300?\\u20108?\\u12301?\\u19968?}", u"its:hvtdu.chm::/html\\hv19968.htm"},
        {u"", u"about:nodata"},
        {u"{\\rtf1 plain}", u"about:nodata"},
        {u"{\\rtf1 \\u12300?\\u12301?}", u"about:nodata"},
        {u"{\\rtf1 \\'a4\\'ff}", u"about:nodata"},  // a Big5 code the table lacks
        {u"{\\rtf1 \\u35806?}", u"about:nodata"},     // in neither dictionary
        {u"{\\rtf1 \\u19968?}", u"about:blank", false},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        if (c.mode) fx.main().TelexH_Click(menu_number::kTelexH);
        fx.app.Popup().ShowTranscription(u"nhất");
        fx.app.HidePopup();
        fx.platform.SetForeground(testing::kEditor, testing::kEditorFocus);
        fx.platform.SelectInForeground(c.rtf.empty() ? u"{}" : c.rtf);
        fx.platform.PressTrayIcon(fx.platform.HandleOf(WindowId::WPopup), 1, kWmLButtonDown);
        EXPECT_EQ(fx.platform.CopiesReceived(), 1);
        EXPECT_EQ(fx.platform.Location("WPopup.WebBrowser1"), c.page) << U16ToUtf8(c.rtf);
        EXPECT_EQ(fx.app.PopupVisible(), c.mode);
        EXPECT_EQ(fx.app.Popup().Text1.Visible, !c.mode);
        if (c.mode) EXPECT_EQ(fx.CallsOf({"SetWindowHeight"}).back(), "SetWindowHeight WPopup 4600");
        EXPECT_EQ(fx.platform.Topmost(WindowId::WPopup), true);
    }
}

}  // namespace
}  // namespace orvik
