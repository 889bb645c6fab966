// The main window's typing box and the candidate window share the keys of
// the word being typed: a word ended in one window must leave the other
// with nothing to edit, whichever window the next key reaches.
#include <functional>

#include <gtest/gtest.h>

#include "ime/candidate_window_app.h"
#include "shell/typing_box.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;

TEST(SharedTypedWord, AWordEndedElsewhereLeavesTheCandidateWindowNothingToEdit) {
    struct Case {
        const char* name;
        std::function<void(CandidateWindowApp&)> endWord;
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
        EXPECT_EQ(fx.module().TypedKeys, u"");
        fx.platform.ClearCalls();
        fx.Key(kVkBack);
        EXPECT_EQ(fx.module().TypedKeys, u"");
        EXPECT_EQ(fx.candidates().Text1.Text, u"");
        // The Backspace is the application's, as typed.
        EXPECT_EQ(fx.CallsOf({"keybd_event", "PassKeyOn"}), std::vector<std::string>{"PassKeyOn"});
        fx.Keys(u"ky");
        EXPECT_EQ(fx.module().TypedKeys, u"ky");
        EXPECT_EQ(fx.candidates().Text1.Text, u"ky");
    }
}

TEST(SharedTypedWord, SpaceInTheMainWindowEmptiesTheCandidateBoxAtOnce) {
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");
    ASSERT_FALSE(fx.candidates().Text1.Text.empty());
    TypeIntoText1(fx.main(), kVkSpace, 0);
    EXPECT_EQ(fx.candidates().Text1.Text, u"");
    EXPECT_TRUE(fx.module().CandPages[0].empty());
}

TEST(SharedTypedWord, AWordSentFromTheCandidateWindowLeavesTheMainBackspaceNothingToDrop) {
    CandidateWindowApp fx;
    TypeIntoText1(fx.main(), 'H', 0);
    fx.Keys(u"oaf");
    fx.Key(kVkSpace);
    EXPECT_EQ(fx.module().TypedKeys, u"");
    TypeIntoText1(fx.main(), kVkBack, 0);
    EXPECT_EQ(fx.module().TypedKeys, u"");
}

}  // namespace
}  // namespace orvik
