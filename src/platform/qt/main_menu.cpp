#include "platform/qt/main_menu.h"

#include <QCursor>
#include <QMenu>

#include "platform/qt/qt_platform.h"
#include "shell/application.h"

namespace orvik {

namespace {

struct MenuEntry {
    MenuItem Menunoi::*item;  // nullptr: a separator
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;
};

constexpr MenuEntry kEntries[] = {
    {&Menunoi::TelexH, &OrvikU::TelexH_Click, 30},
    {&Menunoi::TelexN, &OrvikU::TelexN_Click, 31},
    {&Menunoi::CangJieH, &OrvikU::CangJieH_Click, 32},
    {&Menunoi::CangJie, &OrvikU::CangJie_Click, 13},
    {&Menunoi::PinYin, &OrvikU::PINYIN_Click, 12},
    {&Menunoi::IMEstate, &OrvikU::IMEstate_Click, 10},
    {nullptr, nullptr, 0},
    {&Menunoi::OnlyViet, nullptr, 21},
    {&Menunoi::Unicode, nullptr, 15},
    {&Menunoi::VW2, nullptr, 7},
    {&Menunoi::TCVN, nullptr, 8},
    {&Menunoi::VNI2, nullptr, 9},
};

}  // namespace

void ShowMainMenu(Application& app, QtPlatform& platform) {
    OrvikU& main = app.MainWindow();
    QMenu menu;
    std::map<QAction*, const MenuEntry*> actions;
    for (const MenuEntry& entry : kEntries) {
        if (!entry.item) {
            menu.addSeparator();
            continue;
        }
        const MenuItem& item = main.Menunoi.*(entry.item);
        QAction* action = menu.addAction(QString::fromStdU16String(item.Caption));
        action->setCheckable(true);
        action->setChecked(item.Checked);
        action->setEnabled(entry.action != nullptr);
        actions[action] = &entry;
    }
    QAction* chosen = menu.exec(QCursor::pos());
    const auto found = actions.find(chosen);
    if (found == actions.end()) return;
    (main.*(found->second->action))(found->second->number);
    platform.RedrawAll();
}

}  // namespace orvik
