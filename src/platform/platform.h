// The whole desktop, as the windows and the mode's data reach it: every
// role in one. The desktop program (Qt), the command-line tool and the
// benchmarks (a headless desktop) implement it; tests use the recording
// doubles. Code that needs only some roles takes those.
#pragma once

#include <string_view>

#include "codes/desktop_codes.h"
#include "platform/application_keys.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/key_hook.h"
#include "platform/own_windows.h"
#include "platform/page_views.h"
#include "platform/program_process.h"
#include "platform/sound.h"
#include "platform/system_clipboard.h"
#include "platform/tray.h"
#include "platform/user_settings.h"

namespace orvik {

// The roles are virtual bases, so that an implementation may be put
// together from implementations of single roles (the tests' doubles are).
class Platform : public virtual Files,
                 public virtual PageViews,
                 public virtual Dialogs,
                 public virtual UserSettings,
                 public virtual OwnWindows,
                 public virtual Tray,
                 public virtual ApplicationKeys,
                 public virtual KeyHook,
                 public virtual SystemClipboard,
                 public virtual EventLoop,
                 public virtual Sound,
                 public virtual ProgramProcess {};


}  // namespace orvik
