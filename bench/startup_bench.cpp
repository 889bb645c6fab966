// The program's start-up on an X display (run under xvfb-run): from the
// start of the process until its main window is mapped, until both tray
// icons have asked the notification area to dock them, and until it is
// ready (it answers the ping a window manager sends); then the
// quick-view popup, from a left press on its icon until the popup is mapped
// (the look-up of an empty selection: the copy's wait and the no-data
// page). The bench is that notification area: it owns the X system tray
// selection, counts the icons' dock requests and presses the last icon.
// Each start is ended (SIGTERM) before the next.
//
// ORVIK_BENCH_BEFORE="PROGRAM DATA" names an older build to time in the
// same run, started in turn with this one, so that the two medians share
// the machine's moods; the ratio is printed at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kMainWindowTitle[] = "Việt Orvik 2004";
constexpr char kPopupTitle[] = "Viet Orvik QuickView";
constexpr std::uint32_t kTrayRequestDock = 0;
constexpr int kTrayIcons = 2;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "startup_bench: %s\n", why.c_str());
    std::exit(1);
}

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

struct Started {
    double mainWindowMs = -1;
    double trayIconsMs = -1;
    double readyMs = -1;  // its start done: the desktop's ping to the main window answered
    std::vector<xcb_window_t> icons;  // in the order they docked
};

// The display as the bench sees it: new top-level windows, and the tray
// icons' dock requests to the selection it owns.
class Display {
public:
    Display() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_) != 0) Fail("no X display: run it under xvfb-run -a");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        // New windows, and the answers to pings (Qt sends them to the root
        // for the structure's listeners).
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &events);
        pid_ = Atom("_NET_WM_PID");
        name_ = Atom("_NET_WM_NAME");
        opcode_ = Atom("_NET_SYSTEM_TRAY_OPCODE");
        protocols_ = Atom("WM_PROTOCOLS");
        ping_ = Atom("_NET_WM_PING");
        OwnTray();
    }
    ~Display() { xcb_disconnect(c_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Waits until the program `pid`, started at `start`, shows its main
    // window, docks its icons and answers a ping sent to that window as
    // soon as it shows, or 10 s have passed.
    Started Watch(pid_t pid, Clock::time_point start) {
        Started started;
        const auto deadline = start + std::chrono::seconds(10);
        while ((started.readyMs < 0 || started.trayIconsMs < 0) && Clock::now() < deadline) {
            Reply<xcb_generic_event_t> event(Next(deadline), &std::free);
            if (!event) continue;
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const auto type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && started.mainWindowMs < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (!IsWindowOf(map->window, pid, kMainWindowTitle)) continue;
                started.mainWindowMs = ms;
                Ping(map->window);
            } else if (type == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event.get());
                if (message->type == protocols_ && message->data.data32[0] == ping_ && message->window == root_)
                    started.readyMs = ms;
                if (message->type != opcode_ || message->data.data32[1] != kTrayRequestDock) continue;
                started.icons.push_back(message->data.data32[2]);
                if (started.icons.size() == kTrayIcons) started.trayIconsMs = ms;
            }
        }
        return started;
    }

    // Presses `icon` with the left button and waits until the program `pid`
    // maps its quick-view popup, or 10 s have passed.
    double PressUntilPopup(xcb_window_t icon, pid_t pid) {
        const auto start = Clock::now();
        for (const auto type : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE}) {
            xcb_button_press_event_t press{};
            press.response_type = type;
            press.detail = 1;
            press.root = root_;
            press.event = icon;
            press.same_screen = 1;
            press.event_x = press.event_y = 4;
            // Qt takes two presses at one time for a double click.
            press.time = static_cast<xcb_timestamp_t>(
                std::chrono::duration_cast<std::chrono::milliseconds>(start.time_since_epoch()).count());
            if (type == XCB_BUTTON_RELEASE) press.state = XCB_BUTTON_MASK_1;
            // No mask: the event goes to the icon's own client.
            xcb_send_event(c_, 0, icon, 0, reinterpret_cast<const char*>(&press));
        }
        xcb_flush(c_);
        const auto deadline = start + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            Reply<xcb_generic_event_t> event(Next(deadline), &std::free);
            if (!event || (event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (IsWindowOf(map->window, pid, kPopupTitle))
                return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        return -1;
    }

private:
    xcb_atom_t Atom(const char* name) {
        Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(name), name), nullptr), &std::free);
        return reply ? reply->atom : XCB_ATOM_NONE;
    }

    // Owns the tray selection of the first screen and says so, as a
    // notification area does.
    void OwnTray() {
        tray_ = xcb_generate_id(c_);
        const auto* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, tray_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          screen->root_visual, 0, nullptr);
        const xcb_atom_t selection = Atom("_NET_SYSTEM_TRAY_S0");
        xcb_set_selection_owner(c_, tray_, selection, XCB_CURRENT_TIME);
        xcb_client_message_event_t manager{};
        manager.response_type = XCB_CLIENT_MESSAGE;
        manager.format = 32;
        manager.window = root_;
        manager.type = Atom("MANAGER");
        manager.data.data32[0] = XCB_CURRENT_TIME;
        manager.data.data32[1] = selection;
        manager.data.data32[2] = tray_;
        xcb_send_event(c_, 0, root_, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&manager));
        xcb_flush(c_);
    }

    // A window manager's ping: the program's event loop sends it back to
    // the root window once it runs again.
    void Ping(xcb_window_t window) {
        xcb_client_message_event_t ping{};
        ping.response_type = XCB_CLIENT_MESSAGE;
        ping.format = 32;
        ping.window = window;
        ping.type = protocols_;
        ping.data.data32[0] = ping_;
        ping.data.data32[1] = XCB_CURRENT_TIME;
        ping.data.data32[2] = window;
        xcb_send_event(c_, 0, window, 0, reinterpret_cast<const char*>(&ping));
        xcb_flush(c_);
    }

    xcb_generic_event_t* Next(Clock::time_point deadline) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(c_)) return event;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd ready{xcb_get_file_descriptor(c_), POLLIN, 0};
        if (left > 0) poll(&ready, 1, static_cast<int>(left));
        return xcb_poll_for_event(c_);
    }

    std::string Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, property, type, 0, 256), nullptr), &std::free);
        if (!reply) return {};
        return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }

    bool OwnedBy(xcb_window_t window, pid_t pid) {
        const std::string owner = Property(window, pid_, XCB_ATOM_CARDINAL);
        std::uint32_t ownerPid = 0;
        if (owner.size() != sizeof ownerPid) return false;
        std::memcpy(&ownerPid, owner.data(), sizeof ownerPid);
        return ownerPid == static_cast<std::uint32_t>(pid);
    }

    bool IsWindowOf(xcb_window_t window, pid_t pid, const char* title) {
        return OwnedBy(window, pid) && Property(window, name_, XCB_ATOM_ANY) == title;
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0, tray_ = 0;
    xcb_atom_t pid_ = 0, name_ = 0, opcode_ = 0, protocols_ = 0, ping_ = 0;
};

