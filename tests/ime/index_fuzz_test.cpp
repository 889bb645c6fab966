// Random bytes as index files, directory lines and candidate lines: loading
// and searching must finish without a fault (the checked build runs this
// under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <random>

#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

std::string RandomBytes(std::mt19937& random, std::size_t maxSize, const std::string& alphabet = {}) {
    std::uniform_int_distribution<std::size_t> size(0, maxSize);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size(random), '\0');
    for (char& c : bytes) {
        const int b = byte(random);
        c = alphabet.empty() ? static_cast<char>(b) : alphabet[static_cast<std::size_t>(b) % alphabet.size()];
    }
    return bytes;
}

TEST(IndexFuzz, RandomIndexFilesLoadAndSearchWithoutFaults) {
    std::mt19937 random(2004);
    // Bytes that make lines, directory marks, line numbers and hex digits likely.
    const std::string shaped = "!!  \r\n\"#$~\x7f\x80\xff" "0123456789abcdefABCDEFghxyz";
    for (int round = 0; round < 300; ++round) {
        testing::FixtureApp fx;
        const std::string alphabet = round % 2 ? shaped : std::string();
        fx.platform.SetFile(testing::kProgramDir + "/telexhan.idx", RandomBytes(random, 600, alphabet));
        fx.platform.SetFile(testing::kProgramDir + "/big5uni.idx", RandomBytes(random, 200, alphabet));
        (round % 3 ? fx.main().TelexH_Click(30) : fx.main().TelexN_Click(31));
        for (int typed = 0; typed < 20; ++typed) {
            const std::u16string code = FromBytes(RandomBytes(random, 12, alphabet));
            fx.Type(code);
            fx.main().ShowMainCandidates();
            EXPECT_LE(fx.session().Candidates().LastPageNumber(), 10);
        }
        fx.module().DirectoryLine = FromBytes(RandomBytes(random, 400, alphabet));
        fx.session().ListCandidateLine(FromBytes(RandomBytes(random, 700, alphabet)), true);
        fx.Type(FromBytes(RandomBytes(random, 6, alphabet)));
    }
}

}  // namespace
}  // namespace orvik
