// The four output-code actions and what each sets: the menu's radio mark,
// the dialog's code box, the letter tables, the fonts and the status text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/letter_tables.h"
#include "ime/menunoi.h"

namespace orvik {

struct OutputCodeAction {
    MenuItem Menunoi::*item;
    std::u16string_view comboText;  // the code's entry in the dialog's Combo1
    std::int16_t letterTable;
    std::u16string_view boxFont;     // the typing box Text1's font
    std::u16string_view outputFont;  // VnFontName, the font of the text sent
    // The candidate window's box font; none: the output font.
    std::optional<std::u16string_view> candidateBoxFont;
    std::u16string_view codeLabel;
    std::u16string_view statusPrefix;
};

// The boxes are 8-bit text boxes: while the code is Unicode they show the
// typed word in VietWare-X, and only the words sent are Unicode.
inline constexpr OutputCodeAction kUnicodeCode{
    &Menunoi::Unicode, u"Unicode", kVietWareX, u"VNtimes new roman", u"Arial", u"VNtimes new roman",
    u"Mã Việt Unicode", u"Trậng thái: "};
inline constexpr OutputCodeAction kTcvn3Code{
    &Menunoi::TCVN, u"TCVN3", kTcvn3, u".VnTime", u".VnTime", std::nullopt, u"TCNN", u"Trạng thái: "};
inline constexpr OutputCodeAction kVniCode{
    &Menunoi::VNI2, u"VNI-WIN", kVniWindows, u"VNI-Times", u"VNI-Times", std::nullopt, u"Mã VNI", u"Trạng thái: "};
inline constexpr OutputCodeAction kVietWareCode{
    &Menunoi::VW2, u"VietWare-X", kVietWareX, u"VNtimes new roman", u"VNtimes new roman", std::nullopt,
    u"Mã VietWare-X", u"Trạng thái: "};

inline constexpr std::array<const OutputCodeAction*, 4> kOutputCodeActions{
    &kUnicodeCode, &kTcvn3Code, &kVniCode, &kVietWareCode};

}  // namespace orvik
