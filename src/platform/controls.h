// Controls of the windows as plain data. The windows hold these and change
// them in their handlers; the desktop layer draws them and forwards events.
#pragma once

#include <string>

namespace orvik {

struct TextBox {
    std::u16string Text;
    std::u16string FontName;
    bool Visible = true;
};

// A control's place in its container, in twips (1440 to the inch).
struct TwipRect {
    int Left, Top, Width, Height;
};

struct Button {
    std::u16string Caption;
    std::u16string ToolTipText;
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
    bool Pressed = false;
};

struct StatusBar {
    std::u16string Text;
};

struct ComboBox {
    std::u16string Text;
};

// An embedded browser view; `Address` is where it was last navigated.
struct BrowserView {
    std::u16string Address;
};

}  // namespace orvik
