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

std::string Block(const std::string& marker, const std::string& entries) {
    const std::size_t header = marker == "PMGL" ? 0x14 : 0x08;
    std::string block = marker + std::string(header - 4, '\0') + entries;
    const auto free = static_cast<std::uint32_t>(kBlock - block.size());
    for (int i = 0; i < 4; ++i) block[4 + i] = static_cast<char>(free >> (8 * i));
    return block + std::string(free, '\0');
}

std::string Listed(const std::string& name, std::uint64_t start, std::uint64_t length) {
    return Number(name.size()) + name + Number(1) + Number(start) + Number(length);
}

std::string Indexed(const std::string& name, std::uint64_t child) { return Number(name.size()) + name + Number(child); }

TEST(ChmBlockTest, ReadsListingEntriesWithLongNumbers) {
    ChmBlock block;
    ASSERT_FALSE(ParseChmBlock(Block("PMGL", Listed("/a.htm", 300, 1ull << 40) + Listed("/b", 0, 5)), block));
    ASSERT_TRUE(block.listing);
    ASSERT_EQ(block.items.size(), 2u);
    EXPECT_EQ(block.items[0].name, "/a.htm");
    EXPECT_EQ(block.items[0].entry.start, 300u);
    EXPECT_EQ(block.items[0].entry.length, 1ull << 40);
    EXPECT_EQ(block.items[1].entry.length, 5u);
}

TEST(ChmBlockTest, RefusesWhatWouldReadPastTheBlock) {
    std::string unended = Block("PMGL", "");
    unended.replace(0x14, kBlock - 0x14, std::string(kBlock - 0x14, '\xFF'));  // a number that never ends
    unended[4] = unended[5] = unended[6] = unended[7] = 0;
    std::string longName = Block("PMGL", Number(200) + "/x");
    std::string lateData = Block("PMGL", Listed("/a", 1, 1));
    lateData[4] = static_cast<char>(lateData[4] + 2);  // the entry's last numbers are cut off
    std::string freeTooLarge = Block("PMGL", "");
    freeTooLarge[4] = static_cast<char>(0x7D);
    const std::string cases[] = {unended, longName, lateData, freeTooLarge, Block("PMGX", ""), "PMGL"};
    ChmBlock block;
    for (const auto& bytes : cases) EXPECT_TRUE(ParseChmBlock(bytes, block)) << bytes.size();
}

struct Directory {
    ChmMemorySource source;
    ChmDirectory directory;
};

Directory Make(const std::vector<std::string>& blocks, std::int32_t root) {
    std::string bytes = "head";
    for (const auto& block : blocks) bytes += block;
    return {ChmMemorySource(bytes), {4, kBlock, static_cast<std::uint32_t>(blocks.size()), root}};
}

TEST(ChmDirectoryTest, FindsNamesDownTheIndexIgnoringCase) {
    auto d = Make({Block("PMGL", Listed("/a", 1, 10) + Listed("/b", 2, 20)),
                   Block("PMGL", Listed("/m", 3, 30) + Listed("/z", 4, 40)),
                   Block("PMGI", Indexed("/a", 0) + Indexed("/m", 1))},
                  2);
    ASSERT_FALSE(CheckChmDirectory(d.source, d.directory));
    struct Case {
        const char* path;
        std::uint64_t start;  // 0: not found
    };
    for (const Case c : {Case{"/a", 1}, Case{"/B", 2}, Case{"/m", 3}, Case{"/Z", 4}, Case{"/c", 0}, Case{"/", 0}}) {
        const auto entry = FindChmEntry(d.source, d.directory, c.path);
        EXPECT_EQ(entry ? entry->start : 0, c.start) << c.path;
    }
}

TEST(ChmDirectoryTest, RefusesIndexesThatLeadNowhereOrInACircle) {
    const std::string leaf = Block("PMGL", Listed("/a", 1, 1));
    struct Case {
        const char* name;
        std::vector<std::string> blocks;
    };
    const Case cases[] = {
        {"to a missing block", {leaf, Block("PMGI", Indexed("/a", 2))}},
        {"to itself", {leaf, Block("PMGI", Indexed("/a", 1))}},
        {"between two", {leaf, Block("PMGI", Indexed("/a", 2)), Block("PMGI", Indexed("/a", 1))}},
        {"not a block", {leaf, std::string(kBlock, 'x')}},
    };
    for (const Case& c : cases) {
        auto d = Make(c.blocks, 1);
        EXPECT_TRUE(CheckChmDirectory(d.source, d.directory)) << c.name;
    }
    auto cut = Make({leaf, leaf}, 0);
    cut.directory.blockCount = 3;  // one more block than the file holds
    EXPECT_TRUE(CheckChmDirectory(cut.source, cut.directory));
}

}  // namespace
}  // namespace orvik
