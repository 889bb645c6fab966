#include "views/main_menu.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "shell/menunoi_items.h"

namespace orvik {

namespace {

constexpr std::u16string_view kSeparator = u"-";

}  // namespace

// The items are read when the menu opens, so the marks are the state of
// that moment. A chosen item runs once the menu has closed and the click
// that opened it has returned: "Đóng chương trình" deletes the tray icon
// whose click is still on the stack while the menu is open.
void FillMainMenu(QMenu& menu, Application& app, QtPlatform& platform) {
    OrvikU& main = app.MainWindow();
    for (const MenunoiItem& entry : MenunoiItems()) {
        const MenuItem& item = main.Menunoi.*(entry.item);
        if (item.Caption == kSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdU16String(item.Caption));
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checkable && item.Checked);
        QObject::connect(action, &QAction::triggered, &menu, [&main, &platform, click = entry.click] {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [&main, &platform, click] {
                    click(main);
                    platform.RedrawAll();
                },
                Qt::QueuedConnection);
        });
    }
}

void ShowMainMenu(Application& app, QtPlatform& platform) {
    QMenu menu;
    FillMainMenu(menu, app, platform);
    menu.exec(QCursor::pos());
}

}  // namespace orvik
