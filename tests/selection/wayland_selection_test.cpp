// The bounded Wayland read against stand-ins for wl-paste: shell scripts
// that list and serve what a clipboard owner would, quickly or slowly.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/qt/wayland_selection.h"
#include "temp_dir.h"

namespace orvik {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kLimit = 512 * 1024;
const std::vector<std::string> kWanted{"text/rtf", "text/plain;charset=utf-8"};

// A wl-paste that lists `offer` (for the primary selection only if
// `primaryOnly`) and serves the output of `serve` for any type, the type
// being $TYPE in it.
class FakeWlPaste {
public:
    FakeWlPaste(const std::string& offer, const std::string& serve, bool primaryOnly = false) {
        std::ofstream script(path());
        script << "#!/bin/sh\n"
               << "primary=no; [ \"$1\" = --primary ] && { primary=yes; shift; }\n"
               << (primaryOnly ? "[ $primary = yes ] || exit 1\n" : "")
               << "case \"$1\" in\n"
               << "--list-types) printf '" << offer << "' ;;\n"
               << "--no-newline) TYPE=$3; " << serve << " ;;\n"
               << "*) exit 2 ;;\n"
               << "esac\n";
        script.close();
        ::chmod(path().c_str(), 0700);
    }
    std::string path() const { return (dir_ / "wl-paste").string(); }

private:
    testing::TempDir dir_{"orvik-wl-paste"};
};

SelectionRead Read(const FakeWlPaste& fake, WaylandSelection selection = WaylandSelection::kClipboard) {
    return ReadWaylandSelection(selection, kWanted, kLimit, 600ms, fake.path());
}

TEST(WaylandSelectionTest, TheFirstWantedTypeOfferedIsReadWhole) {
    const FakeWlPaste fake("text/plain;charset=utf-8\\ntext/rtf\\n", "printf '%s' \"$TYPE: 和\"");
    const SelectionRead read = Read(fake);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.target, "text/rtf");
    EXPECT_EQ(read.bytes, "text/rtf: 和");
    EXPECT_FALSE(read.cut);
}

TEST(WaylandSelectionTest, LargeOrSlowOffersAreCutAtTheLimitWithinThePatience) {
    struct Case {
        const char* name;
        const char* serve;
        std::size_t least;  // bytes at least read
    };
    const Case cases[] = {
        {"fifty megabytes at once", "exec head -c 50000000 /dev/zero", kLimit},
        {"64 KiB every 200 ms", "while :; do head -c 65536 /dev/zero; sleep 0.2; done", 65536},
        {"nothing, never done", "exec sleep 30", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FakeWlPaste fake("text/rtf\\n", c.serve);
        const auto start = Clock::now();
        const SelectionRead read = Read(fake);
        EXPECT_LT(Clock::now() - start, 900ms);
        EXPECT_TRUE(read.ok);
        EXPECT_TRUE(read.cut);
        EXPECT_GE(read.bytes.size(), c.least);
        EXPECT_LE(read.bytes.size(), kLimit);
    }
}

TEST(WaylandSelectionTest, NothingUsableReadsAsNotOk) {
    const FakeWlPaste noneWanted("image/png\\n", "printf x");
    EXPECT_FALSE(Read(noneWanted).ok);
    const FakeWlPaste noSelection("", "printf x");
    EXPECT_FALSE(Read(noSelection).ok);
    const FakeWlPaste failing("text/rtf\\n", "exit 1");
    EXPECT_FALSE(Read(failing).ok);
    EXPECT_FALSE(ReadWaylandSelection(WaylandSelection::kClipboard, kWanted, kLimit, 600ms, "/nonexistent/wl-paste").ok);
}

TEST(WaylandSelectionTest, ThePrimarySelectionIsAskedForAsSuch) {
    const FakeWlPaste fake("text/rtf\\n", "printf primary", true);
    EXPECT_FALSE(Read(fake, WaylandSelection::kClipboard).ok);
    const SelectionRead read = Read(fake, WaylandSelection::kPrimary);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, "primary");
}

}  // namespace
}  // namespace orvik
