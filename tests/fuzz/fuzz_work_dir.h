// The folder where a harness writes the files it feeds to a reader: one per
// process, removed when the run ends. libFuzzer ends a run with exit() from
// inside a callback, so the folder outlives the destruction of statics and
// is removed by an exit handler instead.
#pragma once

#include <cstdlib>
#include <filesystem>

#include "temp_dir.h"

namespace orvik::fuzz {

inline const std::filesystem::path& WorkDir() {
    static testing::TempDir* const dir = [] {
        auto* made = new testing::TempDir("orvik-fuzz");
        std::atexit([] { delete dir; });
        return made;
    }();
    return dir->path();
}

}  // namespace orvik::fuzz
