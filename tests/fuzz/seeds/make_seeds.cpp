// orvik-fuzz-seeds DATA_DIR OUT_DIR: the seed corpora of the harnesses, one
// directory per harness: cut from the data files the build made (index
// files, code and reading tables, the help file), or the hook's messages and
// command lines written here. The clip harnesses have no seeds of their own:
// their regression inputs (intact packed clips, small databases of the real
// table) are their seeds too.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "hook_protocol/hook_protocol.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class Seeds {
public:
    Seeds(fs::path data, fs::path out) : data_(std::move(data)), out_(std::move(out)) {}

    std::string Read(std::string_view name) const {
        std::ifstream in(data_ / name, std::ios::binary);
        if (!in) throw std::runtime_error("no " + std::string(name) + " in " + data_.string());
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Empties the seed directory of `harness` and writes `seeds` into it.
    void Write(std::string_view harness, const std::map<std::string, std::string>& seeds) const {
        fs::remove_all(out_ / harness);
        fs::create_directories(out_ / harness);
        for (const auto& [name, bytes] : seeds)
            std::ofstream(out_ / harness / name, std::ios::binary) << bytes;
    }

private:
    fs::path data_, out_;
};

// The parts of `text` between `separator`s, without a CR before the
// separator; empty ones too when `keepEmpty`.
Strings Split(std::string_view text, char separator, bool keepEmpty = false) {
    Strings parts;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find(separator, at);
        if (end == std::string_view::npos) end = text.size();
        std::string part(text.substr(at, end - at));
        if (!part.empty() && part.back() == '\r') part.pop_back();
        if (keepEmpty || !part.empty()) parts.push_back(std::move(part));
        at = end + 1;
    }
    return parts;
}

// index_search_fuzz: options byte (bit 0 the Nom layout, bit 2 variants
// coloured), the last key listed, NUL, then the first 16 lines of each index
// file with the directory entries ("!" + two line-number bytes + "!" + key +
// " ") that lead into them; and each file cut short before its directory.
void IndexSeeds(const Seeds& seeds) {
    std::map<std::string, std::string> written;
    for (const auto& [name, nom] : {std::pair{"telexhan.idx", false}, {"telenomu.idx", true},
                                    {"UCangJie.idx", false}, {"NCangJie.idx", true}, {"UPinYin.idx", false}}) {
        const std::string bytes = seeds.Read(name);
        const Strings lines = Split(bytes, '\n', true);
        std::string file, listed = "!", code = "zz";
        std::size_t line = 0;
        for (; line < lines.size() && lines[line].rfind('!', 0) != 0; ++line)
            if (line < 16) file += lines[line] + "\r\n";
        for (const std::string& entry : Split(line < lines.size() ? lines[line].substr(1) : "", ' ')) {
            const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(entry[i]) - 34; };
            if (entry.size() < 3 || byte(0) * 96 + byte(1) >= 16) continue;
            listed += entry + " ";
            code = entry.substr(3);
        }
        written[name] = std::string(1, nom ? '\5' : '\4') + code + '\0' + file + listed + "\r\n";
        written[name + std::string("-cut")] = std::string(1, nom ? '\1' : '\0') + "a" + '\0' + bytes.substr(0, 1500);
    }
    seeds.Write("index_search_fuzz", written);
}

// The whole entries in about 200 bytes of a line from `from`, each after
// `separator`.
std::string Cut(const std::string& line, char separator, std::size_t from) {
    const std::string cut = line.substr(std::min(line.find(separator, from), line.size()), 200);
    return cut.substr(0, cut.rfind(separator) + 1);
}

