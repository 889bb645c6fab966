#include "lookup/wpopup.h"

namespace orvik {

WPopup::WPopup(Platform& platform) : platform_(platform) { Text1.Visible = false; }

namespace {

constexpr std::u16string_view kTrayTip = u"Left Mouse = Tra chu, Right Mouse = Phien am";

}  // namespace

void WPopup::Form_Initialize() { platform_.Shell_NotifyIconA(kNimAdd, WindowTrayIconRecord(platform_, WindowId::WPopup, kTrayTip)); }

WPopup::TrayPress WPopup::Form_MouseMove(float X) {
    SendCopyKeys(platform_);
    if (IsTrayMessage(X, kWmRButtonDown)) return TrayPress::Right;
    if (IsTrayMessage(X, kWmLButtonDown)) return TrayPress::Left;
    return TrayPress::None;
}

void WPopup::Form_Load() {
    platform_.SetTopmost(WindowId::WPopup);
    WebBrowser1.Address = u"about:blank";
    platform_.Navigate("WPopup.WebBrowser1", WebBrowser1.Address);
}

void WPopup::Form_MouseDown() { Hide(); }

void WPopup::Form_QueryUnload(bool& cancel) {
    cancel = true;
    Hide();
}

void WPopup::ShowPage(std::u16string_view address) {
    if (!Visible()) platform_.ShowWindow(WindowId::WPopup);
    Text1.Visible = false;
    WebBrowser1.Address = std::u16string(address);
    platform_.Navigate("WPopup.WebBrowser1", address);
}

void WPopup::ShowTranscription(std::u16string_view text) {
    platform_.SetTopmost(WindowId::WPopup);
    Text1.Visible = true;
    Text1.Text = std::u16string(text);
    platform_.ShowWindow(WindowId::WPopup);
}

bool WPopup::Visible() { return platform_.WindowVisible(WindowId::WPopup); }

void WPopup::Hide() { platform_.HideWindow(WindowId::WPopup); }

}  // namespace orvik
