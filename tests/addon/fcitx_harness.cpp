#include "fcitx_harness.h"

#include <fcitx-utils/log.h>
#include <fcitx-utils/standardpath.h>
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontextmanager.h>
#include <fcitx/inputmethodmanager.h>
#include <getopt.h>
#include <testfrontend_public.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

#include "orvikhook_public.h"

namespace orvik::fcitxhook::testing {

namespace {

// Starting loads the addons, slower than any later step.
constexpr std::chrono::seconds kStartBound{10};

// A harness that cannot go on would otherwise hang the test.
[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "fcitx harness: %s\n", why.c_str());
    std::abort();
}

}  // namespace

// fcitx5's log on its way to standard error, its lines kept: the test
// frontend reports in the log what it has no event for.
class FcitxHarness::LogWatch : public std::streambuf {
public:
    explicit LogWatch(std::streambuf* out) : out_(out) {}
    std::size_t LinesContaining(std::string_view text) {
        std::lock_guard lock(mutex_);
        return static_cast<std::size_t>(std::count_if(lines_.begin(), lines_.end(), [text](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }

protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        std::lock_guard lock(mutex_);
        if (startsLine_) lines_.emplace_back();
        lines_.back() += static_cast<char>(c);
        startsLine_ = c == '\n';
        return out_->sputc(static_cast<char>(c));
    }

private:
    std::streambuf* out_;
    std::mutex mutex_;
    std::vector<std::string> lines_;
    bool startsLine_ = true;
};

FcitxHarness::FcitxHarness(const std::string& socketPath, Keys keys)
    : keys_(keys), logWatch_(std::make_unique<LogWatch>(std::cerr.rdbuf())), logStream_(logWatch_.get()) {
    fcitx::Log::setLogStream(logStream_);
    setenv("ORVIK_HOOK_SOCKET", socketPath.c_str(), 1);
    setenv("HOME", "/nonexistent", 0);  // fcitx5 refuses to start without one
    std::promise<void> started;
    std::future<void> startedFuture = started.get_future();
    std::promise<void> ended;
    ended_ = ended.get_future();
    loop_ = std::thread([this, &started, ended = std::move(ended)]() mutable {
        Live(started);
        ended.set_value();
    });
    if (startedFuture.wait_for(kStartBound) != std::future_status::ready) Fail("fcitx5 did not start");
    try {
        startedFuture.get();
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}

FcitxHarness::~FcitxHarness() {
    Run([this] { instance_->exit(); });
    if (ended_.wait_for(kStartBound) != std::future_status::ready) Fail("fcitx5 did not stop");
    loop_.join();
    fcitx::Log::setLogStream(std::cerr);
}

void FcitxHarness::Live(std::promise<void>& started) {
    std::vector<std::unique_ptr<fcitx::HandlerTableEntry<fcitx::EventHandler>>> watchers;
    try {
        // Unikey's descriptions are among the system's. The folders are read
        // once a process, so every harness has them; only the addons enabled
        // below load.
        fcitx::setupTestingEnvironment(ORVIK_HOOK_TEST_DIR, {ORVIK_HOOK_TEST_MODULE_DIR},
                                       {ORVIK_HOOK_TEST_DATA_DIR, fcitx::StandardPath::fcitxPath("pkgdatadir")});
        std::string name = "test", disable = "--disable=all", enable = "--enable=testim,testfrontend,testui";
        if (keys_ == Keys::Hook) enable += ",orvikhook";
        if (keys_ == Keys::Unikey) enable += ",unikey";
        char* argv[] = {name.data(), disable.data(), enable.data(), nullptr};
        optind = 0;  // each instance parses its arguments afresh
        fcitx::Instance instance(3, argv);
        instance.addonManager().registerDefaultLoader(nullptr);
        dispatcher_.attach(&instance.eventLoop());
        dispatcher_.schedule([&] {
            instance_ = &instance;
            try {
                if (keys_ == Keys::Hook && instance.addonManager().addon("orvikhook") == nullptr)
                    throw std::runtime_error("the orvikhook addon did not load");
                if (keys_ == Keys::Unikey) UseUnikey();
            } catch (...) {
                started.set_exception(std::current_exception());
                return instance.exit();
            }
            using fcitx::EventType, fcitx::EventWatcherPhase;
            watchers.push_back(instance.watchEvent(
                EventType::InputContextCommitString, EventWatcherPhase::PreInputMethod, [&](fcitx::Event& event) {
                    const auto& commit = static_cast<fcitx::CommitStringEvent&>(event);
                    std::lock_guard lock(mutex_);
                    commits_.push_back({commit.inputContext()->uuid(), commit.text()});
                }));
            watchers.push_back(instance.watchEvent(
                EventType::InputContextForwardKey, EventWatcherPhase::PreInputMethod, [&](fcitx::Event& event) {
                    const auto& forward = static_cast<fcitx::ForwardKeyEvent&>(event);
                    std::lock_guard lock(mutex_);
                    forwards_.push_back({forward.inputContext()->uuid(), forward.rawKey(), forward.isRelease()});
                }));
            started.set_value();
        });
        instance.exec();
        watchers.clear();
        dispatcher_.detach();
        instance_ = nullptr;
    } catch (...) {
        try {
            started.set_exception(std::current_exception());
        } catch (const std::future_error&) {  // it had started
        }
    }
}

// Unikey is the group's input method, switched on in every input context.
void FcitxHarness::UseUnikey() {
    if (instance_->inputMethodManager().entry("unikey") == nullptr) {
        instance_->addonManager().addon("unikey");  // loaded on demand
        if (instance_->inputMethodManager().entry("unikey") == nullptr) throw std::runtime_error("no unikey input method");
    }
    fcitx::InputMethodGroup group = instance_->inputMethodManager().currentGroup();
    group.inputMethodList().clear();
    group.inputMethodList().push_back(fcitx::InputMethodGroupItem("keyboard-us"));
    group.inputMethodList().push_back(fcitx::InputMethodGroupItem("unikey"));
    group.setDefaultInputMethod("unikey");
    instance_->inputMethodManager().setGroup(group);
}

void FcitxHarness::RunOnLoop(const std::function<void()>& step) {
    if (std::this_thread::get_id() == loop_.get_id()) return step();  // a step within a step
    auto task = std::make_shared<std::packaged_task<void()>>([&step] { step(); });
    std::future<void> finished = task->get_future();
    dispatcher_.schedule([task] { (*task)(); });
    if (finished.wait_for(kWaitBound) != std::future_status::ready) Fail("a step on fcitx5's loop did not finish");
    finished.get();
}

bool FcitxHarness::WaitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitBound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

fcitx::InputContext& FcitxHarness::Context(const fcitx::ICUUID& context) {
    fcitx::InputContext* ic = instance_->inputContextManager().findByUUID(context);
    if (ic == nullptr) throw std::logic_error("no such input context");
    return *ic;
}

fcitx::AddonInstance& FcitxHarness::Addon(const char* name) { return *instance_->addonManager().addon(name); }

fcitx::ICUUID FcitxHarness::CreateInputContext(const std::string& program) {
    return Run([&] {
        const fcitx::ICUUID uuid = Addon("testfrontend").call<fcitx::ITestFrontend::createInputContext>(program);
        Context(uuid).focusIn();
        if (keys_ == Keys::Unikey) instance_->setCurrentInputMethod(&Context(uuid), "unikey", true);
        return uuid;
    });
}

void FcitxHarness::FocusIn(const fcitx::ICUUID& context) {
    Run([&] { Context(context).focusIn(); });
}

void FcitxHarness::FocusOut(const fcitx::ICUUID& context) {
    Run([&] { Context(context).focusOut(); });
}

void FcitxHarness::DestroyInputContext(const fcitx::ICUUID& context) {
    Run([&] { Addon("testfrontend").call<fcitx::ITestFrontend::destroyInputContext>(context); });
}

void FcitxHarness::ReportsKeyRepeatOnly(const fcitx::ICUUID& context) {
    Run([&] { Context(context).setCapabilityFlags(fcitx::CapabilityFlag::ReportKeyRepeat); });
}

bool FcitxHarness::SendKey(const fcitx::ICUUID& context, const fcitx::Key& key, bool release) {
    return Run([&] {
        fcitx::KeyEvent event(&Context(context), key, release);
        Context(context).keyEvent(event);
        return event.filtered();
    });
}

std::size_t FcitxHarness::KeysAwaitingAnswer() {
    return Run([this] { return Addon("orvikhook").call<fcitx::IOrvikHook::keysAwaitingAnswer>(); });
}

bool FcitxHarness::TakingKeys() {
    return Run([this] { return Addon("orvikhook").call<fcitx::IOrvikHook::takingKeys>(); });
}

std::vector<FcitxHarness::Commit> FcitxHarness::Commits() {
    std::lock_guard lock(mutex_);
    return commits_;
}

std::vector<FcitxHarness::Forward> FcitxHarness::Forwards() {
    std::lock_guard lock(mutex_);
    return forwards_;
}

bool FcitxHarness::WaitForCommits(std::size_t count) {
    return WaitUntil([&] { return Commits().size() >= count; });
}

bool FcitxHarness::WaitForForwards(std::size_t count) {
    return WaitUntil([&] { return Forwards().size() >= count; });
}

std::size_t FcitxHarness::LogLinesContaining(std::string_view text) { return logWatch_->LinesContaining(text); }

}  // namespace orvik::fcitxhook::testing
