#include "formats/chm_directory.h"

#include <deque>

namespace orvik {

namespace {

constexpr std::size_t kListingHeader = 0x14;
constexpr std::size_t kIndexHeader = 0x08;
constexpr std::uint64_t kLongestName = 512;  // chmlib's buffer for a name
constexpr int kLongestNumber = 10;           // 7 bits a byte covers 64 bits

// Reads the entries of a block between `at` and `end`, refusing anything
// that would run past `end`.
class BlockCursor {
public:
    BlockCursor(const std::string& bytes, std::size_t at, std::size_t end) : bytes_(bytes), at_(at), end_(end) {}
    bool AtEnd() const { return at_ >= end_; }

    // chmlib's variable-length number: 7 bits a byte, high bit = more.
    std::optional<std::uint64_t> Number() {
        std::uint64_t value = 0;
        for (int i = 0; i < kLongestNumber && at_ < end_; ++i) {
            const auto byte = static_cast<unsigned char>(bytes_[at_++]);
            value = (value << 7) | (byte & 0x7Fu);
            if (byte < 0x80) return value;
        }
        return std::nullopt;
    }

    std::optional<std::string> Name() {
        const auto length = Number();
        if (!length || *length > kLongestName || *length > end_ - at_) return std::nullopt;
        std::string name = bytes_.substr(at_, static_cast<std::size_t>(*length));
        at_ += static_cast<std::size_t>(*length);
        return name;
    }

private:
    const std::string& bytes_;
    std::size_t at_, end_;
};

std::optional<ChmBlockItem> ReadItem(BlockCursor& cursor, bool listing) {
    ChmBlockItem item;
    auto name = cursor.Name();
    if (!name) return std::nullopt;
    item.name = std::move(*name);
    if (!listing) {
        const auto child = cursor.Number();
        if (!child) return std::nullopt;
        item.child = *child;
        return item;
    }
    const auto space = cursor.Number();
    const auto start = cursor.Number();
    const auto length = cursor.Number();
    if (!space || !start || !length) return std::nullopt;
    item.entry = {*space, *start, *length};
    return item;
}

// strcasecmp as chmlib calls it: C strings, ASCII letters folded.
int CompareNoCase(std::string_view a, std::string_view b) {
    a = a.substr(0, a.find('\0'));
    b = b.substr(0, b.find('\0'));
    const auto fold = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return static_cast<int>(u >= 'A' && u <= 'Z' ? u + 32 : u);
    };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return fold(a[i]) - fold(b[i]);
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::optional<std::string> ReadBlock(ChmSource& source, const ChmDirectory& directory, std::uint64_t index,
                                     ChmBlock& block) {
    const auto bytes =
        source.Read(directory.firstBlock + index * directory.blockLength, directory.blockLength);
    if (!bytes) return "directory block " + std::to_string(index) + " is outside the file";
    if (auto reason = ParseChmBlock(*bytes, block))
        return "directory block " + std::to_string(index) + ": " + *reason;
    return std::nullopt;
}

// Kahn's order over index blocks: every one must be taken, else a cycle.
bool IndexIsAcyclic(const std::vector<std::vector<std::uint64_t>>& children, const std::vector<bool>& isIndex) {
    std::vector<std::size_t> incoming(children.size(), 0);
    for (const auto& list : children)
        for (const auto child : list)
            if (isIndex[child]) ++incoming[child];
    std::deque<std::size_t> ready;
    std::size_t indexBlocks = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!isIndex[i]) continue;
        ++indexBlocks;
        if (incoming[i] == 0) ready.push_back(i);
    }
    std::size_t taken = 0;
    for (; !ready.empty(); ++taken, ready.pop_front())
        for (const auto child : children[ready.front()])
            if (isIndex[child] && --incoming[child] == 0) ready.push_back(child);
    return taken == indexBlocks;
}

}  // namespace

std::optional<std::string> ParseChmBlock(const std::string& bytes, ChmBlock& block) {
    block = {};
    const std::string_view marker = std::string_view(bytes).substr(0, 4);
    block.listing = marker == "PMGL";
    if (!block.listing && marker != "PMGI") return "neither a listing (PMGL) nor an index (PMGI)";
    const std::size_t header = block.listing ? kListingHeader : kIndexHeader;
    if (bytes.size() < header) return "shorter than its header";
    const std::uint32_t free = ChmU32(bytes, 4);
    if (free > bytes.size() - header) return "free space " + std::to_string(free) + " is larger than the block";
    BlockCursor cursor(bytes, header, bytes.size() - free);
    while (!cursor.AtEnd()) {
        auto item = ReadItem(cursor, block.listing);
        if (!item) return "entry " + std::to_string(block.items.size()) + " runs past the end of the block";
        block.items.push_back(std::move(*item));
    }
    return std::nullopt;
}

std::optional<std::string> CheckChmDirectory(ChmSource& source, const ChmDirectory& directory) {
    std::vector<std::vector<std::uint64_t>> children(directory.blockCount);
    std::vector<bool> isIndex(directory.blockCount, false);
    ChmBlock block;
    for (std::uint64_t i = 0; i < directory.blockCount; ++i) {
        if (auto reason = ReadBlock(source, directory, i, block)) return reason;
        isIndex[i] = !block.listing;
        for (const auto& item : block.items) {
            if (block.listing) continue;
            if (item.child >= directory.blockCount)
                return "directory block " + std::to_string(i) + " leads to block " + std::to_string(item.child) +
                       " of " + std::to_string(directory.blockCount);
            children[i].push_back(item.child);
        }
    }
    if (!IndexIsAcyclic(children, isIndex)) return "the directory index leads round in a circle";
    return std::nullopt;
}

std::optional<ChmEntry> FindChmEntry(ChmSource& source, const ChmDirectory& directory, std::string_view path) {
    std::int64_t page = directory.root;
    ChmBlock block;
    for (std::uint64_t steps = 0; page >= 0 && steps <= directory.blockCount; ++steps) {
        if (ReadBlock(source, directory, static_cast<std::uint64_t>(page), block)) return std::nullopt;
        if (block.listing) {
            for (const auto& item : block.items)
                if (CompareNoCase(item.name, path) == 0) return item.entry;
            return std::nullopt;
        }
        page = -1;
        for (const auto& item : block.items) {
            if (CompareNoCase(item.name, path) > 0) break;
            page = static_cast<std::int64_t>(item.child);
        }
    }
    return std::nullopt;
}

}  // namespace orvik
