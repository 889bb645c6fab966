// The menu's two font choosers, through the desktop's font dialog.
#include "shell/application.h"
#include "shell/font_texts.h"
#include "shell/orviku.h"

namespace orvik {

// The configuration dialog does not see the choice.
void OrvikU::VFont_Click(std::int16_t) {
    OutputChoices& output = app_.output();
    const FontChoice chosen =
        app_.platform().ShowFontDialog(kVietFontTitle, {output.VnFontName, static_cast<float>(output.VnFontSize)});
    output.VnFontName = chosen.FontName;
    output.VnFontSize = WholeVietFontSize(chosen.FontSize);
    app_.platform().MessageBox(kVietFontMessage, kMessageCaption);
}

// The ideograph font chooser always starts from the same font, whatever was
// chosen before, and keeps the size as given.
void OrvikU::CFont_Click(std::int16_t) {
    OutputChoices& output = app_.output();
    const FontChoice chosen =
        app_.platform().ShowFontDialog(kOrvikFontTitle, {std::u16string(kOrvikFontName), kOrvikFontSize});
    output.NomFontName = chosen.FontName;
    output.NomFontSize = FontSizeValue(chosen.FontSize);
    app_.platform().MessageBox(kOrvikFontMessage, kMessageCaption);
}

}  // namespace orvik
