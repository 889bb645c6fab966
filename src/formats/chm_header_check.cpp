#include "formats/chm_header_check.h"

#include <filesystem>

#include "formats/chm_compression_check.h"

namespace orvik {

namespace {

constexpr std::uint64_t kFileHeaderV2 = 0x58;
constexpr std::uint64_t kFileHeaderV3 = 0x60;  // chmlib always reads this much
constexpr std::uint64_t kDirectoryHeader = 0x54;
constexpr std::uint32_t kLargestBlock = 64u << 10;
constexpr std::uint32_t kSmallestBlock = 0x20;

using Reason = std::optional<std::string>;

std::string Num(std::uint64_t value) { return std::to_string(value); }

struct FileHeader {
    std::uint64_t directoryOffset = 0, directoryLength = 0, dataOffset = 0;
};

// The ITSF header at the start of the file and its section table.
Reason ReadFileHeader(ChmSource& source, FileHeader& header) {
    const std::uint64_t size = source.Size();
    const auto bytes = source.Read(0, kFileHeaderV3);
    if (!bytes) return "the file is only " + Num(size) + " bytes long";
    if (bytes->compare(0, 4, "ITSF") != 0) return "the file does not start with ITSF";
    const std::uint32_t version = ChmU32(*bytes, 4);
    if (version != 2 && version != 3) return "file header version " + Num(version) + " is neither 2 nor 3";
    const std::uint32_t length = ChmU32(*bytes, 8);
    if (length < (version == 2 ? kFileHeaderV2 : kFileHeaderV3) || length > size)
        return "file header length " + Num(length) + " does not suit version " + Num(version);
    if (!FitsWithin(ChmU64(*bytes, 0x38), ChmU64(*bytes, 0x40), size)) return "section table 0 is outside the file";
    header.directoryOffset = ChmU64(*bytes, 0x48);
    header.directoryLength = ChmU64(*bytes, 0x50);
    if (header.directoryLength < kDirectoryHeader || !FitsWithin(header.directoryOffset, header.directoryLength, size))
        return "the directory (" + Num(header.directoryOffset) + ", " + Num(header.directoryLength) +
               " bytes) is outside the file";
    header.dataOffset = version == 3 ? ChmU64(*bytes, 0x58) : header.directoryOffset + header.directoryLength;
    if (header.dataOffset > size) return "content offset " + Num(header.dataOffset) + " is past the end of the file";
    return std::nullopt;
}

Reason CheckBlockIndex(const char* what, std::int32_t index, std::uint32_t count) {
    if (index >= 0 && static_cast<std::uint32_t>(index) < count) return std::nullopt;
    return std::string(what) + " directory block " + std::to_string(index) + " is not among " + Num(count);
}

Reason CheckDirectoryShape(const std::string& bytes, std::uint64_t available, std::uint64_t size) {
    if (bytes.compare(0, 4, "ITSP") != 0) return "the directory does not start with ITSP";
    if (ChmU32(bytes, 4) != 1) return "directory header version " + Num(ChmU32(bytes, 4)) + " is not 1";
    if (ChmU32(bytes, 8) != kDirectoryHeader) return "directory header length " + Num(ChmU32(bytes, 8)) + " is not 84";
    const std::uint32_t blockLength = ChmU32(bytes, 0x10);
    if (blockLength > size) return "directory block length " + Num(blockLength) + " is larger than the file";
    if (blockLength > kLargestBlock || blockLength < kSmallestBlock)
        return "directory block length " + Num(blockLength) + " is out of range";
    const std::uint32_t count = ChmU32(bytes, 0x2C);
    if (count == 0 || static_cast<std::uint64_t>(count) * blockLength > available)
        return Num(count) + " directory blocks of " + Num(blockLength) + " bytes do not fit in the directory";
    const std::int32_t depth = ChmI32(bytes, 0x18);
    if (depth < 1 || static_cast<std::uint32_t>(depth) > count)
        return "directory depth " + std::to_string(depth) + " is out of range";
    return std::nullopt;
}

// The ITSP header of the directory; fills where its blocks are.
Reason ReadDirectoryHeader(ChmSource& source, const FileHeader& file, ChmDirectory& directory) {
    const auto bytes = source.Read(file.directoryOffset, kDirectoryHeader);
    if (!bytes) return "the directory header is outside the file";
    if (auto reason = CheckDirectoryShape(*bytes, file.directoryLength - kDirectoryHeader, source.Size()))
        return reason;
    directory.firstBlock = file.directoryOffset + kDirectoryHeader;
    directory.blockLength = ChmU32(*bytes, 0x10);
    directory.blockCount = ChmU32(*bytes, 0x2C);
    const std::int32_t root = ChmI32(*bytes, 0x1C);
    const std::int32_t first = ChmI32(*bytes, 0x20);
    const std::int32_t last = ChmI32(*bytes, 0x24);
    if (auto reason = CheckBlockIndex("first", first, directory.blockCount)) return reason;
    if (auto reason = CheckBlockIndex("last", last, directory.blockCount)) return reason;
    // chmlib starts look-ups at the first listing block when there is no index.
    directory.root = root <= -1 ? first : root;
    return CheckBlockIndex("root", directory.root, directory.blockCount);
}

}  // namespace

ChmVerdict CheckChmHeaders(ChmSource& source) {
    ChmVerdict verdict;
    verdict.layout.fileSize = source.Size();
    FileHeader file;
    ChmDirectory directory;
    Reason reason = ReadFileHeader(source, file);
    if (!reason) reason = ReadDirectoryHeader(source, file, directory);
    if (!reason) reason = CheckChmDirectory(source, directory);
    verdict.layout.dataOffset = file.dataOffset;
    if (!reason) reason = CheckChmCompression(source, directory, verdict.layout);
    verdict.ok = !reason;
    if (reason) verdict.reason = std::move(*reason);
    return verdict;
}

ChmVerdict CheckChmFile(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    // Opening a pipe waits for a writer and a device may never end: only a
    // regular file can be a help file.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return {false, name + ": is not a regular file", {}};
    ChmFileSource source(path);
    if (!source.IsOpen()) return {false, name + ": cannot be opened", {}};
    ChmVerdict verdict = CheckChmHeaders(source);
    if (!verdict.ok) verdict.reason = name + ": " + verdict.reason;
    return verdict;
}

}  // namespace orvik
