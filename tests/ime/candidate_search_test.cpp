#include "ime/candidate_search.h"

#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"
#include "ime/page_file.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::ShownFragment;

std::u16string Fields(int count, int first = 0x4E00) {
    std::u16string line;
    for (int i = 0; i < count; ++i) line += UpperHexText(static_cast<std::uint32_t>(first + i));
    return line;
}

// References to `count` characters from `first` on, joined by dots.
std::u16string Refs(int first, int count) {
    std::u16string page;
    for (int i = 0; i < count; ++i) page += (i == 0 ? u"&#" : u".&#") + DecimalText(first + i) + u";";
    return page;
}

// The fragment shown for a typed code: its exact entry's characters, the
// variant keys of a Han page in colour.
TEST(CandidateSearch, TypedCodesShowTheirExactEntry) {
    struct Case {
        void (OrvikU::*mode)(std::int16_t);
        std::u16string typed;
        std::string fragment;
    };
    const auto H = &OrvikU::TelexH_Click;
    const Case cases[] = {
        // "!a " is not taken from "!ab "; capitals are lowered first.
        {H, u"a", "&#19968;<FONT color=\"#0066AA\">.&#20108;</FONT> ! End"},
        {H, u"A", "&#19968;<FONT color=\"#0066AA\">.&#20108;</FONT> ! End"},
        {H, u"hoa", ""},  // only "hoaf" is listed
        {H, u"zz", ""},   // after the directory line: never read
        {H, u"ab", U16ToUtf8(Refs(19968, 10))},
        // 20108 is a key; 123 is not, though "04123/" ends in "123/".
        {H, u"ky", "&#123;<FONT color=\"#0066AA\">.&#20108;</FONT>.&#35806; ! End"},
        // Nom fields with and without their space; no colour in Nom.
        {&OrvikU::TelexN_Click, u"mootj", "&#19968;.&#131083;.&#20108;.&#134047; ! End"},
        {&OrvikU::TelexN_Click, u"trong", " ! End"},
        // A code too long for the mode empties the box and its keys.
        {&OrvikU::CangJieH_Click, u"abcdefghijk", ""},
        {&OrvikU::CangJieH_Click, u"abcdefghij", ""},  // ten letters: kept
        {&OrvikU::CangJieH_Click, u"mm", "<FONT color=\"#0066AA\">&#20108;</FONT> ! End"},
    };
    for (const auto& c : cases) {
        FixtureApp fx(c.mode);
        fx.Type(c.typed);
        EXPECT_EQ(ShownFragment(fx.platform), c.fragment) << U16ToUtf8(c.typed);
        const bool tooLong = c.typed.size() > 10;
        EXPECT_EQ(fx.session().Keys(), tooLong ? u"" : c.typed);
        EXPECT_EQ(fx.candidates().Text1.Text.empty(), tooLong);
    }
}

TEST(CandidateSearch, ComparesTheKeyWithTheCodeAsGiven) {
    FixtureApp fx(&OrvikU::TelexH_Click);
    const CandidateLine found = FindCandidateLine(fx.module(), u"hoaf");
    EXPECT_EQ(found.kind, CandidateLine::Found);
    EXPECT_EQ(found.line, Fields(15, 0x6C00));
    EXPECT_EQ(FindCandidateLine(fx.module(), u"HOAF").kind, CandidateLine::NotFound);
    EXPECT_EQ(FindCandidateLine(fx.module(), u"\x1f" u"a").kind, CandidateLine::Ignored);
}

TEST(CandidateSearch, CutsListsIntoPagesOfTen) {
    FixtureApp fx;
    struct Case { int count; int lastPage; std::u16string lastFragment; };
    const Case cases[] = {
        {0, 0, u" ! End"},
        {10, 1, u" ! End"},
        {15, 1, Refs(19978, 5) + u" ! End"},
        {101, 10, u"&#20068; ! End"},
        {130, 10, u"&#20068; ! End"},  // fields after the 101st are ignored
    };
    CandidateList list;
    for (const auto& c : cases) {
        list.Build(Fields(c.count), Layout::Han, &fx.module().VariantLine);
        if (c.count >= 10) EXPECT_EQ(list.ShownPage(), Refs(19968, 10));
        EXPECT_EQ(list.LastPageNumber(), c.lastPage) << c.count;
        while (list.Turn(+1)) continue;
        EXPECT_EQ(list.ShownPage(), c.lastFragment) << c.count;
    }
    EXPECT_EQ(list.Field(100), u"4E64");
    list.Build(u"    ", Layout::Han, nullptr);
    EXPECT_EQ(list.ShownPage(), u" ! End");
    EXPECT_TRUE(list.Field(0).empty());
}

