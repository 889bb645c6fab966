#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::kShiftSpace;

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(SendToTarget, A2KPickPostsTheCharacterThenShiftSpaceAndClears) {
    CandidateWindowApp fx;
    fx.candidates().Command3_Click();  // 2K
    fx.Keys(u"a");
    fx.platform.ClearCalls();
    fx.Key('1');
    const auto sent = fx.CallsOf({"PostMessageW", "keybd_event", "AttachThreadInput", "Clipboard"});
    // Switching on attached to the editor already.
    EXPECT_EQ(sent, Concat({"PostMessageW 501 258 19968 1"}, kShiftSpace));
    EXPECT_EQ(fx.module().TypedKeys, u"");
    EXPECT_EQ(fx.candidates().Text1.Text, u"");
    EXPECT_TRUE(fx.module().CandCodes[0].empty());
    EXPECT_TRUE(fx.module().ItemText.empty());
}

TEST(SendToTarget, ASupplementaryPickPostsItsSurrogatePair) {
    CandidateWindowApp fx(&OrvikU::TelexN_Click);
    fx.candidates().Command3_Click();
    fx.Keys(u"mootj");
    fx.platform.ClearCalls();
    fx.Key('2');  // 2000B
    EXPECT_EQ(fx.CallsOf({"PostMessageW"}),
              (std::vector<std::string>{"PostMessageW 501 258 55360 1", "PostMessageW 501 258 56331 1"}));
    EXPECT_EQ(fx.candidates().HighSurrogate, -10176);
    EXPECT_EQ(fx.candidates().LowSurrogate, -9205);  // 56331 as RTF writes it, signed
}

TEST(SendToTarget, A98PickPastesTheRtfWithCtrlV) {
    CandidateWindowApp fx;
    fx.Keys(u"a");
    fx.platform.ClearCalls();
    fx.Key('1');
    const std::string rtf =
        "ClipboardSetText -16639 {\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1"
        "\\fcharset1 Chu Nom Minh U;}}\\uc1\\pard\\f0\\fs32\\u19968\\'3f}";
    EXPECT_EQ(fx.CallsOf({"Clipboard", "keybd_event"}),
              Concat({"ClipboardClear", rtf, "keybd_event 17 29 0", "keybd_event 86 23 0", "keybd_event 86 23 2",
                      "keybd_event 17 29 2"},
                     kShiftSpace));
    // The clipboard keeps the RTF afterwards.
    EXPECT_NE(fx.platform.Clipboard(kClipboardRtf).find(u"\\u19968"), std::u16string::npos);
}

// A terminal takes Ctrl+V as a character: "98" commits there as "2K" does.
TEST(SendToTarget, A98PickIntoATerminalIsCommittedNotPasted) {
    CandidateWindowApp fx;
    fx.module().System98 = true;
    fx.platform.SetForegroundPastes(false);
    fx.Keys(u"a");
    fx.platform.ClearCalls();
    fx.Key('1');
    EXPECT_EQ(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event"}),
              Concat({"PostMessageW 501 258 19968 1"}, kShiftSpace));
}

