// The quick-view popup: a small always-on-top window with a browser view for
// dictionary pages and a text box for transcriptions, which lie over each
// other. Closing it only hides it.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

class WPopup {
public:
    explicit WPopup(Platform& platform);

    static constexpr std::u16string_view kCaption = u"Viet Orvik QuickView";

    std::u16string Caption{kCaption};
    BrowserView WebBrowser1;
    TextBox Text1;
    Button Command1;

    // Creation: adds the popup's tray icon.
    void Form_Initialize();
    void Form_Load();
    // A notification of the tray icon: the selection of the application in
    // the foreground is copied first, whatever the press; answers which
    // press it was, for the look-up (left) or the transcription (right).
    enum class TrayPress { None, Left, Right };
    TrayPress Form_MouseMove(float X);
    // A press on the popup's surface, or a request to close it: hide it.
    void Form_MouseDown();
    void Form_QueryUnload(bool& cancel);

    // Shows `address` in the browser view, the text box hidden.
    void ShowPage(std::u16string_view address);
    // Shows a transcription in the text box over the browser view.
    void ShowTranscription(std::u16string_view text);
    bool Visible();
    void Hide();

private:
    Platform& platform_;
};

}  // namespace orvik
