// The modal dialogs of a test: a message box answers the button the test
// chose (OK until it chooses), the font dialog the font it chose (cancelled
// until it chooses). What the boxes said is kept.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

namespace orvik {

class AnsweredDialogs : public virtual Dialogs {
public:
    explicit AnsweredDialogs(std::vector<std::string>& calls) : calls_(calls) {}

    // A box with OK only is recorded as "MessageBox [caption] text", others
    // as "MsgBox style [caption] text".
    std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) override;
    FontChoice ShowFontDialog(std::u16string_view title, const FontChoice& start) override;

    // The button the user presses in the message boxes from now on.
    void AnswerMessageBox(std::int32_t button) { messageBoxAnswer_ = button; }
    void AnswerFontDialog(FontChoice choice) { fontAnswer_ = std::move(choice); }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string>& calls_;
    std::int32_t messageBoxAnswer_ = kIdOk;
    std::optional<FontChoice> fontAnswer_;
    std::vector<std::string> messages_;
};

}  // namespace orvik
