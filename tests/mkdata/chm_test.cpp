#include "chm_compiler.h"

#include <gtest/gtest.h>

#include "build_error.h"
#include "dictionary_pages.h"
#include "source_files.h"
#include "temp_dir.h"

namespace orvik::mkdata {
namespace {

namespace fs = std::filesystem;

TEST(ChmCompiler, RepairSetsTheFirstListingBlockToZero) {
    std::string bytes = "ITSF" + std::string(0x74, 'x') + "ITSP" + std::string(0x20, 'y') + "\x01\x00\x00\x00" + "z";
    RepairListing(bytes);
    EXPECT_EQ(bytes.substr(0x98, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(0x78, 4), "ITSP");
    EXPECT_EQ(bytes.back(), 'z');
    std::string notChm = "HTML" + std::string(0x100, ' ');
    EXPECT_THROW(RepairListing(notChm), BuildError);
}

// Enough pages for a directory of several listing blocks; each reads back.
TEST(ChmCompiler, CompiledPagesAreListedAndReadBackByPath) {
    ChmProject project{"probe", "Probe", "html/p0.htm", {}};
    for (int i = 0; i < 3000; ++i)
        project.pages.push_back({"html/p" + std::to_string(i) + ".htm", "<p>&#" + std::to_string(19968 + i) + ";</p>"});
    const testing::TempDir work("orvik-chm");
    const fs::path chm = CompileChm(project, work.path(), "chmcmd");
    EXPECT_TRUE(fs::is_regular_file(chm));
    // A page the project does not hold is caught by the check.
    project.pages.push_back({"html/absent.htm", "x"});
    EXPECT_THROW(CheckChm(chm, project), BuildError);
}

TEST(ChmCompiler, FailingCompilerIsReported) {
    const testing::TempDir work("orvik-chmfail");
    EXPECT_THROW(CompileChm({"x", "x", "a.htm", {{"a.htm", "a"}}}, work.path(), "false"), BuildError);
}

TEST(DictionaryPages, ClassicalTextsAreReadWithTheFirstReading) {
    Unihan unihan(WantedUnihanFields());
    unihan.AddText(ReadFile(ORVIK_FIXTURES "/mkdata/Unihan_Sample.txt", "fixture"));
    const Characters chars(unihan);
    EXPECT_EQ(ReadingsOf(chars, U"一們\U0002029B口"), "nhất môn người ?");
}

}  // namespace
}  // namespace orvik::mkdata
