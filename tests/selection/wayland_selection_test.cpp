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
constexpr std::size_t kLimit = 512 * 1024;

// A wl-paste that lists `offer` (for the primary selection only if
// `primaryOnly`) and serves the output of `serve` for any type, the type
// being $TYPE in it.
class FakeWlPaste {
public:
    FakeWlPaste(const std::string& offer, const std::string& serve, bool primaryOnly = false) {
        std::ofstream(path()) << "#!/bin/sh\n"
                              << "primary=no; [ \"$1\" = --primary ] && { primary=yes; shift; }\n"
                              << (primaryOnly ? "[ $primary = yes ] || exit 1\n" : "") << "case \"$1\" in\n"
                              << "--list-types) printf '" << offer << "' ;;\n"
                              << "--no-newline) TYPE=$3; " << serve << " ;;\n"
                              << "*) exit 2 ;;\n"
                              << "esac\n";
        ::chmod(path().c_str(), 0700);
    }
    std::string path() const { return (dir_ / "wl-paste").string(); }

    SelectionRead Read(WaylandSelection selection = WaylandSelection::kClipboard) const {
        return ReadWaylandSelection(selection, {"text/rtf", "text/plain;charset=utf-8"}, kLimit, 600ms, path());
    }

private:
    testing::TempDir dir_{"orvik-wl-paste"};
};

// The first wanted type offered is read whole; nothing usable reads as not
// ok; the primary selection is asked for as such.
TEST(WaylandSelectionTest, TheFirstWantedTypeOfferedIsReadWhole) {
    const auto outcome = [](const SelectionRead& read) {
        return read.ok ? read.target + " = " + read.bytes + (read.cut ? " (cut)" : "") : "not ok";
    };
    const FakeWlPaste both("text/plain;charset=utf-8\\ntext/rtf\\n", "printf '%s' \"$TYPE: 和\"");
    EXPECT_EQ(outcome(both.Read()), "text/rtf = text/rtf: 和");
    EXPECT_EQ(outcome(FakeWlPaste("image/png\\n", "printf x").Read()), "not ok");
    EXPECT_EQ(outcome(FakeWlPaste("text/rtf\\n", "exit 1").Read()), "not ok");
    EXPECT_FALSE(ReadWaylandSelection(WaylandSelection::kClipboard, {"text/rtf"}, kLimit, 600ms, "/nonexistent/wl-paste").ok);
    const FakeWlPaste primary("text/rtf\\n", "printf primary", true);
    EXPECT_EQ(outcome(primary.Read()), "not ok");
    EXPECT_EQ(outcome(primary.Read(WaylandSelection::kPrimary)), "text/rtf = primary");
}

TEST(WaylandSelectionTest, LargeOrSlowOffersAreCutAtTheLimitWithinThePatience) {
    const std::pair<const char*, std::size_t> cases[] = {  // what is served, bytes at least read
        {"exec head -c 50000000 /dev/zero", kLimit},
        {"while :; do head -c 65536 /dev/zero; sleep 0.2; done", 65536},
        {"exec sleep 30", 0},
    };
    for (const auto& [serve, least] : cases) {
        SCOPED_TRACE(serve);
        const FakeWlPaste fake("text/rtf\\n", serve);
        const auto start = std::chrono::steady_clock::now();
        const SelectionRead read = fake.Read();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 900ms);
        EXPECT_TRUE(read.ok && read.cut);
        EXPECT_GE(read.bytes.size(), least);
        EXPECT_LE(read.bytes.size(), kLimit);
    }
}

}  // namespace
}  // namespace orvik
