#include "doubles/memory_settings.h"

#include "doubles/value_of.h"
#include "engine/text.h"

namespace orvik {

namespace {

std::u16string StoreKey(std::u16string_view appName, std::u16string_view section, std::u16string_view key) {
    return std::u16string(appName) + u"\\" + std::u16string(section) + u"\\" + std::u16string(key);
}

constexpr std::u16string_view kProgramApp = u"VietOrvikU2004";
constexpr std::u16string_view kProgramSection = u"Settings";

}  // namespace

std::u16string MemorySettings::GetSetting(std::u16string_view appName, std::u16string_view section,
                                          std::u16string_view key, std::u16string_view defaultValue) {
    calls_.push_back("GetSetting " + U16ToUtf8(StoreKey(appName, section, key)));
    const auto value = settings_.find(StoreKey(appName, section, key));
    return value == settings_.end() ? std::u16string(defaultValue) : value->second;
}

void MemorySettings::SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view value) {
    calls_.push_back("SaveSetting " + U16ToUtf8(StoreKey(appName, section, key)) + " = " + U16ToUtf8(value));
    settings_[StoreKey(appName, section, key)] = std::u16string(value);
    ++settingsSaved_;
}

bool MemorySettings::SetAutostartEntry(bool present) {
    calls_.push_back(std::string("SetAutostartEntry ") + (present ? "1" : "0"));
    return !autostartRefused_;
}

void MemorySettings::SetSetting(std::u16string_view key, std::u16string value) {
    settings_[StoreKey(kProgramApp, kProgramSection, key)] = std::move(value);
}

std::u16string MemorySettings::Setting(std::u16string_view key) const {
    return ValueOf(settings_, StoreKey(kProgramApp, kProgramSection, key));
}

}  // namespace orvik
