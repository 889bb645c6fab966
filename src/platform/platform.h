// The one interface through which the windows and the shared module reach the
// desktop: files, browser views, message boxes. The desktop program and the
// command-line tool implement it; tests use the recording fake.
#pragma once

#include <string>
#include <string_view>
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

class Platform {
public:
    virtual ~Platform() = default;

    // Files. Paths are UTF-8; directories come without a trailing "/".
    virtual FileBytes ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    virtual std::string ProgramDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;

    // Browser views, named "window.control" ("HVTNP.WebBrowser1").
    virtual void Navigate(std::string_view view, std::u16string_view address) = 0;

    // A modal message box.
    virtual void MessageBox(std::u16string_view text, std::u16string_view caption) = 0;

    // A file's lines, and its whole text, decoded as `encoding` says.
    FileLines ReadLines(const std::string& path, FileEncoding encoding);
    FileText ReadText(const std::string& path, FileEncoding encoding);
};

// The caption of the system's messages.
inline constexpr std::u16string_view kMessageCaption = u"Việt Orvik thông báo";

std::u16string DecodeFileText(std::string_view bytes, FileEncoding encoding);

// Lines ended by CR LF or LF; a last line without an ending counts, an empty
// tail after the last ending does not.
std::vector<std::u16string> SplitLines(std::u16string_view text);

}  // namespace orvik
