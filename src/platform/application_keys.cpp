#include "platform/application_keys.h"

#include "codes/desktop_codes.h"

namespace orvik {

void SendCopyKeys(ApplicationKeys& keys) {
    keys.keybd_event(kVkControl, kScanControl, 0);
    keys.keybd_event(kVkC, kScanC, 0);
    keys.keybd_event(kVkC, kScanC, kKeyEventKeyUp);
    keys.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
}

}  // namespace orvik
