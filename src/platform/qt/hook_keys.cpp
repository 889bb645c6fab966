#include "platform/qt/hook_keys.h"

#include <array>
#include <utility>

namespace orvik {

namespace {

constexpr std::int16_t kShiftBit = 1, kCtrlBit = 2, kAltBit = 4;

// Qt key -> Windows virtual-key code, for the keys outside the letters,
// digits and function keys.
constexpr std::array<std::pair<int, std::int16_t>, 60> kVirtualKeys{{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},      {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},         {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},        {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},    {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},    {Qt::Key_Plus, 187},     {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},   {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},    {Qt::Key_Question, 191}, {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, 49},    {Qt::Key_At, 50},        {Qt::Key_NumberSign, 51},  {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},   {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55}, {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57}, {Qt::Key_ParenRight, 48}, {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145}, {Qt::Key_Print, 44},     {Qt::Key_Clear, 12},
}};

std::int16_t ShiftBits(Qt::KeyboardModifiers modifiers) {
    std::int16_t bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= kShiftBit;
    if (modifiers & Qt::ControlModifier) bits |= kCtrlBit;
    if (modifiers & Qt::AltModifier) bits |= kAltBit;
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
    return static_cast<std::int16_t>(shifted ? capital : capital + 32);
}

std::optional<std::int16_t> VirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::int16_t>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : kVirtualKeys)
        if (key == qtKey) return code;
    return std::nullopt;
}

}  // namespace

std::optional<HookKey> HookKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const std::int16_t shift = ShiftBits(modifiers);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return HookKey{LetterCode(qtKey, shift & kShiftBit, text), shift};
    const auto code = VirtualKey(qtKey);
    if (!code) return std::nullopt;
    return HookKey{*code, shift};
}

}  // namespace orvik
