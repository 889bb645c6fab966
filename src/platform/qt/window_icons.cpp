#include "platform/qt/window_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <iterator>

namespace orvik {

namespace {

constexpr IconHandle kFirstIcon = 0x300;
constexpr int kSizes[] = {16, 22, 32, 48, 64};  // pixels, the sizes trays and title bars ask for

struct Look {
    const char16_t* character;
    QRgb background;
};

struct WindowLook {
    WindowId window;
    Look look;
};

// The main window reads "Việt" ("越"), the look-up window "look up" ("查");
// the other windows share a plain "character" ("字").
const WindowLook kLooks[] = {
    {WindowId::OrvikU, {u"越", qRgb(0xB0, 0x1E, 0x23)}},
    {WindowId::WPopup, {u"查", qRgb(0x1F, 0x5F, 0xA8)}},
};
const Look kPlain = {u"字", qRgb(0x60, 0x60, 0x60)};

QPixmap Draw(const Look& look, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(look.background));
    const qreal corner = size / 5.0;
    painter.drawRoundedRect(QRectF(0, 0, size, size), corner, corner);
    QFont font;
    font.setPixelSize(std::max(1, size * 3 / 4));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::fromUtf16(look.character));
    return pixmap;
}

}  // namespace

IconHandle WindowIconHandle(WindowId window) { return kFirstIcon + static_cast<IconHandle>(window); }

QIcon WindowIconOf(IconHandle handle) {
    const auto* found = std::find_if(std::begin(kLooks), std::end(kLooks),
                                     [&](const WindowLook& l) { return WindowIconHandle(l.window) == handle; });
    const Look& chosen = found != std::end(kLooks) ? found->look : kPlain;
    QIcon icon;
    for (const int size : kSizes) icon.addPixmap(Draw(chosen, size));
    return icon;
}

}  // namespace orvik