// RTF writes a UTF-16 unit as its signed 16-bit value, a supplementary
// character as two of them.
std::string UnicodeEscapes(int codePoint) {
    const auto escape = [](int unit) { return "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + " ?"; };
    if (codePoint < 0x10000) return escape(codePoint);
    return escape(0xD800 + ((codePoint - 0x10000) >> 10)) + escape(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
}

// code_tables_fuzz: entries from the start, a quarter, half and three
// quarters of the way along the three lines of big5uni.idx and a reading
// table. rtf_transcription_fuzz: those of the Big5 line, the readings from
// its first code and the RTF of its characters with those of the Nom line
// and "Tựa đề," between them, as a Unicode editor writes it.
void LineSeeds(const Seeds& seeds) {
    const Strings lines = Split(seeds.Read("big5uni.idx"), '\n');
    const std::string han = Split(seeds.Read("phienam.txt"), '\n').at(0), nom = Split(seeds.Read("phiennom.txt"), '\n').at(0);
    std::map<std::string, std::string> tables, transcriptions;
    for (std::size_t quarter = 0; quarter < 4; ++quarter) {
        const auto cut = [&](const std::string& line, char separator) {
            return Cut(line, separator, line.size() * quarter / 4);
        };
        const std::string big5Line = cut(lines.at(0), '/'), nomLine = cut(lines.at(2), '/');
        const std::string at = std::to_string(quarter), shared = big5Line + "\n" + cut(lines.at(1), '/') + "\n" + nomLine + "\n";
        tables["han-" + at] = shared + cut(han, '\\') + "\n";
        tables["nom-" + at] = shared + cut(nom, '\\') + "\n";
        const Strings big5 = Split(big5Line, '/'), nomCodes = Split(nomLine, '/');
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Chu Nom Minh U;}}\\f0\\fs24 ";
        for (const std::string& entry : big5) rtf += UnicodeEscapes(std::stoi(entry.substr(4)));
        rtf += "T\\u7921 ?a \\u273 ?\\u7873 ?, \\par\\line\\";
        for (const std::string& entry : nomCodes) rtf += UnicodeEscapes(std::stoi(entry));
        std::ostringstream firstNom;
        firstNom << std::hex << std::uppercase << std::stoi(nomCodes.at(0));
        const std::string readings = Cut(han, '\\', han.find("\\" + big5.at(0).substr(0, 4) + ":")) +
                                     Cut(nom, '\\', nom.find("\\" + firstNom.str() + ":"));
        // The "Nom" button is down in odd ones.
        transcriptions["unicode-" + at] = static_cast<char>(quarter % 2) + big5Line + "\n" + readings + "\n" + rtf + "\\par }";
    }
    seeds.Write("code_tables_fuzz", tables);
    seeds.Write("rtf_transcription_fuzz", transcriptions);
}

// hook_protocol_fuzz: every message of either end, as a key is typed and a
// character sent, in one read and in reads of six bytes.
void HookSeeds(const Seeds& seeds) {
    using namespace orvik::hook;
    std::string session;
    for (const Message& message : std::initializer_list<Message>{
             Hello{}, Focus{0x10002, false, "gedit"}, Register{0x10002, 0x100}, Hook{}, KeyUp{1, 0x10002, 'A', 0},
             Word{true}, Done{1}, KeyUp{2, 0x10002, 'X', 0}, Pass{2}, GaveBack{2}, KeyUp{3, 0x10002, '1', 0},
             Char{3, 0x10002, 0x4E00}, Keybd{3, 17, 29, 0}, Keybd{3, 86, 47, 2}, Done{3},
             Focus{0, false, "Trình soạn thảo"}, Unhook{}})
        session += Encode(message);
    seeds.Write("hook_protocol_fuzz", {{"whole", '\xff' + session}, {"chunked", '\x05' + session}});
}

// cli_args_fuzz: command byte (the harness's order: lookup, candidates, type,
// compose, page, clip, speak), standard input, then NUL before each
// argument; the keys and characters of the tests' data.
void CliSeeds(const Seeds& seeds) {
    const auto commandLine = [](char command, std::string_view input, const Strings& args) {
        std::string seed = command + std::string(input);
        for (const std::string& arg : args) seed += '\0' + arg;
        return seed;
    };
    seeds.Write("cli_args_fuzz",
                {{"lookup", commandLine(0, "", {"一", "U+4E8C", "U+26F0", "--mode", "telex-nom", "U+2000B"})},
                 {"candidates", commandLine(1, "", {"--mode", "telex-han", "a", "ab", "hoaf", "ky"})},
                 {"candidates-pinyin", commandLine(1, "", {"--mode", "pinyin", "hao3", "ma5"})},
                 {"type-lines", commandLine(2, "ab\nhoaf space\nhoa backspace\n", {})},
                 {"type-keys", commandLine(2, "", {"--code", "tcvn3", "ab", "space", "down", "1"})},
                 {"compose-lines", commandLine(3, "Haf\r\nnguwowif\n", {})},
                 {"compose-keys", commandLine(3, "", {"--code", "vni", "ky", "nguwowif"})},
                 {"page", commandLine(4, "", {"its:hvtdu.dat::/html/hv19968.htm"})},
                 {"clip", commandLine(5, "", {"a", "--out", "x.wav"})},
                 {"speak", commandLine(6, "", {"Tựa đề", "ky", "--out", "x.wav"})}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvik-fuzz-seeds DATA_DIR OUT_DIR\n";
        return 2;
    }
    const Seeds seeds(argv[1], argv[2]);
    try {
        IndexSeeds(seeds);
        LineSeeds(seeds);
        HookSeeds(seeds);
        CliSeeds(seeds);
        seeds.Write("chm_page_fuzz", {{"orvhelp.chm", seeds.Read("orvhelp.chm")}});
        seeds.Write("uncompress_fuzz", {});
        seeds.Write("clip_store_fuzz", {});
    } catch (const std::exception& error) {
        std::cerr << "orvik-fuzz-seeds: " << error.what()
                  << "\nBuild the data first (./test, or cmake --build --preset dev), or name its directory with"
                     " -DORVIK_FUZZ_DATA_DIR=DIR.\n";
        return 1;
    }
    return 0;
}
