// The hook's link with the program: a program that does not answer or goes
// away never costs the user a key, lines it cannot read are dropped without
// losing the connection, focus changes are reported, and only this user's
// processes get through the socket.
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcitx-utils/log.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <string>
#include <vector>

#include "hook_session.h"
#include "codes/desktop_codes.h"

namespace orvik::fcitxhook::testing {
namespace {

using fcitx::Key;

class ProgramLinkTest : public HookSession {
protected:
    // A key that types text goes back as that text, committed.
    void ExpectTypedBack(const Context& context, const std::string& text) {
        ASSERT_TRUE(harness_->WaitForCommits(1));
        EXPECT_EQ(harness_->Commits()[0].context, context.uuid);
        EXPECT_EQ(harness_->Commits()[0].text, text);
        EXPECT_TRUE(harness_->Forwards().empty());
    }
};

TEST_F(ProgramLinkTest, AKeyTheProgramDoesNotAnswerGoesBackAndTheHookFallsSilent) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    EXPECT_TRUE(Press(gedit, Key("a")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, 'a', 0}));
    ExpectTypedBack(gedit, "a");
    // Told, the program undoes the key should it still handle it.
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::GaveBack{1}));
    EXPECT_EQ(harness_->KeysAwaitingAnswer(), 0u);
    EXPECT_FALSE(Press(gedit, Key("b")));
    EXPECT_TRUE(Release(gedit, Key("a")));

    // What comes late for the key given back would type it twice.
    Send(hook::Char{1, gedit.handle, 'x'});
    Sync(gedit);
    EXPECT_EQ(AllCommitted(), "a~");

    // The program has spoken again.
    EXPECT_TRUE(harness_->TakingKeys());
    EXPECT_TRUE(Press(gedit, Key("c")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{2, kTarget, 'c', 0}));
}

// While the program holds text for the application, the keys after it are
// not given back at the wait, which would put them before that text or have
// the program undo text already typed: with "chào" in the box the "?" went
// first and the word stayed behind; after the paste of "chào", the "?" given
// back had the program take the word back and type it again. A command
// chord never goes to the application (given back, Ctrl+Alt+N typed an "n"
// into a Qt window).
TEST_F(ProgramLinkTest, KeysBehindTextTheProgramHoldsAndChordsStayThePrograms) {
    using namespace std::chrono_literals;
    const Context qt = Open("e2e_qt_notepad");
    RegisterAndHook();
    const auto stallPastTheWait = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(hook::kAnswerWaitMs) + 200ms);
        EXPECT_EQ(harness_->KeysAwaitingAnswer(), 1u);
        EXPECT_EQ(program_->ReadLine(100ms), std::nullopt);
    };
    // The word typed, the program stalls before answering the "?".
    SayWordTyped(qt);
    EXPECT_TRUE(Press(qt, Key("question")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, kVkOem8, 0}));
    stallPastTheWait();
    // The word pasted, the program stalls before passing the "?" on.
    Send(hook::Word{false}, hook::Keybd{1, static_cast<std::uint8_t>(kVkControl), kScanControl, 0},
         hook::Keybd{1, static_cast<std::uint8_t>(kVkV), kScanV, 0});
    ASSERT_TRUE(harness_->WaitForForwards(1));
    EXPECT_EQ(ForwardedKeys(), Texts{"Control+v"});
    stallPastTheWait();
    Send(hook::Pass{1}, hook::Done{1});
    Sync(qt);
    // Each "~" is a sync's.
    EXPECT_EQ(AllCommitted(), "~?~");

    EXPECT_TRUE(Press(qt, Key("Control+Alt+n")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{2, kOwner, kCmdTelexNom, 0}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return !harness_->TakingKeys(); }));
    EXPECT_EQ(harness_->KeysAwaitingAnswer(), 0u);
    EXPECT_EQ(ForwardedKeys(), Texts{"Control+v"});
    EXPECT_EQ(AllCommitted(), "~?~");
    EXPECT_EQ(program_->ReadLine(100ms), std::nullopt);
}

