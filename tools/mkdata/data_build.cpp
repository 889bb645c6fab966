#include "data_build.h"

#include <fstream>
#include <sstream>

#include "build_error.h"
#include "characters.h"
#include "clips.h"
#include "lookup_tables.h"
#include "mode_indexes.h"
#include "source_files.h"
#include "syllables.h"
#include "text_files.h"
#include "unihan.h"

namespace orvik::mkdata {

namespace {

class DataDir {
public:
    DataDir(std::filesystem::path dir, Report& report) : dir_(std::move(dir)), report_(report) {}
    void Write(const std::string& name, std::string_view bytes) {
        WriteFile(dir_ / name, bytes);
        report_.sizes[name] = bytes.size();
    }
    const std::filesystem::path& Path() const { return dir_; }

private:
    std::filesystem::path dir_;
    Report& report_;
};

void BuildIndexes(const Characters& chars, DataDir& out, Report& report) {
    for (auto build : {BuildTelexHan, BuildTelexNom, BuildCangJieHan, BuildCangJieNom, BuildPinYin}) {
        BuiltIndex index = build(chars);
        out.Write(index.coverage.file, index.bytes);
        report.indexes.push_back(std::move(index.coverage));
    }
}

}  // namespace

Report BuildAll(const Options& options) {
    Report report;
    std::error_code ec;
    std::filesystem::create_directories(options.outDir, ec);
    if (ec) throw BuildError("cannot make " + options.outDir.string() + ": " + ec.message());
    DataDir out(options.outDir, report);

    Unihan unihan(WantedUnihanFields());
    unihan.LoadDirectory(options.unihanDir);
    const Characters chars(unihan);
    const auto syllables = SyllablesOfDictionary(ReadFile(options.hunspellDic, "hunspell-vi"));
    if (syllables.empty()) throw BuildError(options.hunspellDic.string() + ": no Vietnamese syllable found");
    const auto pages = ByPageKey(syllables);

    BuildIndexes(chars, out, report);
    out.Write("big5uni.idx", Big5UniFile(chars));
    out.Write("phienam.txt", HanReadingTable(chars));
    out.Write("phiennom.txt", NomReadingTable(chars));
    out.Write("tdviet.idx", WordListFile(pages));
    out.Write("Tonaro.txt", CorrectionList(ReadFile(options.textDir / "Tonaro.txt", "this project")));
    report.readingTextShare = ReadingTextShare(chars);
    if (options.clips) {
        report.clips = BuildClips(syllables, out.Path() / "doctv.MDB");
        report.sizes["doctv.MDB"] = std::filesystem::file_size(out.Path() / "doctv.MDB");
    }
    return report;
}

void WriteReportFile(const std::filesystem::path& path, const Report& report) {
    std::ostringstream text;
    PrintReport(text, report);
    WriteFile(path, text.str());
}

}  // namespace orvik::mkdata
