// The main window's keys: its typing box, its candidate buttons, the
// hook's chords, and the word it shares with the candidate window.
#include <gtest/gtest.h>

#include "ime/candidate_window_app.h"
#include "shell/main_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::MainWindowApp;

// The character a key types into the box: small letters unless Shift,
// control characters with Ctrl, nothing with Alt.
TEST(MainWindowTyping, KeysTypeTheirCharacters) {
    struct Case {
        std::int16_t key, shift, ascii;
    };
    const Case cases[] = {
        {kVkA, 0, 'a'},           {kVkZ, 0, 'z'},      {kVkA, kShiftMask, 'A'}, {kVkZ, kCtrlMask, 26},
        {kVkA, kCtrlMask, 1},     {kVkA, kAltMask, 0}, {kVk0, 0, '0'},          {kVk9, 0, '9'},
        {kVkComma, 0, ','},       {kVkBack, 0, kAsciiBack}, {kVkF1, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyAsciiOf(c.key, c.shift), c.ascii) << c.key << " " << c.shift;
}

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
        {&OrvikU::PINYIN_Click, u"yi1", u"yi1", u"yi1", u"Tìm thấy 1 chữ"},  // tone numbers
        {&OrvikU::TelexH_Click, u"hoaf ky", u"hòa ky", u"ky", u"Tìm thấy 3 chữ"},
    };
    for (const auto& c : cases) {
        MainWindowApp fx(c.mode);
        fx.Keys(c.keys);
        EXPECT_EQ(fx.Box(), c.box);
        EXPECT_EQ(fx.session().Keys(), c.typed);
        EXPECT_EQ(fx.main().Label2.Caption, c.label);
        // Every write of the box leaves the caret at its end.
        EXPECT_EQ(fx.CallsOf({"SendKeys"}), std::vector<std::string>(c.keys.size(), "SendKeys ^{END}"));
    }
    MainWindowApp fx;
    fx.Keys(u"ky");
    EXPECT_EQ(fx.platform.DrawnPage("OrvikU.WebBrowser2"), u"&#123;.&#20108;.&#35806; ! End");
}

TEST(MainWindowTyping, CtrlMakesCapitalsShiftDoesNotAndCtrlCLeavesTheBox) {
    MainWindowApp fx;
    fx.Key(kVkA, kShiftMask);
    fx.Key(kVkA, kCtrlMask);
    EXPECT_EQ(fx.session().Keys(), u"aA");
    const std::u16string box = fx.main().Text1.Text;
    fx.Key(kVkC, kCtrlMask);
    EXPECT_EQ(fx.session().Keys(), u"aA");
    EXPECT_EQ(fx.main().Text1.Text, box);
}

TEST(MainWindowTyping, SpaceCommitsEnterTypesNothingBackspaceDropsAKey) {
    MainWindowApp fx;
    fx.Keys(u"hoaf ");
    EXPECT_EQ(fx.session().Keys(), u"");
    fx.Key(kVkReturn);
    fx.Keys(u"hoaf");
    EXPECT_EQ(fx.Box(), u"hòa hòa");
    MainWindowApp back;
    back.Keys(u"hoaf");
    back.Key(kVkBack);
    EXPECT_EQ(back.session().Keys(), u"hoa");
    EXPECT_EQ(back.Box(), u"hoa");
    back.Key(kVkBack);
    back.Key(kVkBack);
    // The box deleted its last letter; a word of one key is kept.
    EXPECT_EQ(back.session().Keys(), u"ho");
    EXPECT_EQ(back.Box(), u"h");
}

