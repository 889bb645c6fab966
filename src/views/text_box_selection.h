// A text box's selection, as its model holds it, shown in the box on
// screen.
#pragma once

class QPlainTextEdit;

namespace orvik {

struct TextBox;

// Selects in `box` what `model` selects. The model counts in the units of
// its own text; the box shows that text decoded by its font, which may be
// shorter, so both ends are counted again in the shown text.
void ShowSelection(QPlainTextEdit& box, const TextBox& model);

}  // namespace orvik
