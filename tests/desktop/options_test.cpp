// The desktop program's command line, and the command its autostart entry
// runs: quietly, on this run's data directory when it is not the default.
#include "options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace orvik::desktop {
namespace {

TEST(Options, EachOptionIsReadAndAnythingElseRefused) {
    const struct {
        QStringList arguments;
        bool understood;
        std::string data;
        bool imeOn;
        bool tray;
    } cases[] = {
        {{"orvik2004"}, true, ORVIK_DEFAULT_DATA_DIR, false, false},
        {{"orvik2004", "--tray"}, true, ORVIK_DEFAULT_DATA_DIR, false, true},
        {{"orvik2004", "--data", "/d", "--tray", "--ime-on"}, true, "/d", true, true},
        {{"orvik2004", "--data"}, false, {}, false, false},
        {{"orvik2004", "--tray=yes"}, false, {}, false, false},
        {{"orvik2004", "-tray"}, false, {}, false, false},
    };
    for (const auto& c : cases) {
        const auto options = ParseOptions(c.arguments);
        const std::string name = c.arguments.join(' ').toStdString();
        ASSERT_EQ(options.has_value(), c.understood) << name;
        if (!options) continue;
        EXPECT_EQ(options->dataDirectory, c.data) << name;
        EXPECT_EQ(options->imeOn, c.imeOn) << name;
        EXPECT_EQ(options->tray, c.tray) << name;
    }
}

// The session runs the entry in the user's home: a relative data folder is
// named in full; the input method is not switched on by the entry.
TEST(Options, TheAutostartCommandStartsQuietlyOnThisRunsData) {
    using Command = std::vector<std::string>;
    const Options plain{ORVIK_DEFAULT_DATA_DIR, true, false};
    EXPECT_EQ(AutostartCommand(plain, "/usr/bin/orvik2004"), (Command{"/usr/bin/orvik2004", "--tray"}));
    const Options other{"/srv/data", false, false};
    EXPECT_EQ(AutostartCommand(other, "/p"), (Command{"/p", "--tray", "--data", "/srv/data"}));
}

// The start-up moves into its working directory before it writes the
// autostart command; a relative --data still names the folder the user
// started the program in.
TEST(Options, ARelativeDataFolderIsTheOneStartedIn) {
    const std::filesystem::path startedIn = std::filesystem::current_path();
    const auto options = ParseOptions({"orvik2004", "--data", "mydata"});
    ASSERT_TRUE(options);
    testing::TempDir working("orvik-options");
    std::filesystem::current_path(working.path());
    const auto command = AutostartCommand(*options, "/p");
    std::filesystem::current_path(startedIn);
    EXPECT_EQ(command, (std::vector<std::string>{"/p", "--tray", "--data", (startedIn / "mydata").string()}));
}

}  // namespace
}  // namespace orvik::desktop
