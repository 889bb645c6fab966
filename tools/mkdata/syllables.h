// The Vietnamese syllables of hunspell-vi and the word list tdviet.idx.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace orvik::mkdata {

struct Syllable {
    std::string word;     // lower-case Unicode
    std::string telex;    // raw Telex keys, tone key last
    std::string pageKey;  // the word dictionary's key (page v<key>.htm)
};

// The lower-case words of a hunspell .dic text spelt in Telex letters; the
// first line (the entry count) and words with capitals are skipped.
std::vector<Syllable> SyllablesOfDictionary(std::string_view dicText);

// Syllables grouped by page key (Telex "oo" makes boong and bông share one).
std::map<std::string, std::vector<const Syllable*>> ByPageKey(const std::vector<Syllable>& syllables);

// "/" + key for every page key.
std::string WordListFile(const std::map<std::string, std::vector<const Syllable*>>& pages);

}  // namespace orvik::mkdata
