#include "mode_index.h"

#include <algorithm>

namespace orvik::mkdata {

BuiltIndex BuildModeIndex(const std::string& fileName, Layout layout, const std::vector<char32_t>& sourceSet,
                          const KeyedCharacters& keyed, const CandidateOrder& order) {
    IndexWriter writer(fileName, layout);
    std::set<char32_t> reached;
    std::map<std::string, int> lineOfKey;
    std::size_t longest = 0;
    for (const auto& [key, characters] : keyed.byKey) {
        std::vector<char32_t> line = order(key, characters);
        if (line.size() > kMaxFields) line.resize(kMaxFields);
        reached.insert(line.begin(), line.end());
        longest = std::max(longest, line.size());
        lineOfKey[key] = writer.AddLine(line);
        writer.AddKey(key, lineOfKey[key]);
    }
    for (const auto& [alias, key] : keyed.aliases) writer.AddKey(alias, lineOfKey.at(key));

    BuiltIndex built{writer.Bytes(), {}};
    IndexCoverage& c = built.coverage;
    c.file = fileName;
    c.sourceSize = sourceSet.size();
    c.linesUsed = writer.LineCount() + 1;
    c.longestLine = longest;
    for (char32_t cp : sourceSet) {
        if (reached.contains(cp)) {
            ++c.reachable;
            continue;
        }
        const auto why = keyed.unkeyed.find(cp);
        ++c.lost[why != keyed.unkeyed.end() ? why->second : "beyond the 101 characters of each of its lines"];
    }
    return built;
}

}  // namespace orvik::mkdata