// A build to start: its program, its data, and a home of its own (settings,
// runtime folder), so that two builds never share an instance lock.
struct Build {
    std::string label, program, data, home;
    std::vector<double> mainWindow{}, trayIcons{}, ready{}, popup{};
};

pid_t Start(const Build& build) {
    const std::string runtime = build.home + "/runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    std::vector<std::string> env{"XDG_RUNTIME_DIR=" + runtime, "XDG_CONFIG_HOME=" + build.home + "/config",
                                 "HOME=" + build.home, "QT_QPA_PLATFORM=xcb", "LANG=C.UTF-8"};
    for (const char* name : {"DISPLAY", "XAUTHORITY", "PATH"})
        if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    const char* argv[] = {build.program.c_str(), "--data", build.data.c_str(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, (build.home + "/orvik2004.log").c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0600);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, const_cast<char**>(argv), envp.data()) != 0)
        Fail("cannot start " + build.program);
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

void End(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return -1;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

std::vector<Build> Builds(const std::filesystem::path& scratch) {
    std::vector<Build> builds{
        {.label = "", .program = ORVIK_PROGRAM, .data = ORVIK_DATA_DIR, .home = (scratch / "now").string()}};
    if (const char* before = std::getenv("ORVIK_BENCH_BEFORE")) {
        std::istringstream words(before);
        Build older{.label = "before_", .home = (scratch / "before").string()};
        if (!(words >> older.program >> older.data)) Fail("ORVIK_BENCH_BEFORE is \"PROGRAM DATA\"");
        builds.push_back(older);
    }
    return builds;
}

void BM_StartUp(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvik-startup-bench.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) Fail("no scratch folder");
    const std::filesystem::path scratch = pattern;
    Display display;
    std::vector<Build> builds = Builds(scratch);
    for (auto _ : state) {
        for (Build& build : builds) {
            const auto start = Clock::now();
            const pid_t pid = Start(build);
            const Started started = display.Watch(pid, start);
            if (started.readyMs < 0 || started.trayIconsMs < 0)
                Fail(build.program + " showed no main window or tray icons, or answered no ping, within 10 s");
            const double popupMs = display.PressUntilPopup(started.icons.back(), pid);
            End(pid);
            if (popupMs < 0) Fail(build.program + " showed no quick-view popup within 10 s of its icon's press");
            build.mainWindow.push_back(started.mainWindowMs);
            build.trayIcons.push_back(started.trayIconsMs);
            build.ready.push_back(started.readyMs);
            build.popup.push_back(popupMs);
        }
    }
    for (const Build& build : builds) {
        state.counters[build.label + "main_window_ms"] = Median(build.mainWindow);
        state.counters[build.label + "tray_icons_ms"] = Median(build.trayIcons);
        state.counters[build.label + "ready_ms"] = Median(build.ready);
        state.counters[build.label + "popup_ms"] = Median(build.popup);
    }
    if (builds.size() == 2)
        std::printf("against the build before: main window %.2f times, tray icons %.2f times, ready %.2f times, popup %.2f times\n",
                    Median(builds[0].mainWindow) / Median(builds[1].mainWindow),
                    Median(builds[0].trayIcons) / Median(builds[1].trayIcons),
                    Median(builds[0].ready) / Median(builds[1].ready), Median(builds[0].popup) / Median(builds[1].popup));
    std::filesystem::remove_all(scratch);
}
BENCHMARK(BM_StartUp)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
