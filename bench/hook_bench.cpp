// One key's round trip through the key hook: a key event in an input
// context of fcitx5 (its test frontend), taken by the hook, sent over the
// socket to the real orvik2004 (on Qt's offscreen platform, the input
// method on in Telex->Han), handled there, and answered: a letter until the
// hook has the program's answer, a pick until the character comes back
// (pasted, in the "98" mode the program starts in). The baseline is the
// same harness without the hook, where the key passes straight through.
// Medians and the 99th percentile of single keys are reported as counters,
// in microseconds.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fcitx_harness.h"

extern char** environ;

namespace {

using orvik::fcitxhook::testing::FcitxHarness;
using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const char* why) {
    std::fprintf(stderr, "hook_bench: %s\n", why);
    std::exit(1);
}

// A folder of the run's own, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvik-hook-bench.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) Fail("no scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The real program, offscreen, with the input method on.
class Program {
public:
    explicit Program(const ScratchFolder& scratch) {
        const std::string runtime = scratch.Path("runtime");
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const char* argv[] = {ORVIK_PROGRAM, "--data", ORVIK_DATA_DIR, "--ime-on", nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, scratch.Path("orvik2004.log").c_str(), O_WRONLY | O_CREAT, 0600);
        if (posix_spawn(&pid_, ORVIK_PROGRAM, &quiet, nullptr, const_cast<char**>(argv), environ) != 0)
            Fail("cannot start orvik2004");
        posix_spawn_file_actions_destroy(&quiet);
    }
    ~Program() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

private:
    pid_t pid_ = 0;
};

struct Session {
    ScratchFolder scratch;
    FcitxHarness harness{scratch.Path("hook")};
    Program program{scratch};
    fcitx::ICUUID editor;

    // Ready once the candidate window takes keys: Esc is taken then, and
    // changes nothing in an empty box.
    Session() {
        editor = harness.CreateInputContext("gedit");
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (!harness.SendKey(editor, fcitx::Key("Escape"), false)) {
            if (Clock::now() > deadline) Fail("orvik2004 did not switch its input method on");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        harness.SendKey(editor, fcitx::Key("Escape"), true);
    }

    // Types a key and waits, without a pause, until the program answered.
    void Answered(const char* key) {
        harness.SendKey(editor, fcitx::Key(key), false);
        while (harness.KeysAwaitingAnswer() != 0) {
        }
        harness.SendKey(editor, fcitx::Key(key), true);
    }
};

Session& TheSession() {
    static Session session;
    return session;
}

double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void Report(benchmark::State& state, std::vector<double> samples) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

// The same key event with no hook: it passes straight through. It runs
// first, so that its fcitx5 instance has ended before the session starts.
void BM_PassThroughBaseline(benchmark::State& state) {
    ScratchFolder scratch;
    FcitxHarness harness(scratch.Path("hook"), false);
    const fcitx::ICUUID editor = harness.CreateInputContext("gedit");
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        harness.SendKey(editor, fcitx::Key("h"), false);
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(Micro(took));
        harness.SendKey(editor, fcitx::Key("h"), true);
    }
    Report(state, std::move(samples));
}
BENCHMARK(BM_PassThroughBaseline)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A letter of h o a f: the program composes the box, searches and shows
// the page of candidates before it answers.
void BM_LetterRoundTrip(benchmark::State& state) {
    Session& session = TheSession();
    const char* letters[] = {"h", "o", "a", "f"};
    std::vector<double> samples;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        session.harness.SendKey(session.editor, fcitx::Key(letters[next]), false);
        while (session.harness.KeysAwaitingAnswer() != 0) {
        }
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(Micro(took));
        session.harness.SendKey(session.editor, fcitx::Key(letters[next]), true);
        if (++next == std::size(letters)) {
            next = 0;
            session.Answered("Escape");
        }
    }
    Report(state, std::move(samples));
}
BENCHMARK(BM_LetterRoundTrip)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The pick 1 after h o a f, in the "98" mode the program starts in: until
// the Ctrl+V that pastes 和 reaches the input context. What follows the paste
// waits for an application to fetch the clipboard, which no application
// does here, so each pick waits untimed for its Shift+Space before the next.
void BM_PickRoundTrip(benchmark::State& state) {
    Session& session = TheSession();
    FcitxHarness& harness = session.harness;
    std::vector<double> samples;
    for (auto _ : state) {
        for (const char* letter : {"h", "o", "a", "f"}) session.Answered(letter);
        const std::size_t forwards = harness.Forwards().size();
        const auto start = Clock::now();
        harness.SendKey(session.editor, fcitx::Key("1"), false);
        if (!harness.WaitForForwards(forwards + 1)) Fail("the pick was not pasted");
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(Micro(took));
        harness.SendKey(session.editor, fcitx::Key("1"), true);
        // V and Space, each down and up; Ctrl and Shift travel as their state.
        if (!harness.WaitForForwards(forwards + 4)) Fail("the pick did not end with Shift+Space");
        if (harness.Forwards()[forwards].key.toString() != "Control+v") Fail("the pick was no Ctrl+V");
    }
    Report(state, std::move(samples));
}
BENCHMARK(BM_PickRoundTrip)->UseManualTime()->Iterations(100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
