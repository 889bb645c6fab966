#include "formats/chm_layout.h"

#include "formats/chm_source.h"

namespace orvik {

std::optional<std::string> CheckChmObject(const ChmLayout& layout, const ChmEntry& entry) {
    if (entry.space == 0) {
        if (entry.start > layout.fileSize - layout.dataOffset ||
            !FitsWithin(layout.dataOffset + entry.start, entry.length, layout.fileSize))
            return "it lies past the end of the file";
        return std::nullopt;
    }
    if (entry.space != 1) return "it is in an unknown section " + std::to_string(entry.space);
    if (!layout.compressed) return "the file has no usable compressed section";
    if (!FitsWithin(entry.start, entry.length, layout.uncompressedLength))
        return "it lies past the end of the compressed section";
    return std::nullopt;
}

}  // namespace orvik
