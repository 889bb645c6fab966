// The page loader of compiled help files, with its header checks, on any
// file.
//
// Input: the bytes of a .chm file. The pages read are the ".htm" names the
// file's bytes spell out (the directory stores them as plain text), and one
// it does not list.
//
// What must hold: chmlib is never handed a file that would crash it, hang it
// or make it allocate beyond what the file justifies (run with -timeout and
// -malloc_limit_mb); the header checks give one verdict whether they read
// the file from disk or from memory, and a refused file is never opened; in
// a file they pass, the checks' own directory look-up finds what chmlib
// finds, so the objects checked are the ones chmlib reads (chmlib itself is
// not instrumented: a read past its buffers shows only here); a page that
// cannot be read says why, naming the file.
#include <chm_lib.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/archive_pages.h"
#include "formats/chm_header_check.h"
#include "fuzz.h"

namespace orvik::fuzz {
namespace {

constexpr std::size_t kMostPages = 3;
constexpr std::string_view kFileName = "fuzz.chm";

// The names "/....htm" spelled out in the bytes, at most kMostPages.
std::vector<std::string> PageNames(std::string_view bytes) {
    std::vector<std::string> names;
    for (std::size_t end = bytes.find(".htm"); end != std::string_view::npos && names.size() < kMostPages;
         end = bytes.find(".htm", end + 1)) {
        std::size_t start = end;
        while (start > 0 && bytes[start - 1] > ' ' && bytes[start - 1] < 0x7f) --start;
        const std::size_t slash = bytes.find('/', start);
        if (slash < end) names.emplace_back(bytes.substr(slash, end + 4 - slash));
    }
    names.emplace_back("/not/listed.htm");
    return names;
}

constexpr std::string_view kSpecialObjects[] = {
    "::DataSpace/Storage/MSCompressed/Content",
    "::DataSpace/Storage/MSCompressed/ControlData",
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
};

// Where a file that passed the checks keeps its directory blocks (ITSF
// header: the directory's offset; ITSP header: block length, block count,
// the index root, or the first listing block when there is no index).
ChmDirectory DirectoryOf(const std::string& bytes) {
    const std::uint64_t header = ChmU64(bytes, 0x48);
    const std::int32_t root = ChmI32(bytes, header + 0x1C);
    return {header + 0x54, ChmU32(bytes, header + 0x10), ChmU32(bytes, header + 0x2C),
            root <= -1 ? ChmI32(bytes, header + 0x20) : root};
}

struct ChmCloser {
    void operator()(chmFile* file) const { chm_close(file); }
};

void CheckSameObjects(const std::filesystem::path& path, const std::string& bytes, const std::vector<std::string>& names) {
    const std::unique_ptr<chmFile, ChmCloser> chm(chm_open(path.c_str()));
    ORVIK_FUZZ_CHECK(chm != nullptr);
    ChmMemorySource source(bytes);
    const ChmDirectory directory = DirectoryOf(bytes);
    std::vector<std::string> all(std::begin(kSpecialObjects), std::end(kSpecialObjects));
    all.insert(all.end(), names.begin(), names.end());
    for (const std::string& name : all) {
        chmUnitInfo unit{};
        const bool resolved = chm_resolve_object(chm.get(), name.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
        const std::optional<ChmEntry> found = FindChmEntry(source, directory, name);
        ORVIK_FUZZ_CHECK(resolved == found.has_value());
        if (resolved)
            ORVIK_FUZZ_CHECK(found->space == static_cast<std::uint64_t>(unit.space) && found->start == unit.start &&
                             found->length == unit.length);
    }
}

}  // namespace
}  // namespace orvik::fuzz

// The loader names each refused file on standard error once; over millions
// of files that would only bury the fuzzer's own report.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const std::string_view bytes = fuzz::AsText(data, size);
    const auto path = fuzz::WriteWorkFile(fuzz::kFileName, bytes);

    ChmMemorySource memory{std::string(bytes)};
    const ChmVerdict inMemory = CheckChmHeaders(memory);
    const ChmVerdict onDisk = CheckChmFile(path.string());
    ORVIK_FUZZ_CHECK(inMemory.ok == onDisk.ok);
    ORVIK_FUZZ_CHECK(onDisk.ok || onDisk.reason.find(fuzz::kFileName) == 0);

    const std::vector<std::string> names = fuzz::PageNames(bytes);
    if (onDisk.ok) fuzz::CheckSameObjects(path, std::string(bytes), names);
    for (const std::string& name : names) {
        const FileBytes page = ReadArchivePage(fuzz::WorkDir().string(), {std::string(fuzz::kFileName), name});
        ORVIK_FUZZ_CHECK(page.ok == page.reason.empty());
        ORVIK_FUZZ_CHECK(page.ok || page.reason.find(fuzz::kFileName) != std::string::npos);
        ORVIK_FUZZ_CHECK(!page.ok || onDisk.ok);
    }
    return 0;
}
