// The directory of a compiled help file (.chm): blocks of listings (PMGL,
// name -> section, start, length) and of index (PMGI, name -> block). The
// checks here make sure a resolver that trusts every length and index in
// them (as chmlib does) never reads outside a block nor loops.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/chm_source.h"

namespace orvik {

struct ChmDirectory {
    std::uint64_t firstBlock = 0;  // file offset of block 0
    std::uint32_t blockLength = 0;
    std::uint32_t blockCount = 0;
    std::int32_t root = 0;  // the block look-ups start at
};

struct ChmEntry {
    std::uint64_t space = 0, start = 0, length = 0;
};

struct ChmBlockItem {
    std::string name;
    ChmEntry entry;           // listing blocks
    std::uint64_t child = 0;  // index blocks
};

struct ChmBlock {
    bool listing = false;
    std::vector<ChmBlockItem> items;
};

// Reads one block; a reason when its header or any entry is malformed.
std::optional<std::string> ParseChmBlock(const std::string& bytes, ChmBlock& block);

// Checks every block of the directory and that index blocks lead to blocks
// that exist, without cycles. A reason when something is wrong.
std::optional<std::string> CheckChmDirectory(ChmSource& source, const ChmDirectory& directory);

// Finds `path` the way chmlib does: down the index from the root, then the
// first listing entry equal to it ignoring ASCII case. Only for a directory
// that passed CheckChmDirectory.
std::optional<ChmEntry> FindChmEntry(ChmSource& source, const ChmDirectory& directory, std::string_view path);

}  // namespace orvik
