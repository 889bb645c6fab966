// The main window as a desktop window: the notifications of its tray icon,
// its layout on resize and the tips of its tool bars.
#include <array>
#include <cmath>
#include <optional>

#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

// The layout rule's margins, in twips: the browser view keeps 100 to the
// right and 410 above the bottom; Picture1 stands 2150 from the right edge.
constexpr int kBrowserWidthMargin = 100;
constexpr int kBrowserBottomMargin = 410;
constexpr int kPicture1FromRight = 2200 - 50;

constexpr std::array<std::u16string_view, 9> kToolbarTips{
    u"Tra nghĩa chữ Hán theo TĐ Lenvar và phiên âm Hán Việt",
    u"Tra nghĩa chữ Nôm theo Bảng tra Nôm KHXH 1976",
    u"Tra TĐ tiếng Việt phổ thông",
    u"Tra theo Bộ thủ",
    u"Browse mạng hoặc mở file trên đĩa",
    u"Tắt mở Thâu nhập pháp (IME)",
    u"Trợ giúp (help)",
    u"Mở thực đơn chính (popup menu)",
    u"Đóng chương trình",
};

constexpr std::array<std::u16string_view, 5> kToolbar1Tips{
    u"Trang trước (Back)", u"Trang sau (Forward)", u"Văn tuyển kinh điển (E-Book)", u"Tra nghĩa chữ tô đen",
    u"Hỗ trợ phiên âm",
};
// The positions of "TraChu" and "PhienAm", whose actions read the clipboard.
constexpr std::size_t kLookupPosition = 3;
constexpr std::size_t kTranscribePosition = 4;

// The button under the mouse, Int(X / button width) from 0; none off the
// buttons that have a tip. The width is positive.
template <std::size_t N>
std::optional<std::size_t> TipPosition(const std::array<std::u16string_view, N>& tips, float X, float buttonWidth) {
    const double position = std::floor(static_cast<double>(X) / static_cast<double>(buttonWidth));
    if (position < 0 || position >= static_cast<double>(tips.size())) return std::nullopt;
    return static_cast<std::size_t>(position);
}

template <std::size_t N>
std::u16string_view TipAt(const std::array<std::u16string_view, N>& tips, std::optional<std::size_t> position) {
    return position ? tips[*position] : u"";
}

}  // namespace

void OrvikU::Form_MouseMove(float X) {
    if (IsTrayMessage(X, kWmRButtonDown)) return MoMenu();
    if (IsTrayMessage(X, kWmLButtonDown)) IMEstate_Click(menu_number::kIMEstate);
}

// A minimized window cannot be laid out, and a size that would come out
// negative is left as it is.
void OrvikU::Form_Resize() {
    if (WindowState == State::Minimized) return;
    if (Width < kMinWidth) Width = kMinWidth;
    const int width = ScaleWidth - kBrowserWidthMargin;
    if (width >= 0) WebBrowser1Rect.Width = width;
    const int height = ScaleHeight - WebBrowser1Rect.Top - kBrowserBottomMargin;
    if (height >= 0) WebBrowser1Rect.Height = height;
    Picture1Left = ScaleWidth - kPicture1FromRight;
}

void OrvikU::tbToolbar_MouseMove(float X, float buttonWidth) {
    if (buttonWidth <= 0) return;
    tbToolbar.ToolTipText = TipAt(kToolbarTips, TipPosition(kToolbarTips, X, buttonWidth));
}

void OrvikU::Toolbar1_MouseMove(float X, float buttonWidth) {
    if (buttonWidth <= 0) return;
    const auto position = TipPosition(kToolbar1Tips, X, buttonWidth);
    Toolbar1.ToolTipText = TipAt(kToolbar1Tips, position);
    if (position == kLookupPosition || position == kTranscribePosition) SendCopyKeys(app_.platform());
}

}  // namespace orvik
