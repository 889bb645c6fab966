// An fcitx5 instance with fcitx5's test frontend and the key hook (the
// build checked with the sanitizers), for tests and benchmarks. The
// instance lives on a thread of its own and runs its event loop there, as
// in the daemon; the caller's thread hands it steps through Run and waits,
// a bounded time, for their results. Commits and forwarded keys are
// recorded as they happen.
#pragma once

#include <fcitx-utils/eventdispatcher.h>
#include <fcitx-utils/handlertable.h>
#include <fcitx-utils/key.h>
#include <fcitx/event.h>
#include <fcitx/inputcontext.h>
#include <fcitx/instance.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <type_traits>
#include <vector>

namespace orvik::fcitxhook::testing {

// How long any step of the loop, or anything the hook is waited for, may
// take before the harness gives up.
inline constexpr std::chrono::seconds kWaitBound{5};

class FcitxHarness {
public:
    struct Commit {
        fcitx::ICUUID context;
        std::string text;
    };
    struct Forward {
        fcitx::ICUUID context;
        fcitx::Key key;
        bool release = false;
    };

    // Starts the instance with `addon` besides the test frontend: by default
    // the key hook, listening at `socketPath`; with none the keys pass
    // straight through, as for a user without the hook. Aborts when the
    // instance or the addon cannot start.
    explicit FcitxHarness(const std::string& socketPath, const std::string& addon = "orvikhook");
    ~FcitxHarness();
    FcitxHarness(const FcitxHarness&) = delete;
    FcitxHarness& operator=(const FcitxHarness&) = delete;

    // Runs `step` on the loop thread and returns its result. A step that
    // does not finish within kWaitBound aborts the process: the loop hangs.
    template <class Step>
    std::invoke_result_t<Step&> Run(Step step) {
        using Result = std::invoke_result_t<Step&>;
        if constexpr (std::is_void_v<Result>) {
            RunOnLoop(step);
        } else {
            std::optional<Result> result;
            RunOnLoop([&] { result.emplace(step()); });
            return std::move(*result);
        }
    }
    // Whether `condition` comes to hold within kWaitBound; it is checked on
    // the caller's thread, mostly through steps on the loop, again as soon
    // as a commit or a forwarded key is recorded and at least every
    // millisecond.
    bool WaitUntil(const std::function<bool()>& condition);

    // A new input context of `program`, given the focus.
    fcitx::ICUUID CreateInputContext(const std::string& program);
    // The instance and an input context of it, for steps on the loop.
    fcitx::Instance& Instance() { return *instance_; }
    fcitx::InputContext& Context(const fcitx::ICUUID& context);
    // Types `key` into the input context; whether something took it.
    bool SendKey(const fcitx::ICUUID& context, const fcitx::Key& key, bool release);

    // The hook's own report.
    std::size_t KeysAwaitingAnswer();
    bool TakingKeys();

    std::vector<Commit> Commits() { return Run([this] { return commits_; }); }
    std::vector<Forward> Forwards() { return Run([this] { return forwards_; }); }
    // Whether at least `count` commits (forwarded keys) are recorded within
    // kWaitBound. They wake the moment it is so, without a step on the loop:
    // the benchmark's pick ends there.
    bool WaitForCommits(std::size_t count) { return WaitForRecorded(commitsRecorded_, count); }
    bool WaitForForwards(std::size_t count) { return WaitForRecorded(forwardsRecorded_, count); }
    // How many times fcitx5's log so far holds `text`.
    std::size_t LogCount(std::string_view text);

private:
    void RunOnLoop(const std::function<void()>& step);
    void Live(std::promise<void>& started);
    fcitx::AddonInstance& Addon(const char* name);

    std::string addon_;
    fcitx::EventDispatcher dispatcher_;
    fcitx::Instance* instance_ = nullptr;  // lives on the loop thread
    std::vector<Commit> commits_;  // recorded on the loop thread, as are forwarded keys
    std::vector<Forward> forwards_;
    // How many commits and forwarded keys were recorded, for the waits.
    std::mutex recordedMutex_;
    std::condition_variable recordedChanged_;
    std::size_t commitsRecorded_ = 0;
    std::size_t forwardsRecorded_ = 0;
    void Recorded(std::size_t& counter);
    bool WaitForRecorded(const std::size_t& counter, std::size_t count);
    class LogWatch;
    std::unique_ptr<LogWatch> logWatch_;
    std::ostream logStream_;
    std::future<void> ended_;
    std::thread loop_;
};

}  // namespace orvik::fcitxhook::testing
