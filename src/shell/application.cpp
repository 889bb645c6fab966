#include "shell/application.h"

#include <algorithm>

#include "engine/text.h"
#include "formats/archive_pages.h"
#include "ime/send_texts.h"
#include "lookup/character_page.h"
#include "lookup/selection_lookup.h"
#include "lookup/transcription.h"

namespace orvik {

namespace {

constexpr std::uint32_t kCopyWaitMs = 100;

}  // namespace

Application::Application(Platform& platform) : platform_(platform), module_(platform, platform) {
    platform_.SetKeySink(this);
    platform_.SetTraySink(this);
}

// A running timer must not call into a window that is gone.
Application::~Application() {
    if (aboutLoaded_) about_->Form_Unload();
    platform_.SetKeySink(nullptr);
    platform_.SetTraySink(nullptr);
}

// The first use of the main window runs its creation, which installs the
// keyboard hook, and its load, which shows it.
OrvikU& Application::MainWindow() {
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<OrvikU>(*this);
        mainWindow_->Form_Initialize();
        mainWindow_->Form_Load();
    }
    return *mainWindow_;
}

// The main window's unload comes at the program's end; its object stays,
// since the other windows read the mode from its menu to the last.
void Application::UnloadMainWindow() {
    if (!mainWindow_ || mainUnloaded_) return;
    bool cancel = false;
    mainWindow_->Form_QueryUnload(cancel, false);
    if (cancel) return;
    mainUnloaded_ = true;
    mainWindow_->Form_Unload();
}

CauHinh& Application::ConfigDialog() {
    if (!configDialog_) configDialog_ = std::make_unique<CauHinh>(*this, ConfigDialogDesktop(platform_));
    return *configDialog_;
}

void Application::LoadConfigDialog() {
    if (configLoaded_) return;
    configLoaded_ = true;
    ConfigDialog().Form_Load();
}

void Application::UnloadConfigDialog() {
    bool cancel = false;
    if (configLoaded_) ConfigDialog().Form_QueryUnload(cancel, false);
}

HVTNP& Application::CandidateWindow() {
    if (!candidateWindow_)
        candidateWindow_ = std::make_unique<HVTNP>(module_, session_, output_, CandidateWindowDesktop(platform_), *this);
    return *candidateWindow_;
}

HVTNP& Application::LoadCandidateWindow() {
    if (candidateUnloaded_) candidateWindow_.reset();
    candidateUnloaded_ = false;
    HVTNP& window = CandidateWindow();
    candidateLoaded_ = true;
    window.Form_Load();
    return window;
}

void Application::UnloadCandidateWindow() {
    if (candidateLoaded_) CandidateWindow().Form_Unload();
}

// The window object stays until the next load makes a fresh one: an unload
// may come from one of its own handlers.
void Application::CandidateWindowUnloaded() {
    candidateLoaded_ = false;
    candidateUnloaded_ = true;
    OrvikU& main = MainWindow();
    main.Menunoi.IMEstate.Checked = false;
    main.tbToolbar[5].Pressed = false;
}

WPopup& Application::Popup() {
    if (!popup_) {
        popup_ = std::make_unique<WPopup>(PopupDesktop(platform_));
        popup_->Form_Initialize();
        popup_->Form_Load();
    }
    return *popup_;
}

void Application::UnloadPopup() {
    bool cancel = false;
    if (popup_) popup_->Form_QueryUnload(cancel);
}

QXAbout& Application::AboutWindow() {
    if (!about_) about_ = std::make_unique<QXAbout>(*this, platform_);
    return *about_;
}

// Opening the window again while it is open does not start its count anew.
void Application::ShowAboutWindow() {
    if (!aboutLoaded_) {
        if (aboutUnloaded_) about_.reset();
        aboutUnloaded_ = false;
        aboutLoaded_ = true;
        AboutWindow().Form_Load();
    }
    platform_.ShowWindow(WindowId::QXAbout);
}

// The unload comes from the window's own timer, so its object stays until
// the next load makes a fresh one.
void Application::UnloadAboutWindow() {
    if (!aboutLoaded_) return;
    AboutWindow().Form_Unload();
    platform_.UnloadWindow(WindowId::QXAbout);
    aboutLoaded_ = false;
    aboutUnloaded_ = true;
}

