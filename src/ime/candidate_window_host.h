// What the candidate window asks of the rest of the program: the popup, the
// main window's menu and the look-ups. The application implements it, so
// the candidate window needs no knowledge of the other windows.
#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Where a character's dictionary page opens.
enum class PageWhere { Popup, MainWindow };

class CandidateWindowHost {
public:
    virtual ~CandidateWindowHost() = default;

    virtual bool PopupVisible() = 0;
    virtual void HidePopup() = 0;
    // Shows an address in the popup's browser view, its text box hidden.
    virtual void ShowPageInPopup(std::u16string_view address) = 0;
    // The dictionary page of a character (hexadecimal code point), in the
    // popup or in the main window's dictionary browser view.
    virtual void ShowCharPage(std::u16string_view hexCode, PageWhere where) = 0;
    virtual void TranscribeSelection(bool flag) = 0;
    // Shows the main window's menu as a pop-up menu.
    virtual void ShowMainMenu() = 0;
    // The text of the configuration dialog's output-code box ("Unicode",
    // "TCVN3", ...).
    virtual std::u16string CodeBoxText() = 0;
    // The candidate window was unloaded: the input method is off.
    virtual void CandidateWindowUnloaded() = 0;
};

}  // namespace orvik
