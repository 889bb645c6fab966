// Random access to the bytes of a compiled help file (.chm) while its
// headers are checked: either a file on disk or bytes held in memory.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace orvik {

class ChmSource {
public:
    virtual ~ChmSource() = default;
    virtual std::uint64_t Size() const = 0;
    // The `length` bytes at `offset`, or nothing when they are not all inside.
    virtual std::optional<std::string> Read(std::uint64_t offset, std::uint64_t length) = 0;
};

// True when [offset, offset + length) lies inside `size` bytes, without
// overflowing on huge values.
inline bool FitsWithin(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

class ChmMemorySource : public ChmSource {
public:
    explicit ChmMemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::optional<std::string> Read(std::uint64_t offset, std::uint64_t length) override;

private:
    std::string bytes_;
};

class ChmFileSource : public ChmSource {
public:
    explicit ChmFileSource(const std::string& path);
    bool IsOpen() const { return file_.is_open(); }
    std::uint64_t Size() const override { return size_; }
    std::optional<std::string> Read(std::uint64_t offset, std::uint64_t length) override;

private:
    std::ifstream file_;
    std::uint64_t size_ = 0;
};

// Little-endian fields of a header held in `bytes`; the caller has made sure
// the field lies inside.
std::uint32_t ChmU32(const std::string& bytes, std::size_t at);
std::int32_t ChmI32(const std::string& bytes, std::size_t at);
std::uint64_t ChmU64(const std::string& bytes, std::size_t at);

}  // namespace orvik
