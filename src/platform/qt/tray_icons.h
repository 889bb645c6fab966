// The program's tray icons on QSystemTrayIcon, each known as the program
// knows it: by the window that added it and the number it gave it.
//
// A press of the left button on an icon (a Trigger to Qt) reaches the tray
// sink as kWmLButtonDown, of the right button (Context) as kWmRButtonDown,
// when the icon was added with kNifMessage. Qt shows no menu of its own: the
// program shows its menu. Where the desktop has no notification area the
// icons are kept all the same, so adding and deleting answer as they would
// with one (the program's main window gives access to everything), and an
// area that appears later shows them; the log says once that there is none.
#pragma once

#include <QSystemTrayIcon>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "platform/platform.h"

namespace orvik {

class TrayIcons {
public:
    using Log = std::function<void(std::string_view)>;
    explicit TrayIcons(Log log);
    ~TrayIcons();
    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;

    void SetSink(TraySink* sink) { sink_ = sink; }
    // Adds the icon a record describes; false when that window already has
    // an icon with that number.
    bool Add(const TrayIconFields& record);
    // False when there is no such icon.
    bool Delete(WindowHandle window, std::uint32_t id);
    // The icon itself, so a test can press it; nullptr when there is none.
    QSystemTrayIcon* Find(WindowHandle window, std::uint32_t id) const;

private:
    using Key = std::pair<WindowHandle, std::uint32_t>;
    void Activated(Key key, QSystemTrayIcon::ActivationReason reason);

    Log log_;
    TraySink* sink_ = nullptr;
    std::map<Key, std::unique_ptr<QSystemTrayIcon>> icons_;
    int notifying_ = 0;  // depth of notifications being handled
    bool noAreaSaid_ = false;
};

}  // namespace orvik