// A code that finds nothing leaves nothing to pick, and the digit's release
// shows the code as typed where keys are not Telex.
TEST(MainWindowTyping, ADigitPicksOnlyFromTheCodeNowTyped) {
    MainWindowApp fx;
    fx.Keys(u"ky");
    fx.Keys(u"z");
    fx.Key('1');
    EXPECT_EQ(fx.main().WebBrowser1.Address, testing::kStartPage);
    // A digit on a list opens its candidate's page, and the list is done.
    MainWindowApp picks;
    picks.Keys(u"ky");
    picks.Key('2');  // 二, whose page is that of 一
    picks.Key('1');
    EXPECT_EQ(picks.main().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm");
    MainWindowApp cangJie(&OrvikU::CangJieH_Click);
    cangJie.Keys(u"aa");
    cangJie.Key('1');
    EXPECT_EQ(cangJie.Box(), u"aa");
}

TEST(MainWindowTyping, UpDownAndThePagingButtonsStayWithinTheList) {
    MainWindowApp fx;
    const int drawn = fx.platform.PagesDrawn();
    fx.main().Command1_Click(1);  // no list: nothing to page back to
    fx.main().Command1_Click(0);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 0);
    EXPECT_EQ(fx.platform.PagesDrawn(), drawn);
    fx.ListCandidates(25);
    for (std::int16_t index : {0, 0, 0}) fx.main().Command1_Click(index);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 2);
    EXPECT_EQ(fx.platform.PagesDrawn(), drawn + 2);
    for (std::int16_t index : {1, 1, 1}) fx.main().Command1_Click(index);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 0);
    EXPECT_EQ(fx.platform.DrawnPage("OrvikU.WebBrowser2"), fx.session().Candidates().ShownPage());
    EXPECT_EQ(fx.platform.PagesDrawn(), drawn + 4);
    for (std::int16_t key : {kVkDown, kVkDown, kVkDown, kVkUp}) fx.Key(key);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 1);
}

