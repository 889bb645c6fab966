// The menu's two font choosers, through the window's font dialog.
#include <cmath>

#include "shell/application.h"
#include "shell/font_texts.h"
#include "shell/orviku.h"

namespace orvik {

void OrvikU::CommonDialog1_ShowFont() {
    const FontChoice chosen =
        app_.platform().ShowFontDialog(CommonDialog1.DialogTitle, {CommonDialog1.FontName, CommonDialog1.FontSize});
    CommonDialog1.FontName = chosen.FontName;
    CommonDialog1.FontSize = chosen.FontSize;
}

// The Vietnamese font takes a whole size, a half rounding to the even one;
// the configuration dialog does not see the choice.
void OrvikU::VFont_Click(std::int16_t) {
    OutputChoices& output = app_.output();
    CommonDialog1.DialogTitle = kVietFontTitle;
    CommonDialog1.FontName = output.VnFontName;
    CommonDialog1.FontSize = static_cast<float>(output.VnFontSize);
    CommonDialog1_ShowFont();
    output.VnFontName = CommonDialog1.FontName;
    output.VnFontSize = static_cast<int>(std::lrint(CommonDialog1.FontSize));
    app_.platform().MessageBox(kVietFontMessage, kMessageCaption);
}

// The ideograph font chooser always starts from the same font, whatever was
// chosen before, and keeps the size as given.
void OrvikU::CFont_Click(std::int16_t) {
    OutputChoices& output = app_.output();
    CommonDialog1.DialogTitle = kOrvikFontTitle;
    CommonDialog1.FontName = kOrvikFontName;
    CommonDialog1.FontSize = kOrvikFontSize;
    CommonDialog1_ShowFont();
    output.NomFontName = CommonDialog1.FontName;
    output.NomFontSize = FontSizeValue(CommonDialog1.FontSize);
    app_.platform().MessageBox(kOrvikFontMessage, kMessageCaption);
}

}  // namespace orvik
