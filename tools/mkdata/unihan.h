// The Unihan database: fields of ideographs by code point, as shipped in the
// Unihan_*.txt.bz2 files of the unicode-data package.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::mkdata {

class Unihan {
public:
    // Keeps only the fields named in `wanted`.
    explicit Unihan(std::set<std::string, std::less<>> wanted) : wanted_(std::move(wanted)) {}

    // Reads every Unihan_*.txt.bz2 file of `dir`; none there is an error.
    void LoadDirectory(const std::filesystem::path& dir);

    // Adds the lines of one file's text ("U+4E00<TAB>kField<TAB>value").
    void AddText(std::string_view text);

    // The field's value, empty when the character has none.
    std::string_view Field(char32_t cp, std::string_view field) const;

    // Every character that has any wanted field, in code-point order.
    std::vector<char32_t> Characters() const;

private:
    std::set<std::string, std::less<>> wanted_;
    std::map<char32_t, std::map<std::string, std::string, std::less<>>> fields_;
};

// The values of a field, split at spaces.
std::vector<std::string> Words(std::string_view value);

}  // namespace orvik::mkdata
