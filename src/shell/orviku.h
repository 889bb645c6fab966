// The main window: its menu (whose check marks are the mode state), tool
// bar, status bar and candidate list, with the mode actions and the
// candidate search of its typing box.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ime/menunoi.h"
#include "platform/controls.h"
#include "shell/input_modes.h"

namespace orvik {

class Application;

class OrvikU {
public:
    explicit OrvikU(Application& app);

    orvik::Menunoi Menunoi;
    TextBox Text1;  // the typing box
    // Buttons Han, Nom, Viet, Bothu, Xem, IME, Help, Menuchinh, Quit:
    // button number k (from 1) is slot k - 1.
    std::array<ToolbarButton, 9> tbToolbar;
    StatusBar StatusBar1;
    Label Label2;  // the found count of the candidate list
    BrowserView WebBrowser2;
    std::u16string CodeLabel;  // the output code's label for the status bar

    enum class State { Normal, Minimized, Maximized };
    State WindowState = State::Normal;

    // Creation: tells the keyboard hook library the main window, locates
    // its hook procedure and installs the hook.
    void Form_Initialize();
    // Unload: removes the hook, frees the library and unloads the candidate
    // window.
    void Form_Unload();
    // Key events of the window, among them the command codes the keyboard
    // hook reports for its chords.
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);

    // Switches the input method on (the candidate window takes the hook's
    // keys) or off; the command number (10) is not used.
    void IMEstate_Click(std::int16_t index);

    // Mode actions; the command number (30, 31, 32, 13, 12) is not used.
    void TelexH_Click(std::int16_t index);
    void TelexN_Click(std::int16_t index);
    void CangJieH_Click(std::int16_t index);
    void CangJie_Click(std::int16_t index);
    void PINYIN_Click(std::int16_t index);

    // The candidate search of the typing box, listed in WebBrowser2.
    std::u16string MainFindChars(std::u16string_view code);
    void MainListChars(std::u16string line);
    void MainShowPage(std::u16string_view fragment);

private:
    void RunModeAction(const InputMode& mode);
    void NextMode();
    // After a Telex mode is chosen by its command code: the box shows the
    // typed keys composed anew, and the candidate window searches again.
    void ComposeBoxAgain();
    void CopyThenWait();
    void SetButtons(const InputMode& mode, int count);
    void CheckMode(const InputMode& mode);
    void ShowModeStatus(const InputMode& mode);

    Application& app_;
};

}  // namespace orvik
