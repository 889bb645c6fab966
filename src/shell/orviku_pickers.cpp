// The character pickers of Frame5: Picture3 copies the character selected
// in the dictionary view as an HTML character reference, Label1 converts the
// Nôm CangJie index ncangjie.dxx into ncangjie.udx.
#include <string>

#include "engine/text.h"
#include "ime/index_conversion.h"
#include "lookup/rtf_escapes.h"
#include "lookup/selection_lookup.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

// The view's copy is given time to reach the clipboard.
constexpr std::uint32_t kCopyWaitMs = 100;
// Escapes at or below this code are taken for the letters of a Latin text
// around the character.
constexpr std::int32_t kLatinCodes = 19900;
constexpr std::size_t kDirectoryShown = 100;

// The code of the last Unicode escape examined: escapes are read until one
// above kLatinCodes, the text's end or kMaxScannedEscapes. 0 when there is
// none.
std::int32_t SelectedCharacterCode(std::u16string_view rtf) {
    std::int32_t code = 0;
    for (int counter = 1;; ++counter) {
        const auto digits = TakeUnicodeEscape(rtf);
        if (!digits) break;
        code = EscapeValue(*digits);
        if (code < 0) code += 65536;
        if (counter > kMaxScannedEscapes || rtf.empty() || code > kLatinCodes) break;
    }
    return code;
}

std::u16string CannotRead(std::u16string_view file, const std::string& reason) {
    return u"Không đọc được tệp " + std::u16string(file) + u": " + Utf8ToU16(reason);
}

}  // namespace

void OrvikU::Picture3_Click() {
    Platform& platform = app_.platform();
    platform.ClipboardClear();
    platform.FocusControl("OrvikU.WebBrowser1");
    platform.SendKeys(u"^c");
    platform.Sleep(kCopyWaitMs);
    const std::u16string selected = platform.ClipboardGetText(kClipboardRtf);
    platform.ClipboardClear();
    platform.ClipboardSetText(u"&#" + DecimalText(SelectedCharacterCode(selected)) + u";", kClipboardText);
}

// The conversion reads into a table of its own, so the loaded index of the
// input mode stays; ncangjie.udx is written only from input converted
// whole, so a good one is never replaced by a broken one.
void OrvikU::Label1_Click() {
    Platform& platform = app_.platform();
    const auto tell = [&platform](std::u16string_view text) { platform.MessageBox(text, kMessageCaption); };
    const std::string from = platform.ProgramDirectory() + "/";
    const FileLines map = platform.ReadLines(from + U16ToUtf8(kConversionMapFile), FileEncoding::Bytes);
    if (!map.ok) return tell(CannotRead(kConversionMapFile, map.reason));
    const FileLines dxx = platform.ReadLines(from + U16ToUtf8(kConversionInputFile), FileEncoding::Bytes);
    if (!dxx.ok) return tell(CannotRead(kConversionInputFile, dxx.reason));
    const IndexConversion converted = ConvertIndex(map.lines.empty() ? u"" : map.lines.front(), dxx.lines);
    const std::u16string output(kConversionOutputFile);
    if (converted.problem) return tell(*converted.problem + u"\nTệp " + output + u" không được ghi.");
    const std::string to = platform.CurrentDirectory() + "/" + U16ToUtf8(output);
    if (!platform.WriteFile(to, IndexFileBytes(converted.lines))) return tell(u"Không ghi được tệp " + output + u".");
    tell(Left(converted.lines.back(), static_cast<int>(kDirectoryShown)));
}

}  // namespace orvik
