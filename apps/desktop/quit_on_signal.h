// Ends the program's event loop on SIGTERM and SIGINT, so that the orderly
// end (the keyboard hook removed, the hook library freed) runs also when a
// session or a terminal stops the program.
#pragma once

namespace orvik::desktop {

void QuitOnSignals();

}  // namespace orvik::desktop
