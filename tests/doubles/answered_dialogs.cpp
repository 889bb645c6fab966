#include "doubles/answered_dialogs.h"

#include "engine/text.h"

namespace orvik {

std::int32_t AnsweredDialogs::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const std::string box = style == kMbOkOnly ? "MessageBox" : "MsgBox " + std::to_string(style);
    calls_.push_back(box + " [" + U16ToUtf8(caption) + "] " + U16ToUtf8(text));
    messages_.push_back(U16ToUtf8(text));
    return style == kMbOkOnly ? kIdOk : messageBoxAnswer_;
}

FontChoice AnsweredDialogs::ShowFontDialog(std::u16string_view title, const FontChoice& start) {
    calls_.push_back("ShowFontDialog [" + U16ToUtf8(title) + "] " + U16ToUtf8(start.FontName));
    return fontAnswer_ ? *fontAnswer_ : start;
}

}  // namespace orvik
