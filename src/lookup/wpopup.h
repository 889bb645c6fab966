// The quick-view popup: a small always-on-top window with a browser view for
// dictionary pages and a text box for transcriptions, which lie over each
// other. Closing it only hides it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/clip_store.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

// The places of the popup's controls in its client area, in twips; the
// sizes of the views and the button's place follow each resize.
struct PopupLayout {
    TwipRect WebBrowser1{15, 15, 0, 0};
    TwipRect Text1{15, 15, 0, 0};
    TwipRect Command1{0, 0, 600, 400};
};

// The parts of the desktop the popup works with.
struct PopupDesktop {
    OwnWindows& windows;
    PageViews& views;
    Tray& tray;
    ApplicationKeys& application;  // the copy a tray press sends
    Files& files;                  // the clip database's folder
    EventLoop& loop;               // pending events between spoken words
    Dialogs& dialogs;
    Sound& sound;

    // Every role from the one desktop.
    explicit PopupDesktop(Platform& platform)
        : windows(platform), views(platform), tray(platform), application(platform), files(platform),
          loop(platform), dialogs(platform), sound(platform) {}
};

class WPopup {
public:
    explicit WPopup(const PopupDesktop& desktop);

    static constexpr std::u16string_view kCaption = u"Viet Orvik QuickView";
    // The hidden images whose pictures Command1 takes: idle, and reading.
    static constexpr std::u16string_view kImage1 = u"Image1";
    static constexpr std::u16string_view kImage2 = u"Image2";

    std::u16string Caption{kCaption};
    BrowserView WebBrowser1;
    TextBox Text1;
    Button Command1{.Picture = std::u16string(kImage1)};
    PopupLayout Layout;

    // The read-aloud: whether none runs, the positions of the spaces before
    // and after the word being read (0 before the first word), and the clip
    // database while it runs. Positions are 32-bit so that a transcription
    // longer than 32767 characters is read to its end.
    bool ReaderIdle = true;
    std::int32_t WordStart = 0;
    std::int32_t WordEnd = 0;
    std::optional<ClipStore> SpeechClips;

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
    // Shows the page a look-up of the selection found, the popup sized for a
    // dictionary page and kept above other windows.
    void ShowLookup(std::u16string_view address);
    // Places the controls in a client area of W x H twips: the views fill it
    // but for a margin, the button sits in its lower right corner; no size
    // goes below zero however small the popup is made.
    void Form_Resize(std::int32_t W, std::int32_t H);
    // Shows a transcription in the text box over the browser view.
    void ShowTranscription(std::u16string_view text);
    bool Visible();
    void Hide();

    // Starts reading the transcription aloud, or stops the reading that
    // runs once its current clip has been played.
    void Command1_Click();
    // Reads `t` aloud word by word, each word selected in Text1 while its
    // clip plays; pending events run between words.
    void Docchuoi(std::u16string t);

private:
    // Plays the clips of one word's pieces (`SpokenPieces`) in order; false,
    // after one message, when the read-aloud cannot go on.
    bool SpeakPieces(const std::vector<std::u16string>& pieces);
    // Plays the clip of one piece.
    bool SpeakWord(std::u16string_view word);
    // The state after a read-aloud: idle, the cursor after the text.
    void EndReadAloud();

    PopupDesktop desktop_;
};

}  // namespace orvik
