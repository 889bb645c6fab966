// The five input modes and what each mode action sets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ime/index_layout.h"
#include "ime/menunoi.h"
#include "ime/typing_session.h"

namespace orvik {

enum class ButtonState { Pressed, Released, Unchanged };

struct InputMode {
    std::u16string_view comboText;  // the mode's entry in the dialog's Combo2
    std::string_view indexFile;
    Layout layout;  // the width of the index file's candidate fields
    MenuItem Menunoi::*item;
    TypingMode typing;
    std::array<ButtonState, 3> buttons;  // tool-bar buttons 1 to 3 (Han, Nom, Viet)
    std::optional<std::int16_t> letterTable;
    std::u16string_view modeTitle;
    std::u16string_view modeName;
    // The Telex actions set the buttons before loading, so the reading table
    // follows the new mode; the others load first and set the buttons last.
    bool buttonsFirst;
    std::u16string_view statusPrefix;
    bool statusWithCode;  // the status text ends with "/" and the code label
};

inline constexpr InputMode kTelexHan{
    u"Telex->Han", "telexhan.idx", Layout::Han, &Menunoi::TelexH, TypingMode::TelexHan,
    {ButtonState::Pressed, ButtonState::Released, ButtonState::Released}, 4,
    u"Telex chữ Hán", u"Telex Han", true, u"Trạng thái : ", true};
inline constexpr InputMode kTelexNom{
    u"Telex->Nom", "telenomu.idx", Layout::Nom, &Menunoi::TelexN, TypingMode::TelexNom,
    {ButtonState::Released, ButtonState::Pressed, ButtonState::Released}, 1,
    u"Telex chữ Nôm", u"Telex Nom", true, u"Trạng thái : ", true};
inline constexpr InputMode kCangJieHan{
    u"S-CangJie Han", "UCangJie.idx", Layout::Han, &Menunoi::CangJieH, TypingMode::CangJieHan,
    {ButtonState::Pressed, ButtonState::Released, ButtonState::Unchanged}, 0,
    u"Thương Hiệt giản chữ Hán", u"CangJie Han", false, u"Trạng thái: ", true};
inline constexpr InputMode kCangJieNom{
    u"S-CangJie Nom", "NCangJie.idx", Layout::Nom, &Menunoi::CangJie, TypingMode::CangJieNom,
    {ButtonState::Released, ButtonState::Pressed, ButtonState::Unchanged}, 0,
    u"Thương Hiệt giản chữ Nôm", u"CangJie Nom", false, u"Trạng thái: ", true};
inline constexpr InputMode kPinYinHan{
    u"PinYin Han", "UPinYin.idx", Layout::Han, &Menunoi::PinYin, TypingMode::PinYin,
    {ButtonState::Pressed, ButtonState::Released, ButtonState::Unchanged}, std::nullopt,
    u"PinYin Hán (phải đánh đủ dấu thanh: 1,2,3,4,5)", u"PinYin", false, u"Trạng thái : ", false};

inline constexpr std::array<const InputMode*, 5> kInputModes{
    &kTelexHan, &kTelexNom, &kCangJieHan, &kCangJieNom, &kPinYinHan};

}  // namespace orvik
