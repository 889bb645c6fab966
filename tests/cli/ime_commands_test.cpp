#include <gtest/gtest.h>
#include <sys/stat.h>

#include "command.h"
#include "run_command.h"
#include "temp_dir.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

const std::string kData = ORVIK_FIXTURES "/ime";

Outcome Invoke(int (*command)(const Args&, Streams), const Args& args) { return RunCommand(command, args); }

TEST(CandidatesCommand, PrintsThePagesOfEachTypedCode) {
    const Outcome run = Invoke(RunCandidates, {"--data", kData, "--mode", "telex-nom", "MOOTJ", "trong", "x"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "MOOTJ:\n  1.1  一  U+4E00\n  1.2  𠀋  U+2000B\n  1.3  二  U+4E8C\n  1.4  𠮟  U+20B9F\n  ! End\n"
              "trong:\n  ! End\n"
              "x:\n  no candidates\n");
}

TEST(LookupCommand, PrintsBig5VariantPageAndReading) {
    const Outcome run = Invoke(RunLookup, {"--data", kData, "二"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "character  二  U+4E8C (20108)\nbig5       a4a5\nvariant    page under 一  U+4E00\n"
              "page       its:hvtdu.chm::/html\\hv19968.htm\nreading    nhị  [phienam.txt]\n");
}

// A word is looked up by its first character that has a page (a pair of
// surrogates being one character), or by its first when none has; which
// page a character has is the look-up's own rule.
TEST(LookupCommand, LooksUpTheFirstCharacterWithAPage) {
    struct Case {
        std::string mode, word, character, page;
    };
    const Case cases[] = {
        {"telex-han", "「一」", "一  U+4E00", "its:hvtdu.chm::/html\\hv19968.htm"},
        {"telex-han", "𠀋", "𠀋  U+2000B", "its:nomtdu.chm::/n131083.htm"},
        {"telex-nom", "一", "一  U+4E00", "its:nomtdu.chm::/n19968.htm"},
        {"telex-han", "「」", "「  U+300C", "(none)"},
        {"telex-han", "U+300C", "「  U+300C", "(none)"},
    };
    for (const auto& c : cases) {
        const Outcome run = Invoke(RunLookup, {"--data", kData, "--mode", c.mode, c.word});
        EXPECT_EQ(run.status, 0) << c.word;
        EXPECT_NE(run.out.find("character  " + c.character + " ("), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\npage       " + c.page + "\n"), std::string::npos) << run.out;
    }
}

// The copied RTF is read as the desktop reads the clipboard, its pairs of
// escaped halves joined, so LibreOffice's find the Nom character; RTF whose
// characters have no page ends with status 1.
TEST(LookupCommand, PrintsThePageTheQuickViewOpensForCopiedRtf) {
    struct Case {
        std::string mode, rtf;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"telex-nom", "{\\rtf1 \\uc1\\u55360 ?\\u56331 ?}", 0, "its:nomtdu.chm::/n131083.htm\n"},
        {"telex-han", "{\\rtf1 plain}", 1, ""},
    };
    for (const auto& c : cases) {
        const Outcome run = RunCommand(RunLookup, {"--data", kData, "--mode", c.mode, "--rtf", "-"}, c.rtf);
        EXPECT_EQ(run.status, c.status) << c.rtf << run.err;
        EXPECT_EQ(run.out, c.out) << c.rtf;
    }
    EXPECT_EQ(Invoke(RunLookup, {"--data", kData, "--rtf", "-", "二"}).status, kUsageError);
    EXPECT_EQ(Invoke(RunLookup, {"--data", kData, "--rtf", kData + "/none.rtf"}).status, 1);
}

TEST(ImeCommands, ExplainMissingDataAndBadArguments) {
    const Outcome noData = Invoke(RunCandidates, {"--data", kData + "/none", "--mode", "pinyin", "yi1"});
    EXPECT_EQ(noData.status, 1);
    EXPECT_NE(noData.err.find("run ./test or ./run"), std::string::npos);
    for (const Args& args : {Args{"--mode", "vni", "a"}, Args{"a"}, Args{"--mode", "pinyin"}}) {
        EXPECT_EQ(Invoke(RunCandidates, args).status, kUsageError);
    }
    // Hex digits that name no character, or none at all.
    for (const char* name : {"U+XYZ", "U+", "u+", "U+110000", "U+D800", "U+DFFF", "U+1234567"})
        EXPECT_EQ(Invoke(RunLookup, {"--data", kData, name}).status, kUsageError) << name;
    EXPECT_EQ(Invoke(RunLookup, {"--data", kData, "U+10FFFF"}).status, 0);
}

// Only a regular file is read: a folder would read as nothing and a FIFO
// would wait for a writer that never comes.
TEST(ImeCommands, InputThatIsNoFileIsAnError) {
    const orvik::testing::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const std::string& input : {dir.path().string(), (dir / "fifo").string()}) {
        for (const Outcome& run : {Invoke(RunLookup, {"--data", kData, "--rtf", input}),
                                   Invoke(RunTranscribe, {"--data", kData, input})}) {
            EXPECT_EQ(run.status, 1) << input;
            EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
        }
    }
}

}  // namespace
}  // namespace orvik::cli
