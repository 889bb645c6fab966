// The autostart entry's Exec line: a command whatever its path holds must be
// read back by the desktop as the same arguments, and a command that cannot
// be written is refused rather than written wrong.
#include "formats/autostart_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvik {
namespace {

TEST(AutostartEntry, ExecQuotesAndEscapesWhatTheDesktopWouldReadOtherwise) {
    const struct {
        std::vector<std::string> command;
        const char* exec;  // nullptr: refused
    } cases[] = {
        {{"/usr/bin/orvik2004", "--tray"}, "/usr/bin/orvik2004 --tray"},
        {{"/home/an/Bộ gõ/orvik2004", "--tray"}, "\"/home/an/Bộ gõ/orvik2004\" --tray"},
        {{"/opt/a$b/orvik2004"}, "\"/opt/a\\\\$b/orvik2004\""},
        {{"/opt/x", "--data", "/d/say \"hi\""}, "/opt/x --data \"/d/say \\\\\"hi\\\\\"\""},
        {{"/opt/x", "--data", "C:\\data"}, "/opt/x --data \"C:\\\\\\\\data\""},
        {{"/opt/x", "--data", "/d/100%"}, "/opt/x --data /d/100%%"},
        {{"/opt/x", "--data", "/d/it's"}, "/opt/x --data \"/d/it's\""},
        {{"/opt/x", "--data", "/d/a`b"}, "/opt/x --data \"/d/a\\\\`b\""},
        {{"/opt/x", "--data", "~/data"}, "/opt/x --data \"~/data\""},
        {{"/opt/x", "--data", "/a=b,c"}, "/opt/x --data /a=b,c"},
        {{"/opt/x", ""}, "/opt/x \"\""},
        {{}, nullptr},
        {{""}, nullptr},
        {{"/opt/x", "--data", "/d/line\nbreak"}, nullptr},
        {{"/opt/x", std::string("nul\0inside", 10)}, nullptr},
        {{"/opt/x", "\x7f"}, nullptr},
    };
    for (const auto& c : cases) {
        const auto exec = DesktopExecValue(c.command);
        const auto entry = AutostartEntryText(c.command);
        ASSERT_EQ(exec.has_value(), c.exec != nullptr) << (c.exec ? c.exec : "refused");
        ASSERT_EQ(entry.has_value(), c.exec != nullptr) << (c.exec ? c.exec : "refused");
        if (!c.exec) continue;
        EXPECT_EQ(*exec, c.exec);
        EXPECT_EQ(entry->rfind("[Desktop Entry]\nType=Application\n", 0), 0u) << *entry;
        EXPECT_NE(entry->find("\nExec=" + *exec + "\n"), std::string::npos) << *entry;
    }
}

}  // namespace
}  // namespace orvik
