// The main window's popup menu. Its check marks show the mode and the output
// code the mode and code actions gave the typing session; a look-up reads
// the mode's dictionaries from them.
#pragma once

#include <cstdint>

#include "lookup/character_page.h"
#include "platform/controls.h"

namespace orvik {

// The command numbers of the menu's items; an item's action receives its
// number, and code that runs an action passes the same number.
namespace menu_number {
inline constexpr std::int16_t kAbout = 1;
inline constexpr std::int16_t kHelp = 2;
inline constexpr std::int16_t kCFont = 3;
inline constexpr std::int16_t kVFont = 4;
inline constexpr std::int16_t kClose = 11;
inline constexpr std::int16_t kConfig = 14;
inline constexpr std::int16_t kCach1 = 100;
inline constexpr std::int16_t kCach2 = 101;
inline constexpr std::int16_t kIMEstate = 10;
inline constexpr std::int16_t kPinYin = 12;
inline constexpr std::int16_t kCangJie = 13;
inline constexpr std::int16_t kTelexH = 30;
inline constexpr std::int16_t kTelexN = 31;
inline constexpr std::int16_t kCangJieH = 32;
inline constexpr std::int16_t kOnlyViet = 21;
inline constexpr std::int16_t kUnicode = 15;
inline constexpr std::int16_t kVW2 = 7;
inline constexpr std::int16_t kTCVN = 8;
inline constexpr std::int16_t kVNI2 = 9;
}  // namespace menu_number

// The items in the menu's order; a caption "-" is a separator.
struct Menunoi {
    MenuItem config{u"&Cấu hình"};
    MenuItem about{u"&Về Việt Orvik 2004"};
    MenuItem Help{u"&Trợ giúp (Help)"};
    MenuItem Cach1{u"-"};
    MenuItem CFont{u"&Chọn Font Orvik"};
    MenuItem VFont{u"&Chọn Font Việt"};
    MenuItem Cach2{u"-"};
    MenuItem TelexH{u"Telex Việt -> &Hán"};
    MenuItem TelexN{u"Telex Việt -> &Nôm"};
    MenuItem CangJieH{u"&Thương Hiệt Hán"};
    MenuItem CangJie{u"Thương Hiệt Nôm"};
    MenuItem PinYin{u"PinYin Han"};
    MenuItem IMEstate{u"IME On/Off"};
    MenuItem Cach3{u"-"};
    MenuItem OnlyViet{u"( Mã xuất tiếng Việt:)"};
    MenuItem Unicode{u"&Unicode"};
    MenuItem VW2{u"&VietWare_X Code"};
    MenuItem TCVN{u"&TCVN3 Code"};
    MenuItem VNI2{u"&VNI_Win Code"};
    MenuItem Cach4{u"-"};
    MenuItem Vietcode{u"Chỉnh sửa phiên âm"};
    MenuItem ImeEdit{u"Chỉnh sửa thâu nhập pháp (IME Editor)"};
    MenuItem FontCreat{u"Đổi font ra hình vẽ"};
    MenuItem Convert{u"Đổi mã (CODE Convertor)"};
    MenuItem Charmap{u"Bản đồ font Unicode  (Character Map)"};
    MenuItem Close{u"Đóng chương trình"};

    // The dictionaries a look-up reads: Han in the Han modes, Nom in the Nom
    // modes.
    ModeScripts LookupScripts() const {
        return {TelexH.Checked || PinYin.Checked || CangJieH.Checked, TelexN.Checked || CangJie.Checked};
    }
};

}  // namespace orvik
