#include "fcitx_harness.h"

#include <fcitx-utils/log.h>
#include <fcitx-utils/standardpath.h>
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontextmanager.h>
#include <getopt.h>
#include <testfrontend_public.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
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

// fcitx5's log on its way to standard error, kept: the test frontend
// reports in the log what it has no event for.
class FcitxHarness::LogWatch : public std::streambuf {
public:
    explicit LogWatch(std::streambuf* out) : out_(out) {}
    std::size_t Count(std::string_view text) {
        std::lock_guard lock(mutex_);
        std::size_t count = 0;
        for (auto at = log_.find(text); at != std::string::npos; at = log_.find(text, at + 1)) ++count;
        return count;
    }

protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        std::lock_guard lock(mutex_);
        log_ += static_cast<char>(c);
        return out_->sputc(static_cast<char>(c));
    }

private:
    std::streambuf* out_;
    std::mutex mutex_;
    std::string log_;
};

FcitxHarness::FcitxHarness(const std::string& socketPath, const std::string& addon)
    : addon_(addon), logWatch_(std::make_unique<LogWatch>(std::cerr.rdbuf())), logStream_(logWatch_.get()) {
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
        // The system's addons (the input methods) are found too. The folders
        // are read once a process, so every harness has them; only the
        // addons enabled below load.
        fcitx::setupTestingEnvironment(ORVIK_HOOK_TEST_DIR, {ORVIK_HOOK_TEST_MODULE_DIR},
                                       {ORVIK_HOOK_TEST_DATA_DIR, fcitx::StandardPath::fcitxPath("pkgdatadir")});
        std::string name = "test", disable = "--disable=all", enable = "--enable=testim,testfrontend,testui";
        if (!addon_.empty()) enable += "," + addon_;
        char* argv[] = {name.data(), disable.data(), enable.data(), nullptr};
        optind = 0;  // each instance parses its arguments afresh
        fcitx::Instance instance(3, argv);
        instance.addonManager().registerDefaultLoader(nullptr);
        dispatcher_.attach(&instance.eventLoop());
        dispatcher_.schedule([&] {
            instance_ = &instance;
            if (!addon_.empty() && instance.addonManager().addon(addon_, true) == nullptr) {
                started.set_exception(std::make_exception_ptr(std::runtime_error(addon_ + " did not load")));
                return instance.exit();
            }
            using fcitx::EventType, fcitx::EventWatcherPhase;
            watchers.push_back(instance.watchEvent(
                EventType::InputContextCommitString, EventWatcherPhase::PreInputMethod, [&](fcitx::Event& event) {
                    const auto& commit = static_cast<fcitx::CommitStringEvent&>(event);
                    commits_.push_back({commit.inputContext()->uuid(), commit.text()});
                    Recorded(commitsRecorded_);
                }));
            watchers.push_back(instance.watchEvent(
                EventType::InputContextForwardKey, EventWatcherPhase::PreInputMethod, [&](fcitx::Event& event) {
                    const auto& forward = static_cast<fcitx::ForwardKeyEvent&>(event);
                    forwards_.push_back({forward.inputContext()->uuid(), forward.rawKey(), forward.isRelease()});
                    Recorded(forwardsRecorded_);
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

void FcitxHarness::RunOnLoop(const std::function<void()>& step) {
    if (std::this_thread::get_id() == loop_.get_id()) return step();  // a step within a step
    auto task = std::make_shared<std::packaged_task<void()>>([&step] { step(); });
    std::future<void> finished = task->get_future();
    dispatcher_.schedule([task] { (*task)(); });
    if (finished.wait_for(kWaitBound) != std::future_status::ready) Fail("a step on fcitx5's loop did not finish");
    finished.get();
}

void FcitxHarness::Recorded(std::size_t& counter) {
    {
        std::lock_guard lock(recordedMutex_);
        ++counter;
    }
    recordedChanged_.notify_all();
}

bool FcitxHarness::WaitForRecorded(const std::size_t& counter, std::size_t count) {
    std::unique_lock lock(recordedMutex_);
    return recordedChanged_.wait_for(lock, kWaitBound, [&] { return counter >= count; });
}

bool FcitxHarness::WaitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitBound;
    const auto recorded = [this] { return commitsRecorded_ + forwardsRecorded_; };
    std::size_t seen = 0;
    {
        std::lock_guard lock(recordedMutex_);
        seen = recorded();
    }
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::unique_lock lock(recordedMutex_);
        recordedChanged_.wait_for(lock, std::chrono::milliseconds(1), [&] { return recorded() != seen; });
        seen = recorded();
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
        return uuid;
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
    return Run([this] { return Addon("orvikhook").call<fcitx::IOrvikHook::keysAwaitingAnswer>(); });
}

bool FcitxHarness::TakingKeys() {
    return Run([this] { return Addon("orvikhook").call<fcitx::IOrvikHook::takingKeys>(); });
}

std::size_t FcitxHarness::LogCount(std::string_view text) { return logWatch_->Count(text); }

}  // namespace orvik::fcitxhook::testing
