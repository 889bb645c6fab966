// One key's round trip through the key hook: a key event in an input
// context of fcitx5 (its test frontend), taken by the hook, sent over the
// socket to the real orvik2004 (on Qt's offscreen platform, the input
// method on in Telex->Han), handled there, and answered: a letter until the
// hook has the program's answer, a pick until the character comes back
// (pasted, in the "98" mode the program starts in). Two baselines in the
// same harness: the key passing straight through with no hook, and
// Debian's fcitx5-unikey taking the same Telex letters, the input method a
// Vietnamese user would otherwise type with. Medians and the 99th
// percentile of single keys are reported as counters, in microseconds, and
// the letter's median against unikey's at the end.
//
// The bench's side (and fcitx5's loop thread) runs on the first core, the
// program on the second, so the two never fight over one core; a key the
// hook does not take ends the run, since it would time a key passing
// straight through; waiting for an answer sleeps in steps of 10 µs instead
// of spinning.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <sched.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <fcitx-utils/log.h>
#include <fcitx/inputmethodmanager.h>

#include "fcitx_harness.h"

extern char** environ;

namespace {

using orvik::fcitxhook::testing::FcitxHarness;
using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "hook_bench: %s\n", why.c_str());
    std::exit(1);
}

constexpr int kBenchCore = 0;
constexpr int kProgramCore = 1;

// Pins a process (0: the calling thread, and the threads it starts later)
// to one core, when the machine has more than one.
void PinTo(pid_t pid, int core) {
    if (std::thread::hardware_concurrency() < 2) return;
    cpu_set_t cores;
    CPU_ZERO(&cores);
    CPU_SET(core, &cores);
    if (sched_setaffinity(pid, sizeof cores, &cores) != 0) Fail("cannot pin to a core");
}

// Pins the bench's side before the harness starts its loop thread.
struct PinnedBenchSide {
    PinnedBenchSide() {
        PinTo(0, kBenchCore);
        // Short sleeps wake when asked, not up to 50 µs late.
        prctl(PR_SET_TIMERSLACK, 1000UL);
    }
};

void SendTaken(FcitxHarness& harness, const fcitx::ICUUID& context, const char* key) {
    if (!harness.SendKey(context, fcitx::Key(key), false))
        Fail(std::string("the key ") + key + " was not taken: it passed straight through, and timing it would time that");
}

void AwaitAnswer(FcitxHarness& harness) {
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (harness.KeysAwaitingAnswer() != 0) {
        if (Clock::now() > deadline) Fail("orvik2004 did not answer a key within a second");
        std::this_thread::sleep_for(std::chrono::microseconds(10));
    }
}

// Debian's fcitx5-unikey, Telex into Unicode, as the group's input method,
// on in a new input context of gedit.
fcitx::ICUUID UnikeyEditor(FcitxHarness& harness) {
    return harness.Run([&] {
        fcitx::InputMethodManager& methods = harness.Instance().inputMethodManager();
        if (methods.entry("unikey") == nullptr) Fail("no unikey input method");
        fcitx::InputMethodGroup group = methods.currentGroup();
        group.inputMethodList().clear();
        group.inputMethodList().push_back(fcitx::InputMethodGroupItem("keyboard-us"));
        group.inputMethodList().push_back(fcitx::InputMethodGroupItem("unikey"));
        group.setDefaultInputMethod("unikey");
        methods.setGroup(group);
        const fcitx::ICUUID editor = harness.CreateInputContext("gedit");
        harness.Instance().setCurrentInputMethod(&harness.Context(editor), "unikey", true);
        return editor;
    });
}

// The medians of this run, for the ratio printed at the end.
std::map<std::string, double>& Medians() {
    static std::map<std::string, double> medians;
    return medians;
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
        PinTo(pid_, kProgramCore);
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
    PinnedBenchSide pinned;
    ScratchFolder scratch;
    FcitxHarness harness{scratch.Path("hook")};
    Program program{scratch};
    fcitx::ICUUID editor;

    // Ready once the hook takes a letter for the candidate window; Esc then
    // empties the box again.
    Session() {
        editor = harness.CreateInputContext("gedit");
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (!harness.SendKey(editor, fcitx::Key("h"), false)) {
            harness.SendKey(editor, fcitx::Key("h"), true);
            if (Clock::now() > deadline) Fail("orvik2004 did not switch its input method on");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        AwaitAnswer(harness);
        harness.SendKey(editor, fcitx::Key("h"), true);
        Answered("Escape");
    }

    // Types a key the hook takes and waits until the program answered.
    void Answered(const char* key) {
        SendTaken(harness, editor, key);
        AwaitAnswer(harness);
        harness.SendKey(editor, fcitx::Key(key), true);
    }
};

Session& TheSession() {
    static Session session;
    return session;
}

double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void Report(benchmark::State& state, std::vector<double> samples, const std::string& key) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    Medians()[key] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

// Times the letters of h o a f, typed state.range(0) ms apart into
// `editor`, each taken and then `handled`; `endWord`, untimed, ends each
// word.
template <class Handled, class EndWord>
std::vector<double> TimeLetters(benchmark::State& state, FcitxHarness& harness, const fcitx::ICUUID& editor,
                                Handled handled, EndWord endWord) {
    const char* letters[] = {"h", "o", "a", "f"};
    const std::chrono::milliseconds pause(state.range(0));
    std::vector<double> samples;
    std::size_t next = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(pause);
        const auto start = Clock::now();
        SendTaken(harness, editor, letters[next]);
        handled();
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(Micro(took));
        harness.SendKey(editor, fcitx::Key(letters[next]), true);
        if (++next == std::size(letters)) {
            next = 0;
            endWord();
        }
    }
    return samples;
}

