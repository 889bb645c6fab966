// The icons of the main window's tool-bar buttons, by the button's key:
// the style's standard icons where one fits, otherwise a character drawn in
// code (漢 for the Han dictionary, 喃 for the Nom one, ...).
#pragma once

#include <QIcon>
#include <string_view>

class QWidget;

namespace orvik {

QIcon ToolbarIcon(std::u16string_view key, const QWidget& toolbar);
// A text drawn as large as fits an icon, in the widget's text colour.
QIcon TextIcon(const QString& text, const QWidget& widget);

}  // namespace orvik