// Touching the clipboard only to paste: a Space with an empty box in "98"
// mode must not empty what the user copied.
TEST(SendToTarget, AnEmptyBoxSendsOnlyItsKeyInEitherMode) {
    for (const bool system98 : {false, true}) {
        CandidateWindowApp fx;
        fx.module().System98 = system98;
        fx.platform.ClipboardSetText(u"copied", kClipboardText);
        fx.platform.ClearCalls();
        fx.Key(32);
        EXPECT_EQ(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event"}), kShiftSpace) << system98;
        EXPECT_EQ(fx.platform.Clipboard(kClipboardText), u"copied") << system98;
    }
}

TEST(SendToTarget, AReadingEndsWithItsPunctuationKey) {
    struct Case { std::int16_t key; bool system98; std::vector<std::string> expected; };
    const Case cases[] = {
        {32, false,
         Concat({"PostMessageW 501 258 104 1", "PostMessageW 501 258 242 1", "PostMessageW 501 258 97 1"},
                kShiftSpace)},
        {188, false,
         {"PostMessageW 501 258 104 1", "PostMessageW 501 258 242 1", "PostMessageW 501 258 97 1",
          "keybd_event 188 188 0", "keybd_event 188 188 2"}},
        {190, true,
         {"ClipboardClear",
          "ClipboardSetText -16639 {\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2"
          "\\fcharset0 Arial;}}{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 hòa}",
          "keybd_event 17 29 0", "keybd_event 86 23 0", "keybd_event 86 23 2", "keybd_event 17 29 2",
          "keybd_event 190 190 0", "keybd_event 190 190 2"}},
    };
    for (const auto& c : cases) {
        CandidateWindowApp fx;
        fx.module().System98 = c.system98;
        fx.Keys(u"hoaf");
        fx.platform.ClearCalls();
        fx.Key(c.key);
        EXPECT_EQ(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event"}), c.expected) << c.key;
        EXPECT_EQ(fx.module().TypedKeys, u"");
    }
}

// Enter, Tab and symbols send the word without an ending key of its own,
// then go on to the application ("xin chaof⏎" left "chào" in the box).
TEST(SendToTarget, EnterTabAndSymbolsSendTheWordThenPassOn) {
    const std::vector<std::string> word2K{"PostMessageW 501 258 104 1", "PostMessageW 501 258 242 1",
                                          "PostMessageW 501 258 97 1", "PassKeyOn"};
    for (const std::int16_t key : {kVkReturn, kVkTab, kVkOem8}) {
        CandidateWindowApp fx;
        fx.module().System98 = false;
        fx.Keys(u"hoaf");
        EXPECT_TRUE(fx.platform.WordPendingReported());
        fx.platform.ClearCalls();
        fx.Key(key);
        EXPECT_EQ(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event", "PassKeyOn"}), word2K) << key;
        EXPECT_FALSE(fx.platform.WordPendingReported());
        fx.platform.ClearCalls();
        fx.Key(key);
        EXPECT_EQ(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event", "PassKeyOn"}),
                  std::vector<std::string>{"PassKeyOn"})
            << key;
    }
}

TEST(SendToTarget, ReadingRtfEscapesLettersAbove255) {
    CandidateWindowApp fx;
    fx.Keys(u"ddi");
    fx.Key(32);
    const std::u16string rtf = fx.platform.Clipboard(kClipboardRtf);
    EXPECT_NE(rtf.find(u"\\fs24 \\u273\\'3fi}"), std::u16string::npos) << U16ToUtf8(rtf);
}

TEST(SendToTarget, NothingIsSentWhileTheProgramsOwnWindowIsInTheForeground) {
    CandidateWindowApp fx;
    fx.candidates().Command3_Click();
    fx.Keys(u"a");
    fx.Key('1');  // a first send attaches to the editor
    fx.platform.SetForeground(WindowId::HVTNP);
    fx.Keys(u"a");
    fx.platform.ClearCalls();
    fx.Key('1');
    EXPECT_TRUE(fx.CallsOf({"PostMessageW", "keybd_event"}).empty());
    EXPECT_EQ(fx.module().TypedKeys, u"a");  // nothing cleared
    EXPECT_EQ(fx.module().TargetWindow, 1002u);

    // Still in the foreground: the tracking is skipped and the focus of the
    // last attach receives the character.
    fx.platform.ClearCalls();
    fx.Key('1');
    EXPECT_TRUE(fx.CallsOf({"AttachThreadInput", "GetWindowThreadProcessId"}).empty());
    EXPECT_EQ(fx.CallsOf({"PostMessageW"}), std::vector<std::string>{"PostMessageW 501 258 19968 1"});
}

TEST(SendToTarget, TwoSendsToOneWindowAttachOnce) {
    CandidateWindowApp fx;
    fx.candidates().Command3_Click();  // 2K
    fx.platform.SetForeground(600, 88, 601);
    fx.platform.ClearCalls();
    for (int i = 0; i < 2; ++i) {
        fx.Keys(u"a");
        fx.Key('1');
    }
    EXPECT_EQ(fx.CallsOf({"AttachThreadInput"}),
              (std::vector<std::string>{"AttachThreadInput 1 77 detach", "AttachThreadInput 1 88 attach"}));
    EXPECT_EQ(fx.CallsOf({"PostMessageW"}),
              (std::vector<std::string>{"PostMessageW 601 258 19968 1", "PostMessageW 601 258 19968 1"}));
}

TEST(SendToTarget, PositionsWithoutACandidateSendNothing) {
    CandidateWindowApp fx;
    fx.Keys(u"a");
    fx.platform.ClearCalls();
    fx.Key('5');
    fx.Key('0');
    EXPECT_TRUE(fx.CallsOf({"PostMessageW", "Clipboard", "keybd_event"}).empty());
    EXPECT_EQ(fx.module().TypedKeys, u"a");
}

}  // namespace
}  // namespace orvik
