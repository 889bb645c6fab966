// The hook's trace: every key it takes, every line the program sends and
// everything it delivers, in the order it happens. Off unless fcitx5 runs
// with "--verbose=orviktrace=5"; it is how an application's text that came
// out in another order than typed is followed back to its cause.
#pragma once

#include <fcitx-utils/log.h>

namespace orvik::fcitxhook {

FCITX_DECLARE_LOG_CATEGORY(orvikTrace);

}  // namespace orvik::fcitxhook

#define ORVIK_TRACE() FCITX_LOGC(::orvik::fcitxhook::orvikTrace, Debug) << "orviktrace: "
