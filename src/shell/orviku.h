// The main window: the typing box with its candidate list, buttons and
// search, the dictionary browser view, two tool bars, the status bar, the
// open-document panel and the popup menu, whose check marks are the mode,
// input-method and output-code state of the system.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ime/key_answer.h"
#include "ime/menunoi.h"
#include "platform/controls.h"
#include "shell/input_modes.h"
#include "shell/open_document_panel.h"
#include "shell/output_codes.h"

namespace orvik {

class Application;

class OrvikU {
public:
    explicit OrvikU(Application& app);

    static constexpr std::u16string_view kCaption = u"Việt Orvik 2004";
    // The layout rule keeps the window at least this wide, in twips.
    static constexpr int kMinWidth = 8790;

    std::u16string Caption{kCaption};
    orvik::Menunoi Menunoi;
    // The typing box: 8-bit text that reads in its font, the font of the
    // output code.
    TextBox Text1{{}, u"VNtimes new roman", true, u"Đánh mã Phiên âm hay mã Thương hiệt vào ô này ...  "};
    Label lblAddress{u"Mã nhập: "};
    Label Label2;  // the found count of the candidate list
    BrowserView WebBrowser1;  // dictionary pages and opened documents
    BrowserView WebBrowser2;  // the candidate list
    // Paging: 0 ">" next page, 1 "<" previous page.
    std::array<Button, 2> Command1{{{u">", u"Xuỗng mốt dòng"}, {u"<", u"LÊn mốt dòng"}}};
    // Picking: "1" to "9" for the first nine candidates of the page, "0" for
    // the tenth.
    std::array<Button, 10> Command2;
    // The character pickers of the dictionary browser.
    Frame Frame5{u"Chọn chữ:"};
    Label Label1{u"dxx→udx"};  // runs the index conversion
    PictureBox Picture3;
    // The tool bars as designed, which their views are built from before
    // the window is loaded.
    inline static const Toolbar kToolbar1Design{
        {{u"Back"}, {u"Next"}, {u"VanHoc"}, {u"TraChu"}, {u"PhienAm"}, {u"Ref"}, {u"Quit"}}, {}};
    inline static const Toolbar kTbToolbarDesign{
        {{u"Han"}, {u"Nom"}, {u"Viet"}, {u"Bothu"}, {u"Xem"}, {u"IME"}, {u"Help"}, {u"Menuchinh"}, {u"Quit"}}, {}};
    Toolbar Toolbar1 = kToolbar1Design;
    // Button k (from 1) is position k - 1; "Han" and "Nom" are the script
    // buttons, "IME" mirrors the input-method state.
    Toolbar tbToolbar = kTbToolbarDesign;
    StatusBar StatusBar1;
    PictureBox Picture1;  // kept at the right edge
    OpenDocumentPanel Picture2;
    std::u16string CodeLabel;  // the output code's label for the status bar

    enum class State { Normal, Minimized, Maximized };
    // The view reports the window's state here as it changes.
    State WindowState = State::Normal;

    // The window's outer width and inner size in twips, which the view sets
    // before each Form_Resize, and the places the layout rule keeps.
    int Width = 9600;
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    TwipRect WebBrowser1Rect{50, 2280, 9400, 4200};
    int Picture1Left = 7450;

    // Creation: the tray icon, the keyboard hook library told the main
    // window, its hook procedure located and installed, the dictionaries
    // renamed to ".chm".
    void Form_Initialize();
    // Load: shows the window with the start page, the focus in the typing
    // box.
    void Form_Load();
    // A request to unload the window: the user's (close box, logout) asks
    // whether to end the program; the program's own removes the tray icon.
    void Form_QueryUnload(bool& cancel, bool fromUser);
    // Unload: removes the hook, frees the library, unloads the other windows,
    // releases the system font and ends the process.
    void Form_Unload();
    // Key releases of the window (it sees its controls' keys first), among
    // them the command codes the keyboard hook reports for its chords.
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);
    // The main tray icon's notifications: the mouse message times the
    // screen's twips per pixel, in X.
    void Form_MouseMove(float X);
    // The layout rule, after the view has set Width, ScaleWidth and
    // ScaleHeight; the view then applies Width and the places.
    void Form_Resize();
    // The tool bar's tip follows the button under the mouse.
    void tbToolbar_MouseMove(float X, float buttonWidth);
    // Toolbar1's tip follows the button under the mouse; over "TraChu" and
    // "PhienAm" every move also copies the selection of the application in
    // the foreground, so it is on the clipboard when the button is pressed.
    void Toolbar1_MouseMove(float X, float buttonWidth);

