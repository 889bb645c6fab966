#include "views/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>
#include <variant>

namespace orvik {

namespace {

constexpr int kIconPixels = 24;

using IconSource = std::variant<QStyle::StandardPixmap, const char*>;  // or the UTF-8 text drawn

struct KeyIcon {
    std::u16string_view key;
    IconSource source;
};

constexpr KeyIcon kIcons[] = {
    {u"Han", "漢"},
    {u"Nom", "喃"},
    {u"Viet", "Việt"},
    {u"Bothu", "部"},
    {u"Xem", QStyle::SP_DirOpenIcon},
    {u"IME", "IME"},
    {u"Help", QStyle::SP_DialogHelpButton},
    {u"Menuchinh", "☰"},
    {u"Quit", QStyle::SP_DialogCloseButton},
    {u"Back", QStyle::SP_ArrowBack},
    {u"Next", QStyle::SP_ArrowForward},
    {u"VanHoc", "文"},
    {u"TraChu", "字"},
    {u"PhienAm", "音"},
    {u"Ref", QStyle::SP_BrowserReload},
};

}  // namespace

QIcon ToolbarIcon(std::u16string_view key, const QWidget& toolbar) {
    for (const KeyIcon& icon : kIcons) {
        if (icon.key != key) continue;
        if (const auto* standard = std::get_if<QStyle::StandardPixmap>(&icon.source))
            return toolbar.style()->standardIcon(*standard);
        return TextIcon(QString::fromUtf8(std::get<const char*>(icon.source)), toolbar);
    }
    return {};
}

QIcon TextIcon(const QString& text, const QWidget& widget) {
    QPixmap pixmap(kIconPixels, kIconPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = widget.font();
    font.setPixelSize(kIconPixels - 4);
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > kIconPixels)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(widget.palette().color(QPalette::WindowText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

}  // namespace orvik