// A key typed right after a letter the program has not answered yet must
// not reach the application first: it waits behind the letter.
TEST_F(ProgramLinkTest, AKeyOfTheApplicationsWaitsBehindTheKeysTheProgramHasNotAnswered) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    EXPECT_TRUE(Press(gedit, Key("a")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, 'a', 0}));
    EXPECT_TRUE(Press(gedit, Key("Left")));
    EXPECT_TRUE(Release(gedit, Key("Left")));
    EXPECT_TRUE(harness_->Forwards().empty());
    Answer(1);
    ASSERT_TRUE(harness_->WaitForForwards(2));
    EXPECT_EQ(ForwardedKeys(), (Texts{"Left", "Left up"}));
    // Nothing waits: keys of the application's pass at once again.
    EXPECT_FALSE(Press(gedit, Key("Left")));
}

// Enter ends the typed word: while one is typed (or may be, behind keys
// still waiting) the program sends the word, then passes Enter on
// ("xin chaof⏎" gave "xin " and left the word in the box). With no word,
// Enter is the application's at once.
TEST_F(ProgramLinkTest, AKeyThatEndsAWordFollowsTheWord) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    EXPECT_FALSE(Press(gedit, Key("Return")));
    SayWordTyped(gedit);
    EXPECT_TRUE(Press(gedit, Key("Return")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, kVkReturn, 0}));
    Send(Chars(gedit, u"chào", 1), hook::Word{false}, hook::Pass{1}, hook::Done{1});
    ASSERT_TRUE(harness_->WaitForForwards(2));
    EXPECT_EQ(ForwardedKeys(), (Texts{"Return", "Return up"}));
    EXPECT_EQ(AllCommitted(), "~chào");
    EXPECT_FALSE(Press(gedit, Key("Return")));
}

// The program passes on a key it has no use for (Backspace with the word
// gone); the pass may come after the key's answer, behind a paste.
TEST_F(ProgramLinkTest, AKeyTheProgramPassesOnReachesItsApplicationAsTyped) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    SayWordTyped(gedit);
    EXPECT_TRUE(Press(gedit, Key("BackSpace")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, kVkBack, 0}));
    Send(hook::Done{1}, hook::Pass{1});
    ASSERT_TRUE(harness_->WaitForForwards(2));
    EXPECT_EQ(ForwardedKeys(), (Texts{"BackSpace", "BackSpace up"}));
    EXPECT_TRUE(Release(gedit, Key("BackSpace")));
    // Passed once: a second pass for the same key, or one for a key never
    // taken, gives nothing.
    Send(hook::Pass{1}, hook::Pass{9});
    Sync(gedit);
    const Texts forwarded = ForwardedKeys();
    EXPECT_EQ(std::count(forwarded.begin(), forwarded.end(), "BackSpace"), 1);
}