    // A tool-bar button pressed, by its key: Toolbar1 drives WebBrowser1
    // and the look-ups of a selection, tbToolbar the dictionaries and the
    // program.
    void Toolbar1_ButtonClick(std::u16string_view key);
    void tbToolbar_ButtonClick(std::u16string_view key);
    // The character pickers of Frame5. Picture3 copies the character
    // selected in WebBrowser1 as the plain text "&#" + decimal + ";";
    // Label1 converts ncangjie.dxx into ncangjie.udx with machuan.txt.
    void Picture3_Click();
    void Label1_Click();

    // The typing box's keys.
    void Text1_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void Text1_KeyPress(std::int16_t& KeyAscii);
    void Text1_KeyUp(std::int16_t KeyCode, std::int16_t Shift);

    // Switches the input method on (the candidate window takes the hook's
    // keys) or off; the command number (10) is not used.
    void IMEstate_Click(std::int16_t index);

    // Mode actions; the command number (30, 31, 32, 13, 12) is not used.
    void TelexH_Click(std::int16_t index);
    void TelexN_Click(std::int16_t index);
    void CangJieH_Click(std::int16_t index);
    void CangJie_Click(std::int16_t index);
    void PINYIN_Click(std::int16_t index);

    // Output-code actions; the command number (15, 8, 9, 7) is not used.
    void Unicode_Click(std::int16_t index);
    void TCVN_Click(std::int16_t index);
    void VNI2_Click(std::int16_t index);
    void VW2_Click(std::int16_t index);
    void OnlyViet_Click(std::int16_t index);

    // The other items of the menu.
    void config_Click(std::int16_t index);
    void about_Click(std::int16_t index);
    void Help_Click(std::int16_t index);
    void CFont_Click(std::int16_t index);
    void VFont_Click(std::int16_t index);
    // The tool bar's "Quit": asks whether to end the program, then ends it
    // in order.
    void tbToolbar_Quit();
    // The orderly end: removes the popup's tray icon, saves the settings,
    // deletes the page file, unloads the main window and ends the process.
    void Close_Click(std::int16_t index);
    void Vietcode_Click();
    void ImeEdit_Click();
    void FontCreat_Click();
    void Convert_Click();
    void Charmap_Click();
    // Shows the popup menu Menunoi at the mouse.
    void MoMenu();

    // The candidate list's buttons.
    void Command1_Click(std::int16_t Index);
    void Command2_Click(std::int16_t Index);

    // The open-document panel: shown by the tool bar's "Xem" button with the
    // address "http://" and the focus in its address box.
    void ShowPicture2();
    void Combo1_KeyPress(std::int16_t& KeyAscii);
    void Command3_Click();
    void Command4_Click();
    void File1_DblClick();
    void Drive1_Change();
    void Dir1_Change();

    // Lists the candidates of the session's code in WebBrowser2, with their
    // count.
    void ShowMainCandidates();
    void MainShowPage(std::u16string_view fragment);
    // Opens an address in the dictionary browser view.
    void NavigateWebBrowser1(std::u16string_view address);

private:
    // The closing question; true when the user answers OK.
    bool AskToClose();
    // The script buttons' actions and the Vietnamese dictionary's look-up
    // of the typed word.
    void ShowHanPage();
    void ShowNomPage();
    void ShowVietPage();
    // After a script switch: the typed keys searched again in the new mode,
    // and the code point of the dictionary page on display.
    std::optional<std::int32_t> SearchAgainAndReadPage();
    void RunModeAction(const InputMode& mode);
    void RunCodeAction(const OutputCodeAction& code);
    void NextMode();
    // After a Telex mode is chosen by its command code: the box shows the
    // typed keys composed anew, and the candidate window searches again.
    void ComposeBoxAgain();
    void CopyThenWait();
    void CopyForLookup();
    void ClearMainCandidates();
    void SetButtons(const InputMode& mode, int count);
    std::int16_t LetterTableInForce(std::int16_t modeTable) const;
    void CheckMode(const InputMode& mode);
    void ShowModeStatus(const InputMode& mode);
    void Minimize();
    void Maximize();
    void RunProgram(std::u16string_view commandLine);

    // Writes the typing box and puts the caret after its last character.
    void WriteText1(std::u16string text);
    void CarryOut(const KeyAnswer& answer);
    void CommitWord(std::u16string_view word);
    void ClearBox();

    Application& app_;
    bool closing_ = false;
    // The words committed in the typing box; the session's word follows.
    std::u16string committedText_;
};

}  // namespace orvik
