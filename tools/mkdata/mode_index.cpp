#include "mode_index.h"

#include <algorithm>

#include "keys.h"

namespace orvik::mkdata {

namespace {

struct KeyLine {
    std::set<char32_t> characters;
    std::size_t codes = 0;
};

// Typed codes that both windows look up under one key share its line.
std::map<std::string, KeyLine> ByIndexKey(const std::map<std::string, std::set<char32_t>>& byCode) {
    std::map<std::string, KeyLine> lines;
    for (const auto& [code, characters] : byCode) {
        KeyLine& line = lines[IndexKeyOf(code)];
        line.characters.insert(characters.begin(), characters.end());
        ++line.codes;
    }
    return lines;
}

void CountReached(IndexCoverage& c, const std::vector<char32_t>& sourceSet, const KeyedCharacters& keyed,
                  const std::set<char32_t>& reached) {
    c.sourceSize = sourceSet.size();
    for (char32_t cp : sourceSet) {
        if (reached.contains(cp)) {
            ++c.reachable;
            continue;
        }
        const auto why = keyed.unkeyed.find(cp);
        ++c.lost[why != keyed.unkeyed.end() ? why->second : "beyond the 101 characters of each of its lines"];
    }
}

}  // namespace

BuiltIndex BuildModeIndex(const std::string& fileName, Layout layout, const std::vector<char32_t>& sourceSet,
                          const KeyedCharacters& keyed, const CandidateOrder& order) {
    IndexWriter writer(fileName, layout);
    std::set<char32_t> reached;
    std::size_t longest = 0;
    std::size_t merged = 0;
    std::size_t listed = 0;
    const auto lines = ByIndexKey(keyed.byCode);
    for (const auto& [key, keyLine] : lines) {
        std::vector<char32_t> line = order(key, keyLine.characters);
        if (line.size() > kMaxFields) line.resize(kMaxFields);
        reached.insert(line.begin(), line.end());
        longest = std::max(longest, line.size());
        listed += line.size();
        writer.AddKey(key, writer.AddLine(line));
        if (keyLine.codes > 1) ++merged;
    }

    BuiltIndex built{writer.Bytes(), {}};
    IndexCoverage& c = built.coverage;
    c.file = fileName;
    c.linesUsed = writer.LineCount() + 1;
    c.longestLine = longest;
    c.listed = listed;
    c.typedCodes = keyed.byCode.size();
    c.keys = lines.size();
    c.mergedKeys = merged;
    CountReached(c, sourceSet, keyed, reached);
    return built;
}

}  // namespace orvik::mkdata
