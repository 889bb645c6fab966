#include "platform/qt/display_text.h"

#include <optional>

#include "engine/code_decoder.h"
#include "engine/letter_tables.h"
#include "engine/text.h"

namespace orvik {

namespace {

struct FontCode {
    std::u16string_view font;  // in lower case
    std::int16_t code;
};

constexpr FontCode kFontCodes[] = {
    {u"vntimes new roman", kVietWareX},
    {u".vntime", kTcvn3},
    {u"tcvnssfont", kTcvn3},
    {u"vni-times", kVniWindows},
};

std::optional<std::int16_t> CodeOfFont(std::u16string_view fontName) {
    const std::u16string font = LCase(fontName);
    for (const FontCode& each : kFontCodes)
        if (font == each.font) return each.code;
    return std::nullopt;
}

const CodeDecoder& DecoderFor(std::int16_t code) {
    static const CodeDecoder vietWare(kVietWareX), tcvn3(kTcvn3), vni(kVniWindows);
    if (code == kTcvn3) return tcvn3;
    if (code == kVniWindows) return vni;
    return vietWare;
}

}  // namespace

std::u16string DisplayText(std::u16string_view text, std::u16string_view fontName) {
    const auto code = CodeOfFont(fontName);
    if (!code) return std::u16string(text);
    return DecoderFor(*code).Decode(text);
}

}  // namespace orvik
