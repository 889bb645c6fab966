// What the user chose for the text the program sends and copies: the fonts
// of ideographs and of Vietnamese text, and whether words are pasted ("98")
// or typed as characters ("2K"). The settings load and save the choices,
// the output-code actions, the font choosers and the candidate window's
// "98" button change them, and every send reads them.
#pragma once

#include <string>

#include "ime/font_size.h"

namespace orvik {

struct OutputChoices {
    // The ideograph size keeps what the font dialog gives, such as 10.5.
    std::u16string NomFontName = u"Chu Nom Minh U";
    FontSizeValue NomFontSize;
    std::u16string VnFontName = u"Arial";
    int VnFontSize = 12;
    bool System98 = true;
};

}  // namespace orvik
