// What a read of a whole file gives: its bytes, lines or text, or why it
// could not be read. The desktop's file calls and the format readers answer
// with these.
#pragma once

#include <string>
#include <vector>

namespace orvik {

// How a text file's bytes become text: index files and big5uni.idx are read
// one character per byte; other text files as UTF-8, or one character per
// byte when they are not valid UTF-8.
enum class FileEncoding { Bytes, Utf8 };

struct FileBytes {
    bool ok = false;
    std::string reason;  // why the file could not be read, when !ok
    std::string bytes;
};

struct FileLines {
    bool ok = false;
    std::string reason;
    std::vector<std::u16string> lines;  // without their CR LF or LF endings
};

struct FileText {
    bool ok = false;
    std::string reason;
    std::u16string text;
};

}  // namespace orvik
