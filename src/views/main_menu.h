// The main window's menu Menunoi as a pop-up menu at the mouse: its items
// with their check marks from the model; choosing one runs the main
// window's action with the item's command number. Items whose actions do
// not exist yet are shown disabled.
#pragma once

namespace orvik {

class Application;
class QtPlatform;

void ShowMainMenu(Application& app, QtPlatform& platform);

}  // namespace orvik