TEST(CandidateSearch, MalformedDirectoryEntriesFindNothing) {
    FixtureApp fx;
    Module1& m = fx.module();
    m.IndexLines[0] = u"4E00";
    struct Case { std::u16string directory; std::u16string code; };
    const Case cases[] = {
        {u"!\x7f\x6b!a ", u"a"},                  // line 9001
        {u"!\x21\x21!a ", u"a"},                  // negative line number
        {u"!a ", u"a"},                           // no line number before the key
        {u"!\"\"!abcdefghijklm ", u"abcdefghijklm"},  // end space outside the window
        {u"", u"a"},
    };
    for (const auto& c : cases) {
        m.DirectoryLine = c.directory;
        EXPECT_EQ(FindCandidateLine(m, c.code).kind, CandidateLine::NotFound) << U16ToUtf8(c.directory);
    }
    m.DirectoryLine = u"!\"\"!abcdefghijkl ";
    EXPECT_EQ(FindCandidateLine(m, u"abcdefghijkl").line, u"4E00");
}

// What the candidate views draw from a fragment.
TEST(CandidatePage, RunsDecodeReferencesAndFollowTheColourTag) {
    struct Case {
        std::u16string_view fragment;
        std::vector<PageRun> runs;
    };
    const Case cases[] = {
        {u"", {}},
        {u"&#19968; ! End", {{u"一 ! End", false}}},
        {u"&#19968;.<FONT color=\"#0066AA\">&#20108;</FONT> ! End",
         {{u"一.", false}, {u"二", true}, {u" ! End", false}}},
        {u"&#131083;", {{u"\U0002000B", false}}},    // beyond U+FFFF: two units
        {u"&#1114112;.&#55296;", {{u".", false}}},  // no character: nothing drawn
        {u"&#123 <b", {{u"&#123 <b", false}}},      // unended: as it stands
    };
    for (const Case& c : cases) EXPECT_EQ(PageRuns(c.fragment), c.runs) << U16ToUtf8(c.fragment);
}

// The page is drawn at once; the page file waits for a pause in typing and
// holds the last page. A full disk is named in the log; the page still shows.
TEST(CandidateWindow, DrawsThePageAndWritesThePageFileWhenTypingPauses) {
    FixtureApp fx(&OrvikU::PINYIN_Click);
    fx.Type(u"yi");
    fx.Type(u"yi1");
    EXPECT_EQ(fx.platform.DrawnPage("HVTNP.WebBrowser1"), u"&#19968; ! End");
    EXPECT_FALSE(fx.platform.FileExists(testing::kPageFile));
    ASSERT_TRUE(fx.platform.FireTimer("PageFile"));
    EXPECT_FALSE(fx.platform.FireTimer("PageFile"));  // written once
    EXPECT_TRUE(fx.platform.Logged().empty());
    const std::string page =
        "<META content=\"text/html; charset=x-user-defined\" http-equiv=Content-Type>\r\n"
        "<FONT FACE=\"Chu Nom Minh U\" COLOR=\"#004466\" style=\"font-size: 18 pt\">\r\n"
        "<P>&#19968; ! End</P>\r\n</FONT>\r\n";
    EXPECT_EQ(fx.platform.FileContent(testing::kPageFile).substr(0, page.size()), page);
    EXPECT_EQ(fx.candidates().WebBrowser1.Address, u"/current/temp.htm");
    fx.platform.SetUnwritable(testing::kPageFile);
    fx.Type(u"yi2");
    ASSERT_TRUE(fx.platform.FireTimer("PageFile"));
    ASSERT_EQ(fx.platform.Logged().size(), 1u);
    EXPECT_NE(fx.platform.Logged()[0].find("/current/temp.htm cannot be written"), std::string::npos);
}

}  // namespace
}  // namespace orvik
