// The main window's menu Menunoi as a pop-up menu at the mouse: its 26 items
// in order, separators where the caption is "-", check marks as the live
// mode, input-method and output-code state. Choosing an item runs its action
// on the main window; then every window is drawn again.
#pragma once

class QMenu;

namespace orvik {

class Application;
class QtPlatform;

// Adds the items to `menu`; each action runs its item when triggered.
void FillMainMenu(QMenu& menu, Application& app, QtPlatform& platform);
void ShowMainMenu(Application& app, QtPlatform& platform);

}  // namespace orvik
