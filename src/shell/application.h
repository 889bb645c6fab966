// The application object: the mode's data, the typing session, the output
// choices, the platform and the windows, each window created on first use
// and existing at most once.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>

#include "ime/candidate_window_host.h"
#include "ime/hvtnp.h"
#include "ime/module1.h"
#include "ime/output_choices.h"
#include "lookup/wpopup.h"
#include "platform/platform.h"
#include "shell/cauhinh.h"
#include "shell/orviku.h"
#include "shell/qxabout.h"

namespace orvik {

// Receives the keyboard hook's keys and the tray icons' presses and routes
// them to the window they are for; answers the candidate window's requests
// to the other windows.
class Application : public CandidateWindowHost, public KeySink, public TraySink {
public:
    explicit Application(Platform& platform);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Platform& platform() { return platform_; }
    Module1& module() { return module_; }
    TypingSession& session() { return session_; }
    OutputChoices& output() { return output_; }

    // The main window, created and loaded on first use.
    OrvikU& MainWindow();
    // The program's own unload of the main window, which ends the process.
    void UnloadMainWindow();
    CauHinh& ConfigDialog();
    // Loads the configuration dialog, which reads and applies the settings.
    void LoadConfigDialog();
    // The dialog refuses to be unloaded; it stays until the process ends.
    // Nothing when it was never loaded.
    void UnloadConfigDialog();
    HVTNP& CandidateWindow();
    bool CandidateWindowLoaded() const { return candidateLoaded_; }
    // Loads the candidate window (created on first use) and runs its load.
    HVTNP& LoadCandidateWindow();
    // Runs the candidate window's unload and drops it.
    void UnloadCandidateWindow();
    // A word ended outside the candidate window (in the main window's box,
    // by the dialog's OK): its box no longer shows the keys.
    void EmptyCandidateBox();
    // The popup, created (its tray icon added) and loaded on first use.
    WPopup& Popup();
    // An unload of the popup, which it turns into hiding; nothing when it
    // was never loaded.
    void UnloadPopup();
    // The about window: loaded when not loaded yet (its count starts), then
    // shown and brought to the front.
    void ShowAboutWindow();
    QXAbout& AboutWindow();
    bool AboutWindowLoaded() const { return aboutLoaded_; }
    // Runs the about window's unload and drops it.
    void UnloadAboutWindow();

    void KeyArrives(std::uint64_t number) override;
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override;
    void KeyGivenBack(std::uint64_t number) override;
    void TrayNotification(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) override;

    bool PopupVisible() override;
    void HidePopup() override;
    void ShowPageInPopup(std::u16string_view address) override;
    // Opens the dictionary page of a character given as hexadecimal code
    // point text (`CharacterPage` in the checked mode), in the popup or in
    // the main window's dictionary browser view; the no-data page when the
    // dictionaries have none. Nothing in no mode.
    void ShowCharPage(std::u16string_view hexCode, PageWhere where) override;
    void TranscribeSelection(bool flag) override;
    // The popup tray icon's right press: the copy it sent is waited for,
    // then transcribed.
    void TranscribeCopiedSelection();
    // Shows in the popup the dictionary page of the first character of the
    // selection copied to the clipboard that has one (`SelectionPage`), or
    // the no-data page when none has. Nothing in no mode.
    void LookupSelection();
    void ShowMainMenu() override;
    std::u16string CodeBoxText() override;
    void CandidateWindowUnloaded() override;

private:
    Platform& platform_;
    Module1 module_;
    TypingSession session_{module_};
    OutputChoices output_;
    std::unique_ptr<OrvikU> mainWindow_;
    std::unique_ptr<CauHinh> configDialog_;
    std::unique_ptr<HVTNP> candidateWindow_;
    std::unique_ptr<WPopup> popup_;
    std::unique_ptr<QXAbout> about_;
    bool mainUnloaded_ = false;
    bool configLoaded_ = false;
    bool candidateLoaded_ = false;
    // The typed keys before each of the last key events of the hook.
    std::deque<std::pair<std::uint64_t, std::u16string>> typedBefore_;
    bool candidateUnloaded_ = false;  // the window object waits to be made anew
    bool aboutLoaded_ = false;
    bool aboutUnloaded_ = false;
};

}  // namespace orvik
