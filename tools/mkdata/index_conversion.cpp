#include "index_conversion.h"

#include <map>
#include <vector>

#include "build_error.h"
#include "engine/text.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

constexpr char32_t kFirstPrivate = 0xE000;
constexpr char32_t kLastPrivate = 0xF8FF;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

char32_t FieldValue(const std::string& field) {
    std::int32_t v = HexValue(FromBytes(field));
    return static_cast<char32_t>(v < 0 ? v + 65536 : v);
}

}  // namespace

ConversionInputs MakeConversionInputs(const std::string& nomIndex) {
    ConversionInputs out;
    std::map<char32_t, char32_t> privateOf;
    for (const auto& line : Lines(nomIndex)) {
        if (line.starts_with("!")) {
            out.dxx += line + "\r\n";
            break;
        }
        for (std::size_t at = 0; at + 5 <= line.size(); at += 5) {
            char32_t cp = FieldValue(line.substr(at, 5));
            if (cp > 0xFFFF) {
                auto [it, added] = privateOf.emplace(cp, kFirstPrivate + privateOf.size());
                if (it->second > kLastPrivate) throw BuildError("ncangjie.dxx: more supplementary characters than private-use code points");
                if (added) out.machuan += "/" + std::to_string(it->second) + ":" + std::to_string(cp);
                cp = it->second;
            }
            out.dxx += Hex(cp, 4, true);
        }
        out.dxx += "\r\n";
    }
    out.machuan += "/\r\n";
    return out;
}

std::string ConvertIndex(const ConversionInputs& inputs) {
    const std::string map = Lines(inputs.machuan).front();
    std::string out;
    for (const auto& line : Lines(inputs.dxx)) {
        if (line.starts_with("!")) return out + line + "\r\n";
        for (std::size_t at = 0; at + 4 <= line.size(); at += 4) {
            const std::string field = line.substr(at, 4);
            const std::size_t found = map.find(std::to_string(FieldValue(field)) + ":");
            std::string code = field;
            if (found != std::string::npos) {
                std::string number = map.substr(map.find(':', found) + 1, 6);
                if (number.size() == 6 && number[5] == '/') number.pop_back();
                code = Hex(static_cast<char32_t>(std::stoul(number)), 1, true);
            }
            out += code + (code.size() == 4 ? " " : "");
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace orvik::mkdata
