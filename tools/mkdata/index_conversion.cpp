#include "index_conversion.h"

#include <map>
#include <vector>

#include "build_error.h"
#include "engine/text.h"
#include "ime/index_conversion.h"
#include "platform/platform.h"
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

std::string ConvertedIndexBytes(const ConversionInputs& inputs) {
    const std::vector<std::u16string> map = SplitLines(FromBytes(inputs.machuan));
    const IndexConversion converted = ConvertIndex(map.empty() ? u"" : map.front(), SplitLines(FromBytes(inputs.dxx)));
    if (converted.problem) throw BuildError(U16ToUtf8(*converted.problem));
    return IndexFileBytes(converted.lines);
}

}  // namespace orvik::mkdata
