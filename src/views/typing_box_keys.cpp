#include "views/typing_box_keys.h"

#include <QKeyEvent>

namespace orvik {

std::optional<HookKey> TypingBoxKeyOf(const QKeyEvent& event) {
    auto key = HookKeyOf(event.key(), event.modifiers(), event.text());
    if (key && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) key->code = static_cast<std::int16_t>(event.key());
    return key;
}

bool BoxOwnKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

}  // namespace orvik
