#include "platform/qt/desktop_dialogs.h"

#include <QFontDialog>
#include <QMessageBox>
#include <QTimer>

#include "codes/desktop_codes.h"

namespace orvik {

namespace {

constexpr int kSecondStartNoticeMs = 10000;

}  // namespace

// A box raised while the user writes in another application (a mode that
// could not load its files) shows without taking the keyboard from it: the
// next keys went into the box. The notice of a second start closes by
// itself, so that start ends even with no one at the screen.
std::int32_t DesktopDialogs::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const bool withCancel = (style & kMbTypeMask) == kMbOkCancel;
    const bool exclamation = (style & kMbIconMask) == kMbExclamation;
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdU16String(std::u16string(caption)), QString::fromStdU16String(std::u16string(text)),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (circumstances_.userWritesElsewhere()) box.setAttribute(Qt::WA_ShowWithoutActivating);
    if (circumstances_.closesByItself())
        QTimer::singleShot(kSecondStartNoticeMs, &box, [&box] { box.done(QMessageBox::Ok); });
    return box.exec() == QMessageBox::Cancel ? kIdCancel : kIdOk;
}

// A configured font this desktop lacks opens the dialog on a stand-in
// family; OK without another family chosen keeps the configured name, so a
// font of the settings is not replaced by the stand-in.
FontChoice DesktopDialogs::ShowFontDialog(std::u16string_view title, const FontChoice& start) {
    QFont initial(QString::fromStdU16String(start.FontName));
    if (start.FontSize > 0) initial.setPointSizeF(static_cast<qreal>(start.FontSize));
    QFontDialog dialog(initial, circumstances_.mainWindow());
    dialog.setWindowTitle(QString::fromStdU16String(std::u16string(title)));
    const QString openedOn = dialog.currentFont().family();
    if (dialog.exec() != QDialog::Accepted) return start;
    const QFont font = dialog.selectedFont();
    const std::u16string family = font.family() == openedOn ? start.FontName : font.family().toStdU16String();
    return {family, static_cast<float>(font.pointSizeF())};
}

}  // namespace orvik
