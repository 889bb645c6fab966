// Compiled HTML Help files: a project of pages compiled by chmcmd, its
// listing repaired, then every page read back with chmlib.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvik::mkdata {

struct ChmPage {
    std::string path;  // inside the file, "/"-separated, no leading "/"
    std::string html;
};

struct ChmProject {
    std::string name;          // "hvtdu": compiled as hvtdu.chm
    std::string title;
    std::string defaultTopic;  // a page path
    std::vector<ChmPage> pages;
};

// chmcmd records block 1 as the first listing block when the directory
// spans several blocks; the header field at 0x98 must say block 0 for
// tools that enumerate the file. Throws when the bytes are no CHM.
void RepairListing(std::string& chmBytes);

// Every page is listed and reads back with its own bytes; throws otherwise.
void CheckChm(const std::filesystem::path& chm, const ChmProject& project);

// Compiles the project in `workDir` and answers the checked .chm file.
std::filesystem::path CompileChm(const ChmProject& project, const std::filesystem::path& workDir,
                                 const std::string& chmcmd);

}  // namespace orvik::mkdata
