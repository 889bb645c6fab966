#include <optional>
#include <ostream>

#include "clipboard_input.h"
#include "command.h"
#include "console_platform.h"
#include "engine/text.h"
#include "ime_request.h"
#include "lookup/code_tables.h"
#include "platform/clipboard_rtf.h"
#include "platform/desktop_codes.h"

namespace orvik::cli {

namespace {

// "U+4E00", or the first character of the word.
std::optional<std::int32_t> ParseCharacter(const std::string& word) {
    if (word.size() > 2 && (word[0] == 'U' || word[0] == 'u') && word[1] == '+') {
        const std::u16string digits = Utf8ToU16(word.substr(2));
        if (digits.size() > 6 || digits.find_first_not_of(u"0123456789abcdefABCDEF") != std::u16string::npos)
            return std::nullopt;
        return static_cast<std::int32_t>(std::stol(word.substr(2), nullptr, 16));
    }
    const std::u16string text = Utf8ToU16(word);
    if (text.empty()) return std::nullopt;
    if (text.size() > 1 && text[0] >= 0xD800 && text[0] < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000)
        return 0x10000 + ((text[0] - 0xD800) << 10) + (text[1] - 0xDC00);
    return text[0];
}

std::string Or(const std::optional<std::u16string>& text, const char* none) {
    return text ? U16ToUtf8(*text) : none;
}

void PrintLookup(Application& app, std::int32_t codePoint, std::ostream& out) {
    const Module1& m = app.module();
    const bool nom = app.MainWindow().Menunoi.NomLayout();
    const auto big5 = CodePointToBig5(m.Big5Line, codePoint);
    out << "character  " << CharacterOf(codePoint) << "  " << CodePointName(codePoint) << " (" << codePoint << ")\n";
    out << "big5       " << Or(big5, "(not listed)") << '\n';
    out << "variant    ";
    if (const auto target = VariantTarget(m.VariantLine, codePoint))
        out << "page under " << CharacterOf(*target) << "  " << CodePointName(*target) << '\n';
    else
        out << "(none)\n";
    out << "page       " << U16ToUtf8(nom ? NomPageAddress(codePoint) : HanPageAddress(codePoint)) << '\n';
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
    if (!app.PopupVisible()) {
        io.err << "orvik: no Han or Nom character in " << input << '\n';
        return 1;
    }
    io.out << U16ToUtf8(app.Popup().WebBrowser1.Address) << '\n';
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
        const auto codePoint = ParseCharacter(word);
        if (!codePoint) return UsageError(io.err, "'" + word + "' is neither a character nor U+XXXX");
        PrintLookup(app, *codePoint, io.out);
    }
    return 0;
}

}  // namespace orvik::cli
