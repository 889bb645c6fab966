#include "shell/cauhinh.h"

#include "engine/text.h"
#include "shell/application.h"
#include "shell/autostart.h"
#include "shell/font_texts.h"
#include "shell/settings_values.h"

namespace orvik {

namespace {

constexpr std::u16string_view kSettingsApp = u"VietOrvikU2004";
constexpr std::u16string_view kSettingsSection = u"Settings";

constexpr std::u16string_view kPresentIme = u"Present IME";
constexpr std::u16string_view kVnCode = u"VN Code";
constexpr std::u16string_view kNomFontNameKey = u"Nom Font Name";
constexpr std::u16string_view kNomFontSizeKey = u"Nom Font Size";
constexpr std::u16string_view kVnFontNameKey = u"VN Font Name";
constexpr std::u16string_view kVnFontSizeKey = u"VN Font Size";
constexpr std::u16string_view kSystem98Key = u"System 98";

constexpr std::u16string_view kDefaultMode = u"Telex->Han";
constexpr std::u16string_view kDefaultCode = u"Unicode";
constexpr std::u16string_view kDefaultNomFontSize = u"16";
constexpr std::u16string_view kDefaultVnFontName = u"Arial";
constexpr std::u16string_view kDefaultVnFontSize = u"12";
constexpr std::u16string_view kDefaultSystem98 = u"True";

// The code box's list in its order: the action each code runs, and the
// Vietnamese font the code proposes.
struct CodeEntry {
    std::u16string_view code;
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;
    std::u16string_view fontName;
};
constexpr CodeEntry kCodeEntries[] = {
    {u"Unicode", &OrvikU::Unicode_Click, menu_number::kUnicode, u"Arial"},
    {u"VietWare-X", &OrvikU::VW2_Click, menu_number::kVW2, u"VNtimes new roman"},
    {u"VNI-WIN", &OrvikU::VNI2_Click, menu_number::kVNI2, u"VNI-Times"},
    {u"TCVN3", &OrvikU::TCVN_Click, menu_number::kTCVN, u".VnTime"},
};
constexpr std::int32_t kProposedVnFontSize = 12;

// The input-mode box's list in its order; the two VNI entries select no
// mode.
struct ModeEntry {
    std::u16string_view mode;
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;
};
constexpr ModeEntry kModeEntries[] = {
    {u"Telex->Han", &OrvikU::TelexH_Click, menu_number::kTelexH},
    {u"Telex->Nom", &OrvikU::TelexN_Click, menu_number::kTelexN},
    {u"VNI->Han", nullptr, 0},
    {u"VNI->Nom", nullptr, 0},
    {u"S-CangJie Han", &OrvikU::CangJieH_Click, menu_number::kCangJieH},
    {u"S-CangJie Nom", &OrvikU::CangJie_Click, menu_number::kCangJie},
    {u"PinYin Han", &OrvikU::PINYIN_Click, menu_number::kPinYin},
};

// The comparisons are exact and case-sensitive.
template <typename Entry, std::size_t N>
const Entry* FindEntry(const Entry (&entries)[N], std::u16string_view Entry::*name, std::u16string_view text) {
    for (const Entry& entry : entries)
        if (entry.*name == text) return &entry;
    return nullptr;
}

const CodeEntry* FindCode(std::u16string_view text) { return FindEntry(kCodeEntries, &CodeEntry::code, text); }
const ModeEntry* FindMode(std::u16string_view text) { return FindEntry(kModeEntries, &ModeEntry::mode, text); }

}  // namespace

CauHinh::CauHinh(Application& app, const ConfigDialogDesktop& desktop) : app_(app), desktop_(desktop) {}

void CauHinh::Form_Load() {
    for (const CodeEntry& entry : kCodeEntries) Combo1.List.emplace_back(entry.code);
    for (const ModeEntry& entry : kModeEntries) Combo2.List.emplace_back(entry.mode);
    NapCauhinh();
    const OutputChoices& output = app_.output();
    DlgNomFontName = output.NomFontName;
    DlgNomFontSize = output.NomFontSize;
    DlgVnFontName = output.VnFontName;
    DlgVnFontSize = output.VnFontSize;
    ShowFontLabels();
}

void CauHinh::Form_QueryUnload(bool& cancel, bool fromUser) {
    cancel = true;
    if (fromUser) Command2_Click();
}

void CauHinh::NapCauhinh() {
    Combo2.Text = ReadSetting(kPresentIme, kDefaultMode);
    Combo1.Text = ReadSetting(kVnCode, kDefaultCode);
    ReadFontSettings();
    ReadStartWithDesktop();
    ApplyStoredCode();
    ApplyStoredMode();
}

// A stored value that cannot be used is replaced by its default and named on
// the log; the store itself is left as it is until the orderly end.
void CauHinh::ReadFontSettings() {
    OutputChoices& output = app_.output();
    output.NomFontName = ReadSetting(kNomFontNameKey, kOrvikFontName);
    const std::u16string nomSize = ReadSetting(kNomFontSizeKey, kDefaultNomFontSize);
    const auto nomPoints = FontSizeValue::FromText(nomSize);
    if (!nomPoints) ReportUnusable(kNomFontSizeKey, nomSize, kDefaultNomFontSize);
    output.NomFontSize = nomPoints.value_or(FontSizeValue());
    output.VnFontName = ReadSetting(kVnFontNameKey, kDefaultVnFontName);
    const std::u16string vnSize = ReadSetting(kVnFontSizeKey, kDefaultVnFontSize);
    const auto vnPoints = ReadVnFontSize(vnSize);
    if (!vnPoints) ReportUnusable(kVnFontSizeKey, vnSize, kDefaultVnFontSize);
    output.VnFontSize = vnPoints.value_or(kProposedVnFontSize);
    const std::u16string system98 = ReadSetting(kSystem98Key, kDefaultSystem98);
    const auto system98Value = ReadBoolean(system98);
    if (!system98Value) ReportUnusable(kSystem98Key, system98, kDefaultSystem98);
    output.System98 = system98Value.value_or(true);
}

void CauHinh::ReadStartWithDesktop() {
    const std::u16string stored = ReadSetting(kStartWithDesktopKey, kStartWithDesktopDefault);
    const auto value = ReadBoolean(stored);
    if (!value) ReportUnusable(kStartWithDesktopKey, stored, kStartWithDesktopDefault);
    StartWithDesktop = value.value_or(false);
    Check3.Value = StartWithDesktop;
}

// A code not in the list falls back to Unicode, so one code is always in
// force. The code action sets the Vietnamese font of its code; the font the
// user chose and stored is the one kept.
void CauHinh::ApplyStoredCode() {
    OutputChoices& output = app_.output();
    const std::u16string vnFontName = output.VnFontName;
    const int vnFontSize = output.VnFontSize;
    if (!FindCode(Combo1.Text)) {
        ReportUnusable(kVnCode, Combo1.Text, kDefaultCode);
        Combo1.Text = kDefaultCode;
    }
    ApplyCodeBox();
    output.VnFontName = vnFontName;
    output.VnFontSize = vnFontSize;
}

// A mode not in the list selects Telex->Han; the VNI entries select none.
void CauHinh::ApplyStoredMode() {
    if (FindMode(Combo2.Text)) return ApplyModeBox();
    ReportUnusable(kPresentIme, Combo2.Text, kDefaultMode);
    app_.MainWindow().TelexH_Click(menu_number::kTelexH);
}

std::u16string CauHinh::ReadSetting(std::u16string_view key, std::u16string_view defaultValue) {
    return desktop_.settings.GetSetting(kSettingsApp, kSettingsSection, key, defaultValue);
}

namespace {

// A value read from the file as the log can show it: control characters (a
// NUL among them) as \xNN, never raw onto the terminal.
std::string Printable(std::u16string_view text) {
    std::u16string shown;
    for (const char16_t c : text) {
        if (c >= 0x20 && c != 0x7F) {
            shown += c;
            continue;
        }
        static constexpr char16_t kHex[] = u"0123456789ABCDEF";
        shown += {u'\\', u'x', kHex[c >> 4 & 0xF], kHex[c & 0xF]};
    }
    return U16ToUtf8(shown);
}

}  // namespace

void CauHinh::ReportUnusable(std::u16string_view key, std::u16string_view value, std::u16string_view used) {
    desktop_.log.LogLine("the setting \"" + Printable(key) + "\" = \"" + Printable(value) +
                         "\" cannot be used; using " + Printable(used));
}

void CauHinh::SaveCauhinh() {
    const OutputChoices& output = app_.output();
    const auto write = [&](std::u16string_view key, std::u16string_view value) {
        desktop_.settings.SaveSetting(kSettingsApp, kSettingsSection, key, value);
    };
    write(kPresentIme, Combo2.Text);
    write(kVnCode, Combo1.Text);
    write(kNomFontNameKey, output.NomFontName);
    write(kNomFontSizeKey, output.NomFontSize.Text());
    write(kVnFontNameKey, output.VnFontName);
    write(kVnFontSizeKey, DecimalText(output.VnFontSize));
    write(kSystem98Key, output.System98 ? u"True" : u"False");
    write(kStartWithDesktopKey, StartWithDesktop ? u"True" : u"False");
}

void CauHinh::Combo1_Validate() {
    const CodeEntry* proposal = FindCode(Combo1.Text);
    if (!proposal) return;
    DlgVnFontName = proposal->fontName;
    DlgVnFontSize = kProposedVnFontSize;
    ShowFontLabels();
}

void CauHinh::Label3_Click() { ChooseVietFont(); }
void CauHinh::Frame4_Click() { ChooseVietFont(); }
void CauHinh::Label4_Click() { ChooseOrvikFont(); }
void CauHinh::Frame5_Click() { ChooseOrvikFont(); }

// The chooser starts from the font in force, not from the pending one.
void CauHinh::ChooseVietFont() {
    const OutputChoices& output = app_.output();
    const FontChoice chosen =
        desktop_.dialogs.ShowFontDialog(kVietFontTitle, {output.VnFontName, static_cast<float>(output.VnFontSize)});
    DlgVnFontName = chosen.FontName;
    DlgVnFontSize = WholeVietFontSize(chosen.FontSize);
    ShowFontLabels();
    desktop_.dialogs.MessageBox(kVietFontMessage, kMessageCaption);
}

void CauHinh::ChooseOrvikFont() {
    const OutputChoices& output = app_.output();
    const FontChoice chosen =
        desktop_.dialogs.ShowFontDialog(kOrvikFontTitle, {output.NomFontName, output.NomFontSize.Points()});
    DlgNomFontName = chosen.FontName;
    DlgNomFontSize = FontSizeValue(chosen.FontSize);
    ShowFontLabels();
    desktop_.dialogs.MessageBox(kOrvikFontMessage, kMessageCaption);
}

// The fonts come after the code action, so a font chosen here replaces the
// default font of the code.
void CauHinh::Command1_Click() {
    OutputChoices& output = app_.output();
    app_.session().SetKeys({});
    app_.EmptyCandidateBox();
    ApplyCodeBox();
    ApplyModeBox();
    output.NomFontName = DlgNomFontName;
    output.NomFontSize = DlgNomFontSize;
    output.VnFontName = DlgVnFontName;
    output.VnFontSize = static_cast<std::int16_t>(DlgVnFontSize);
    ApplyStartWithDesktopBox();
    desktop_.windows.HideWindow(WindowId::CauHinh);
}

// The entry is touched only when the choice changes; a refused change
// leaves the box showing the choice in force.
void CauHinh::ApplyStartWithDesktopBox() {
    if (Check3.Value == StartWithDesktop) return;
    if (ApplyStartWithDesktop(desktop_.settings, desktop_.dialogs, Check3.Value)) StartWithDesktop = Check3.Value;
    else Check3.Value = StartWithDesktop;
}

// The boxes and the working copies keep what the user changed.
void CauHinh::Command2_Click() { desktop_.windows.HideWindow(WindowId::CauHinh); }

void CauHinh::Command4_Click() { app_.ShowAboutWindow(); }

void CauHinh::Show() {
    desktop_.windows.ShowWindow(WindowId::CauHinh);
    desktop_.windows.RestoreWindow(WindowId::CauHinh);
}

void CauHinh::ApplyCodeBox() {
    if (const CodeEntry* entry = FindCode(Combo1.Text)) (app_.MainWindow().*(entry->action))(entry->number);
}

void CauHinh::ApplyModeBox() {
    const ModeEntry* entry = FindMode(Combo2.Text);
    if (entry && entry->action) (app_.MainWindow().*(entry->action))(entry->number);
}

void CauHinh::ShowFontLabels() {
    Label3.Caption = DlgVnFontName + u", " + DecimalText(DlgVnFontSize);
    Label4.Caption = DlgNomFontName + u", " + DlgNomFontSize.Text();
}

}  // namespace orvik
