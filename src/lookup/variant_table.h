// The variant line of big5uni.idx with its keys indexed once, when the line
// is set: the candidate search asks for every candidate whether it is a
// variant key, and a scan of the 36,000-character line for each one cost
// half a millisecond a key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvik {

class VariantTable {
public:
    VariantTable() = default;
    explicit VariantTable(std::u16string line);
    VariantTable& operator=(std::u16string line);

    const std::u16string& Line() const { return line_; }
    operator std::u16string_view() const { return line_; }  // NOLINT: the line is the table's text
    bool empty() const { return line_.empty(); }

    // Where the entry keyed by `codePoint` has its key digits (from 1), or
    // 0: the position a search of the line for them finds.
    int KeyPosition(std::int32_t codePoint) const;

private:
    void Index();

    std::u16string line_;
    std::unordered_map<std::int32_t, int> keyPositions_;
};

}  // namespace orvik
