// The seed corpora of the harnesses, cut from the data directory the build
// made: each function fills the directory of one or two harnesses.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::fuzz::seeds {

// The data directory; a missing file stops the tool, naming it.
class DataDir {
public:
    explicit DataDir(std::filesystem::path dir) : dir_(std::move(dir)) {}
    const std::filesystem::path& Path() const { return dir_; }
    std::string Read(std::string_view name) const;
    // The lines of a text file, without their CR LF or LF.
    std::vector<std::string> Lines(std::string_view name) const;

private:
    std::filesystem::path dir_;
};

// Writes the seeds of one harness into OUT/HARNESS, emptied first.
class SeedWriter {
public:
    SeedWriter(const std::filesystem::path& out, std::string_view harness);
    void Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path dir_;
};

void IndexSeeds(const DataDir& data, const std::filesystem::path& out);
void CodeTableSeeds(const DataDir& data, const std::filesystem::path& out);
void TranscriptionSeeds(const DataDir& data, const std::filesystem::path& out);
void ClipSeeds(const DataDir& data, const std::filesystem::path& out);
void ChmSeeds(const DataDir& data, const std::filesystem::path& out);
void HookSeeds(const DataDir& data, const std::filesystem::path& out);
void CliSeeds(const DataDir& data, const std::filesystem::path& out);

// The entries of a "/"-separated line, without the empty ones.
std::vector<std::string> Entries(std::string_view line, char separator);

}  // namespace orvik::fuzz::seeds
