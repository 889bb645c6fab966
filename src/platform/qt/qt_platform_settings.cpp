// The per-user settings store, on the settings store's INI files.
#include <QTimer>

#include "platform/qt/qt_platform.h"

namespace orvik {

std::u16string QtPlatform::GetSetting(std::u16string_view appName, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view defaultValue) {
    return settings_.Get(appName, section, key, defaultValue);
}

void QtPlatform::SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) {
    settings_.Save(appName, section, key, value);
    // The settings saved by one handler go to the disk together, once it
    // has returned.
    if (!settingsFlush_->isActive()) settingsFlush_->start(0);
}

}  // namespace orvik
