#include <optional>
#include <ostream>
#include <vector>

#include "clipboard_input.h"
#include "command.h"
#include "console_platform.h"
#include "engine/text.h"
#include "ime_request.h"
#include "lookup/character_page.h"
#include "lookup/code_tables.h"
#include "formats/archive_pages.h"
#include "formats/clipboard_rtf.h"
#include "codes/desktop_codes.h"

namespace orvik::cli {

namespace {

// The code points of a word, a surrogate pair as one.
std::vector<std::int32_t> CodePointsOf(const std::u16string& text) {
    std::vector<std::int32_t> codePoints;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] < 0xDC00 && text[i + 1] >= 0xDC00 &&
                          text[i + 1] < 0xE000;
        codePoints.push_back(pair ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i]);
        if (pair) ++i;
    }
    return codePoints;
}

// "U+4E00", or the first character of the word that has a dictionary page
// in the checked mode, as the quick-view look-up passes over punctuation
// and symbols ("「南」" is 南); the first character when none has.
std::optional<std::int32_t> ParseCharacter(const std::string& word, ModeScripts scripts, const LookupLines& lines) {
    if (word.size() >= 2 && (word[0] == 'U' || word[0] == 'u') && word[1] == '+') {
        const std::string digits = word.substr(2);
        if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return std::nullopt;
        const auto codePoint = static_cast<std::int32_t>(std::stol(digits, nullptr, 16));
        // A surrogate half or a number past U+10FFFF names no character.
        if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
        return codePoint;
    }
    const std::vector<std::int32_t> codePoints = CodePointsOf(Utf8ToU16(word));
    if (codePoints.empty()) return std::nullopt;
    for (const std::int32_t codePoint : codePoints)
        if (CharacterPage(codePoint, scripts, lines)) return codePoint;
    return codePoints.front();
}

std::string Or(const std::optional<std::u16string>& text, const char* none) {
    return text ? U16ToUtf8(*text) : none;
}

void PrintLookup(Application& app, std::int32_t codePoint, std::ostream& out) {
    const Module1& m = app.module();
    const auto big5 = CodePointToBig5(m.Big5Line, codePoint);
    out << "character  " << CharacterOf(codePoint) << "  " << CodePointName(codePoint) << " (" << codePoint << ")\n";
    out << "big5       " << Or(big5, "(not listed)") << '\n';
    out << "variant    ";
    if (const auto target = VariantTarget(m.VariantLine, codePoint))
        out << "page under " << CharacterOf(*target) << "  " << CodePointName(*target) << '\n';
    else
        out << "(none)\n";
    out << "page       " << Or(CharacterPage(codePoint, app.MainWindow().Menunoi.LookupScripts(), m), "(none)") << '\n';
    // Han reading tables are keyed by the Big5 code, Nom ones by the code point.
    const bool nomTable = m.ReadingTable == ReadingTableName(true);
    const std::u16string key = nomTable ? Utf8ToU16(CodePointName(codePoint).substr(2)) : big5.value_or(u"");
    out << "reading    " << Or(FirstReading(m.ReadingLine, key), "(none)") << "  [" << U16ToUtf8(m.ReadingTable)
        << "]\n";
}

// "--rtf FILE" is taken out of the arguments; the rest are those of a
// look-up of words.
std::optional<std::string> TakeRtfOption(Args& args) {
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (*arg != "--rtf" || arg + 1 == args.end()) continue;
        std::string file = *(arg + 1);
        args.erase(arg, arg + 2);
        return file;
    }
    return std::nullopt;
}

// The page the quick-view look-up opens when the RTF of `input` is on the
// clipboard, read as the desktop reads it.
int LookupRtf(Application& app, ConsolePlatform& platform, const std::string& input, Streams io) {
    const auto bytes = ReadClipboardInput(input, io.in, kClipboardReadLimit, io.err);
    if (!bytes) return 1;
    platform.ClipboardSetText(OwnerRtf(*bytes, true), kClipboardRtf);
    app.LookupSelection();
    const std::u16string& page = app.Popup().WebBrowser1.Address;
    if (page == kNoDataAddress) {
        io.err << "orvik: no character in " << input << " has a dictionary page (the popup shows the no-data page)\n";
        return 1;
    }
    io.out << U16ToUtf8(page) << '\n';
    return 0;
}

}  // namespace

int RunLookup(const Args& given, Streams io) {
    Args args = given;
    const std::optional<std::string> rtf = TakeRtfOption(args);
    ImeRequest request;
    request.mode = &kModeOptions[0];
    if (const int status = ParseImeRequest(args, "lookup", request, io.err, !rtf); status != 0) return status;
    if (rtf && !request.words.empty()) return UsageError(io.err, "lookup takes words or --rtf FILE, not both");
    if (const int status = CheckDataDirectory(request.dataDirectory, io.err); status != 0) return status;
    ConsolePlatform platform(request.dataDirectory, io.err);
    Application app(platform);
    (app.MainWindow().*request.mode->action)(request.mode->number);
    if (rtf) return LookupRtf(app, platform, *rtf, io);
    for (const auto& word : request.words) {
        const auto codePoint = ParseCharacter(word, app.MainWindow().Menunoi.LookupScripts(), app.module());
        if (!codePoint)
            return UsageError(io.err, "'" + word + "' is neither a character nor U+XXXX (up to U+10FFFF, no surrogate)");
        PrintLookup(app, *codePoint, io.out);
    }
    return 0;
}

}  // namespace orvik::cli
