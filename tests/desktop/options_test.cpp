// The desktop program's command line, and the command its autostart entry
// runs: quietly, on this run's data directory when it is not the default.
#include "options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace orvik::desktop {
namespace {

// The options read, as "DATA [ime-on] [tray]", or "refused".
std::string Read(const QStringList& arguments) {
    const auto options = ParseOptions(arguments);
    if (!options) return "refused";
    return options->dataDirectory + (options->imeOn ? " ime-on" : "") + (options->tray ? " tray" : "");
}

TEST(Options, EachOptionIsReadAndAnythingElseRefused) {
    const std::pair<QStringList, std::string> cases[] = {
        {{"orvik2004"}, ORVIK_DEFAULT_DATA_DIR},
        {{"orvik2004", "--tray"}, ORVIK_DEFAULT_DATA_DIR " tray"},
        {{"orvik2004", "--data", "/d", "--tray", "--ime-on"}, "/d ime-on tray"},
        {{"orvik2004", "--data"}, "refused"},
        {{"orvik2004", "--tray=yes"}, "refused"},
        {{"orvik2004", "-tray"}, "refused"},
    };
    for (const auto& [arguments, read] : cases) EXPECT_EQ(Read(arguments), read) << arguments.join(' ').toStdString();
}

// The session runs the entry in the user's home, and the start-up writes it
// from its working directory: a relative data folder is named in full as
// the folder the user started in. The entry does not switch the input
// method on.
TEST(Options, TheAutostartCommandStartsQuietlyOnThisRunsData) {
    using Command = std::vector<std::string>;
    const std::filesystem::path startedIn = std::filesystem::current_path();
    const std::pair<QStringList, Command> cases[] = {
        {{"orvik2004", "--ime-on"}, {"/p", "--tray"}},
        {{"orvik2004", "--data", "/srv/data"}, {"/p", "--tray", "--data", "/srv/data"}},
        {{"orvik2004", "--data", "mydata"}, {"/p", "--tray", "--data", (startedIn / "mydata").string()}},
    };
    const testing::TempDir working("orvik-options");
    for (const auto& [arguments, command] : cases) {
        const auto options = ParseOptions(arguments);
        ASSERT_TRUE(options);
        std::filesystem::current_path(working.path());
        EXPECT_EQ(AutostartCommand(*options, "/p"), command) << arguments.join(' ').toStdString();
        std::filesystem::current_path(startedIn);
    }
}

}  // namespace
}  // namespace orvik::desktop
