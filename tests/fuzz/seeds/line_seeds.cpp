// code_tables_fuzz and rtf_transcription_fuzz: windows of entries of the
// three lines of big5uni.idx and of the reading tables, at the start, middle
// and end of each line; RTF texts, in Unicode and in Big5 escapes, of the
// characters of a window.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "seeds.h"

namespace orvik::fuzz::seeds {

namespace {

constexpr std::size_t kWindow = 12;
constexpr double kPlaces[] = {0.0, 0.33, 0.66, 1.0};

struct SharedLines {
    std::vector<std::string> big5, variant, nom;  // entries, without "/"
    std::vector<std::string> hanReadings, nomReadings;  // entries, without "\"
};

SharedLines ReadLines(const DataDir& data) {
    const std::vector<std::string> big5uni = data.Lines("big5uni.idx");
    const auto line = [&](std::size_t i) { return i < big5uni.size() ? big5uni[i] : std::string(); };
    return {Entries(line(0), '/'), Entries(line(1), '/'), Entries(line(2), '/'),
            Entries(data.Lines("phienam.txt").at(0), '\\'), Entries(data.Lines("phiennom.txt").at(0), '\\')};
}

// kWindow entries from the place (0 start, 1 end) in the line.
std::vector<std::string> Window(const std::vector<std::string>& entries, double place) {
    const std::size_t last = entries.size() > kWindow ? entries.size() - kWindow : 0;
    const auto first = static_cast<std::size_t>(place * static_cast<double>(last));
    return {entries.begin() + static_cast<std::ptrdiff_t>(first),
            entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), first + kWindow))};
}

std::string Join(const std::vector<std::string>& entries, std::string_view before, std::string_view after) {
    std::string line(before);
    for (const std::string& entry : entries) line += entry + std::string(after);
    return line;
}

int CodePointOf(const std::string& big5Entry) { return std::atoi(big5Entry.c_str() + 4); }

std::string Hex(int value) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

std::string CodeTableSeed(const std::vector<std::string>& big5, const SharedLines& lines, double place,
                          const std::vector<std::string>& readings) {
    std::string queries;
    for (const std::string& entry : big5) {
        const std::string decimal = std::to_string(CodePointOf(entry));
        queries += decimal + " " + decimal.substr(1) + " ";
    }
    return Join(big5, "/", "/") + "\n" + Join(Window(lines.variant, place), "", "/") + "\n" +
           Join(Window(lines.nom, place), "", "/") + "\n" + Join(Window(readings, place), "", "\\") + "\n" + queries;
}

// The reading entries whose keys are among `keys`.
std::string ReadingsOf(const std::vector<std::string>& readings, const std::vector<std::string>& keys) {
    std::map<std::string, std::string> byKey;
    for (const std::string& entry : readings) byKey.emplace(entry.substr(0, entry.find(':')), entry);
    std::string line;
    for (const std::string& key : keys)
        if (const auto found = byKey.find(key); found != byKey.end()) line += found->second + "\\";
    return line;
}

// RTF writes a character as its signed 16-bit value, a supplementary one as
// two of them.
std::string UnicodeEscapes(int codePoint) {
    const auto escape = [](int unit) { return "\\u" + std::to_string(unit > 32767 ? unit - 65536 : unit) + " ?"; };
    if (codePoint < 0x10000) return escape(codePoint);
    const int v = codePoint - 0x10000;
    return escape(0xD800 + (v >> 10)) + escape(0xDC00 + (v & 0x3FF));
}

constexpr std::string_view kRtfStart = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Chu Nom Minh U;}}\\f0\\fs24 ";
// "Tựa đề, " between the characters: Vietnamese letters have no Big5 code.
constexpr std::string_view kVietnamese = "T\\u7921 ?a \\u273 ?\\u7873 ?, ";

std::string UnicodeRtf(const std::vector<int>& codePoints) {
    std::string rtf(kRtfStart);
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        rtf += UnicodeEscapes(codePoints[i]);
        if (i == codePoints.size() / 2) rtf += std::string(kVietnamese) + "\\par\\line\\";
    }
    return rtf + "\\par }";
}

// A trail byte that is a plain character stands for itself.
std::string Big5Rtf(const std::vector<std::string>& codes) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg950\\deff0\\f0 ";
    for (const std::string& code : codes) {
        const int trail = std::stoi(code.substr(2, 2), nullptr, 16);
        const bool plain = trail >= 0x40 && trail < 0x7F && trail != '\\' && trail != '{' && trail != '}';
        rtf += "\\'" + code.substr(0, 2) + (plain ? std::string(1, static_cast<char>(trail)) : "\\'" + code.substr(2, 2));
    }
    return rtf + ",\\par }";
}

}  // namespace

void CodeTableSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "code_tables_fuzz");
    const SharedLines lines = ReadLines(data);
    for (const double place : kPlaces) {
        const auto big5 = Window(lines.big5, place);
        const std::string at = std::to_string(static_cast<int>(place * 100));
        writer.Write("han-" + at, CodeTableSeed(big5, lines, place, lines.hanReadings));
        writer.Write("nom-" + at, CodeTableSeed(big5, lines, place, lines.nomReadings));
    }
}

void TranscriptionSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "rtf_transcription_fuzz");
    const SharedLines lines = ReadLines(data);
    for (const double place : kPlaces) {
        const auto big5 = Window(lines.big5, place);
        std::vector<std::string> codes, hexKeys;
        std::vector<int> codePoints;
        for (const std::string& entry : big5) {
            codes.push_back(entry.substr(0, 4));
            codePoints.push_back(CodePointOf(entry));
        }
        for (const std::string& entry : Window(lines.nom, place)) {
            codePoints.push_back(std::atoi(entry.c_str()));
            hexKeys.push_back(Hex(codePoints.back()));
        }
        const std::string big5Line = Join(big5, "/", "/");
        const std::string at = std::to_string(static_cast<int>(place * 100));
        const std::string hanReadings = ReadingsOf(lines.hanReadings, codes);
        writer.Write("unicode-" + at, '\0' + big5Line + "\n" + hanReadings + "\n" + UnicodeRtf(codePoints));
        writer.Write("big5-" + at, '\0' + big5Line + "\n" + hanReadings + "\n" + Big5Rtf(codes));
        writer.Write("nom-" + at, '\1' + big5Line + "\n" + ReadingsOf(lines.nomReadings, hexKeys) + "\n" +
                                      UnicodeRtf(codePoints));
    }
}

}  // namespace orvik::fuzz::seeds
