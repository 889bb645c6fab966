#include "lookup/wpopup.h"

namespace orvik {

WPopup::WPopup(Platform& platform) : platform_(platform) { Text1.Visible = false; }

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
