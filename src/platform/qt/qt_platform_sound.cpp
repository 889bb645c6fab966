// Sound, and the events that run inside a long operation of the
// user-interface thread.
#include <QCoreApplication>

#include "platform/qt/qt_platform.h"
#include "platform/qt/wave_player.h"

namespace orvik {

SoundResult QtPlatform::sndPlaySoundA(std::string_view sound, std::uint32_t flags) {
    if ((flags & kSndMemory) == 0) return {false, "only sounds held in memory are played"};
    return PlayWave(sound);
}

// A press forwarded to a window's model redraws the windows itself.
void QtPlatform::DoEvents() { QCoreApplication::processEvents(); }

// The window is painted now, not when the thread next waits for events.
void QtPlatform::RefreshWindow(WindowId window) {
    const auto found = windows_.find(window);
    if (found == windows_.end() || !found->second.widget) return;
    if (found->second.redraw) found->second.redraw();
    found->second.widget->repaint();
}

}  // namespace orvik
