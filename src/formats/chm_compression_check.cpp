#include "formats/chm_compression_check.h"

#include "formats/chm_layout.h"

namespace orvik {

namespace {

using Reason = std::optional<std::string>;

constexpr std::string_view kContent = "::DataSpace/Storage/MSCompressed/Content";
constexpr std::string_view kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::string_view kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr std::uint64_t kControlDataMin = 0x18;
constexpr std::uint64_t kControlDataMax = 256;  // chmlib's buffer for it
constexpr std::uint64_t kResetTableHeader = 0x28;
constexpr std::uint64_t kSmallestWindow = 1u << 15, kLargestWindow = 1u << 21;
constexpr std::uint64_t kLargest32 = 0xFFFFFFFFu;
constexpr std::uint64_t kCompressionSlack = 6144;  // chmlib's room over a block

std::string Num(std::uint64_t value) { return std::to_string(value); }
bool PowerOfTwo(std::uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

// `length` bytes at `offset` into an uncompressed object.
Reason ReadObject(ChmSource& source, const ChmLayout& layout, const ChmEntry& entry, std::uint64_t offset,
                  std::uint64_t length, const char* what, std::string& bytes) {
    if (auto reason = CheckChmObject(layout, {0, entry.start, entry.length}))
        return std::string(what) + ": " + *reason;
    if (!FitsWithin(offset, length, entry.length)) return std::string(what) + " is too short";
    auto read = source.Read(layout.dataOffset + entry.start + offset, length);
    if (!read) return std::string(what) + " cannot be read";
    bytes = std::move(*read);
    return std::nullopt;
}

Reason CheckWindow(std::uint64_t window, std::uint64_t reset, std::uint32_t windowsPerReset) {
    if (window == 0) return "LZX window size is 0";
    if (!PowerOfTwo(window) || window < kSmallestWindow || window > kLargestWindow)
        return "LZX window size " + Num(window) + " is not a power of two from 32768 to 2097152";
    if (reset == 0) return "LZX reset interval is 0";
    if (!PowerOfTwo(reset) || reset < window / 2 || reset > kLargest32)
        return "LZX reset interval " + Num(reset) + " does not suit the window size " + Num(window);
    if (windowsPerReset == 0) return "LZX windows per reset is 0";
    if (reset / (window / 2) * windowsPerReset > kLargest32) return "LZX blocks per reset overflow";
    return std::nullopt;
}

// The LZXC control data; gives the window size in bytes.
Reason CheckControlData(const std::string& bytes, std::uint64_t& window) {
    if (bytes.compare(4, 4, "LZXC") != 0) return "the LZX control data does not carry LZXC";
    const std::uint32_t version = ChmU32(bytes, 8);
    if (version != 1 && version != 2) return "LZX control data version " + Num(version) + " is neither 1 nor 2";
    const std::uint64_t unit = version == 2 ? 0x8000 : 1;
    window = ChmU32(bytes, 0x10) * unit;
    return CheckWindow(window, ChmU32(bytes, 0xC) * unit, ChmU32(bytes, 0x14));
}

struct ResetTable {
    std::uint32_t blocks = 0;
    std::uint64_t tableOffset = 0, uncompressed = 0, compressed = 0, blockLength = 0;
};

Reason CheckResetHeader(const std::string& bytes, std::uint64_t window, std::uint64_t objectLength,
                        ResetTable& table) {
    if (ChmU32(bytes, 0) != 2) return "reset table version " + Num(ChmU32(bytes, 0)) + " is not 2";
    if (ChmU32(bytes, 8) != 8) return "reset table entry size " + Num(ChmU32(bytes, 8)) + " is not 8";
    table = {ChmU32(bytes, 4), ChmU32(bytes, 0xC), ChmU64(bytes, 0x10), ChmU64(bytes, 0x18), ChmU64(bytes, 0x20)};
    if (table.blockLength == 0) return "reset table block length is 0";
    if (table.blockLength > window)
        return "reset table block length " + Num(table.blockLength) + " is larger than the LZX window";
    // Compilers write one entry per block, some one more for where the end is.
    const std::uint64_t needed = (table.uncompressed + table.blockLength - 1) / table.blockLength;
    if (table.blocks < needed || table.blocks > needed + 1)
        return "reset table has " + Num(table.blocks) + " blocks for " + Num(table.uncompressed) + " bytes";
    if (!FitsWithin(table.tableOffset, std::uint64_t{table.blocks} * 8, objectLength))
        return "reset table entries lie outside the reset table";
    return std::nullopt;
}

// Each compressed block must begin where the last ended and fit chmlib's buffer.
Reason CheckResetEntries(const std::string& entries, const ResetTable& table) {
    const std::uint64_t largest = table.blockLength + kCompressionSlack;
    std::uint64_t start = 0;
    for (std::uint32_t i = 0; i <= table.blocks; ++i) {
        const std::uint64_t end = i < table.blocks ? ChmU64(entries, std::size_t{i} * 8) : table.compressed;
        if ((i == 0 && end != 0) || end < start || end - start > largest)
            return "reset table entry " + Num(i) + " (" + Num(end) + ") is out of order";
        start = end;
    }
    return std::nullopt;
}

struct Objects {
    ChmEntry content, control, resetTable;
};

Reason CheckObjects(ChmSource& source, ChmLayout& layout, const Objects& objects) {
    std::string bytes;
    if (objects.control.length < kControlDataMin || objects.control.length > kControlDataMax)
        return "LZX control data length " + Num(objects.control.length) + " is out of range";
    if (auto reason = ReadObject(source, layout, objects.control, 0, objects.control.length, "LZX control data", bytes))
        return reason;
    std::uint64_t window = 0;
    if (auto reason = CheckControlData(bytes, window)) return reason;
    if (auto reason = ReadObject(source, layout, objects.resetTable, 0, kResetTableHeader, "reset table", bytes))
        return reason;
    ResetTable table;
    if (auto reason = CheckResetHeader(bytes, window, objects.resetTable.length, table)) return reason;
    if (auto reason = CheckChmObject(layout, {0, objects.content.start, objects.content.length}))
        return "compressed content: " + *reason;
    if (table.compressed > objects.content.length)
        return "compressed length " + Num(table.compressed) + " is longer than the compressed content";
    if (auto reason = ReadObject(source, layout, objects.resetTable, table.tableOffset,
                                 std::uint64_t{table.blocks} * 8, "reset table", bytes))
        return reason;
    if (auto reason = CheckResetEntries(bytes, table)) return reason;
    layout.uncompressedLength = table.uncompressed;
    layout.compressed = true;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckChmCompression(ChmSource& source, const ChmDirectory& directory, ChmLayout& layout) {
    layout.compressed = false;
    const auto resetTable = FindChmEntry(source, directory, kResetTable);
    const auto content = FindChmEntry(source, directory, kContent);
    const auto control = FindChmEntry(source, directory, kControlData);
    // Like chmlib: without all three, outside the compressed section, there
    // is no compressed section to read.
    for (const auto& entry : {resetTable, content, control})
        if (!entry || entry->space == 1) return std::nullopt;
    return CheckObjects(source, layout, {*content, *control, *resetTable});
}

}  // namespace orvik
