// hook_protocol_fuzz and cli_args_fuzz: what the key hook and the program
// say to each other while a real syllable is typed and its character sent,
// and command lines of `orvik` with the data's own keys and characters.
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "hook_protocol/hook_protocol.h"
#include "seeds.h"

namespace orvik::fuzz::seeds {

namespace {

// The first keys of the directory line of telexhan.idx ("!" + two line
// number bytes + "!" + key + " ", ...).
std::vector<std::string> TelexKeys(const DataDir& data, std::size_t count) {
    std::vector<std::string> keys;
    for (const std::string& line : data.Lines("telexhan.idx")) {
        if (line.rfind('!', 0) != 0) continue;
        for (const std::string& entry : Entries(line.substr(1), ' '))
            if (entry.size() > 3 && keys.size() < count) keys.push_back(entry.substr(3));
    }
    return keys;
}

// Code points of the first entries of the Big5 line.
std::vector<int> Characters(const DataDir& data, std::size_t count) {
    std::vector<int> codePoints;
    for (const std::string& entry : Entries(data.Lines("big5uni.idx").at(0), '/'))
        if (codePoints.size() < count) codePoints.push_back(std::atoi(entry.c_str() + 4));
    return codePoints;
}

std::string CodePointName(int codePoint) {
    char name[12];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

std::string Utf8(int codePoint) {
    std::string bytes;
    if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
    if (codePoint < 0x800) {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        bytes += static_cast<char>(0xE0 | (codePoint >> 12));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    return bytes + static_cast<char>(0x80 | (codePoint & 0x3F));
}

// The hook's key events for a typed key (a letter's key code is its capital), the program's answers, then the
// pick: the character committed unit by unit and Ctrl+V.
std::string Session(const std::string& key, int character) {
    std::string lines = hook::Encode(hook::Hello{}) + hook::Encode(hook::Focus{0x10002, false, "gedit"}) +
                        hook::Encode(hook::Register{0x10002, 0x100}) + hook::Encode(hook::Hook{});
    hook::Seq seq = 0;
    for (const char c : key) {
        const auto code = static_cast<std::int16_t>(std::toupper(static_cast<unsigned char>(c)));
        lines += hook::Encode(hook::KeyUp{++seq, 0x10002, code, 0});
        lines += hook::Encode(hook::Done{seq});
    }
    lines += hook::Encode(hook::KeyUp{++seq, 0x10002, '1', 0});
    lines += hook::Encode(hook::Char{seq, 0x10002, static_cast<std::uint16_t>(character)});
    lines += hook::Encode(hook::Keybd{seq, 17, 29, 0}) + hook::Encode(hook::Keybd{seq, 86, 47, 0});
    lines += hook::Encode(hook::Keybd{seq, 86, 47, 2}) + hook::Encode(hook::Done{seq});
    return lines + hook::Encode(hook::Focus{0, false, "Trình soạn thảo"}) + hook::Encode(hook::Unhook{});
}

// Command byte (the harness's order: lookup, candidates, type, compose,
// page, clip, speak), standard input, then NUL before each argument.
std::string CommandLine(char command, std::string_view input, const std::vector<std::string>& args) {
    std::string seed = std::string(1, command) + std::string(input);
    for (const std::string& arg : args) seed += '\0' + arg;
    return seed;
}

}  // namespace

void HookSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "hook_protocol_fuzz");
    const auto keys = TelexKeys(data, 3);
    const auto characters = Characters(data, 3);
    for (std::size_t i = 0; i < keys.size() && i < characters.size(); ++i) {
        writer.Write("whole-" + keys[i], std::string(1, '\xff') + Session(keys[i], characters[i]));
        writer.Write("chunked-" + keys[i], std::string(1, '\x06') + Session(keys[i], characters[i]));
    }
}

void CliSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "cli_args_fuzz");
    const auto keys = TelexKeys(data, 4);
    const auto characters = Characters(data, 4);
    std::vector<std::string> lookups;
    for (const int c : characters) {
        lookups.push_back(Utf8(c));
        lookups.push_back(CodePointName(c));
    }
    writer.Write("lookup", CommandLine(0, "", lookups));
    writer.Write("lookup-nom", CommandLine(0, "", {"--mode", "telex-nom", "U+26F0", "U+20E20"}));
    std::vector<std::string> candidates{"--mode", "telex-han"};
    candidates.insert(candidates.end(), keys.begin(), keys.end());
    writer.Write("candidates", CommandLine(1, "", candidates));
    writer.Write("candidates-pinyin", CommandLine(1, "", {"--mode", "pinyin", "hao3", "ma5"}));
    std::string lines;
    for (const std::string& key : keys) lines += key + "\n";
    writer.Write("type-lines", CommandLine(2, lines + "hoaf space\nhoa backspace\n", {}));
    writer.Write("type-keys", CommandLine(2, "", {"--code", "tcvn3", keys.at(0), "space", "down", "1"}));
    writer.Write("compose-lines", CommandLine(3, lines + "Haf\r\nnguwowif\n", {}));
    writer.Write("compose-keys", CommandLine(3, "", {"--code", "vni", keys.at(0), "nguwowif"}));
    writer.Write("page", CommandLine(4, "", {"its:hvtdu.dat::/html/hv" + std::to_string(characters.at(0)) + ".htm"}));
    writer.Write("clip", CommandLine(5, "", {keys.at(0), "--out", "x.wav"}));
    writer.Write("speak", CommandLine(6, "", {"Tựa đề", keys.at(1), "--out", "x.wav"}));
}

}  // namespace orvik::fuzz::seeds
