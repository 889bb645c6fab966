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
        const char* exec;
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
    };
    for (const auto& c : cases) {
        const auto exec = DesktopExecValue(c.command);
        ASSERT_TRUE(exec.has_value()) << c.exec;
        EXPECT_EQ(*exec, c.exec);
    }
}

TEST(AutostartEntry, ACommandThatCannotBeWrittenIsRefused) {
    const std::vector<std::vector<std::string>> refused{
        {},
        {""},
        {"/opt/x", "--data", "/d/line\nbreak"},
        {"/opt/x\tbin"},
        {"/opt/x", std::string("nul\0inside", 10)},
    };
    for (const auto& command : refused) {
        EXPECT_FALSE(DesktopExecValue(command).has_value());
        EXPECT_FALSE(AutostartEntryText(command).has_value());
    }
}

TEST(AutostartEntry, TheEntryStartsTheCommandAsAnApplicationWithItsIcon) {
    const auto text = AutostartEntryText({"/usr/bin/orvik2004", "--tray"});
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->rfind("[Desktop Entry]\n", 0), 0u);
    for (const char* line : {"\nType=Application\n", "\nExec=/usr/bin/orvik2004 --tray\n", "\nIcon=orvik2004\n",
                             "\nName=Việt Orvik 2004\n"})
        EXPECT_NE(text->find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace orvik
