#include "lookup/wpopup.h"

#include <algorithm>

namespace orvik {

WPopup::WPopup(const PopupDesktop& desktop) : desktop_(desktop) { Text1.Visible = false; }

namespace {

constexpr std::u16string_view kTrayTip = u"Left Mouse = Tra chu, Right Mouse = Phien am";

// In twips.
constexpr std::int32_t kLookupHeight = 4600;
constexpr std::int32_t kMargin = 30;
constexpr std::int32_t kButtonFromBottom = 580, kButtonFromRight = 800;

}  // namespace

void WPopup::Form_Initialize() { desktop_.tray.Shell_NotifyIconA(kNimAdd, WindowTrayIconRecord(desktop_.windows, desktop_.tray, WindowId::WPopup, kTrayTip)); }

WPopup::TrayPress WPopup::Form_MouseMove(float X) {
    SendCopyKeys(desktop_.application);
    if (IsTrayMessage(X, kWmRButtonDown)) return TrayPress::Right;
    if (IsTrayMessage(X, kWmLButtonDown)) return TrayPress::Left;
    return TrayPress::None;
}

void WPopup::Form_Load() {
    desktop_.windows.SetTopmost(WindowId::WPopup);
    WebBrowser1.Address = u"about:blank";
    desktop_.views.Navigate("WPopup.WebBrowser1", WebBrowser1.Address);
}

void WPopup::Form_MouseDown() { Hide(); }

void WPopup::Form_QueryUnload(bool& cancel) {
    cancel = true;
    Hide();
}

void WPopup::ShowPage(std::u16string_view address) {
    if (!Visible()) desktop_.windows.ShowWindow(WindowId::WPopup);
    Text1.Visible = false;
    WebBrowser1.Address = std::u16string(address);
    desktop_.views.Navigate("WPopup.WebBrowser1", address);
}

void WPopup::ShowLookup(std::u16string_view address) {
    ShowPage(address);
    desktop_.windows.SetWindowHeight(WindowId::WPopup, kLookupHeight);
    desktop_.windows.SetTopmost(WindowId::WPopup);
}

void WPopup::Form_Resize(std::int32_t W, std::int32_t H) {
    const auto fill = [&](TwipRect& rect) {
        rect.Width = std::max(0, W - kMargin);
        rect.Height = std::max(0, H - rect.Top - kMargin);
    };
    fill(Layout.WebBrowser1);
    fill(Layout.Text1);
    Layout.Command1.Top = std::max(0, H - kButtonFromBottom);
    Layout.Command1.Left = std::max(0, W - kButtonFromRight);
}

void WPopup::ShowTranscription(std::u16string_view text) {
    desktop_.windows.SetTopmost(WindowId::WPopup);
    Text1.Visible = true;
    Text1.Text = std::u16string(text);
    desktop_.windows.ShowWindow(WindowId::WPopup);
}

bool WPopup::Visible() { return desktop_.windows.WindowVisible(WindowId::WPopup); }

void WPopup::Hide() { desktop_.windows.HideWindow(WindowId::WPopup); }

}  // namespace orvik
