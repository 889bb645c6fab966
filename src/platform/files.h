// The program's files on the local disk, and its log: the file reads note
// there what they worked around.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/file_contents.h"

namespace orvik {

class Files {
public:
    virtual ~Files() = default;

    // Paths are UTF-8; directories come without a trailing "/".
    virtual FileBytes ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    // Renames a file; false when the source is missing or the target exists.
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // Deletes a file; false when it cannot.
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual std::string ProgramDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;

    // A line for whoever reads the program's log (standard error): what it
    // noticed and worked around, such as a damaged setting.
    virtual void LogLine(std::string_view line) = 0;

    // A file's lines, and its whole text, decoded as `encoding` says.
    FileLines ReadLines(const std::string& path, FileEncoding encoding);
    FileText ReadText(const std::string& path, FileEncoding encoding);
};

// A file's text: 8-bit text one character per byte; UTF-8 as UTF-8, also
// when a few of its bytes are bad (they read as U+FFFD and are counted in
// `badBytes`); text that is mostly not UTF-8 one character per byte.
struct DecodedText {
    std::u16string text;
    std::size_t badBytes = 0;
};
DecodedText DecodeFileText(std::string_view bytes, FileEncoding encoding);

// Lines ended by CR LF or LF; a last line without an ending counts, an empty
// tail after the last ending does not.
std::vector<std::u16string> SplitLines(std::u16string_view text);

}  // namespace orvik
