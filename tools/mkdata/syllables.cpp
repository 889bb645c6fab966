#include "syllables.h"

#include <set>

#include "engine/text.h"
#include "engine/viet_word_key.h"
#include "keys.h"

namespace orvik::mkdata {

std::vector<Syllable> SyllablesOfDictionary(std::string_view dicText) {
    std::vector<Syllable> out;
    std::set<std::string> seen;
    std::size_t start = dicText.find('\n');
    while (start != std::string_view::npos && start < dicText.size()) {
        std::size_t end = dicText.find('\n', start + 1);
        if (end == std::string_view::npos) end = dicText.size();
        std::string word(dicText.substr(start + 1, end - start - 1));
        start = end;
        word = word.substr(0, word.find('/'));
        if (!word.empty() && word.back() == '\r') word.pop_back();
        if (word.empty() || U16ToUtf8(LCase(Utf8ToU16(word))) != word || !seen.insert(word).second) continue;
        const auto keys = TelexKeysOf(word);
        if (!keys) continue;
        out.push_back({word, *keys, U16ToUtf8(VietWordKey(Utf8ToU16(*keys)))});
    }
    return out;
}

std::map<std::string, std::vector<const Syllable*>> ByPageKey(const std::vector<Syllable>& syllables) {
    std::map<std::string, std::vector<const Syllable*>> pages;
    for (const auto& s : syllables) pages[s.pageKey].push_back(&s);
    return pages;
}

std::string WordListFile(const std::map<std::string, std::vector<const Syllable*>>& pages) {
    std::string out;
    for (const auto& [key, syllables] : pages) out += "/" + key;
    return out;
}

}  // namespace orvik::mkdata
