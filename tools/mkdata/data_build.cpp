#include "data_build.h"

#include <fstream>
#include <sstream>

#include "big5_charmap.h"
#include "build_error.h"
#include "characters.h"
#include "clips.h"
#include "dictionary_pages.h"
#include "index_conversion.h"
#include "kanjidic.h"
#include "lookup_tables.h"
#include "mode_indexes.h"
#include "middle_chinese.h"
#include "predicted_readings.h"
#include "reading_coverage.h"
#include "reading_ranking.h"
#include "source_files.h"
#include "syllables.h"
#include "text_files.h"
#include "unihan.h"

namespace orvik::mkdata {

namespace {

constexpr std::size_t kReportedExamples = 10;

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

// The conversion of these inputs must give the Nôm CangJie index back.
void BuildConversionInputs(const std::string& nomIndex, DataDir& out) {
    const ConversionInputs inputs = MakeConversionInputs(nomIndex);
    if (ConvertedIndexBytes(inputs) != nomIndex) throw BuildError("ncangjie.dxx and machuan.txt do not convert back to NCangJie.idx");
    out.Write("ncangjie.dxx", inputs.dxx);
    out.Write("machuan.txt", inputs.machuan);
}

void BuildIndexes(const Characters& chars, DataDir& out, Report& report) {
    for (auto build : {BuildTelexHan, BuildTelexNom, BuildCangJieHan, BuildCangJieNom, BuildPinYin}) {
        BuiltIndex index = build(chars);
        out.Write(index.coverage.file, index.bytes);
        if (index.coverage.file == "NCangJie.idx") BuildConversionInputs(index.bytes, out);
        report.indexes.push_back(std::move(index.coverage));
    }
}

// Dictionaries are installed as .dat files; the program renames them to .chm
// at its start, but never over an existing one, so a .chm left by an earlier
// start is removed: the new build is the one the program takes in. The user
// guide keeps its .chm name.
void BuildDictionaries(const Characters& chars, const Options& options,
                       const std::map<std::string, std::vector<const Syllable*>>& pages, Report& report) {
    const auto work = options.outDir / "chm-work";
    const ChmProject projects[] = {HanDictionary(chars, options.textDir), NomDictionary(chars, options.textDir),
                                   VietDictionary(chars, pages), UserGuide(options.textDir)};
    for (const auto& project : projects) {
        const auto chm = CompileChm(project, work / project.name, options.chmcmd);
        const std::string installed = project.name + (project.name == "orvhelp" ? ".chm" : ".dat");
        std::filesystem::copy_file(chm, options.outDir / installed, std::filesystem::copy_options::overwrite_existing);
        if (installed.ends_with(".dat")) std::filesystem::remove(options.outDir / (project.name + ".chm"));
        report.pages[installed] = project.pages.size();
        report.sizes[installed] = std::filesystem::file_size(options.outDir / installed);
    }
    std::filesystem::remove_all(work);
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
    const OtherSources other{KanjidicVietnamese(ReadGzFile(options.kanjidic, "kanjidic-xml")),
                             ReadGuangyun(ReadFile(options.guangyun, "tshet-uinh (tools/guangyun)"))};
    Characters readings(unihan, other);
    // Ranking and predicting learn from the same characters: the ranking
    // moves readings within a character, never adds or drops one.
    const ReadingPredictor predictor(TrainingSet(readings));
    RankReadings(readings, predictor);
    report.heldOut = MeasureHeldOut(readings);
    report.gates = GatesOf(report.heldOut);
    report.predicted = PredictReadings(readings, report.gates, predictor);
    const Characters& chars = readings;
    const auto syllables = SyllablesOfDictionary(ReadFile(options.hunspellDic, "hunspell-vi"));
    if (syllables.empty()) throw BuildError(options.hunspellDic.string() + ": no Vietnamese syllable found");
    const auto pages = ByPageKey(syllables);

    BuildIndexes(chars, out, report);
    const auto symbols = Big5Symbols(CharmapEntries(ReadGzFile(options.big5Charmap, "locales")), chars);
    const std::string corrections = CorrectionList(ReadFile(options.textDir / "Tonaro.txt", "this project"));
    out.Write("big5uni.idx", Big5UniFile(chars, symbols));
    out.Write("phienam.txt", HanReadingTable(chars, symbols, CorrectedCodes(corrections)));
    out.Write("phiennom.txt", NomReadingTable(chars));
    out.Write("tdviet.idx", WordListFile(pages));
    out.Write("Tonaro.txt", corrections);
    report.big5Symbols = symbols.size();
    report.coverage = MeasureCoverage(chars);
    report.examples = PredictionExamples(chars, kReportedExamples);
    BuildDictionaries(chars, options, pages, report);
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
