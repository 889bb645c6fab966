// Writes an index file of an input mode: candidate lines of fixed-width
// hexadecimal fields, then the directory line of entries
// <two line-number bytes> "!" <key> " ", every line ended by CR LF.
// Every limit the loader and the search rely on is checked here, so a file
// that breaks one is never written.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orvik::mkdata {

enum class Layout { Han, Nom };

inline constexpr int kMaxIndexLines = 9001;   // candidate lines + directory line
inline constexpr std::size_t kMaxFields = 101;
inline constexpr std::size_t kMaxKeyLength = 12;

// The two bytes of line number n: digits 0-95 written as bytes 34-129.
std::string EncodeLineNumber(int n);

// One candidate field: Han "4E00"; Nom "4E00 " or "2029B".
std::string IndexField(char32_t cp, Layout layout);

class IndexWriter {
public:
    IndexWriter(std::string fileName, Layout layout) : fileName_(std::move(fileName)), layout_(layout) {}

    // Adds a candidate line and answers its number.
    int AddLine(const std::vector<char32_t>& candidates);
    // Adds a directory entry leading to line `line`.
    void AddKey(const std::string& key, int line);

    int LineCount() const { return static_cast<int>(lines_.size()); }
    std::string Bytes() const;

private:
    [[noreturn]] void Fail(const std::string& what) const;

    std::string fileName_;
    Layout layout_;
    std::vector<std::string> lines_;
    std::vector<std::string> keys_;
    std::string directory_ = "!";
};

}  // namespace orvik::mkdata
