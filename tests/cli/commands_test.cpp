// What the commands print and how they fail, on the small data of the
// fixtures; the rules behind the answers are the engine's and look-up's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "command.h"
#include "formats/tiny_chm.h"
#include "ime_request.h"
#include "run_command.h"
#include "temp_dir.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

const std::string kData = ORVIK_FIXTURES "/ime";

// U+2000B (người in the fixture's Nom table) as LibreOffice writes it, then 一.
constexpr const char* kLibreOfficePair = "{\\rtf1{\\dbch\\uc0 \\u55360\\uc1 \\u56331\\'3f\\u19968\\'3f}}";

// A line per word: the bytes in the chosen code, then the word; Unicode, the
// default, prints the word alone. Without words, each line of input is one.
TEST(ComposeCommand, PrintsOneLinePerWordInTheChosenCode) {
    struct Case { Args args; std::string input, out; };
    const Case cases[] = {
        {{"--code", "vni", "hoaf"}, "", "68 6F F8 61\thòa\n"},
        {{"nguwowif"}, "", "người\n"},
        {{"--code", "unicode", "hoaf", "dduwowcj"}, "", "hòa\nđược\n"},
        {{"--code", "vietware", "aws"}, "", "E0 F5\tắ\n"},
        {{"--code", "tcvn3", "𠊛"}, "", "3F\t?\n"},
        {{"--code", "tcvn3"}, "Haf\r\nnguwowif\n\nVieetj", "48 B5\tHà\n6E 67 AD EA 69\tngười\n\t\n56 69 D6 74\tViệt\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunCommand(RunCompose, c.args, c.input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
    }
}

// A line per run: the box in the chosen code, its reading, the count found
// and the page shown. Unicode is typed in the box in VietWare-X. Each line
// of input is one fresh run; a line of unknown keys is an error.
TEST(TypeCommand, PrintsTheBoxItsReadingTheCountAndThePageShown) {
    std::string page;
    for (int i = 0; i < 10; ++i) page += (i ? "." : "") + CharacterOf(0x6C00 + i);
    const Outcome run = RunCommand(RunType, {"--data", kData, "--code", "tcvn3", "hoaf", "space"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "68 DF 61 20\thòa \tTìm thấy 15 chữ\n  " + page + "\n");
    EXPECT_EQ(RunCommand(RunType, {"--data", kData, "hoaf"}).out.substr(0, 17), "68 6F EC 61\thòa\t");

    const Outcome lines = RunCommand(RunType, {"--data", kData, "--code", "tcvn3"}, "hoaf space\nky\nX!\n\n");
    EXPECT_EQ(lines.out, "68 DF 61 20\thòa \tTìm thấy 15 chữ\n6B 79\tky\tTìm thấy 3 chữ\n\n\t\t\n");
    EXPECT_EQ(lines.status, 1);
    EXPECT_NE(lines.err.find("'X!'"), std::string::npos);
}

TEST(CandidatesCommand, PrintsThePagesOfEachTypedCode) {
    const Outcome run = RunCommand(RunCandidates, {"--data", kData, "--mode", "telex-nom", "MOOTJ", "trong", "x"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "MOOTJ:\n  1.1  一  U+4E00\n  1.2  𠀋  U+2000B\n  1.3  二  U+4E8C\n  1.4  𠮟  U+20B9F\n  ! End\n"
              "trong:\n  ! End\n"
              "x:\n  no candidates\n");
    const Outcome noData = RunCommand(RunCandidates, {"--data", kData + "/none", "--mode", "pinyin", "yi1"});
    EXPECT_EQ(noData.status, 1);
    EXPECT_NE(noData.err.find("run ./test or ./run"), std::string::npos);
}

TEST(LookupCommand, PrintsBig5VariantPageAndReading) {
    const Outcome run = RunCommand(RunLookup, {"--data", kData, "二"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "character  二  U+4E8C (20108)\nbig5       a4a5\nvariant    page under 一  U+4E00\n"
              "page       its:hvtdu.chm::/html\\hv19968.htm\nreading    nhị  [phienam.txt]\n");
}

// A word is looked up by its first character that has a page (a pair of
// surrogates being one character), or by its first when none has; which
// page a character has is the look-up's own rule.
TEST(LookupCommand, LooksUpTheFirstCharacterWithAPage) {
    struct Case { std::string word, character, page; };
    const Case cases[] = {
        {"「一」", "一  U+4E00", "its:hvtdu.chm::/html\\hv19968.htm"},
        {"𠀋", "𠀋  U+2000B", "its:nomtdu.chm::/n131083.htm"},
        {"「」", "「  U+300C", "(none)"},
        {"U+300C", "「  U+300C", "(none)"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunCommand(RunLookup, {"--data", kData, "--mode", "telex-han", c.word});
        EXPECT_EQ(run.status, 0) << c.word;
        EXPECT_NE(run.out.find("character  " + c.character + " ("), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\npage       " + c.page + "\n"), std::string::npos) << run.out;
    }
}

// The copied RTF is read as the desktop reads the clipboard, its pairs of
// escaped halves joined, so LibreOffice's find the Nom character; RTF whose
// characters have no page ends with status 1.
TEST(LookupCommand, PrintsThePageTheQuickViewOpensForCopiedRtf) {
    struct Case { std::string mode, rtf; int status; std::string out; };
    const Case cases[] = {
        {"telex-nom", "{\\rtf1 \\uc1\\u55360 ?\\u56331 ?}", 0, "its:nomtdu.chm::/n131083.htm\n"},
        {"telex-han", "{\\rtf1 plain}", 1, ""},
    };
    for (const auto& c : cases) {
        const Outcome run = RunCommand(RunLookup, {"--data", kData, "--mode", c.mode, "--rtf", "-"}, c.rtf);
        EXPECT_EQ(run.status, c.status) << c.rtf << run.err;
        EXPECT_EQ(run.out, c.out) << c.rtf;
    }
    EXPECT_EQ(RunCommand(RunLookup, {"--data", kData, "--rtf", kData + "/none.rtf"}).status, 1);
}

// The page an address shows; else why the page reader refused the page, or
// that the address is none of its.
TEST(PageCommand, PrintsThePageAnAddressShowsOrSaysWhyItCannot) {
    const orvik::testing::TempDir dir("orvik-pagecmd");
    std::ofstream(dir / "tiny.chm", std::ios::binary) << orvik::testing::TinyChmBytes();
    const std::string data = dir.path().string();
    const Outcome shown = RunCommand(RunPage, {"--data", data, "its:tiny.chm::html\\p7.htm"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, orvik::testing::TinyChmPage(7));

    struct Case { const char* address; const char* says; };
    const Case cases[] = {
        {"its:missing.chm::/html/p1.htm", "missing.chm: cannot be opened"},
        {"http://example.org/", "not an its:FILE::PATH address"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunCommand(RunPage, {"--data", data, c.address});
        EXPECT_EQ(run.status, 1) << c.address;
        EXPECT_TRUE(run.out.empty()) << c.address;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.address << ": " << run.err;
    }
}

// The RTF is read as the desktop reads the clipboard, its pairs of escaped
// halves joined unless --raw; --text reads plain text; the corrections of
// the data directory apply.
TEST(TranscribeCommand, ReadsTheRtfAsTheDesktopReadsTheClipboard) {
    const orvik::testing::TempDir corrected("orvik-transcribe");
    std::filesystem::copy(kData, corrected.path());
    std::ofstream(corrected / "Tonaro.txt") << "người/NGƯỜI\r\n";
    struct Case { Args args; std::string input, out; };
    const Case cases[] = {
        {{"--data", kData, "--nom"}, kLibreOfficePair, "người một\n"},
        {{"--data", kData, "--nom", "--raw"}, kLibreOfficePair, "d840 dc0b một\n"},
        {{"--data", kData, "-"}, kLibreOfficePair, "nhất\n"},  // "-" names standard input
        {{"--data", kData, "--nom", "--text"}, "一\xF0\xA0\x80\x8B", "một người\n"},
        {{"--data", corrected.path().string(), "--nom"}, kLibreOfficePair, "NGƯỜI một\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunCommand(RunTranscribe, c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.input << run.err;
        EXPECT_EQ(run.out, c.out) << c.input;
    }
}

TEST(TranscribeCommand, RefusesATextOverTheLimitWithTheSystemsMessage) {
    const std::string atLimit = "{" + std::string(192000 - 2, 'a') + "}";
    EXPECT_EQ(RunCommand(RunTranscribe, {"--data", kData}, atLimit).status, 0);
    for (const auto& [args, input] : {std::pair{Args{"--data", kData}, atLimit + " "},
                                      std::pair{Args{"--data", kData, "--text"}, std::string(192001, 'a')}}) {
        const Outcome run = RunCommand(RunTranscribe, args, input);
        EXPECT_EQ(run.status, kUsageError);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Văn bản chọn quá lớn, chọn lại !"), std::string::npos) << run.err;
    }
}

// Only a regular file is read: a folder would read as nothing and a FIFO
// would wait for a writer that never comes.
TEST(InputFile, WhatCannotBeReadIsAnError) {
    const orvik::testing::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const std::string& input : {dir.path().string(), (dir / "fifo").string()}) {
        for (const Outcome& run : {RunCommand(RunLookup, {"--data", kData, "--rtf", input}),
                                   RunCommand(RunTranscribe, {"--data", kData, input})}) {
            EXPECT_EQ(run.status, 1) << input;
            EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
        }
    }
    const Outcome missing = RunCommand(RunTranscribe, {"--data", kData, "/nonexistent/sel.rtf"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read /nonexistent/sel.rtf"), std::string::npos);
}

// Every command refuses a command line it cannot run with the usage status,
// a message on stderr and nothing on stdout. Outputs go into a folder that
// does not exist, so that a fault lets no command line write.
Args WithRepeated(Args args, int times, const std::string& word) {
    for (int i = 0; i < times; ++i) args.push_back(word);
    return args;
}

TEST(Usage, EveryCommandRefusesBadCommandLines) {
    using Command = int (*)(const Args&, Streams);
    struct Case { const char* name; Command command; Args args; std::string says; };
    const Case cases[] = {
        {"clip", RunClip, {"người"}, ""},
        {"clip", RunClip, {"--out", "/none/x.wav"}, ""},
        {"clip", RunClip, {"a", "b", "--out", "/none/x.wav"}, ""},
        {"clip", RunClip, {"--bogus", "--out", "/none/x.wav"}, "unknown option '--bogus'"},
        {"clip", RunClip, {"a", "--out", "/none/x.wav", "--data"}, "--data needs a value"},
        {"speak", RunSpeak, {"nam"}, ""},
        {"speak", RunSpeak, WithRepeated({"--data", kData, "--out", "/none/x.wav"}, 1001, "nam"), "at most 1000 words"},
        {"compose", RunCompose, {"--code", "utf7", "a"}, ""},
        {"compose", RunCompose, {"--code"}, ""},
        {"compose", RunCompose, {"--fast", "a"}, ""},
        {"type", RunType, {"--data", kData, "--code", "utf8", "a"}, "unknown code 'utf8'"},
        {"type", RunType, {"--data", kData, "a-b"}, ""},
        {"type", RunType, {"--data", kData, "--code"}, ""},
        {"type", RunType, {"--mode", "vni", "a"}, ""},
        {"type", RunType, {"--data", kData, std::string(1001, 'a')}, "at most 1000 keys"},
        {"candidates", RunCandidates, {"--mode", "vni", "a"}, "unknown mode 'vni'"},
        {"candidates", RunCandidates, {"a"}, ""},
        {"candidates", RunCandidates, {"--mode", "pinyin"}, "needs something to look up"},
        {"lookup", RunLookup, {"--data", kData, "--rtf", "-", "二"}, ""},
        {"page", RunPage, {}, ""},
        {"page", RunPage, {"--data"}, ""},
        {"page", RunPage, {"--size", "its:a::/b"}, ""},
        {"page", RunPage, {"its:a::/b", "its:c::/d"}, ""},
        {"transcribe", RunTranscribe, {"--mode", "x"}, ""},
        {"transcribe", RunTranscribe, {"a.rtf", "b.rtf"}, ""},
        {"transcribe", RunTranscribe, {"--data"}, ""},
    };
    for (const Case& c : cases) {
        const Outcome run = RunCommand(c.command, c.args);
        const std::string line = std::string(c.name) + " " + (c.args.empty() ? "" : c.args.front());
        EXPECT_EQ(run.status, kUsageError) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_EQ(run.err.rfind("orvik: ", 0), 0u) << line << ": " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << line << ": " << run.err;
    }
    // Hex digits that name no character, or none at all.
    for (const char* name : {"U+XYZ", "U+", "u+", "U+110000", "U+D800", "U+DFFF", "U+1234567"})
        EXPECT_EQ(RunCommand(RunLookup, {"--data", kData, name}).status, kUsageError) << name;
    EXPECT_EQ(RunCommand(RunLookup, {"--data", kData, "U+10FFFF"}).status, 0);
    EXPECT_EQ(RunCommand(RunType, {"--data", kData, std::string(1000, 'a')}).status, 0);
}

}  // namespace
}  // namespace orvik::cli
