// The candidate window: the typed code in Text1 and the candidate pages in
// WebBrowser1. This holds its controls and the search it runs whenever the
// typed code changes.
#pragma once

#include <string>
#include <string_view>

#include "ime/menunoi.h"
#include "ime/module1.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

class HVTNP {
public:
    // `menu` is the main window's menu, whose check marks are the mode.
    HVTNP(Module1& module, Platform& platform, const Menunoi& menu);

    TextBox Text1;
    Frame Frame1;
    Label Label1;
    BrowserView WebBrowser1;

    // Sets the box; a changed text runs Text1_Change, as the box does.
    void SetText1(std::u16string text);
    // Shows TypedKeys in the box: composed into a reading in the Telex
    // modes, as typed in the others.
    void ShowTypedCode();

    void Text1_Change();
    std::u16string TimChu(std::u16string_view code);
    void Sapxep(std::u16string line);
    void DoiHTLM(std::u16string_view fragment);

private:
    Module1& module_;
    Platform& platform_;
    const Menunoi& menu_;
};

}  // namespace orvik
