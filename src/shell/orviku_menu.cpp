// The popup menu's items and the actions of those that are not modes or
// output codes: the configuration dialog, the about window, the help, the
// side tools and the end of the program.
#include "shell/application.h"
#include "shell/menunoi_items.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

// A side tool that cannot be started is named in a message.
constexpr std::u16string_view kCannotStart = u"Không chạy được chương trình ";

}  // namespace

const std::array<MenunoiItem, kMenunoiItemCount>& MenunoiItems() {
    using namespace menu_number;
    static constexpr std::array<MenunoiItem, kMenunoiItemCount> kItems{{
        {&Menunoi::config, kConfig, false, [](OrvikU& w) { w.config_Click(kConfig); }},
        {&Menunoi::about, kAbout, false, [](OrvikU& w) { w.about_Click(kAbout); }},
        {&Menunoi::Help, kHelp, false, [](OrvikU& w) { w.Help_Click(kHelp); }},
        {&Menunoi::Cach1, kCach1, false, nullptr},
        {&Menunoi::CFont, kCFont, false, [](OrvikU& w) { w.CFont_Click(kCFont); }},
        {&Menunoi::VFont, kVFont, false, [](OrvikU& w) { w.VFont_Click(kVFont); }},
        {&Menunoi::Cach2, kCach2, false, nullptr},
        {&Menunoi::TelexH, kTelexH, true, [](OrvikU& w) { w.TelexH_Click(kTelexH); }},
        {&Menunoi::TelexN, kTelexN, true, [](OrvikU& w) { w.TelexN_Click(kTelexN); }},
        {&Menunoi::CangJieH, kCangJieH, true, [](OrvikU& w) { w.CangJieH_Click(kCangJieH); }},
        {&Menunoi::CangJie, kCangJie, true, [](OrvikU& w) { w.CangJie_Click(kCangJie); }},
        {&Menunoi::PinYin, kPinYin, true, [](OrvikU& w) { w.PINYIN_Click(kPinYin); }},
        {&Menunoi::IMEstate, kIMEstate, true, [](OrvikU& w) { w.IMEstate_Click(kIMEstate); }},
        {&Menunoi::Cach3, std::nullopt, false, nullptr},
        {&Menunoi::OnlyViet, kOnlyViet, true, [](OrvikU& w) { w.OnlyViet_Click(kOnlyViet); }},
        {&Menunoi::Unicode, kUnicode, true, [](OrvikU& w) { w.Unicode_Click(kUnicode); }},
        {&Menunoi::VW2, kVW2, true, [](OrvikU& w) { w.VW2_Click(kVW2); }},
        {&Menunoi::TCVN, kTCVN, true, [](OrvikU& w) { w.TCVN_Click(kTCVN); }},
        {&Menunoi::VNI2, kVNI2, true, [](OrvikU& w) { w.VNI2_Click(kVNI2); }},
        {&Menunoi::Cach4, std::nullopt, false, nullptr},
        {&Menunoi::Vietcode, std::nullopt, false, [](OrvikU& w) { w.Vietcode_Click(); }},
        {&Menunoi::ImeEdit, std::nullopt, false, [](OrvikU& w) { w.ImeEdit_Click(); }},
        {&Menunoi::FontCreat, std::nullopt, false, [](OrvikU& w) { w.FontCreat_Click(); }},
        {&Menunoi::Convert, std::nullopt, false, [](OrvikU& w) { w.Convert_Click(); }},
        {&Menunoi::Charmap, std::nullopt, false, [](OrvikU& w) { w.Charmap_Click(); }},
        {&Menunoi::Close, kClose, false, [](OrvikU& w) { w.Close_Click(kClose); }},
    }};
    return kItems;
}

// The dialog takes the user's attention from the main window.
void OrvikU::config_Click(std::int16_t) {
    Minimize();
    app_.ConfigDialog().Show();
}

void OrvikU::about_Click(std::int16_t) { app_.ShowAboutWindow(); }

void OrvikU::Help_Click(std::int16_t) { RunProgram(u"hh.exe orvhelp.chm"); }

void OrvikU::Vietcode_Click() { RunProgram(u"Tonaro.exe"); }
void OrvikU::ImeEdit_Click() { RunProgram(u"KeyTabEd.exe"); }
void OrvikU::FontCreat_Click() { RunProgram(u"glyphmk.exe"); }
void OrvikU::Charmap_Click() { RunProgram(u"Charmap.exe"); }

void OrvikU::Convert_Click() {
    Minimize();
    RunProgram(u"Recoder.exe");
}

void OrvikU::RunProgram(std::u16string_view commandLine) {
    Platform& platform = app_.platform();
    if (!platform.StartProgram(commandLine))
        platform.MessageBox(std::u16string(kCannotStart) + std::u16string(commandLine), kMessageCaption);
}

}  // namespace orvik
