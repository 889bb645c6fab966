#include "platform/qt/hook_keys.h"

#include <utility>

#include "codes/desktop_codes.h"

namespace orvik {

namespace {

// Qt key -> Windows virtual-key code, for the keys outside the letters,
// digits and function keys.
constexpr std::pair<int, std::int16_t> kVirtualKeys[] = {
    {Qt::Key_Backspace, kVkBack},   {Qt::Key_Tab, kVkTab},           {Qt::Key_Backtab, kVkTab},
    {Qt::Key_Return, kVkReturn},    {Qt::Key_Enter, kVkReturn},      {Qt::Key_Shift, kVkShift},
    {Qt::Key_Control, kVkControl},  {Qt::Key_Alt, kVkMenu},          {Qt::Key_Pause, kVkPause},
    {Qt::Key_CapsLock, kVkCapital}, {Qt::Key_Escape, kVkEscape},     {Qt::Key_Space, kVkSpace},
    {Qt::Key_PageUp, kVkPrior},     {Qt::Key_PageDown, kVkNext},     {Qt::Key_End, kVkEnd},
    {Qt::Key_Home, kVkHome},        {Qt::Key_Left, kVkLeft},         {Qt::Key_Up, kVkUp},
    {Qt::Key_Right, kVkRight},      {Qt::Key_Down, kVkDown},         {Qt::Key_Insert, kVkInsert},
    {Qt::Key_Delete, kVkDelete},    {Qt::Key_Semicolon, kVkSemicolon}, {Qt::Key_Colon, kVkSemicolon},
    {Qt::Key_Equal, kVkEquals},     {Qt::Key_Plus, kVkEquals},       {Qt::Key_Comma, kVkComma},
    {Qt::Key_Less, kVkComma},       {Qt::Key_Minus, kVkMinus},       {Qt::Key_Underscore, kVkMinus},
    {Qt::Key_Period, kVkPeriod},    {Qt::Key_Greater, kVkPeriod},    {Qt::Key_Slash, kVkSlash},
    {Qt::Key_Question, kVkSlash},   {Qt::Key_QuoteLeft, kVkGrave},   {Qt::Key_AsciiTilde, kVkGrave},
    {Qt::Key_BracketLeft, kVkBracketLeft}, {Qt::Key_BraceLeft, kVkBracketLeft},
    {Qt::Key_Backslash, kVkBackslash},     {Qt::Key_Bar, kVkBackslash},
    {Qt::Key_BracketRight, kVkBracketRight}, {Qt::Key_BraceRight, kVkBracketRight},
    {Qt::Key_Apostrophe, kVkQuote}, {Qt::Key_QuoteDbl, kVkQuote},
    {Qt::Key_Exclam, kVk0 + 1},     {Qt::Key_At, kVk0 + 2},          {Qt::Key_NumberSign, kVk0 + 3},
    {Qt::Key_Dollar, kVk0 + 4},     {Qt::Key_Percent, kVk0 + 5},     {Qt::Key_AsciiCircum, kVk0 + 6},
    {Qt::Key_Ampersand, kVk0 + 7},  {Qt::Key_Asterisk, kVk0 + 8},    {Qt::Key_ParenLeft, kVk0 + 9},
    {Qt::Key_ParenRight, kVk0},     {Qt::Key_Meta, kVkLWin},         {Qt::Key_Menu, kVkApps},
    {Qt::Key_NumLock, kVkNumLock},  {Qt::Key_ScrollLock, kVkScroll}, {Qt::Key_Print, kVkSnapshot},
    {Qt::Key_Clear, kVkClear},
};

std::int16_t ShiftBits(Qt::KeyboardModifiers modifiers) {
    std::int16_t bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= kShiftMask;
    if (modifiers & Qt::ControlModifier) bits |= kCtrlMask;
    if (modifiers & Qt::AltModifier) bits |= kAltMask;
    return bits;
}

// A letter as typed: the event's text tells capitals from small letters
// (Caps Lock included); without text, Shift decides.
std::int16_t LetterCode(int qtKey, bool shifted, const QString& text) {
    if (text.size() == 1) {
        const char16_t typed = text.at(0).unicode();
        if ((typed >= u'a' && typed <= u'z') || (typed >= u'A' && typed <= u'Z')) return static_cast<std::int16_t>(typed);
    }
    const int capital = 'A' + (qtKey - Qt::Key_A);
    return static_cast<std::int16_t>(shifted ? capital : capital + kSmallLetterOffset);
}

std::optional<std::int16_t> VirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::int16_t>(kVk0 + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::int16_t>(kVkF1 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : kVirtualKeys)
        if (key == qtKey) return code;
    return std::nullopt;
}

}  // namespace

std::optional<HookKey> HookKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const std::int16_t shift = ShiftBits(modifiers);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return HookKey{LetterCode(qtKey, shift & kShiftMask, text), shift};
    const auto code = VirtualKey(qtKey);
    if (!code) return std::nullopt;
    return HookKey{*code, shift};
}

}  // namespace orvik
