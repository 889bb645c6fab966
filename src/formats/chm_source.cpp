#include "formats/chm_source.h"

namespace orvik {

std::optional<std::string> ChmMemorySource::Read(std::uint64_t offset, std::uint64_t length) {
    if (!FitsWithin(offset, length, bytes_.size())) return std::nullopt;
    return bytes_.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

ChmFileSource::ChmFileSource(const std::string& path) : file_(path, std::ios::binary) {
    if (!file_.is_open()) return;
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

std::optional<std::string> ChmFileSource::Read(std::uint64_t offset, std::uint64_t length) {
    if (!file_.is_open() || !FitsWithin(offset, length, size_)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(bytes.data(), static_cast<std::streamsize>(length));
    if (file_.gcount() != static_cast<std::streamsize>(length)) return std::nullopt;
    return bytes;
}

std::uint32_t ChmU32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::int32_t ChmI32(const std::string& bytes, std::size_t at) {
    return static_cast<std::int32_t>(ChmU32(bytes, at));
}

std::uint64_t ChmU64(const std::string& bytes, std::size_t at) {
    return ChmU32(bytes, at) | (static_cast<std::uint64_t>(ChmU32(bytes, at + 4)) << 32);
}

}  // namespace orvik
