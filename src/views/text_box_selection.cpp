#include "views/text_box_selection.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

#include "engine/text.h"
#include "platform/controls.h"
#include "platform/qt/display_text.h"

namespace orvik {

namespace {

// Where position `at` of the model's text lies in the text shown.
int ShownPosition(const TextBox& model, std::int32_t at) {
    const int clamped = std::clamp<int>(at, 0, static_cast<int>(model.Text.size()));
    return static_cast<int>(DisplayText(Left(model.Text, clamped), model.FontName).size());
}

}  // namespace

void ShowSelection(QPlainTextEdit& box, const TextBox& model) {
    const int last = static_cast<int>(box.document()->characterCount()) - 1;
    const int start = std::min(ShownPosition(model, model.SelStart), last);
    const int end = std::min(ShownPosition(model, model.SelStart + model.SelLength), last);
    QTextCursor cursor(box.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

}  // namespace orvik