namespace {

// More keys than the hook ever holds unanswered.
constexpr std::size_t kKeysRemembered = 64;

}  // namespace

void Application::EmptyCandidateBox() {
    if (candidateLoaded_) CandidateWindow().SetText1(u"");
}

void Application::KeyArrives(std::uint64_t number) {
    typedBefore_.emplace_back(number, session_.Keys());
    if (typedBefore_.size() > kKeysRemembered) typedBefore_.pop_front();
}

// The code returns to what it was before that key, and so does every later
// key's handling (the hook gives back the oldest first).
void Application::KeyGivenBack(std::uint64_t number) {
    const auto it = std::find_if(typedBefore_.begin(), typedBefore_.end(),
                                 [number](const auto& entry) { return entry.first == number; });
    if (it == typedBefore_.end()) return;
    session_.SetKeys(it->second);
    typedBefore_.erase(it, typedBefore_.end());
    if (candidateLoaded_) CandidateWindow().ShowTypedCode();
}

void Application::KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) {
    if (window == platform_.HandleOf(WindowId::HVTNP) && candidateLoaded_)
        CandidateWindow().Form_KeyUp(keyCode, shift);
    else if (window == platform_.HandleOf(WindowId::OrvikU))
        MainWindow().Form_KeyUp(keyCode, shift);
}

// The tray reports its presses to a window as mouse moves with the message
// in X, at 96 dots per inch.
void Application::TrayNotification(WindowHandle window, std::uint32_t, std::int32_t mouseMessage) {
    const auto x = static_cast<float>(mouseMessage * kTwipsPerPixelAt96Dpi);
    if (window == platform_.HandleOf(WindowId::OrvikU)) return MainWindow().Form_MouseMove(x);
    if (window != platform_.HandleOf(WindowId::WPopup)) return;
    const WPopup::TrayPress press = Popup().Form_MouseMove(x);
    if (press == WPopup::TrayPress::Right) TranscribeCopiedSelection();
    if (press == WPopup::TrayPress::Left) LookupSelection();
}

bool Application::PopupVisible() { return Popup().Visible(); }

void Application::HidePopup() { Popup().Hide(); }

void Application::ShowPageInPopup(std::u16string_view address) { Popup().ShowPage(address); }

void Application::ShowCharPage(std::u16string_view hexCode, PageWhere where) {
    const std::int32_t codePoint = FieldCodePoint(hexCode);
    const ModeScripts scripts = MainWindow().Menunoi.LookupScripts();
    if (!scripts.Any()) return;
    const std::u16string page =
        CharacterPage(codePoint, scripts, module_).value_or(std::u16string(kNoDataAddress));
    if (where == PageWhere::Popup) return Popup().ShowPage(page);
    MainWindow().NavigateWebBrowser1(page);
}

void Application::TranscribeSelection(bool) {
    const std::u16string rtf = platform_.ClipboardGetText(kClipboardRtf);
    if (rtf.size() > kMaxTranscribedRtf || platform_.ClipboardTextCut()) {
        platform_.MessageBox(kSelectionTooLarge, kMessageCaption);
        return;
    }
    const bool nomDown = MainWindow().tbToolbar[1].Pressed;
    const auto corrections = LoadTonaroPairs(platform_);
    Popup().ShowTranscription(Transcribe(rtf, module_, nomDown, corrections));
}

void Application::TranscribeCopiedSelection() {
    platform_.Sleep(kCopyWaitMs);
    TranscribeSelection(true);
}

// The copy sent by the tray press is given time to reach the clipboard.
void Application::LookupSelection() {
    platform_.Sleep(kCopyWaitMs);
    const std::u16string rtf = platform_.ClipboardGetText(kClipboardRtf);
    const ModeScripts scripts = MainWindow().Menunoi.LookupScripts();
    if (!scripts.Any()) return;
    Popup().ShowLookup(SelectionPage(rtf, scripts, module_).value_or(std::u16string(kNoDataAddress)));
}

void Application::ShowMainMenu() { MainWindow().MoMenu(); }

std::u16string Application::CodeBoxText() { return ConfigDialog().Combo1.Text; }

}  // namespace orvik
