#include "platform/qt/key_string.h"

#include <map>
#include <optional>

namespace orvik {

namespace {

const std::map<QString, int>& NamedKeys() {
    static const std::map<QString, int> keys{
        {"END", Qt::Key_End},     {"HOME", Qt::Key_Home},       {"LEFT", Qt::Key_Left},
        {"RIGHT", Qt::Key_Right}, {"UP", Qt::Key_Up},           {"DOWN", Qt::Key_Down},
        {"DEL", Qt::Key_Delete},  {"DELETE", Qt::Key_Delete},   {"BS", Qt::Key_Backspace},
        {"BACKSPACE", Qt::Key_Backspace}, {"ENTER", Qt::Key_Return}, {"ESC", Qt::Key_Escape},
        {"TAB", Qt::Key_Tab},
    };
    return keys;
}

Qt::KeyboardModifier ModifierOf(QChar c) {
    if (c == '^') return Qt::ControlModifier;
    if (c == '+') return Qt::ShiftModifier;
    if (c == '%') return Qt::AltModifier;
    return Qt::NoModifier;
}

// A letter or digit as the key it is typed on; a capital takes Shift. With
// Ctrl a letter types its control character.
std::optional<KeyStroke> CharacterKey(QChar c, Qt::KeyboardModifiers modifiers) {
    if (!c.isLetterOrNumber() || c.unicode() > 0x7F) return std::nullopt;
    const QChar upper = c.toUpper();
    if (c.isUpper()) modifiers |= Qt::ShiftModifier;
    QString text(c);
    if (modifiers.testFlag(Qt::ControlModifier) && c.isLetter()) text = QChar(upper.unicode() - 'A' + 1);
    return KeyStroke{upper.unicode(), modifiers, text};
}

}  // namespace

std::vector<KeyStroke> ParseKeyString(std::u16string_view keys) {
    const QString text = QString::fromUtf16(keys.data(), static_cast<qsizetype>(keys.size()));
    std::vector<KeyStroke> strokes;
    Qt::KeyboardModifiers modifiers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Qt::KeyboardModifier modifier = ModifierOf(text[i]);
        if (modifier != Qt::NoModifier) {
            modifiers |= modifier;
            continue;
        }
        if (text[i] == '{') {
            const qsizetype close = text.indexOf('}', i + 1);
            if (close < 0) break;
            const auto named = NamedKeys().find(text.mid(i + 1, close - i - 1).toUpper());
            if (named != NamedKeys().end()) strokes.push_back({named->second, modifiers, {}});
            i = close;
        } else if (const auto stroke = CharacterKey(text[i], modifiers)) {
            strokes.push_back(*stroke);
        }
        modifiers = {};
    }
    return strokes;
}

}  // namespace orvik
