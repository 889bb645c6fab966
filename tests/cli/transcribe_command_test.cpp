#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "command.h"
#include "run_command.h"
#include "temp_dir.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

const std::string kData = ORVIK_FIXTURES "/ime";

// U+2000B (người in the fixture's Nom table) as LibreOffice writes it, then 一.
constexpr const char* kLibreOfficePair = "{\\rtf1{\\dbch\\uc0 \\u55360\\uc1 \\u56331\\'3f\\u19968\\'3f}}";

Outcome Transcribe(const Args& args, const std::string& input) { return RunCommand(RunTranscribe, args, input); }

TEST(TranscribeCommand, ReadsTheRtfAsTheDesktopReadsTheClipboard) {
    struct Case {
        Args args;
        std::string input, out;
    };
    const Case cases[] = {
        {{"--data", kData, "--nom"}, kLibreOfficePair, "người một\n"},
        {{"--data", kData, "--nom", "--raw"}, kLibreOfficePair, "d840 dc0b một\n"},
        {{"--data", kData, "-"}, kLibreOfficePair, "nhất\n"},
        {{"--data", kData, "--nom", "--text"}, "一\xF0\xA0\x80\x8B", "một người\n"},
        {{"--data", kData}, "", "\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = Transcribe(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.input << run.err;
        EXPECT_EQ(run.out, c.out) << c.input;
    }
}

TEST(TranscribeCommand, RefusesATextOverTheLimitWithTheSystemsMessage) {
    const std::string atLimit = "{" + std::string(192000 - 2, 'a') + "}";
    EXPECT_EQ(Transcribe({"--data", kData}, atLimit).status, 0);
    for (const auto& [args, input] : {std::pair{Args{"--data", kData}, atLimit + " "},
                                      std::pair{Args{"--data", kData, "--text"}, std::string(192001, 'a')}}) {
        const Outcome run = Transcribe(args, input);
        EXPECT_EQ(run.status, kUsageError);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Văn bản chọn quá lớn, chọn lại !"), std::string::npos) << run.err;
    }
}

TEST(TranscribeCommand, AppliesTheCorrectionsOfTheDataDirectory) {
    const orvik::testing::TempDir data("orvik-transcribe");
    std::filesystem::copy(kData, data.path());
    std::ofstream(data / "Tonaro.txt") << "người/NGƯỜI\r\n";
    const Outcome run = Transcribe({"--data", data.path().string(), "--nom"}, kLibreOfficePair);
    EXPECT_EQ(run.out, "NGƯỜI một\n");
}

TEST(TranscribeCommand, ExplainsBadArgumentsAndUnreadableFiles) {
    for (const Args& args : {Args{"--mode", "x"}, Args{"a.rtf", "b.rtf"}, Args{"--data"}})
        EXPECT_EQ(Transcribe(args, "").status, kUsageError);
    const Outcome missing = Transcribe({"--data", kData, "/nonexistent/sel.rtf"}, "");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read /nonexistent/sel.rtf"), std::string::npos);
}

}  // namespace
}  // namespace orvik::cli