// The same key event with no hook: it passes straight through. It runs
// first, so that its fcitx5 instance has ended before the session starts.
void BM_PassThroughBaseline(benchmark::State& state) {
    PinnedBenchSide pinned;
    ScratchFolder scratch;
    FcitxHarness harness(scratch.Path("hook"), "");
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
    Report(state, std::move(samples), "pass-through");
}
BENCHMARK(BM_PassThroughBaseline)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The letters of h o a f taken by fcitx5-unikey (Telex), each word ended
// by a Space, untimed; its instance too ends before the session starts. The
// argument is the pause between keys, as for the program's letters below.
void BM_UnikeyLetterBaseline(benchmark::State& state) {
    PinnedBenchSide pinned;
    ScratchFolder scratch;
    FcitxHarness harness(scratch.Path("hook"), "unikey");
    const fcitx::ICUUID editor = UnikeyEditor(harness);
    std::vector<double> samples = TimeLetters(state, harness, editor, [] {}, [&] {
        harness.SendKey(editor, fcitx::Key("space"), false);
        harness.SendKey(editor, fcitx::Key("space"), true);
    });
    // It composed what the program composes.
    const auto commits = harness.Commits();
    if (commits.empty() || commits.front().text != "hòa ")
        Fail("fcitx5-unikey did not type \"hòa \": " + (commits.empty() ? std::string("nothing") : commits.front().text));
    Report(state, std::move(samples), "unikey letter " + std::to_string(state.range(0)));
}
BENCHMARK(BM_UnikeyLetterBaseline)->Arg(0)->Arg(5)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A letter of h o a f, until the hook has the program's answer: the
// program composes the box and searches before it answers, and draws the
// page once the keys pause. The argument is the pause between keys in
// milliseconds: 0 types them back to back; 5 is still faster than anyone
// types, and lets idle cores fall asleep.
void BM_LetterRoundTrip(benchmark::State& state) {
    Session& session = TheSession();
    std::vector<double> samples = TimeLetters(
        state, session.harness, session.editor, [&] { AwaitAnswer(session.harness); },
        [&] { session.Answered("Escape"); });
    Report(state, std::move(samples), "letter " + std::to_string(state.range(0)));
}
BENCHMARK(BM_LetterRoundTrip)->Arg(0)->Arg(5)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The pick 1 after h o a f, in the "98" mode the program starts in: until
// the Ctrl+V that pastes 和 reaches the input context. What follows the paste
// waits for an application to fetch the clipboard, which no application
// does here, so each pick waits untimed for its Space before the next: it
// follows the forwarded Ctrl+V as a forwarded key.
void BM_PickRoundTrip(benchmark::State& state) {
    Session& session = TheSession();
    FcitxHarness& harness = session.harness;
    std::vector<double> samples;
    for (auto _ : state) {
        for (const char* letter : {"h", "o", "a", "f"}) session.Answered(letter);
        const std::size_t forwards = harness.Forwards().size();
        const auto start = Clock::now();
        SendTaken(harness, session.editor, "1");
        if (!harness.WaitForForwards(forwards + 1)) Fail("the pick was not pasted");
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(Micro(took));
        harness.SendKey(session.editor, fcitx::Key("1"), true);
        // V down and up, Ctrl travelling as their state; then the Space.
        if (!harness.WaitForForwards(forwards + 4)) Fail("the pick did not end with its Space");
        if (harness.Forwards()[forwards].key.toString() != "Control+v") Fail("the pick was no Ctrl+V");
    }
    Report(state, std::move(samples), "pick");
}
BENCHMARK(BM_PickRoundTrip)->UseManualTime()->Iterations(100)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // fcitx5's test frontend logs every key that passes through: the
    // baseline would time the log, not the key.
    fcitx::Log::setLogRule("default=2");
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& medians = Medians();
    for (const char* pause : {"0", "5"}) {
        const auto letter = medians.find(std::string("letter ") + pause);
        const auto unikey = medians.find(std::string("unikey letter ") + pause);
        if (letter != medians.end() && unikey != medians.end() && unikey->second > 0)
            std::printf("letter round trip / fcitx5-unikey letter, %s ms between keys (medians): %.1f\n", pause,
                        letter->second / unikey->second);
    }
    return 0;
}
