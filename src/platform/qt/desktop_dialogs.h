// Message boxes and the font dialog on this desktop.
#pragma once

#include <functional>

#include "platform/dialogs.h"

class QWidget;

namespace orvik {

class DesktopDialogs : public virtual Dialogs {
public:
    struct Circumstances {
        // The window the font dialog belongs to.
        std::function<QWidget*()> mainWindow;
        // The user writes in another application: a box must not take the
        // keyboard from it.
        std::function<bool()> userWritesElsewhere;
        // No one may be there to answer (a second start that only says so
        // and ends): a box closes by itself.
        std::function<bool()> closesByItself;
    };
    explicit DesktopDialogs(Circumstances circumstances) : circumstances_(std::move(circumstances)) {}

    // Buttons from the low bits of `style`; kMbExclamation adds the warning
    // icon. Closing the box answers as Cancel does, or OK when it has no
    // Cancel.
    std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) override;
    FontChoice ShowFontDialog(std::u16string_view title, const FontChoice& start) override;

private:
    Circumstances circumstances_;
};

}  // namespace orvik
