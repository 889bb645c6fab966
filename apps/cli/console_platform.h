// The platform of the command-line tool: files of a data directory, a scratch
// current directory for the page file, messages on the error stream. A
// console has no browser view to draw: the windows' view models keep the
// address they were navigated to.
#pragma once

#include <ostream>
#include <string>

#include "platform/headless_desktop.h"

namespace orvik::cli {

class ConsolePlatform : public HeadlessDesktop {
public:
    ConsolePlatform(std::string dataDirectory, std::ostream& messages);
    ~ConsolePlatform() override;
    ConsolePlatform(const ConsolePlatform&) = delete;
    ConsolePlatform& operator=(const ConsolePlatform&) = delete;

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::string ProgramDirectory() override { return dataDirectory_; }
    std::string CurrentDirectory() override { return scratchDirectory_; }
    void Navigate(std::string_view view, std::u16string_view address) override;
    std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) override;

private:
    std::string dataDirectory_;
    std::string scratchDirectory_;
    std::ostream& messages_;
};

}  // namespace orvik::cli
