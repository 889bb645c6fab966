#include "platform/headless_desktop.h"

#include <chrono>
#include <iostream>
#include <thread>

#include "platform/disk_files.h"
#include "formats/wave_image.h"

namespace orvik {

void HeadlessDesktop::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    clipboard_[format] = std::u16string(text);
}

std::u16string HeadlessDesktop::ClipboardGetText(std::int32_t format) {
    const auto text = clipboard_.find(format);
    return text == clipboard_.end() ? std::u16string() : text->second;
}

void HeadlessDesktop::Sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

SoundResult HeadlessDesktop::sndPlaySoundA(std::string_view sound, std::uint32_t flags) {
    if ((flags & kSndMemory) == 0) return {false, "only sounds held in memory are played"};
    const WaveParse wave = ParseWaveImage(sound);
    if (!wave.ok) return {false, "damaged WAVE file: " + wave.error};
    return {true, {}};
}

bool HeadlessDesktop::RenameFile(const std::string& from, const std::string& to) { return RenameDiskFile(from, to); }

bool HeadlessDesktop::DeleteFile(const std::string& path) { return DeleteDiskFile(path); }

namespace {

std::u16string SettingName(std::u16string_view appName, std::u16string_view section, std::u16string_view key) {
    return std::u16string(appName) + u"/" + std::u16string(section) + u"/" + std::u16string(key);
}

}  // namespace

std::u16string HeadlessDesktop::GetSetting(std::u16string_view appName, std::u16string_view section,
                                           std::u16string_view key, std::u16string_view defaultValue) {
    const auto value = settings_.find(SettingName(appName, section, key));
    return value == settings_.end() ? std::u16string(defaultValue) : value->second;
}

void HeadlessDesktop::SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                                  std::u16string_view value) {
    settings_[SettingName(appName, section, key)] = std::u16string(value);
}

void HeadlessDesktop::LogLine(std::string_view line) { std::cerr << "orvik: " << line << "\n"; }

}  // namespace orvik
