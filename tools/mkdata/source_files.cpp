#include "source_files.h"

#include <bzlib.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "build_error.h"

namespace orvik::mkdata {

namespace {

BuildError Missing(const std::filesystem::path& path, std::string_view package) {
    return BuildError("cannot read " + path.string() + " (from the Debian package " +
                      std::string(package) + "; run scripts/ensure-packages)");
}

}  // namespace

std::string ReadFile(const std::filesystem::path& path, std::string_view package) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Missing(path, package);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string ReadBz2File(const std::filesystem::path& path, std::string_view package) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) throw Missing(path, package);
    int status = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&status, file.get(), 0, 0, nullptr, 0);
    std::string out;
    char buffer[1 << 16];
    while (status == BZ_OK) {
        const int n = BZ2_bzRead(&status, bz, buffer, sizeof buffer);
        if (status == BZ_OK || status == BZ_STREAM_END) out.append(buffer, static_cast<std::size_t>(n));
    }
    int closeStatus = BZ_OK;
    BZ2_bzReadClose(&closeStatus, bz);
    if (status != BZ_STREAM_END)
        throw BuildError(path.string() + ": not a complete bzip2 file (bzip2 status " + std::to_string(status) + ")");
    return out;
}

std::string ReadGzFile(const std::filesystem::path& path, std::string_view package) {
    std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.c_str(), "rb"), gzclose);
    if (!file) throw Missing(path, package);
    std::string out;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(file.get(), buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
    int status = Z_OK;
    const char* message = gzerror(file.get(), &status);
    if (n < 0 || status != Z_OK) throw BuildError(path.string() + ": not a complete gzip file (" + message + ")");
    return out;
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw BuildError("cannot write " + path.string());
}

}  // namespace orvik::mkdata