// Right after a commit, a Backspace or an Enter no word waits for goes
// behind it instead of straight to the application, which could take it
// first ("2045" for "2004⌫5"): in GTK 4, which would never see a forwarded
// key, as a deletion of the character before the cursor and as a line
// break. Later they go straight on again.
TEST_F(ProgramLinkTest, ABackspaceOrEnterRightAfterACommitFollowsIt) {
    const Context gtk4 = OpenGtk4();
    RegisterAndHook();
    Sync(gtk4);
    for (const char* key : {"BackSpace", "Return"}) {
        EXPECT_TRUE(Press(gtk4, Key(key))) << key;
        EXPECT_TRUE(Release(gtk4, Key(key))) << key;
    }
    // The test frontend logs the deletions asked of it.
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->LogCount("DeleteSurrounding:") == 1; }));
    ASSERT_TRUE(harness_->WaitForCommits(2));
    EXPECT_EQ(CommittedTexts(), (Texts{"~", "\n"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    for (const char* key : {"BackSpace", "Return"}) EXPECT_FALSE(Press(gtk4, Key(key))) << key;
}

// A program of the same user that is not orvik2004, connecting COUNT times;
// 0 when the hook closed every connection unanswered.
int RunStranger(const std::string& socket, int count) {
    const std::string command = std::string(ORVIK_STRANGER_CLIENT) + " '" + socket + "' " + std::to_string(count);
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// One program at a time, and only orvik2004: a second connection, or one
// from another program of the user, is closed unanswered, and the program
// keeps its place (a stranger that took it read every key typed). A
// stranger in a connect loop is refused quietly. A program that goes away
// gives its keys back; a new one starts afresh.
TEST_F(ProgramLinkTest, NoOtherConnectionTakesTheProgramsPlaceAndANewProgramStartsAfresh) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    FakeProgram second(SocketPath());
    EXPECT_TRUE(second.ClosedByHook());
    EXPECT_EQ(RunStranger(SocketPath(), 300), 0);
    EXPECT_LE(harness_->LogCount("refused a connection"), 15u);
    EXPECT_GE(harness_->LogCount("more like it were not logged"), 1u);
    EXPECT_TRUE(Press(gedit, Key("a")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, 'a', 0}));

    program_->Close();
    ExpectTypedBack(gedit, "a");
    EXPECT_FALSE(Press(gedit, Key("b")));
    EXPECT_FALSE(Press(gedit, Key("Control+Alt+o")));
    EXPECT_EQ(RunStranger(SocketPath(), 1), 0);  // nor with the place free
    EXPECT_FALSE(harness_->TakingKeys());

    program_ = Connect(hook::Focus{gedit.handle, false, "gedit"});
    EXPECT_FALSE(Press(gedit, Key("c")));
    RegisterAndHook();
    EXPECT_TRUE(Press(gedit, Key("d")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{2, kTarget, 'd', 0}));
}

// The program's lines pile up in the hook until it lets go of the program;
// the key whose line was one too many goes back with the others.
TEST_F(ProgramLinkTest, AProgramThatStopsReadingIsLetGo) {
    constexpr std::size_t kEnoughKeys = 100000;  // megabytes of lines
    const Context gedit = Open("gedit");
    RegisterAndHook();
    // In one turn of the loop, so that none of the keys times out.
    const std::size_t taken = harness_->Run([&] {
        fcitx::Log::setLogRule("*=3");  // tens of thousands of keys go back
        std::size_t count = 0;
        while (count < kEnoughKeys && harness_->TakingKeys()) count += Press(gedit, Key("a")) ? 1 : 0;
        fcitx::Log::setLogRule("*=4");
        return count;
    });
    EXPECT_LT(taken, kEnoughKeys);
    EXPECT_EQ(harness_->KeysAwaitingAnswer(), 0u);
    EXPECT_EQ(AllCommitted(), std::string(taken, 'a'));
    EXPECT_TRUE(program_->ClosedByHook());
}

// Lines it cannot read cost the program neither its connection nor a
// flood of the log.
TEST_F(ProgramLinkTest, LinesTheHookCannotReadAreDroppedAndLogAFew) {
    const Context gedit = Open("gedit");
    std::string garbage;
    for (int i = 0; i < 100000; ++i) garbage += "bogus\n";
    program_->Send(garbage);
    program_->Send("char 0 1\n");
    Send(hook::KeyUp{1, gedit.handle, 'a', 0});  // only the hook sends these
    program_->Send(std::string(hook::kMaxLineBytes * 2, 'x') + "\n");
    program_->Send("char 0 " + std::to_string(gedit.handle));  // a line in two writes
    program_->Send(" 65\n");
    ASSERT_TRUE(harness_->WaitForCommits(1));
    EXPECT_EQ(harness_->Commits()[0].text, "A");
    EXPECT_LE(harness_->LogCount("dropped a line"), 10u);
}

TEST_F(ProgramLinkTest, FocusChangesAreReportedWithTheOwnFlag) {
    const Context gedit = Open("gedit");
    const Context own = Open(std::string(hook::kProgramName));
    EXPECT_NE(gedit.handle, own.handle);
    EXPECT_GE(gedit.handle, hook::kFirstInputContext);
    const auto focusIn = [&](const Context& c) { harness_->Run([&] { harness_->Context(c.uuid).focusIn(); }); };
    const auto focusOut = [&](const Context& c) { harness_->Run([&] { harness_->Context(c.uuid).focusOut(); }); };
    focusOut(gedit);  // not the one last reported: no line
    focusIn(gedit);
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::Focus{gedit.handle, false, "gedit"}));
    focusOut(gedit);
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::Focus{}));
    focusOut(own);  // no longer the one last reported
    focusIn(own);
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::Focus{own.handle, true, std::string(hook::kProgramName)}));
    harness_->Run([&] { delete &harness_->Context(own.uuid); });  // as a frontend destroys it
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::Focus{}));
}

