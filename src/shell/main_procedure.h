// The program's start: one instance per user, the configuration dialog
// loaded hidden (it reads the settings and, through the stored code and
// mode, creates the main window), the popup with its tray icon, the main
// window.
#pragma once

namespace orvik {

class Application;

// False when another instance runs: the user has been told, the process is
// to end, and nothing else was touched.
bool Main(Application& app);

}  // namespace orvik
