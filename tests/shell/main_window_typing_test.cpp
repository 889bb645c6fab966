// The typing box of the main window: each key rewrites the box as the
// committed text and the word composed anew, and searches the reading.
#include <gtest/gtest.h>

#include "shell/main_window_app.h"

namespace orvik {
namespace {

using testing::MainWindowApp;

TEST(MainWindowTyping, ComposesTheWordAndSearchesItsReading) {
    struct Case {
        void (OrvikU::*mode)(std::int16_t);
        std::u16string_view keys, box, typed, label;
    };
    const Case cases[] = {
        {&OrvikU::TelexH_Click, u"hoaf", u"hòa", u"hoaf", u"Tìm thấy 15 chữ"},
        // The tone key typed inside the word moves to its end first.
        {&OrvikU::TelexH_Click, u"hoasn", u"hoán", u"hoans", u""},
        {&OrvikU::CangJieH_Click, u"hoaf", u"hoaf", u"hoaf", u""},
    };
    for (const auto& c : cases) {
        MainWindowApp fx(c.mode);
        fx.Keys(c.keys);
        EXPECT_EQ(fx.Box(), c.box);
        EXPECT_EQ(fx.module().TypedKeys, c.typed);
        EXPECT_EQ(fx.main().Label2.Caption, c.label);
    }
}

TEST(MainWindowTyping, EachRewriteMovesTheCaretToTheEndBeforeTheSearch) {
    MainWindowApp fx;
    fx.Keys(u"ky");
    const std::vector<std::string> expected{"SendKeys ^{END}", "DrawCandidatePage OrvikU.WebBrowser2",
                                            "SendKeys ^{END}", "DrawCandidatePage OrvikU.WebBrowser2"};
    EXPECT_EQ(fx.CallsOf({"SendKeys", "DrawCandidatePage"}), expected);
    EXPECT_EQ(testing::ShownFragment(fx.platform), "&#123;.&#20108;.&#35806; ! End");
}

TEST(MainWindowTyping, CtrlMakesCapitalsShiftDoesNotAndCtrlCLeavesTheBox) {
    MainWindowApp fx;
    fx.Key(kVkA, kShiftMask);
    fx.Key(kVkA, kCtrlMask);
    EXPECT_EQ(fx.module().TypedKeys, u"aA");
    const std::u16string box = fx.main().Text1.Text;
    fx.Key(kVkC, kCtrlMask);
    EXPECT_EQ(fx.module().TypedKeys, u"aA");
    EXPECT_EQ(fx.main().Text1.Text, box);
}

TEST(MainWindowTyping, SpaceCommitsTheWordAndEnterTypesNothing) {
    MainWindowApp fx;
    fx.Keys(u"hoaf ");
    EXPECT_EQ(fx.Box(), u"hòa ");
    EXPECT_EQ(fx.module().TypedKeys, u"");
    EXPECT_TRUE(fx.module().CandPages[0].empty());
    fx.Key(kVkReturn);
    fx.Keys(u"ky");
    EXPECT_EQ(fx.Box(), u"hòa ky");
    EXPECT_EQ(fx.module().CommittedText, fx.main().Text1.Text.substr(0, 5));
}

TEST(MainWindowTyping, BackspaceDropsAKeyWhileTheWordHasTwo) {
    MainWindowApp fx;
    fx.Keys(u"hoaf");
    fx.Key(kVkBack);
    EXPECT_EQ(fx.module().TypedKeys, u"hoa");
    EXPECT_EQ(fx.Box(), u"hoa");
    fx.Key(kVkBack);
    fx.Key(kVkBack);
    // The box deleted its last letter; a word of one key is kept.
    EXPECT_EQ(fx.module().TypedKeys, u"ho");
    EXPECT_EQ(fx.Box(), u"h");
}

TEST(MainWindowTyping, DigitsPickFromThePageShownAndOpenItInTheMainWindow) {
    struct Case {
        std::int16_t page, key;
        const char16_t* picked;  // nullptr: nothing
    };
    const Case cases[] = {{0, '1', u"5000"}, {2, '0', u"501D"}, {10, '1', u"5064"}, {10, '2', nullptr}};
    for (const auto& c : cases) {
        MainWindowApp fx;
        fx.ListCandidates(101);
        fx.module().CurPage = c.page;
        fx.module().PageInPopup = true;
        fx.Key(c.key);
        EXPECT_EQ(fx.module().CandPages[0].empty(), c.picked != nullptr);
        const std::u16string page =
            c.picked ? u"its:hvtdu.chm::/html\\hv" + DecimalText(HexValue(c.picked)) + u".htm" : std::u16string(testing::kStartPage);
        EXPECT_EQ(fx.main().WebBrowser1.Address, page);
        EXPECT_FALSE(fx.app.PopupVisible());
        EXPECT_EQ(fx.main().Text1.Text, u"");  // the box does not keep the digit
    }
}

TEST(MainWindowTyping, UpAndDownStayWithinThePages) {
    MainWindowApp fx;
    fx.Keys(u"hoaf");
    fx.Key(kVkDown);
    EXPECT_EQ(fx.module().CurPage, 1);
    fx.platform.ClearCalls();
    fx.Key(kVkDown);
    EXPECT_EQ(fx.module().CurPage, 1);
    fx.Key(kVkUp);
    fx.Key(kVkUp);
    EXPECT_EQ(fx.module().CurPage, 0);
    EXPECT_EQ(fx.CallsOf({"DrawCandidatePage"}).size(), 1u);  // only the step back to page 0 is shown
}

TEST(MainWindowTyping, PinYinDigitsAreToneNumbers) {
    MainWindowApp fx(&OrvikU::PINYIN_Click);
    fx.Keys(u"yi1");
    EXPECT_EQ(fx.module().TypedKeys, u"yi1");
    EXPECT_EQ(fx.main().Text1.Text, u"yi1");
    EXPECT_EQ(fx.main().Label2.Caption, u"Tìm thấy 1 chữ");
}

// The box's code is looked up as the candidate window looks it up (CangJie
// afh under ahf, PinYin er4 under e4r, ư typed uw under w), and the
// candidate window, loaded with that code, lists the same characters.
TEST(MainWindowTyping, BothWindowsFindTheCodeUnderTheKeyTheSearchLooksUp) {
    struct Case {
        void (OrvikU::*mode)(std::int16_t);
        std::string file, index;
        std::u16string_view keys;
        std::u16string first;
    };
    const Case cases[] = {
        {&OrvikU::CangJieH_Click, "UCangJie.idx", "66DB\r\n5F71\r\n!\"\"!afh \"#!ahf \r\n", u"afh", u"5F71"},
        {&OrvikU::PINYIN_Click, "UPinYin.idx", "4E8C\r\n!\"\"!e4r \r\n", u"er4", u"4E8C"},
        {&OrvikU::TelexN_Click, "telenomu.idx", "2029B\r\n!\"\"!ngwowif \r\n", u"nguwowif", u"2029B"},
    };
    for (const auto& c : cases) {
        MainWindowApp fx(c.mode);
        fx.platform.SetFile(testing::kProgramDir + "/" + c.file, c.index);
        (fx.main().*c.mode)(0);
        fx.Keys(c.keys);
        EXPECT_EQ(fx.module().CandCodes[0], c.first) << c.file;
        EXPECT_EQ(fx.main().Label2.Caption, u"Tìm thấy 1 chữ") << c.file;
        fx.module().CandCodes[0].clear();
        fx.main().IMEstate_Click(menu_number::kIMEstate);
        EXPECT_EQ(fx.module().CandCodes[0], c.first) << c.file << " in the candidate window";
    }
}

TEST(MainWindowTyping, EscClearsTheWordTheCommittedTextAndTheList) {
    MainWindowApp fx;
    fx.Keys(u"ky hoaf");
    fx.Key(kVkEscape);
    EXPECT_EQ(fx.main().Text1.Text, u"");
    EXPECT_EQ(fx.main().Label2.Caption, u"");
    EXPECT_EQ(fx.module().TypedKeys, u"");
    EXPECT_EQ(fx.module().CommittedText, u"");
    EXPECT_EQ(testing::ShownFragment(fx.platform), "");
}

}  // namespace
}  // namespace orvik
