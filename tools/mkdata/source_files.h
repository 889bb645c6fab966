// Reading the source files of the Debian packages, whole.
#pragma once

#include <filesystem>
#include <string>

namespace orvik::mkdata {

// The bytes of a file; a BuildError naming the file and the package that
// ships it when it is missing or unreadable.
std::string ReadFile(const std::filesystem::path& path, std::string_view package);

// The bytes of a bzip2-compressed file, uncompressed (Unihan ships so).
std::string ReadBz2File(const std::filesystem::path& path, std::string_view package);

// The bytes of a gzip-compressed file, uncompressed (glibc's charmaps ship so).
std::string ReadGzFile(const std::filesystem::path& path, std::string_view package);

void WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvik::mkdata