sockaddr_un AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    return address;
}

// Connects as another user (as root only): the hook must close the
// connection before it says anything. Runs in a child process, since the
// user is the whole process's; the child only makes system calls.
TEST_F(ProgramLinkTest, ProcessesOfOtherUsersAreRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    constexpr uid_t kNobody = 65534;
    constexpr int kBoundMs = std::chrono::milliseconds(kWaitBound).count();
    for (const std::filesystem::path& dir : {dir_.path(), dir_ / "run"}) ASSERT_EQ(chmod(dir.c_str(), 0711), 0);
    ASSERT_EQ(chmod(SocketPath().c_str(), 0666), 0);
    const sockaddr_un address = AddressOf(SocketPath());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (seteuid(kNobody) != 0) _exit(2);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) _exit(3);
        pollfd readable{fd, POLLIN, 0};
        char byte;
        _exit(poll(&readable, 1, kBoundMs) == 1 && read(fd, &byte, 1) <= 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "1: greeted or left open; 2: cannot change user; 3: cannot connect";
    const Context gedit = Open("gedit");  // the user's own connection stays
    EXPECT_EQ(gedit.handle, hook::kFirstInputContext);
}

// The socket and the directory it is in are the user's alone, made so or
// found so, and the socket goes with the hook. The hook stays out of places
// others could reach, and out of files it did not make.
TEST(HookSocketPlaceTest, TheSocketIsTheUsersAloneAndGoesWithTheHook) {
    using Path = std::filesystem::path;
    const auto makeFile = [](const Path& path) { close(open(path.c_str(), O_CREAT | O_WRONLY, 0600)); };
    const auto leaveSocket = [](const Path& path) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = AddressOf(path);
        bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        close(fd);
    };
    const auto modeOf = [](const Path& path) {
        struct stat info {};
        return lstat(path.c_str(), &info) == 0 ? info.st_mode : mode_t{0};
    };
    struct Case {
        const char* name;
        mode_t runMode;  // of the socket's directory; 0: none made
        std::function<void(const Path& run)> prepare;
        bool listens;
    };
    const std::vector<Case> cases{
        {"nothing there yet", 0, nullptr, true},
        {"a directory open to the group", 0750, nullptr, false},
        {"a file where the directory goes", 0, makeFile, false},
        {"a file at the socket's path", 0700, [&](const Path& run) { makeFile(run / "hook"); }, false},
        {"a socket left by an earlier run", 0700, [&](const Path& run) { leaveSocket(run / "hook"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const Path run = dir / "run";
        const Path hookSocket = run / "hook";
        if (c.runMode != 0) {
            mkdir(run.c_str(), c.runMode);
            chmod(run.c_str(), c.runMode);  // past the umask
        }
        if (c.prepare) c.prepare(run);
        {
            FcitxHarness harness(hookSocket.string());
            FakeProgram program(hookSocket.string());
            EXPECT_EQ(program.Connected(), c.listens);
            if (c.listens) {
                EXPECT_EQ(program.ReadLine(), hook::LineOf(hook::Hello{hook::kVersion}));
                EXPECT_EQ(modeOf(run), S_IFDIR | 0700);
                EXPECT_EQ(modeOf(hookSocket), S_IFSOCK | 0600);
            } else {
                EXPECT_FALSE(S_ISSOCK(modeOf(hookSocket)));
            }
        }
        EXPECT_FALSE(S_ISSOCK(modeOf(hookSocket)));
    }
}

}  // namespace
}  // namespace orvik::fcitxhook::testing
