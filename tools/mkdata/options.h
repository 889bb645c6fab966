// Where the builder reads its sources and writes the data files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvik::mkdata {

struct Options {
    std::filesystem::path unihanDir = "/usr/share/unicode";
    std::filesystem::path hunspellDic = "/usr/share/hunspell/vi_VN.dic";
    std::filesystem::path big5Charmap = "/usr/share/i18n/charmaps/BIG5.gz";
    std::filesystem::path kanjidic = "/usr/share/edict/kanjidic2.xml.gz";
    std::filesystem::path guangyun;  // the table tools/guangyun/dump.mjs writes
    std::filesystem::path textDir;  // the project's own texts (tools/mkdata/text)
    std::filesystem::path outDir;
    std::filesystem::path stamp;    // touched after a complete build
    std::string chmcmd = "chmcmd";
    bool clips = true;
};

// Parses the command line; nothing (and a message in `error`) when it is wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace orvik::mkdata
