// A small compiled help file made with chmcmd for the tests of the header
// checks and of the page reader: a few pages of varied text, enough for
// several compressed blocks and a directory with an index.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "chm_compiler.h"
#include "temp_dir.h"

namespace orvik::testing {

inline std::string TinyChmPage(int number) {
    std::string html = "<html><body><p>page " + std::to_string(number) + "</p>";
    std::uint32_t seed = 2004u + static_cast<std::uint32_t>(number);
    for (int i = 0; i < 100; ++i) {
        seed = seed * 1103515245u + 12345u;
        html += "&#" + std::to_string(0x4E00 + (seed >> 16) % 20000) + ";";
    }
    return html + "</body></html>";
}

inline mkdata::ChmProject TinyChmProject() {
    mkdata::ChmProject project{"tiny", "Tiny", "html/p0.htm", {}};
    for (int i = 0; i < 300; ++i) project.pages.push_back({"html/p" + std::to_string(i) + ".htm", TinyChmPage(i)});
    return project;
}

// The .chm file, compiled once per test program into a temporary directory.
inline const std::filesystem::path& TinyChm() {
    static const TempDir work("orvik-tinychm");
    static const std::filesystem::path chm = mkdata::CompileChm(TinyChmProject(), work.path(), "chmcmd");
    return chm;
}

inline std::string TinyChmBytes() {
    std::ifstream in(TinyChm(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace orvik::testing
