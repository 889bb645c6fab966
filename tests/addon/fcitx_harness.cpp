#include "fcitx_harness.h"

#include <fcitx-utils/handlertable.h>
#include <fcitx-utils/standardpath.h>
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/event.h>
#include <fcitx/inputcontextmanager.h>
#include <fcitx/inputmethodentry.h>
#include <fcitx/inputmethodgroup.h>
#include <fcitx/inputmethodmanager.h>
#include <fcitx/instance.h>
#include <getopt.h>
#include <testfrontend_public.h>

#include <fcitx-utils/log.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <cstdlib>
#include <memory>
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

// fcitx5's log on its way to standard error, watched for the lines of the
// test frontend that report what it has no event for.
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
        line_ += static_cast<char>(c);
        if (c == '\n') {
            std::lock_guard lock(mutex_);
            lines_.push_back(std::move(line_));
            line_.clear();
        }
        return out_->sputc(static_cast<char>(c));
    }

private:
    std::streambuf* out_;
    std::string line_;
    std::mutex mutex_;
    std::vector<std::string> lines_;
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
    bool told = false;
    const bool withHook = keys_ == Keys::Hook;
    try {
        // Unikey's descriptions are among the system's. The folders are read
        // once a process, so every harness has them; only the addons enabled
        // below load.
        fcitx::setupTestingEnvironment(ORVIK_HOOK_TEST_DIR, {ORVIK_HOOK_TEST_MODULE_DIR},
                                       {ORVIK_HOOK_TEST_DATA_DIR, fcitx::StandardPath::fcitxPath("pkgdatadir")});
        std::string name = "test", disable = "--disable=all";
        std::string enable = "--enable=testim,testfrontend,testui";
        if (withHook) enable += ",orvikhook";
        if (keys_ == Keys::Unikey) enable += ",unikey";
        char* argv[] = {name.data(), disable.data(), enable.data(), nullptr};
        optind = 0;  // each instance parses its arguments afresh
        fcitx::Instance instance(3, argv);
        instance.addonManager().registerDefaultLoader(nullptr);
        dispatcher_.attach(&instance.eventLoop());
        Watchers watchers;
        dispatcher_.schedule([&] {
            instance_ = &instance;
            told = true;
            if (withHook && instance.addonManager().addon("orvikhook") == nullptr) {
                started.set_exception(std::make_exception_ptr(std::runtime_error("the orvikhook addon did not load")));
                return instance.exit();
            }
            if (keys_ == Keys::Unikey) UseUnikey();
            watchers = Watch();
            started.set_value();
        });
        instance.exec();
        watchers.clear();
        dispatcher_.detach();
        instance_ = nullptr;
    } catch (...) {
        if (!told) started.set_exception(std::current_exception());
        told = true;
    }
    if (!told) started.set_exception(std::make_exception_ptr(std::runtime_error("fcitx5 stopped as it started")));
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

FcitxHarness::Watchers FcitxHarness::Watch() {
    Watchers watchers;
    const auto record = [this](auto add) {
        std::lock_guard lock(mutex_);
        add();
        recorded_.notify_all();
    };
    watchers.push_back(
        instance_->watchEvent(fcitx::EventType::InputContextCommitString, fcitx::EventWatcherPhase::PreInputMethod,
                              [this, record](fcitx::Event& event) {
                                  const auto& commit = static_cast<fcitx::CommitStringEvent&>(event);
                                  record([&] { commits_.push_back({commit.inputContext()->uuid(), commit.text()}); });
                              }));
    watchers.push_back(instance_->watchEvent(
        fcitx::EventType::InputContextForwardKey, fcitx::EventWatcherPhase::PreInputMethod,
        [this, record](fcitx::Event& event) {
            const auto& forward = static_cast<fcitx::ForwardKeyEvent&>(event);
            record([&] {
                forwards_.push_back({forward.inputContext()->uuid(), forward.rawKey(), forward.isRelease()});
            });
        }));
    return watchers;
}

void FcitxHarness::RunOnLoop(const std::function<void()>& step) {
    if (std::this_thread::get_id() == loop_.get_id()) return step();  // a step within a step
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    dispatcher_.schedule([&step, done] {
        try {
            step();
            done->set_value();
        } catch (...) {
            done->set_exception(std::current_exception());
        }
    });
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

fcitx::ICUUID FcitxHarness::CreateInputContext(const std::string& program) {
    return Run([&] {
        const fcitx::ICUUID uuid =
            instance_->addonManager().addon("testfrontend")->call<fcitx::ITestFrontend::createInputContext>(program);
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
    Run([&] {
        instance_->addonManager().addon("testfrontend")->call<fcitx::ITestFrontend::destroyInputContext>(context);
    });
}

bool FcitxHarness::SendKey(const fcitx::ICUUID& context, const fcitx::Key& key, bool release) {
    return Run([&] {
        fcitx::KeyEvent event(&Context(context), key, release);
        Context(context).keyEvent(event);
        return event.filtered();
    });
}

std::size_t FcitxHarness::KeysAwaitingAnswer() {
    return Run(
        [this] { return instance_->addonManager().addon("orvikhook")->call<fcitx::IOrvikHook::keysAwaitingAnswer>(); });
}

bool FcitxHarness::TakingKeys() {
    return Run([this] { return instance_->addonManager().addon("orvikhook")->call<fcitx::IOrvikHook::takingKeys>(); });
}

std::vector<FcitxHarness::Commit> FcitxHarness::Commits() {
    std::lock_guard lock(mutex_);
    return commits_;
}

std::size_t FcitxHarness::Deletions() { return logWatch_->LinesContaining("DeleteSurrounding:"); }

std::size_t FcitxHarness::LogLinesContaining(std::string_view text) { return logWatch_->LinesContaining(text); }

void FcitxHarness::ReportsKeyRepeatOnly(const fcitx::ICUUID& context) {
    Run([&] { Context(context).setCapabilityFlags(fcitx::CapabilityFlag::ReportKeyRepeat); });
}

std::vector<FcitxHarness::Forward> FcitxHarness::Forwards() {
    std::lock_guard lock(mutex_);
    return forwards_;
}

bool FcitxHarness::WaitForCommits(std::size_t count) {
    std::unique_lock lock(mutex_);
    return recorded_.wait_for(lock, kWaitBound, [&] { return commits_.size() >= count; });
}

bool FcitxHarness::WaitForForwards(std::size_t count) {
    std::unique_lock lock(mutex_);
    return recorded_.wait_for(lock, kWaitBound, [&] { return forwards_.size() >= count; });
}

}  // namespace orvik::fcitxhook::testing
