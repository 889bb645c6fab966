#include "platform/qt/copy_watch.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "codes/desktop_codes.h"

namespace orvik {

CopyWatch::CopyWatch() {
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard) ++changes_;
    });
}

void CopyWatch::KeySent(std::uint8_t key, std::uint32_t flags) {
    const bool up = (flags & kKeyEventKeyUp) != 0;
    if (key == kVkControl) ctrlDown_ = !up;
    else if (key == kVkC && ctrlDown_ && !up) changesAtCopy_ = changes_;
}

// Keys, the key hook's socket and timers wait, so the program's own key and
// timer handlers do not run in the middle of the read; the window system's
// notices are taken in.
bool CopyWatch::NothingCopied() {
    if (!changesAtCopy_) return false;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
    const bool nothing = changes_ == *changesAtCopy_;
    changesAtCopy_.reset();
    return nothing;
}

}  // namespace orvik
