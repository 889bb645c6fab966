#include "views/main_menu.h"

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
    {&Menunoi::TelexH, &OrvikU::TelexH_Click, menu_number::kTelexH},
    {&Menunoi::TelexN, &OrvikU::TelexN_Click, menu_number::kTelexN},
    {&Menunoi::CangJieH, &OrvikU::CangJieH_Click, menu_number::kCangJieH},
    {&Menunoi::CangJie, &OrvikU::CangJie_Click, menu_number::kCangJie},
    {&Menunoi::PinYin, &OrvikU::PINYIN_Click, menu_number::kPinYin},
    {&Menunoi::IMEstate, &OrvikU::IMEstate_Click, menu_number::kIMEstate},
    {nullptr, nullptr, 0},
    {&Menunoi::OnlyViet, nullptr, menu_number::kOnlyViet},
    {&Menunoi::Unicode, nullptr, menu_number::kUnicode},
    {&Menunoi::VW2, nullptr, menu_number::kVW2},
    {&Menunoi::TCVN, nullptr, menu_number::kTCVN},
    {&Menunoi::VNI2, nullptr, menu_number::kVNI2},
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
