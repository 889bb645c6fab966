#include <fstream>
#include <iterator>
#include <stdexcept>

#include "seeds.h"

namespace orvik::fuzz::seeds {

std::string DataDir::Read(std::string_view name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    if (!in) throw std::runtime_error("no " + std::string(name) + " in " + dir_.string());
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> DataDir::Lines(std::string_view name) const {
    const std::string text = Read(name);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    return lines;
}

SeedWriter::SeedWriter(const std::filesystem::path& out, std::string_view harness) : dir_(out / harness) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

void SeedWriter::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(dir_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> Entries(std::string_view line, char separator) {
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < line.size();) {
        std::size_t end = line.find(separator, at);
        if (end == std::string_view::npos) end = line.size();
        if (end > at) entries.emplace_back(line.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

}  // namespace orvik::fuzz::seeds
