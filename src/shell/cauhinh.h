// The configuration dialog: the seven settings kept between runs (read once
// at start-up by its load, written once at the orderly end), and the choice
// of output code, input mode, the two fonts and the start with the desktop. It is loaded hidden at
// start-up and never unloaded: closing it only hides it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ime/font_size.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

class Application;

// The parts of the desktop the dialog works with.
struct ConfigDialogDesktop {
    UserSettings& settings;  // the seven settings and the autostart entry
    Dialogs& dialogs;
    OwnWindows& windows;
    Files& log;  // a stored value that cannot be used is logged

    // Every role from the one desktop.
    explicit ConfigDialogDesktop(Platform& platform)
        : settings(platform), dialogs(platform), windows(platform), log(platform) {}
};

class CauHinh {
public:
    CauHinh(Application& app, const ConfigDialogDesktop& desktop);

    static constexpr std::u16string_view kCaption = u"Orvik2004 Configuration";
    // The Vietnamese captions are drawn in this TCVN3 font.
    static constexpr std::u16string_view kCaptionFont = u"Tcvnssfont";

    std::u16string Caption{kCaption};
    Label Label1{u"Việt-Orvik-2004"};
    Frame Frame1{u"Cấu hình:"};
    Frame Frame2{u"Mã tiếng Việt:"};
    // The code box holds "Unicode", the code of an empty settings store,
    // until the settings are read.
    ComboBox Combo1{u"Unicode"};  // output code
    Frame Frame3{u"Thâu nhập pháp:"};
    ComboBox Combo2;  // input mode
    Frame Frame4{u"Font tiếng Việt:"};
    Label Label3;  // the pending Vietnamese font: "Arial, 12"
    Frame Frame5{u"Font chữ Orvik:"};
    Label Label4;  // the pending ideograph font: "Chu Nom Minh U, 16"
    // The settings are saved at every orderly end, so the box stays checked
    // and cannot be changed: it states what happens.
    CheckBox Check2{true, false};
    Label Label5{u"Tự động save cấu hình khi thoát"};
    // Start with the desktop: the box as the user sets it, which OK applies,
    // and the choice in force.
    CheckBox Check3;
    Label Label6{u"Tự chạy khi vào desktop (thu nhỏ vào khay)"};
    bool StartWithDesktop = false;
    Button Command4{u"About"};
    Button Command1{u"OK"};
    Button Command2{u"Cancel"};

    // The working copies of the fonts, which OK applies.
    std::u16string DlgNomFontName;
    FontSizeValue DlgNomFontSize;
    std::u16string DlgVnFontName;
    std::int32_t DlgVnFontSize = 0;

    // Load: fills both lists, reads and applies the settings, and takes the
    // working copies of the fonts.
    void Form_Load();
    // Any request to unload the dialog is refused; the close box hides it
    // as Cancel does.
    void Form_QueryUnload(bool& cancel, bool fromUser);

    // Reads the settings store and applies it: the code and mode actions of
    // the main window run for the stored texts.
    void NapCauhinh();
    // Writes the seven settings and the start with the desktop.
    void SaveCauhinh();

    // Leaving the code box proposes the Vietnamese font of its code.
    void Combo1_Validate();
    // The font choosers: the Vietnamese one from Label3 and Frame4, the
    // ideograph one from Label4 and Frame5.
    void Label3_Click();
    void Frame4_Click();
    void Label4_Click();
    void Frame5_Click();
    // OK applies the boxes and the working copies and hides the dialog;
    // Cancel hides it; About shows the about window.
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

    // Shows the dialog, not modal, in the normal window state.
    void Show();

private:
    void ReadFontSettings();
    void ReadStartWithDesktop();
    void ApplyStartWithDesktopBox();
    void ApplyStoredCode();
    void ApplyStoredMode();
    std::u16string ReadSetting(std::u16string_view key, std::u16string_view defaultValue);
    void ReportUnusable(std::u16string_view key, std::u16string_view value, std::u16string_view used);
    void ChooseVietFont();
    void ChooseOrvikFont();
    // Run the code or mode action of a box's text; a text not in the list
    // runs nothing.
    void ApplyCodeBox();
    void ApplyModeBox();
    void ShowFontLabels();

    Application& app_;
    ConfigDialogDesktop desktop_;
};

}  // namespace orvik
