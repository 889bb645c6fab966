// The directory of a compiled help file: its names found down the index,
// and an index that leads nowhere or in a circle refused. Blocks that would
// be read past their end are the fuzzer's to find.
#include "formats/chm_directory.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

constexpr std::uint32_t kBlock = 0x80;

std::string Number(std::uint64_t value) {
    std::string bytes(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return bytes;
}

// A block of `marker` holding `entries`, its free space said in its header.
std::string Block(const std::string& marker, const std::string& entries) {
    std::string block = marker + std::string(marker == "PMGL" ? 0x10 : 0x04, '\0') + entries;
    const auto free = static_cast<std::uint32_t>(kBlock - block.size());
    for (int i = 0; i < 4; ++i) block[4 + i] = static_cast<char>(free >> (8 * i));
    return block + std::string(free, '\0');
}

std::string Listed(const std::string& name, std::uint64_t start, std::uint64_t length) {
    return Number(name.size()) + name + Number(1) + Number(start) + Number(length);
}

std::string Indexed(const std::string& name, std::uint64_t child) { return Number(name.size()) + name + Number(child); }

struct Directory {
    ChmMemorySource source;
    ChmDirectory directory;
};

Directory Make(const std::vector<std::string>& blocks, std::int32_t root) {
    std::string bytes = "head";
    for (const auto& block : blocks) bytes += block;
    return {ChmMemorySource(bytes), {4, kBlock, static_cast<std::uint32_t>(blocks.size()), root}};
}

// Numbers of several bytes, up to 41 bits long, are read whole.
TEST(ChmDirectoryTest, FindsNamesDownTheIndexIgnoringCase) {
    auto d = Make({Block("PMGL", Listed("/a", 300, 1ull << 40) + Listed("/b", 2, 20)),
                   Block("PMGL", Listed("/m", 3, 30) + Listed("/z", 4, 40)),
                   Block("PMGI", Indexed("/a", 0) + Indexed("/m", 1))},
                  2);
    ASSERT_FALSE(CheckChmDirectory(d.source, d.directory));
    using Case = std::tuple<const char*, std::uint64_t, std::uint64_t>;  // not found: 0, 0
    for (const auto& [path, start, length] : {Case{"/a", 300, 1ull << 40}, Case{"/B", 2, 20}, Case{"/m", 3, 30},
                                              Case{"/Z", 4, 40}, Case{"/c", 0, 0}, Case{"/", 0, 0}}) {
        const auto entry = FindChmEntry(d.source, d.directory, path);
        EXPECT_EQ(entry ? entry->start : 0, start) << path;
        EXPECT_EQ(entry ? entry->length : 0, length) << path;
    }
}

TEST(ChmDirectoryTest, RefusesIndexesThatLeadNowhereOrInACircle) {
    const std::string leaf = Block("PMGL", Listed("/a", 1, 1));
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"to a missing block", {leaf, Block("PMGI", Indexed("/a", 2))}},
        {"to itself", {leaf, Block("PMGI", Indexed("/a", 1))}},
        {"between two", {leaf, Block("PMGI", Indexed("/a", 2)), Block("PMGI", Indexed("/a", 1))}},
        {"not a block", {leaf, std::string(kBlock, 'x')}},
    };
    for (const auto& [name, blocks] : cases) {
        auto d = Make(blocks, 1);
        EXPECT_TRUE(CheckChmDirectory(d.source, d.directory)) << name;
    }
    auto cut = Make({leaf, leaf}, 0);
    cut.directory.blockCount = 3;  // one more block than the file holds
    EXPECT_TRUE(CheckChmDirectory(cut.source, cut.directory));
}

}  // namespace
}  // namespace orvik
