// The open-document panel Picture2: an address typed into its box, or a
// file chosen in its lists, opens in the dictionary browser view.
#include "engine/text.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::u16string_view kWebPrefix = u"http://";
// An address opens only when it holds more than the prefix and two more
// characters.
constexpr std::size_t kShortestAddress = 10;

}  // namespace

void OrvikU::ShowPicture2() {
    Picture2.Visible = true;
    app_.platform().FocusControl("OrvikU.Combo1");
    Picture2.Combo1.Text = kWebPrefix;
}

// Enter opens the address as typed, without looking at it.
void OrvikU::Combo1_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii != kAsciiReturn) return;
    Picture2.Visible = false;
    NavigateWebBrowser1(Picture2.Combo1.Text);
}

// A web address comes first; otherwise the selected file of the folder.
// Paths on this desktop are joined with "/".
void OrvikU::Command3_Click() {
    Picture2.Visible = false;
    Maximize();
    const std::u16string address = Trim(Picture2.Combo1.Text);
    if (LCase(address).starts_with(kWebPrefix) && address.size() >= kShortestAddress)
        return NavigateWebBrowser1(address);
    if (Picture2.File1.FileName.empty()) return;
    std::u16string path = Picture2.Dir1.Path;
    if (!path.ends_with(u'/')) path += u'/';
    NavigateWebBrowser1(path + Picture2.File1.FileName);
}

void OrvikU::Command4_Click() { Picture2.Visible = false; }

void OrvikU::File1_DblClick() { Command3_Click(); }

// A new drive shows its folders; a new folder its files.
void OrvikU::Drive1_Change() {
    Picture2.Dir1.Path = Picture2.Drive1.Drive;
    Dir1_Change();
}

void OrvikU::Dir1_Change() {
    Picture2.File1.Path = Picture2.Dir1.Path;
    Picture2.File1.FileName.clear();
}

}  // namespace orvik
