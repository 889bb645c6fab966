// Controls of the windows as plain data. The windows hold these and change
// them in their handlers; the desktop layer draws them and forwards events.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvik {

struct TextBox {
    std::u16string Text;
    std::u16string FontName;
    bool Visible = true;
    std::u16string ToolTipText{};
    // The selection: its start counted from 0 (the cursor when nothing is
    // selected) and its length, in UTF-16 units of Text.
    std::int32_t SelStart = 0;
    std::int32_t SelLength = 0;
};

// A control's place in its container, in twips (1440 to the inch).
struct TwipRect {
    int Left, Top, Width, Height;
};

struct Button {
    std::u16string Caption{};
    std::u16string ToolTipText{};
    bool Enabled = true;
    // The image control whose picture the button shows ("Image1"); none
    // when empty.
    std::u16string Picture{};
};

struct Label {
    std::u16string Caption;
};

struct Frame {
    std::u16string Caption;
};

struct MenuItem {
    std::u16string Caption;
    bool Checked = false;
};

struct ToolbarButton {
    std::u16string Key;
    bool Pressed = false;
};

// A tool bar: its buttons by position from 0, and the one tip text the
// whole bar shows.
struct Toolbar {
    std::vector<ToolbarButton> Buttons;
    std::u16string ToolTipText;

    ToolbarButton& operator[](std::size_t position) { return Buttons[position]; }
    const ToolbarButton& operator[](std::size_t position) const { return Buttons[position]; }
    auto begin() { return Buttons.begin(); }
    auto end() { return Buttons.end(); }
};

// A picture box: a picture, or a panel that holds other controls.
struct PictureBox {
    bool Visible = true;
};

struct StatusBar {
    std::u16string Text;
};

// A box that takes typed text as well as a choice from its list.
struct ComboBox {
    std::u16string Text;
    std::vector<std::u16string> List{};
};

struct CheckBox {
    bool Value = false;
    bool Enabled = true;
};

// The drive, folder and file lists of a document chooser: the chosen drive
// (on this desktop the root of a mounted volume), the folder shown, and
// the files of a folder matching a pattern of ";"-separated wildcards, with
// the one selected (empty when none is).
struct DriveListBox {
    std::u16string Drive;
};

struct DirListBox {
    std::u16string Path;
};

struct FileListBox {
    std::u16string Path;
    std::u16string Pattern;
    std::u16string FileName;
};

// An embedded browser view; `Address` is where it was last navigated.
struct BrowserView {
    std::u16string Address;
};

}  // namespace orvik
