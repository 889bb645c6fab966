// A key the hook gave to the application while the program was busy (it did
// not answer in time) must not also stay in the typed code: "vie" with the e
// given back would otherwise send "evie".
#include <gtest/gtest.h>

#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;

void HookKey(CandidateWindowApp& fx, std::uint64_t number, char16_t key) {
    fx.app.KeyArrives(number);
    fx.Key(static_cast<std::int16_t>(key));
}

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
        HookKey(fx, 1, u'v');
        HookKey(fx, 2, u'i');
        HookKey(fx, 3, u'e');
        for (std::uint64_t number : c.givenBack) fx.app.KeyGivenBack(number);
        EXPECT_EQ(fx.module().TypedKeys, c.typed);
        EXPECT_EQ(fx.candidates().Text1.Text, c.typed);
        // Typing goes on from there.
        HookKey(fx, 4, u'e');
        EXPECT_EQ(fx.module().TypedKeys, c.typed + u"e");
    }
}

}  // namespace
}  // namespace orvik