TEST(MainCandidates, APickGoesToTheClipboardAsRtfAndOpensItsPage) {
    struct Case {
        std::u16string_view code, escape, page;  // escape: "\u" and its number in the RTF
    };
    const Case cases[] = {
        {u"5000", u"\\u20480", u"its:hvtdu.chm::/html\\hv20480.htm"},
        // A variant key is replaced by the character it is paired with.
        {u"4E8C", u"\\u19968", u"its:hvtdu.chm::/html\\hv19968.htm"},
        {u"2000B", u"\\u131083", u"its:nomtdu.chm::/n131083.htm"},  // in Nom fields, five wide
        {u"FFFF", u"\\u-1", u"about:nodata"},                        // in neither
        {u"", u"", testing::kStartPage},                              // an empty slot picks nothing
    };
    for (const auto& c : cases) {
        MainWindowApp fx(c.code.size() == 5 ? &OrvikU::TelexN_Click : &OrvikU::TelexH_Click);
        fx.ListCandidates(19, c.code);
        fx.session().TurnPage(+1);
        fx.app.output().NomFontSize = FontSizeValue(10.5f);
        fx.platform.ClipboardSetText(u"copied", kClipboardText);
        fx.platform.FocusControl("");
        fx.main().Command2_Click(9);
        const std::u16string rtf =
            u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 "
            u"Chu Nom Minh U;}{\\f1\\fnil\\fcharset0 Times New Roman;}{\\f2\\fswiss\\fprq2\\fcharset0 VNtimes new "
            u"roman;}}\\viewkind4\\uc1\\pard\\f0\\fs21" + std::u16string(c.escape) + u"\\f2}";
        const bool picked = !c.code.empty();
        EXPECT_EQ(fx.platform.Clipboard(kClipboardRtf), picked ? rtf : u"");
        EXPECT_EQ(fx.platform.Clipboard(kClipboardText), picked ? u"" : u"copied");  // cleared before
        EXPECT_EQ(fx.main().WebBrowser1.Address, c.page);
        EXPECT_FALSE(fx.app.PopupVisible());
        EXPECT_EQ(fx.platform.FocusedControl(), picked ? "OrvikU.Text1" : "");
    }
    MainWindowApp fx;
    std::u16string digits;
    for (const auto& button : fx.main().Command2) digits += button.Caption;
    EXPECT_EQ(digits, u"1234567890");
    fx.ListCandidates(101);
    while (fx.session().TurnPage(+1)) continue;
    fx.main().Command2_Click(1);  // past the 101st
    EXPECT_EQ(fx.platform.Clipboard(kClipboardRtf), u"");
    while (fx.session().TurnPage(-1)) continue;
    fx.main().Command2_Click(0);
    EXPECT_EQ(fx.main().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv20480.htm");
}

// OK opens a web address of ten characters or more, else the file
// selected; Enter in the address box opens it as typed; Cancel only hides.
TEST(OpenDocumentPanel, OpensTheAddressOrTheSelectedFile) {
    struct Case {
        std::u16string_view address, file;
        int button;               // 3 OK, 4 Cancel, 0 Enter in the box
        const char16_t* opened;  // nullptr: nothing
    };
    const Case cases[] = {
        {u"http://abc", u"a.htm", 3, u"http://abc"}, {u"  HTTP://abc ", u"", 3, u"HTTP://abc"},
        {u"http://ab", u"a.htm", 3, u"/docs/a.htm"}, {u"http://ab", u"", 3, nullptr},
        {u" x ", u"a.htm", 0, u" x "},                 {u"http://abc", u"a.htm", 4, nullptr},
    };
    for (const auto& c : cases) {
        MainWindowApp fx;
        OrvikU& main = fx.main();
        main.ShowPicture2();
        EXPECT_EQ(main.Picture2.Combo1.Text, u"http://");
        main.Picture2.Combo1.Text = c.address;
        main.Picture2.Drive1.Drive = u"/docs";
        main.Drive1_Change();
        main.Picture2.File1.FileName = c.file;
        std::int16_t key = 'x';
        main.Combo1_KeyPress(key);
        EXPECT_TRUE(main.Picture2.Visible);
        key = kAsciiReturn;
        if (c.button == 0) main.Combo1_KeyPress(key);
        if (c.button == 3) main.Command3_Click();
        if (c.button == 4) main.Command4_Click();
        EXPECT_FALSE(main.Picture2.Visible);
        EXPECT_EQ(main.WindowState, c.button == 3 ? OrvikU::State::Maximized : OrvikU::State::Normal);
        EXPECT_EQ(main.WebBrowser1.Address, c.opened ? std::u16string_view(c.opened) : testing::kStartPage);
    }
}

// The chords copy the foreground application's selection (Ctrl+C, or C
// alone while the user still holds Ctrl), wait for it, and look it up or
// transcribe it.
TEST(MainWindowHook, LookUpAndTranscriptionChordsCopyWaitAndShowTheSelection) {
    struct Case {
        std::int16_t code;
        bool userHoldsCtrl, ownWindowInFront;
        std::uint32_t waitMs;
        bool minimized, transcribed;
    };
    const Case cases[] = {
        {kCmdLookup, false, false, 300, false, false},
        {kCmdLookupHeld, true, false, 100, true, false},
        {kCmdLookupHeld, true, true, 100, false, false},
        {kCmdTranscribe, false, false, 200, false, true},
        {kCmdTranscribeToo, false, false, 200, false, true},
    };
    const std::u16string selection = u"{\\rtf1 \\u12300?\\u19968?\\u20108?}";
    for (const auto& c : cases) {
        MainWindowApp fx;
        fx.platform.HoldCtrl(c.userHoldsCtrl);
        if (c.ownWindowInFront) {
            fx.platform.SetForeground(WindowId::OrvikU);
            fx.platform.FocusControl("OrvikU.WebBrowser1");
            fx.platform.SelectInView("OrvikU.WebBrowser1", selection);
        } else {
            fx.platform.SetForeground(testing::kEditor, testing::kEditorFocus);
            fx.platform.SelectInForeground(selection);
        }
        fx.platform.DeliverKey(c.code);
        EXPECT_EQ(fx.platform.CopiesReceived(), c.ownWindowInFront ? 0 : 1) << c.code;
        EXPECT_EQ(fx.platform.SleptMs(), c.waitMs) << c.code;
        EXPECT_TRUE(fx.platform.HeldKeys().empty()) << c.code;
        EXPECT_EQ(fx.platform.Minimized(WindowId::OrvikU), c.minimized) << c.code;
        EXPECT_TRUE(fx.app.PopupVisible()) << c.code;
        if (c.transcribed) EXPECT_EQ(fx.app.Popup().Text1.Text, u"nhất nhị") << c.code;
        else EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm") << c.code;
    }
}

// A mode chord looks the word being typed up again in its mode; the next
// mode chord goes round the five modes. Esc ends the word in the box and
// empties the list.
TEST(MainWindowHook, ModeChordsSearchTheWordAgainAndEscEndsIt) {
    CandidateWindowApp nom(&OrvikU::TelexN_Click);
    nom.Keys(u"hoaf");
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");
    fx.platform.DeliverKey(kCmdTelexNom);
    EXPECT_EQ(fx.platform.DrawnPage("HVTNP.WebBrowser1"), nom.platform.DrawnPage("HVTNP.WebBrowser1"));
    std::u16string modes;
    for (int i = 0; i < 5; ++i) {
        fx.platform.DeliverKey(kCmdNextMode);
        modes += fx.module().ModeName + u"|";
    }
    EXPECT_EQ(modes, u"PinYin|CangJie Nom|CangJie Han|Telex Han|Telex Nom|");
    CandidateWindowApp han;
    han.Keys(u"hoaf");
    fx.platform.DeliverKey(kCmdTelexHan);
    EXPECT_EQ(fx.platform.DrawnPage("HVTNP.WebBrowser1"), han.platform.DrawnPage("HVTNP.WebBrowser1"));

    MainWindowApp box;
    box.Keys(u"hoaf");
    box.Key(kVkEscape);
    EXPECT_EQ(box.Box(), u"");
    EXPECT_EQ(box.session().Keys(), u"");
    EXPECT_EQ(box.platform.DrawnPage("OrvikU.WebBrowser2"), u"");
}

// The main window's typing box and the candidate window share the keys of
// the word being typed: a word ended in one window leaves the other nothing
// to edit, whichever window the next key reaches.
TEST(SharedTypedWord, AWordEndedElsewhereLeavesTheOtherWindowNothingToEdit) {
    struct Case {
        const char* name;
        void (*endWord)(CandidateWindowApp&);
    };
    const Case cases[] = {
        {"Space in the main window's box", [](CandidateWindowApp& fx) { TypeIntoText1(fx.main(), kVkSpace, 0); }},
        {"the dialog's OK", [](CandidateWindowApp& fx) { fx.app.ConfigDialog().Command1_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CandidateWindowApp fx;
        fx.Keys(u"hoaf");
        c.endWord(fx);
        EXPECT_EQ(fx.session().Keys(), u"");
        EXPECT_EQ(fx.candidates().Text1.Text, u"");  // at once
        fx.platform.SetReceivedText(u"x");
        fx.Key(kVkBack);  // the application's, as typed
        EXPECT_EQ(fx.platform.ReceivedText(), u"");
        fx.Keys(u"ky");
        EXPECT_EQ(fx.candidates().Text1.Text, u"ky");
    }
    CandidateWindowApp fx;
    TypeIntoText1(fx.main(), 'H', 0);
    fx.Keys(u"oaf");
    fx.Key(kVkSpace);
    TypeIntoText1(fx.main(), kVkBack, 0);
    EXPECT_EQ(fx.session().Keys(), u"");
}

// A key the hook gave to the application while the program was busy must
// not also stay in the typed code: "vie" with the e given back would
// otherwise send "evie".
TEST(GivenBackKey, TheCodeReturnsToWhatItWasBeforeTheKey) {
    struct Case {
        const char* name;
        std::vector<std::uint64_t> givenBack;
        std::u16string typed;
    };
    const Case cases[] = {
        {"the last key", {3}, u"vi"},
        {"two keys, oldest first", {2, 3}, u"v"},
        {"a key never handled here", {9}, u"vie"},
        {"told twice", {3, 3}, u"vi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CandidateWindowApp fx;
        std::uint64_t number = 0;
        for (char16_t key : std::u16string_view(u"vie")) {
            fx.app.KeyArrives(++number);
            fx.Key(static_cast<std::int16_t>(key));
        }
        for (std::uint64_t back : c.givenBack) fx.app.KeyGivenBack(back);
        EXPECT_EQ(fx.session().Keys(), c.typed);
        EXPECT_EQ(fx.candidates().Text1.Text, c.typed);
        fx.app.KeyArrives(4);
        fx.Key('e');
        EXPECT_EQ(fx.session().Keys(), c.typed + u"e");
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
        testing::FixtureApp fx(&OrvikU::TelexH_Click);
        fx.platform.ClipboardSetText(c.rtf, kClipboardRtf);
        fx.platform.SetClipboardCut(c.cut);
        fx.app.TranscribeSelection(true);
        EXPECT_EQ(fx.app.PopupVisible(), !c.refused);
        EXPECT_EQ(fx.app.Popup().Text1.Visible, !c.refused);
        EXPECT_EQ(fx.app.Popup().Text1.Text, c.shown);
        EXPECT_EQ(fx.platform.Messages().size(), c.refused ? 1u : 0u);
    }
}

}  // namespace
}  // namespace orvik
