// What the harnesses share: the check that stops a run on a broken property
// (libFuzzer then keeps the input that broke it), the cutting of an input
// into the parts fed to different readers, and the folder of the files a
// harness hands to a reader.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "temp_dir.h"

namespace orvik::fuzz {

[[noreturn]] inline void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of `input` between `separator`s, at most `count` of them: the
// last part keeps the rest, separators included. Missing parts are empty.
inline std::vector<std::string_view> SplitInput(std::string_view input, char separator, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + 1);
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

// The folder of this process's files, removed when the run ends. libFuzzer
// ends a run with exit() from inside a callback, so the folder outlives the
// destruction of statics and is removed by an exit handler instead.
inline const std::filesystem::path& WorkDir() {
    static testing::TempDir* const dir = [] {
        auto* made = new testing::TempDir("orvik-fuzz");
        std::atexit([] { delete dir; });
        return made;
    }();
    return dir->path();
}

// Writes a file of WorkDir() for a reader. Readers keep what they learnt of
// a file while its size and modification time stay the same, so every write
// gets a time of its own.
inline std::filesystem::path WriteWorkFile(std::string_view name, std::string_view bytes) {
    static std::int64_t writes = 0;
    const std::filesystem::path path = WorkDir() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::filesystem::last_write_time(path, std::filesystem::file_time_type(std::chrono::seconds(++writes)));
    return path;
}

}  // namespace orvik::fuzz

#define ORVIK_FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::orvik::fuzz::CheckFailed(#condition, __FILE__, __LINE__))
