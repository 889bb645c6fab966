#include "chm_compiler.h"

#include <chm_lib.h>

#include <cstdlib>
#include <set>

#include "build_error.h"
#include "source_files.h"

namespace orvik::mkdata {

namespace {

constexpr std::size_t kDirectoryHeader = 0x78;
constexpr std::size_t kFirstListingBlock = kDirectoryHeader + 0x20;

std::string ProjectFile(const ChmProject& project) {
    std::string hhp = "[OPTIONS]\r\nCompiled file=" + project.name + ".chm\r\nDefault topic=" +
                      project.defaultTopic + "\r\nTitle=" + project.title + "\r\nLanguage=0x42a\r\n\r\n[FILES]\r\n";
    for (const auto& page : project.pages) hhp += page.path + "\r\n";
    return hhp;
}

int CollectPath(chmFile*, chmUnitInfo* unit, void* context) {
    static_cast<std::set<std::string>*>(context)->insert(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

void RepairListing(std::string& chmBytes) {
    if (chmBytes.size() < kFirstListingBlock + 4 || chmBytes.compare(0, 4, "ITSF") != 0 ||
        chmBytes.compare(kDirectoryHeader, 4, "ITSP") != 0)
        throw BuildError("chmcmd wrote no CHM file (no ITSF/ITSP header)");
    chmBytes.replace(kFirstListingBlock, 4, std::string(4, '\0'));
}

void CheckChm(const std::filesystem::path& chm, const ChmProject& project) {
    chmFile* file = chm_open(chm.c_str());
    if (file == nullptr) throw BuildError("chmlib cannot open " + chm.string());
    std::set<std::string> listed;
    chm_enumerate(file, CHM_ENUMERATE_ALL, CollectPath, &listed);
    std::string problem;
    for (const auto& page : project.pages) {
        const std::string path = "/" + page.path;
        chmUnitInfo unit;
        if (!listed.contains(path)) problem = path + " is missing from the listing";
        else if (chm_resolve_object(file, path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) problem = path + " cannot be resolved";
        else {
            std::string bytes(unit.length, '\0');
            const auto got = chm_retrieve_object(file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                                 static_cast<LONGINT64>(unit.length));
            if (static_cast<LONGUINT64>(got) != unit.length || bytes != page.html) problem = path + " reads back wrong";
        }
        if (!problem.empty()) break;
    }
    chm_close(file);
    if (!problem.empty()) throw BuildError(chm.filename().string() + ": " + problem);
}

std::filesystem::path CompileChm(const ChmProject& project, const std::filesystem::path& workDir,
                                 const std::string& chmcmd) {
    std::filesystem::remove_all(workDir);
    for (const auto& page : project.pages) {
        const auto path = workDir / page.path;
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path, page.html);
    }
    WriteFile(workDir / "project.hhp", ProjectFile(project));
    const std::string command = "cd '" + workDir.string() + "' && '" + chmcmd +
                                "' --no-html-scan project.hhp > chmcmd.log 2>&1";
    if (std::system(command.c_str()) != 0)
        throw BuildError("chmcmd failed on " + project.name + " (see " + (workDir / "chmcmd.log").string() +
                         "; package fp-utils)");
    const auto chm = workDir / (project.name + ".chm");
    std::string bytes = ReadFile(chm, "fp-utils");
    RepairListing(bytes);
    WriteFile(chm, bytes);
    CheckChm(chm, project);
    return chm;
}

}  // namespace orvik::mkdata
